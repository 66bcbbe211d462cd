#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace galloria::sim {

// A command line that cannot be understood; the message is shown in one line
// under the usage and the simulator exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The options of galloria-sim after the command word. Every option takes a
// value except --json and --call; --horse may be given once per runner.
struct SimArguments {
    std::string command;
    std::optional<std::uint32_t> seed;
    std::vector<std::string> horses; // "SPD,SPR,STA,SPO", one per runner
    std::optional<std::string> gait;
    std::optional<std::string> tipped;
    std::optional<std::string> stablePath;
    std::optional<std::string> field;
    std::optional<std::string> runs;
    std::optional<std::string> players; // set: NAME[,NAME...]
    std::optional<std::string> strategy;
    std::optional<std::string> stake;
    std::optional<std::string> sets;
    std::optional<std::string> odds;
    std::optional<std::string> dir;
    std::optional<std::string> threads;  // odds: worker threads
    std::optional<std::string> settings; // play: an INI file as the settings store
    std::vector<std::string> positional;
    bool json = false;
    bool call = false; // race: print the race call instead of the finish
};

// Splits the words after the program name into the command and its options.
// Throws UsageError for an unknown option, a missing value or a repeated option.
SimArguments ParseSimArguments(const std::vector<std::string>& words);

// Parses a whole decimal integer within [low, high]; `what` names it in the error.
long long ParseInteger(std::string_view text, long long low, long long high, std::string_view what);

// Parses a comma-separated list of integers, each within [low, high].
std::vector<int> ParseIntegerList(std::string_view text, int low, int high, std::string_view what);

} // namespace galloria::sim
