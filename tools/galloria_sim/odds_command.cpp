#include "sim_commands.h"
#include "sim_field.h"
#include "sim_json.h"
#include "sim_odds.h"

#include "stable/race_time.h"

#include <cstdio>
#include <ostream>

namespace galloria::sim {

namespace {

// Each runner's share of wins, top-two and top-three finishes, and its mean time.
struct OddsStudy {
    std::vector<double> win, place, show, meanTime;
};

OddsStudy ShareOf(const OddsTally& tally)
{
    OddsStudy study;
    const double runs = tally.runs;
    for (std::size_t k = 0; k < tally.wins.size(); ++k) {
        study.win.push_back(static_cast<double>(tally.wins[k]) / runs);
        study.place.push_back(static_cast<double>(tally.places[k]) / runs);
        study.show.push_back(static_cast<double>(tally.shows[k]) / runs);
        study.meanTime.push_back(static_cast<double>(tally.totalTime[k]) / runs);
    }
    return study;
}

void PrintStudyTable(const std::vector<SimRunner>& field, const OddsStudy& study, int runs, std::ostream& out)
{
    out << "Over " << runs << " races\n";
    out << "Post  Horse                             Win   Place    Show  Mean time\n";
    char line[160];
    for (std::size_t k = 0; k < field.size(); ++k) {
        std::snprintf(line, sizeof line, "%4zu  %-29s  %5.1f%%  %5.1f%%  %5.1f%%  %s\n", k + 1,
                      field[k].label.c_str(), 100.0 * study.win[k], 100.0 * study.place[k],
                      100.0 * study.show[k],
                      FormatRaceTime(static_cast<int>(study.meanTime[k] + 0.5)).c_str());
        out << line;
    }
}

} // namespace

int RunOddsCommand(const SimArguments& arguments, std::ostream& out)
{
    if (!arguments.seed || !arguments.runs)
        throw UsageError("odds needs --runs N and --seed S");
    if (arguments.gait || arguments.tipped || !arguments.positional.empty())
        throw UsageError("odds takes --runs, --seed, --horse or --stable with --field, --threads and --json");
    const int runs = static_cast<int>(ParseInteger(*arguments.runs, 1, 1000000, "--runs"));
    const int threads = arguments.threads
                            ? static_cast<int>(ParseInteger(*arguments.threads, 1, 256, "--threads"))
                            : DefaultThreadCount();
    const std::vector<SimRunner> field = BuildField(arguments);
    const OddsStudy study = ShareOf(StudyField(field, *arguments.seed, runs, threads));

    if (arguments.json)
        out << "{\"win\":" << JsonArray(study.win, 4) << ",\"place\":" << JsonArray(study.place, 4)
            << ",\"show\":" << JsonArray(study.show, 4) << ",\"mean_time\":" << JsonArray(study.meanTime, 2)
            << "}\n";
    else
        PrintStudyTable(field, study, runs, out);
    return 0;
}

} // namespace galloria::sim
