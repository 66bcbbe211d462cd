// One whole twelve-runner race, from StartRace until raceOver: the unit of work
// of the odds simulation, which runs up to ten of them per race of a set.

#include "race/race_engine.h"

#include "base/game_random.h"

#include <benchmark/benchmark.h>

namespace galloria {
namespace {

void BM_RaceEngineTwelveRunnerRace(benchmark::State& state)
{
    GameRandom random;
    random.Seed(31337);
    CRaceEngine engine;
    engine.fieldSize = CRaceEngine::kMaxRunners;
    for (int k = 0; k < engine.fieldSize; ++k) {
        engine.speedRating[k] = random.Next() % 101;
        engine.sprint[k] = random.Next() % 101;
        engine.stamina[k] = random.Next() % 101;
        engine.spontaneity[k] = random.Next() % 101;
        engine.gaitPhase[k] = random.Next() % 11;
    }

    long ticks = 0;
    // The generator runs on from race to race, so each iteration is a new race of the same field.
    for (auto _ : state) {
        engine.StartRace(random);
        while (!engine.raceOver)
            engine.AdvanceTick(random);
        ticks += engine.tickCount + 1;
        benchmark::DoNotOptimize(engine.finishOrder);
    }
    state.counters["ticks/race"] = benchmark::Counter(static_cast<double>(ticks) / state.iterations());
}
BENCHMARK(BM_RaceEngineTwelveRunnerRace)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace galloria
