// The live odds' Chance column: 2000 races of one twelve-runner field, as the
// game measures them in the background while the players bet.

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
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const RaceStudy study = StudyField(field, seed++, 2000);
        benchmark::DoNotOptimize(study.wins);
    }
}
BENCHMARK(BM_RunnerChanceTwelveRunners2000Races)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3);

} // namespace
} // namespace galloria
