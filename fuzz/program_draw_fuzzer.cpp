// The program draw over stables of every size from 120 to 2000 horses and
// every spread of classes: it must end (the fuzzer's timeout catches a draw
// that does not) with each horse at most once and every field of 6 to 12.
//
// Input: two bytes for the number of horses, four for the seed, then two
// bytes a horse (speed, largest win in hundreds of dollars), taken round
// again when the input is shorter than the stable.
#include "fuzz_check.h"

#include "base/game_random.h"
#include "betting/race_set_state.h"
#include "game/race_program_draw.h"
#include "stable/stable.h"

#include <cstdint>
#include <memory>
#include <set>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace galloria;
    if (size < 6)
        return 0;
    static auto stable = std::make_unique<Stable>();
    stable->count =
        kHorsesNeededForASet + (data[0] | data[1] << 8) % (Stable::kMaxHorses - kHorsesNeededForASet + 1);
    const std::uint32_t seed =
        data[2] | data[3] << 8 | data[4] << 16 | static_cast<std::uint32_t>(data[5]) << 24;
    const std::uint8_t* horses = data + 6;
    const std::size_t horseBytes = (size - 6) / 2 * 2;
    for (int h = 0; h < stable->count; ++h) {
        HorseRecord& horse = stable->records[h];
        horse = HorseRecord{};
        horse.oddsHistory[0] = 5.0f;
        if (horseBytes == 0) {
            horse.speed = 50;
            continue;
        }
        const std::size_t at = (2 * static_cast<std::size_t>(h)) % horseBytes;
        horse.speed = static_cast<std::uint8_t>(horses[at] % 101);
        horse.earningsHistory[0] = horses[at + 1] * 100u;
    }
    GameRandom random;
    random.Seed(seed);
    stable->ComputeStatistics(random);

    static RaceProgram program;
    FUZZ_CHECK(DrawRaceProgram(program, *stable, random));
    std::set<int> seen;
    for (int race = 0; race < kRacesPerSet; ++race) {
        FUZZ_CHECK(program.runnerCount[race] >= 6 && program.runnerCount[race] <= kMaxFieldSize);
        FUZZ_CHECK(program.purse[race] >= 5000 && program.purse[race] <= 50000 &&
                   program.purse[race] % 1000 == 0);
        for (int post = 0; post < kMaxFieldSize; ++post) {
            const int horse = program.runners[race][post];
            if (post >= program.runnerCount[race]) {
                FUZZ_CHECK(horse == -1);
                continue;
            }
            FUZZ_CHECK(horse >= 0 && horse < stable->count);
            FUZZ_CHECK(seen.insert(horse).second);
            FUZZ_CHECK(program.morningLineOdds[race][post] >= 2.5 &&
                       program.morningLineOdds[race][post] <= 1000.0);
        }
    }
    return 0;
}
