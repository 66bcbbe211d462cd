// One whole twelve-runner race, from StartRace until raceOver: the unit of work
// of the odds simulation, which runs up to ten of them per race of a set.

#include "race/race_engine.h"

#include "random_field.h"

#include "base/game_random.h"

#include <benchmark/benchmark.h>

namespace galloria {
namespace {

void BM_RaceEngineTwelveRunnerRace(benchmark::State& state)
{
    GameRandom random;
    random.Seed(31337);
    CRaceEngine engine;
    DrawRandomField(engine, random);

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
