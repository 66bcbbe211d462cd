// The horse database on a full stable of 2000 raced horses: opening it until
// the table is filled and painted, and one sort by Earning.

#include "base/game_random.h"
#include "stable/horse_database_model.h"

#include "stable/horse_database_dlg.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace galloria {
namespace {

// A stable file of 2000 horses with full histories in a folder of its own.
struct FullStable {
    FullStable()
    {
        folder = std::filesystem::temp_directory_path() / "galloria_database_bench";
        stable->folder = folder;
        stable->count = Stable::kMaxHorses;
        for (int i = 0; i < Stable::kMaxHorses; ++i) {
            HorseRecord& horse = stable->records[i];
            SetHorseName(horse, "Bench Horse " + std::to_string(i));
            horse.speed = static_cast<std::uint8_t>(i % 101);
            for (int slot = 0; slot < kHistoryLength; ++slot) {
                horse.timeHistory[slot] = static_cast<std::uint16_t>(330 + (i * 7 + slot) % 90);
                horse.oddsHistory[slot] = 3.0f + static_cast<float>(slot);
                horse.earningsHistory[slot] = static_cast<std::uint32_t>((i * 37 + slot * 1000) % 30000);
                horse.finishHistory[slot] = static_cast<std::uint8_t>(1 + (i + slot) % 12);
            }
        }
        WriteStableFile(stable->StablePath(), {stable->records, static_cast<std::size_t>(stable->count)});
    }
    ~FullStable() { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    std::unique_ptr<Stable> stable = std::make_unique<Stable>();
};

// LIST ALL HORSES between sets: the stable loaded from its file, the rows
// made, the table filled and its first screen painted.
void BM_HorseDatabaseOpenOnFullStable(benchmark::State& bench)
{
    FullStable full;
    CHorseDatabaseDlg dialog(nullptr, *full.stable);
    dialog.FitScreen(QSize(1024, 768));
    GameRandom random;
    for (auto _ : bench) {
        QElapsedTimer timer;
        timer.start();
        full.stable->backupRefreshPending = false;
        full.stable->Load(random);
        dialog.Model().Open(false);
        dialog.ShowModel();
        const QPixmap shown = dialog.Table()->grab();
        bench.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_HorseDatabaseOpenOnFullStable)->Unit(benchmark::kMillisecond)->UseManualTime();

// A click on the Earning heading: the rows sorted by the game's comparison
// and the table shown again.
void BM_HorseDatabaseSortByEarning(benchmark::State& bench)
{
    FullStable full;
    CHorseDatabaseDlg dialog(nullptr, *full.stable);
    dialog.Model().Open(false);
    dialog.ShowModel();
    constexpr int kEarning = 6;
    for (auto _ : bench) {
        dialog.Model().SortBy(kEarning);
        dialog.ShowModel();
        benchmark::DoNotOptimize(dialog.Model().Cell(0, kEarning));
    }
}
BENCHMARK(BM_HorseDatabaseSortByEarning)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace galloria
