#include "sim_arguments.h"

#include <charconv>

namespace galloria::sim {

namespace {

// Stores the value of a single-use option, refusing a second one.
void SetOnce(std::optional<std::string>& slot, std::string_view option, const std::string& value)
{
    if (slot)
        throw UsageError(std::string(option) + " given twice");
    slot = value;
}

} // namespace

long long ParseInteger(std::string_view text, long long low, long long high, std::string_view what)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end)
        throw UsageError(std::string(what) + " must be a whole number, not \"" + std::string(text) + "\"");
    if (value < low || value > high)
        throw UsageError(std::string(what) + " must be from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not " + std::string(text));
    return value;
}

std::vector<int> ParseIntegerList(std::string_view text, int low, int high, std::string_view what)
{
    std::vector<int> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view item =
            text.substr(start, comma == std::string_view::npos ? text.size() - start : comma - start);
        values.push_back(static_cast<int>(ParseInteger(item, low, high, what)));
        if (comma == std::string_view::npos)
            return values;
        start = comma + 1;
    }
}

SimArguments ParseSimArguments(const std::vector<std::string>& words)
{
    if (words.empty())
        throw UsageError("a command is needed");
    SimArguments arguments;
    arguments.command = words[0];
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--json") {
            arguments.json = true;
            continue;
        }
        if (word == "--call") {
            arguments.call = true;
            continue;
        }
        if (word.rfind("--", 0) != 0) {
            arguments.positional.push_back(word);
            continue;
        }
        if (i + 1 >= words.size())
            throw UsageError(word + " needs a value");
        const std::string& value = words[++i];
        if (word == "--seed") {
            if (arguments.seed)
                throw UsageError("--seed given twice");
            arguments.seed = static_cast<std::uint32_t>(ParseInteger(value, 0, 4294967295LL, "--seed"));
        } else if (word == "--horse") {
            arguments.horses.push_back(value);
        } else if (word == "--gait") {
            SetOnce(arguments.gait, word, value);
        } else if (word == "--tipped") {
            SetOnce(arguments.tipped, word, value);
        } else if (word == "--stable") {
            SetOnce(arguments.stablePath, word, value);
        } else if (word == "--field") {
            SetOnce(arguments.field, word, value);
        } else if (word == "--runs") {
            SetOnce(arguments.runs, word, value);
        } else if (word == "--players") {
            SetOnce(arguments.players, word, value);
        } else if (word == "--strategy") {
            SetOnce(arguments.strategy, word, value);
        } else if (word == "--stake") {
            SetOnce(arguments.stake, word, value);
        } else if (word == "--sets") {
            SetOnce(arguments.sets, word, value);
        } else if (word == "--odds") {
            SetOnce(arguments.odds, word, value);
        } else if (word == "--dir") {
            SetOnce(arguments.dir, word, value);
        } else if (word == "--threads") {
            SetOnce(arguments.threads, word, value);
        } else if (word == "--settings") {
            SetOnce(arguments.settings, word, value);
        } else {
            throw UsageError("unknown option " + word);
        }
    }
    return arguments;
}

} // namespace galloria::sim
