#include "halloffame/hall_of_fame.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace galloria {
namespace {

// Four players and the team recorded at the end of a set into full lists:
// every list takes entries and the score file is written five times.
void BM_HallOfFameEndOfSet(benchmark::State& state)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "galloria-halloffame-bench";
    std::filesystem::create_directories(folder);

    HallOfFame hallOfFame;
    hallOfFame.folder = folder;
    hallOfFame.clock = [] { return LocalDateTime{2003, 3, 14, 20, 30}; };
    hallOfFame.Reset();

    SetResultInput set;
    set.raceCounter = 9;
    set.firstTenEligible = true;
    set.playerCount = 4;
    for (int slot = 0; slot < 4; ++slot) {
        SlotResultInput& player = set.slots[slot];
        player.name = "Player " + std::to_string(slot + 1);
        player.startBalance = 10000;
        player.balance = 12000 + 1000 * slot;
        player.settledBalance = player.balance;
        for (int code = 1; code <= 6; ++code) {
            player.betsPlaced[code] = 4;
            player.betsWon[code] = 2;
            player.amountBet[code] = 800;
            player.amountWon[code] = 1000 + 100 * code;
        }
    }

    for (auto _ : state) {
        hallOfFame.RecordEndOfSet(set);
        benchmark::DoNotOptimize(hallOfFame.table);
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_HallOfFameEndOfSet)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace galloria
