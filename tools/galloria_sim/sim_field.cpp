#include "sim_field.h"

#include "race/race_engine.h"
#include "race/race_run.h"
#include "stable/stable.h"

#include <memory>
#include <set>

namespace galloria::sim {

namespace {

std::vector<SimRunner> FieldFromHorseOptions(const SimArguments& arguments)
{
    std::vector<SimRunner> field;
    for (const std::string& text : arguments.horses) {
        const std::vector<int> traits = ParseIntegerList(text, 0, 100, "a --horse characteristic");
        if (traits.size() != 4)
            throw UsageError("--horse takes four characteristics SPD,SPR,STA,SPO, not \"" + text + "\"");
        SimRunner runner;
        runner.horse.speed = static_cast<std::uint8_t>(traits[0]);
        runner.horse.sprint = static_cast<std::uint8_t>(traits[1]);
        runner.horse.stamina = static_cast<std::uint8_t>(traits[2]);
        runner.horse.spontaneity = static_cast<std::uint8_t>(traits[3]);
        runner.label = text;
        field.push_back(runner);
    }
    return field;
}

std::vector<SimRunner> FieldFromStable(const std::string& path, const std::vector<int>& numbers)
{
    auto stable = std::make_unique<Stable>();
    const StableFileResult read = ReadStableFile(path, *stable);
    if (!read.ok())
        throw FieldError(read.message);

    std::set<int> seen;
    std::vector<SimRunner> field;
    for (int number : numbers) {
        if (number > stable->count)
            throw UsageError("there is no horse " + std::to_string(number) + " in " + path +
                             ", which holds " + std::to_string(stable->count) + " horses");
        if (!seen.insert(number).second)
            throw UsageError("horse " + std::to_string(number) + " is in the field twice");
        const HorseRecord& horse = stable->records[number - 1];
        field.push_back({horse, std::string(HorseName(horse))});
    }
    return field;
}

} // namespace

std::vector<SimRunner> BuildField(const SimArguments& arguments)
{
    const bool byHand = !arguments.horses.empty();
    const bool fromStable = arguments.stablePath || arguments.field;
    if (byHand == fromStable)
        throw UsageError("give the field either with --horse or with --stable and --field");
    if (byHand) {
        if (arguments.horses.size() > CRaceEngine::kMaxRunners)
            throw UsageError("a race has at most 12 runners");
        return FieldFromHorseOptions(arguments);
    }
    if (!arguments.stablePath || !arguments.field)
        throw UsageError("--stable and --field go together");
    const std::vector<int> numbers =
        ParseIntegerList(*arguments.field, 1, Stable::kMaxHorses, "a --field number");
    if (numbers.size() > CRaceEngine::kMaxRunners)
        throw UsageError("a race has at most 12 runners");
    return FieldFromStable(*arguments.stablePath, numbers);
}

void LoadField(CRaceEngine& engine, const std::vector<SimRunner>& field)
{
    engine.fieldSize = static_cast<int>(field.size());
    for (int k = 0; k < engine.fieldSize; ++k)
        LoadRunner(engine, k, field[k].horse);
}

} // namespace galloria::sim
