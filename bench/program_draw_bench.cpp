// The program of a set drawn from the starting stable cut to its first N
// horses: the small stables run out of horses of some classes and fill those
// posts after the draw's budget.

#include "base/game_random.h"
#include "betting/race_set_state.h"
#include "game/race_program_draw.h"
#include "stable/stable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace galloria {
namespace {

void BM_ProgramDraw(benchmark::State& state)
{
    auto stable = std::make_unique<Stable>();
    ReadStableFile(GALLORIA_STARTING_STABLE, *stable);
    stable->count = std::min(stable->count, static_cast<int>(state.range(0)));
    GameRandom random;
    random.Seed(1);
    stable->ComputeStatistics(random);
    RaceProgram program;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        random.Seed(seed++);
        DrawRaceProgram(program, *stable, random);
        benchmark::DoNotOptimize(program);
    }
}
BENCHMARK(BM_ProgramDraw)->Arg(120)->Arg(150)->Arg(200)->Arg(400)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace galloria
