// The live odds' Chance column: 2000 races of one twelve-runner field, as the
// game measures them in the background while the players bet, on one and on
// two threads. Wall time, as the player waits for the column.

#include "race/race_study.h"

#include "base/game_random.h"

#include <benchmark/benchmark.h>

namespace galloria {
namespace {

void BM_RunnerChanceTwelveRunners2000Races(benchmark::State& state)
{
    GameRandom random;
    random.Seed(2026);
    CRaceEngine field;
    field.fieldSize = CRaceEngine::kMaxRunners;
    for (int k = 0; k < field.fieldSize; ++k) {
        field.speedRating[k] = random.Next() % 101;
        field.sprint[k] = random.Next() % 101;
        field.stamina[k] = random.Next() % 101;
        field.spontaneity[k] = random.Next() % 101;
    }
    field.tippedRunner = 4;
    const int threads = static_cast<int>(state.range(0));
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const RaceStudy study = StudyField(field, seed++, 2000, nullptr, threads);
        benchmark::DoNotOptimize(study.wins);
    }
}
BENCHMARK(BM_RunnerChanceTwelveRunners2000Races)
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3);

} // namespace
} // namespace galloria
