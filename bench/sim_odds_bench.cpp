// galloria-sim odds: 2000 races of a twelve-runner field (two chunks), on one
// and on two threads. Wall time, as the player waits for it.

#include "sim_field.h"
#include "sim_odds.h"

#include <benchmark/benchmark.h>

namespace galloria::sim {
namespace {

void BM_SimOddsTwelveRunners2000Races(benchmark::State& state)
{
    std::vector<SimRunner> field(12);
    for (int k = 0; k < 12; ++k) {
        HorseRecord& horse = field[k].horse;
        horse.speed = static_cast<std::uint8_t>(40 + 5 * k);
        horse.sprint = static_cast<std::uint8_t>(90 - 6 * k);
        horse.stamina = static_cast<std::uint8_t>((29 * k) % 101);
        horse.spontaneity = static_cast<std::uint8_t>((61 * k) % 101);
    }
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const OddsTally tally = StudyField(field, 2024, 2000, threads);
        benchmark::DoNotOptimize(tally.wins.data());
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}
BENCHMARK(BM_SimOddsTwelveRunners2000Races)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace galloria::sim
