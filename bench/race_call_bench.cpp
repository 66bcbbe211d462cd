// The race call's reading of one tick: every tick of a seeded twelve-runner
// race, recorded once, is read by a caller in turn.

#include "race/race_call.h"

#include "base/game_random.h"

#include "random_field.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace galloria {
namespace {

void BM_RaceCallPerTick(benchmark::State& state)
{
    GameRandom random;
    random.Seed(31337);
    CRaceEngine engine;
    DrawRandomField(engine, random);
    std::vector<std::string> names;
    for (int k = 0; k < engine.fieldSize; ++k)
        names.push_back("Runner " + std::to_string(k + 1));
    std::vector<CRaceEngine> ticks;
    engine.StartRace(random);
    while (!engine.raceOver) {
        engine.AdvanceTick(random);
        ticks.push_back(engine);
    }

    long read = 0;
    for (auto _ : state) {
        RaceCaller caller(names, 1);
        for (const CRaceEngine& tick : ticks)
            benchmark::DoNotOptimize(caller.Observe(tick));
        read += static_cast<long>(ticks.size());
    }
    state.counters["per tick"] = benchmark::Counter(
        static_cast<double>(read), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RaceCallPerTick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace galloria
