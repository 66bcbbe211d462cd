#include "sim_commands.h"
#include "sim_field.h"

#include "base/game_random.h"
#include "stable/race_time.h"
#include "stable/stable.h"

#include <cstdio>
#include <memory>
#include <ostream>

namespace galloria::sim {

namespace {

// Dollars as the horse database shows them: "$6000".
std::string Dollars(std::uint32_t amount)
{
    char text[16];
    std::snprintf(text, sizeof text, "$%u", amount);
    return text;
}

} // namespace

int RunStableCommand(const SimArguments& arguments, std::ostream& out)
{
    if (arguments.positional.size() != 1 || arguments.seed || !arguments.horses.empty() || arguments.gait ||
        arguments.tipped || arguments.stablePath || arguments.field || arguments.runs || arguments.threads ||
        arguments.json)
        throw UsageError("stable takes the path of a stable file and nothing else");
    const std::string& path = arguments.positional[0];

    auto stable = std::make_unique<Stable>();
    const StableFileResult read = ReadStableFile(path, *stable);
    if (!read.ok())
        throw FieldError(read.message);
    // The odds of horses without history are drawn; they are not listed, so any seed does.
    GameRandom random;
    stable->ComputeStatistics(random);

    out << "  No.  Name                           Best Time  1st  2nd  3rd    Earning     Hi Win  Speed  "
           "Sprint"
           "  Stam  Spont\n";
    char line[200];
    for (int i = 0; i < stable->count; ++i) {
        const HorseRecord& horse = stable->records[i];
        const HorseStatistics& statistics = stable->statistics[i];
        const std::string name(HorseName(horse));
        std::snprintf(line, sizeof line, "%5d  %-29s  %10s  %3d  %3d  %3d  %9s  %9s  %5d  %6d  %4d  %5d\n",
                      i + 1, name.c_str(), FormatRaceTime(statistics.bestTime).c_str(), statistics.firsts,
                      statistics.seconds, statistics.thirds, Dollars(statistics.totalEarnings).c_str(),
                      Dollars(statistics.hiWin).c_str(), horse.speed, horse.sprint, horse.stamina,
                      horse.spontaneity);
        out << line;
    }
    return 0;
}

} // namespace galloria::sim
