// One whole ten-race set headless: four players betting every kind of bet,
// ten simulated races for each race's odds, and every file of the game
// written, as galloria-sim set plays it.

#include "sim_set.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace galloria::sim {
namespace {

void BM_WholeSetFourPlayersMixed(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "galloria-bench-set";
    std::filesystem::remove_all(folder);
    SetRunOptions options;
    options.players = {"Ann", "Bob", "Cy", "Dee"};
    options.strategy = Strategy::Mixed;
    options.stake = 50;
    options.oddsAccuracy = 3;
    options.folder = folder;
    options.startingStable = GALLORIA_STARTING_STABLE;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        options.seed = seed++;
        std::ostringstream out;
        RunSets(options, out);
        benchmark::DoNotOptimize(out);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WholeSetFourPlayersMixed)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace galloria::sim
