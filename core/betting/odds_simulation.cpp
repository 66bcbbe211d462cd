#include "betting/odds_simulation.h"

#include "betting/odds.h"
#include "betting/race_set_state.h"
#include "race/race_engine.h"
#include "race/race_run.h"
#include "stable/stable.h"

#include <span>

namespace galloria {

namespace {

// Marks a simulation as running for as long as it is in scope.
class ActiveSimulation {
public:
    explicit ActiveSimulation(bool& active) : active_(active) { active_ = true; }
    ~ActiveSimulation() { active_ = false; }
    ActiveSimulation(const ActiveSimulation&) = delete;
    ActiveSimulation& operator=(const ActiveSimulation&) = delete;

private:
    bool& active_;
};

bool StableHoldsField(const RaceProgram& program, int race, const Stable& stable)
{
    const int n = program.FieldSize(race);
    for (int k = 0; k < n; ++k) {
        const int horse = program.runners[race][k];
        if (horse < 0 || horse >= stable.count)
            return false;
    }
    return n > 0;
}

} // namespace

OddsSimulationResult SimulateOdds(int count, RaceSetState& state, CRaceEngine& engine, const Stable& stable,
                                  GameRandom& random, OddsProgress* progress)
{
    if (state.oddsSimulationActive)
        return OddsSimulationResult::AlreadyRunning;
    const int race = state.raceIndex;
    if (count <= 0 || !StableHoldsField(state.program, race, stable))
        return OddsSimulationResult::Skipped;
    const ActiveSimulation active(state.oddsSimulationActive);

    engine.fieldSize = state.program.FieldSize(race);
    for (int k = 0; k < engine.fieldSize; ++k)
        LoadRunner(engine, k, stable.records[state.program.runners[race][k]]);

    const std::span<double> odds = state.program.FieldOdds(race);
    if (progress)
        progress->Open(kOddsProgressRange);
    for (int run = 1; run <= count; ++run) {
        RunRaceToEnd(engine, random);
        ApplyFinishToOdds(odds, std::span<const int>(engine.finishOrder).first(engine.finishedCount));
        if (progress)
            progress->SetPosition(run * kOddsProgressRange / count);
    }
    if (progress)
        progress->Close();
    return OddsSimulationResult::Completed;
}

} // namespace galloria
