#include "base/game_random.h"
#include "stable/stable.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace galloria {
namespace {

// Load of a full stable of 2000 raced horses, statistics and the backup
// refresh included, as at the start of every race set.
void BM_LoadFullStable(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "galloria_stable_bench";
    auto stable = std::make_unique<Stable>();
    stable->folder = folder;
    stable->count = Stable::kMaxHorses;
    for (int i = 0; i < Stable::kMaxHorses; ++i) {
        SetHorseName(stable->records[i], "Bench Horse " + std::to_string(i));
        for (int slot = 0; slot < kHistoryLength; ++slot) {
            stable->records[i].timeHistory[slot] = static_cast<std::uint16_t>(350 + (i + slot) % 60);
            stable->records[i].oddsHistory[slot] = 3.0f + static_cast<float>(slot);
            stable->records[i].earningsHistory[slot] = static_cast<std::uint32_t>(1000 * slot);
            stable->records[i].finishHistory[slot] = static_cast<std::uint8_t>(1 + slot % 12);
        }
    }
    WriteStableFile(stable->StablePath(), {stable->records, static_cast<std::size_t>(stable->count)});

    GameRandom random;
    for (auto _ : state) {
        stable->Load(random);
        benchmark::DoNotOptimize(stable->statistics[1999].ratingOdds);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LoadFullStable)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace galloria
