#include "sim_commands.h"
#include "sim_set.h"

#include "betting/race_set_state.h"
#include "game/player_names_model.h"

#include <algorithm>

namespace galloria::sim {

namespace {

// The names as the names dialog would take them, one to four, without blanks.
std::vector<std::string> ParsePlayers(const std::string& list)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        names.push_back(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (names.size() > static_cast<std::size_t>(kPlayerSlots))
        throw UsageError("--players takes one to four names");
    std::array<std::string, kPlayerSlots> typed{};
    for (std::size_t slot = 0; slot < names.size(); ++slot) {
        if (names[slot].empty() || !NameBoxAccepts(names[slot]))
            throw UsageError("a player's name has 1 to " + std::to_string(kMaxPlayerNameLength) +
                             " characters, not \"" + names[slot] + "\"");
        // The game takes blanks inside a name; our output separates names with them.
        if (names[slot].find_first_of(" \t") != std::string::npos)
            throw UsageError("a player's name for galloria-sim has no blanks, not \"" + names[slot] + "\"");
        typed[slot] = names[slot];
    }
    std::array<int, kPlayerSlots> selection;
    selection.fill(kTypedText);
    std::string refusal = ReadPlayerNames(typed, selection).refusal;
    if (!refusal.empty()) {
        std::ranges::replace(refusal, '\n', ' ');
        throw UsageError(refusal);
    }
    return names;
}

} // namespace

int RunSetCommand(const SimArguments& arguments, std::ostream& out)
{
    if (!arguments.seed)
        throw UsageError("set needs --seed S");
    if (!arguments.players)
        throw UsageError("set needs --players NAME[,NAME...]");
    if (!arguments.horses.empty() || arguments.field || arguments.gait || arguments.tipped ||
        arguments.runs || arguments.threads || !arguments.positional.empty())
        throw UsageError(
            "set takes --seed, --players, --strategy, --stake, --sets, --odds, --dir, --stable and --json");

    SetRunOptions options;
    options.seed = *arguments.seed;
    options.players = ParsePlayers(*arguments.players);
    if (arguments.strategy)
        options.strategy = ParseStrategy(*arguments.strategy);
    if (arguments.stake)
        options.stake = static_cast<int>(ParseInteger(*arguments.stake, 1, 100000, "--stake"));
    if (arguments.sets)
        options.sets = static_cast<int>(ParseInteger(*arguments.sets, 1, 10000, "--sets"));
    if (arguments.odds)
        options.oddsAccuracy = static_cast<int>(ParseInteger(*arguments.odds, 1, 3, "--odds"));
    if (arguments.dir)
        options.folder = *arguments.dir;
    if (arguments.stablePath)
        options.startingStable = *arguments.stablePath;
    options.json = arguments.json;
    RunSets(options, out);
    return 0;
}

} // namespace galloria::sim
