#include "sim.h"

#include "sim_commands.h"
#include "sim_field.h"

#include <ostream>

namespace galloria::sim {

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  galloria-sim race --seed S --horse SPD,SPR,STA,SPO [--horse ...] [--gait G1,G2,...] [--tipped K] "
    "[--json]\n"
    "  galloria-sim race --seed S --stable PATH --field N1,N2,... [--gait G1,G2,...] [--tipped K] [--json]\n"
    "  galloria-sim odds --runs N --seed S (--horse ... | --stable PATH --field N1,N2,...)\n"
    "                    [--threads N] [--json]\n"
    "  galloria-sim stable PATH\n"
    "  galloria-sim set --seed S --players NAME[,NAME...] [--strategy none|favourite|longshot|mixed]\n"
    "                   [--stake N] [--sets K] [--odds 1|2|3] [--dir PATH] [--stable PATH] [--json]\n"
    "  galloria-sim bench [--stable PATH]\n"
    "\n"
    "  race    runs one race from the gate to the finish and prints the finish\n"
    "  odds    runs N races of one field and prints each runner's share of wins,\n"
    "          top-two and top-three finishes and its mean time; --threads N\n"
    "          shares the races out (default: one thread per core) and does not\n"
    "          change the result\n"
    "  stable  lists the horses of a stable file with their statistics\n"
    "  set     plays K whole race sets of one to four players in the game folder\n"
    "          PATH (default: here), betting N dollars a bet by the strategy\n"
    "  bench   runs a fixed list of seeded races and sets and prints their\n"
    "          signature and the time it took\n"
    "\n"
    "  Characteristics are 0..100; stride phases 0..10; K is a runner index from 0\n"
    "  (-1 for none); horse numbers in --field count from 1; 1 to 12 runners.\n";

} // namespace

int RunGalloriaSim(const std::vector<std::string>& words, std::ostream& out, std::ostream& err)
{
    if (!words.empty() && (words[0] == "--help" || words[0] == "-h" || words[0] == "help")) {
        out << kUsage;
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
