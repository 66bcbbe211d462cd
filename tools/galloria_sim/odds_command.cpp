#include "sim_commands.h"
#include "sim_field.h"
#include "sim_json.h"
#include "sim_race.h"

#include "base/game_random.h"
#include "race/race_engine.h"
#include "race/race_run.h"
#include "stable/race_time.h"

#include <cstdio>
#include <ostream>

namespace galloria::sim {

namespace {

// Each runner's share of wins, top-two and top-three finishes, and its mean time.
struct OddsStudy {
    std::vector<double> win, place, show, meanTime;
};

OddsStudy StudyRaces(CRaceEngine& engine, GameRandom& random, int runs)
{
    const int n = engine.fieldSize;
    std::vector<int> wins(n), places(n), shows(n);
    std::vector<double> totalTime(n);
    for (int run = 0; run < runs; ++run) {
        DrawGaitPhases(engine, random);
        RunRaceToEnd(engine, random);
        const RaceOutcome outcome = ReadOutcome(engine);
        for (std::size_t place = 0; place < outcome.order.size(); ++place) {
            const int runner = outcome.order[place];
            wins[runner] += place == 0;
            places[runner] += place < 2;
            shows[runner] += place < 3;
            totalTime[runner] += outcome.times[place];
        }
    }
    OddsStudy study;
    for (int k = 0; k < n; ++k) {
        study.win.push_back(static_cast<double>(wins[k]) / runs);
        study.place.push_back(static_cast<double>(places[k]) / runs);
        study.show.push_back(static_cast<double>(shows[k]) / runs);
        study.meanTime.push_back(totalTime[k] / runs);
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
        throw UsageError("odds takes --runs, --seed, --horse or --stable with --field, and --json");
    const int runs = static_cast<int>(ParseInteger(*arguments.runs, 1, 1000000, "--runs"));
    const std::vector<SimRunner> field = BuildField(arguments);

    CRaceEngine engine;
    LoadField(engine, field);
    engine.tippedRunner = -1;
    GameRandom random;
    random.Seed(*arguments.seed);
    const OddsStudy study = StudyRaces(engine, random, runs);

    if (arguments.json)
        out << "{\"win\":" << JsonArray(study.win, 4) << ",\"place\":" << JsonArray(study.place, 4)
            << ",\"show\":" << JsonArray(study.show, 4) << ",\"mean_time\":" << JsonArray(study.meanTime, 2)
            << "}\n";
    else
        PrintStudyTable(field, study, runs, out);
    return 0;
}

} // namespace galloria::sim
