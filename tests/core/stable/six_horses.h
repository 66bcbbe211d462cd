#pragma once

#include "base/game_random.h"
#include "stable/stable.h"

#include <filesystem>

namespace galloria::testing {

// Writes six horses of known figures as the stable of `folder` and loads it:
// numbers 1 to 6 in this order. Alpha and Delta have not run; the others ran
// twice (first, then third) and won once.
inline void LoadSixHorses(Stable& stable, const std::filesystem::path& folder)
{
    const struct {
        const char* name;
        int bestTime;           // fifths, 0 for a horse that has not run
        std::uint32_t earnings; // won in one race
        int speed;
    } horses[] = {
        {"Bravo", 370, 9000, 40}, {"Alpha", 0, 0, 60},       {"Echo", 352, 10000, 55},
        {"Delta", 0, 0, 30},      {"Charlie", 401, 500, 70}, {"Foxtrot", 365, 0, 45},
    };
    stable.folder = folder;
    stable.count = 0;
    for (const auto& test : horses) {
        HorseRecord& horse = stable.records[stable.count++];
        horse = HorseRecord{};
        SetHorseName(horse, test.name);
        horse.speed = static_cast<std::uint8_t>(test.speed);
        if (test.bestTime > 0) {
            horse.timeHistory[0] = static_cast<std::uint16_t>(test.bestTime);
            horse.timeHistory[1] = static_cast<std::uint16_t>(test.bestTime + 20);
            horse.finishHistory[0] = 1;
            horse.finishHistory[1] = 3;
            horse.earningsHistory[0] = test.earnings;
            horse.oddsHistory[0] = 4.0f;
        }
    }
    WriteStableFile(stable.StablePath(), {stable.records, static_cast<std::size_t>(stable.count)});
    GameRandom random;
    stable.Load(random);
}

} // namespace galloria::testing
