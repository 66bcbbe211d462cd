#include "sim.h"

#include "sim_commands.h"
#include "sim_field.h"
#include "sim_help.h"

#include <algorithm>
#include <ostream>

namespace galloria::sim {

int RunGalloriaSim(const std::vector<std::string>& words, std::ostream& out, std::ostream& err)
{
    const auto isHelp = [](const std::string& word) { return word == "--help" || word == "-h"; };
    if (!words.empty() && (isHelp(words[0]) || words[0] == "help")) {
        // "galloria-sim help COMMAND" is the same as "galloria-sim COMMAND --help".
        const std::string_view usage = words.size() > 1 ? CommandUsage(words[1]) : std::string_view();
        out << (usage.empty() ? GeneralUsage() : usage);
        return 0;
    }
    if (!words.empty() && std::any_of(words.begin() + 1, words.end(), isHelp)) {
        if (CommandUsage(words[0]).empty()) {
            err << "galloria-sim: unknown command \"" << words[0] << "\" (see galloria-sim --help)\n";
            return 2;
        }
        out << CommandUsage(words[0]);
        return 0;
    }
    try {
        const SimArguments arguments = ParseSimArguments(words);
        if (arguments.command == "race")
            return RunRaceCommand(arguments, out);
        if (arguments.command == "odds")
            return RunOddsCommand(arguments, out);
        if (arguments.command == "stable")
            return RunStableCommand(arguments, out);
        if (arguments.command == "set")
            return RunSetCommand(arguments, out);
        if (arguments.command == "bench")
            return RunBenchCommand(arguments, out);
        if (arguments.command == "play")
            return RunPlayCommand(arguments, out);
        throw UsageError("unknown command \"" + arguments.command + "\"");
    } catch (const UsageError& error) {
        err << "galloria-sim: " << error.what() << " (see galloria-sim --help)\n";
        return 2;
    } catch (const FieldError& error) {
        err << "galloria-sim: " << error.what() << "\n";
        return 1;
    }
}

} // namespace galloria::sim
