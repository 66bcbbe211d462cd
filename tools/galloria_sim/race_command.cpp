#include "sim_commands.h"
#include "sim_field.h"
#include "sim_json.h"
#include "sim_race.h"

#include "base/game_random.h"
#include "race/race_call_sheet.h"
#include "race/race_engine.h"
#include "race/race_run.h"
#include "stable/race_time.h"

#include <cstdio>
#include <ostream>

namespace galloria::sim {

namespace {

// Sets the stride phases from --gait, or draws them as the game does.
void SetGaitPhases(const SimArguments& arguments, CRaceEngine& engine, GameRandom& random)
{
    if (!arguments.gait) {
        DrawGaitPhases(engine, random);
        return;
    }
    const std::vector<int> phases = ParseIntegerList(*arguments.gait, 0, 10, "a --gait phase");
    if (static_cast<int>(phases.size()) != engine.fieldSize)
        throw UsageError("--gait needs one phase for each of the " + std::to_string(engine.fieldSize) +
                         " runners");
    for (int k = 0; k < engine.fieldSize; ++k)
        engine.gaitPhase[k] = phases[k];
}

void PrintFinishTable(const std::vector<SimRunner>& field, const RaceOutcome& outcome, std::ostream& out)
{
    out << "Place  Post  Horse                          Time\n";
    char line[128];
    for (std::size_t place = 0; place < outcome.order.size(); ++place) {
        const int runner = outcome.order[place];
        std::snprintf(line, sizeof line, "%5zu  %4d  %-29s  %s\n", place + 1, runner + 1,
                      field[runner].label.c_str(), FormatRaceTime(outcome.times[place]).c_str());
        out << line;
    }
}

// The race's calls, each after its tick, phrased as in a set's first race.
// Horses from a stable are called by name, horses given by hand by number.
void PrintRaceCall(const SimArguments& arguments, const CRaceEngine& engine, const GameRandom& random,
                   const std::vector<SimRunner>& field, std::ostream& out)
{
    std::vector<std::string> names;
    for (const SimRunner& runner : field)
        names.push_back(arguments.horses.empty() ? runner.label : std::string());
    const RaceCallSheet sheet = CallRace(engine, random, names, 1);
    char tick[16];
    for (const RaceCallSheet::TimedCall& call : sheet.calls) {
        std::snprintf(tick, sizeof tick, "%5d  ", call.tick);
        out << tick << call.text << '\n';
    }
}

} // namespace

int RunRaceCommand(const SimArguments& arguments, std::ostream& out)
{
    if (!arguments.seed)
        throw UsageError("race needs --seed S");
    if (arguments.runs || arguments.threads || !arguments.positional.empty())
        throw UsageError(
            "race takes --seed, --horse or --stable with --field, --gait, --tipped and --json or --call");
    if (arguments.json && arguments.call)
        throw UsageError("race takes --json or --call, not both");
    const std::vector<SimRunner> field = BuildField(arguments);

    CRaceEngine engine;
    LoadField(engine, field);
    engine.tippedRunner =
        arguments.tipped
            ? static_cast<int>(ParseInteger(*arguments.tipped, -1, engine.fieldSize - 1, "--tipped"))
            : -1;
    GameRandom random;
    random.Seed(*arguments.seed);
    SetGaitPhases(arguments, engine, random);

    if (arguments.call) {
        PrintRaceCall(arguments, engine, random, field, out);
        return 0;
    }
    RunRaceToEnd(engine, random);
    const RaceOutcome outcome = ReadOutcome(engine);
    if (arguments.json)
        out << "{\"order\":" << JsonArray(outcome.order) << ",\"times\":" << JsonArray(outcome.times)
            << ",\"ticks\":" << outcome.ticks << "}\n";
    else
        PrintFinishTable(field, outcome, out);
    return 0;
}

} // namespace galloria::sim
