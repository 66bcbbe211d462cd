// The stable file: any bytes give whole records with sound names, and the
// statistics and a program drawn from them (when there are enough horses)
// keep their bounds.
#include "fuzz_check.h"

#include "base/game_random.h"
#include "betting/race_set_state.h"
#include "game/race_program_draw.h"
#include "stable/stable.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static auto stable = std::make_unique<galloria::Stable>();
    using namespace galloria;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const StableFileResult read = DecodeStableBytes(bytes, *stable);
    FUZZ_CHECK(static_cast<std::size_t>(stable->count) ==
               std::min<std::size_t>(size / kHorseRecordSize, Stable::kMaxHorses));
    FUZZ_CHECK(read.ok() == (stable->count > 0));
    for (int h = 0; h < stable->count; ++h) {
        FUZZ_CHECK(HorseName(stable->records[h]).size() <= kMaxHorseNameLength);
        // Every record goes back to the file as it came, but for its padding
        // and a name field that had no end.
        std::uint8_t again[kHorseRecordSize];
        EncodeHorseRecord(stable->records[h], again);
        const auto* original = data + h * kHorseRecordSize;
        for (std::size_t i = kHorseNameSize; i < kHorseRecordSize; ++i)
            FUZZ_CHECK(again[i] == original[i] || i == 34 || i == 35);
    }
    GameRandom random;
    random.Seed(static_cast<std::uint32_t>(size));
    stable->ComputeStatistics(random);
    for (int h = 0; h < stable->count; ++h) {
        const HorseStatistics& s = stable->statistics[h];
        FUZZ_CHECK(s.bestTime >= 0 && s.bestTime < 1000);
        FUZZ_CHECK(s.firsts + s.seconds + s.thirds <= kHistoryLength);
        FUZZ_CHECK(s.lastFinish == stable->records[h].finishHistory[0]);
    }

    static RaceProgram program;
    const bool drawn = DrawRaceProgram(program, *stable, random);
    FUZZ_CHECK(drawn == (stable->count >= kHorsesNeededForASet));
    if (drawn) {
        std::set<int> seen;
        for (int race = 0; race < kRacesPerSet; ++race) {
            FUZZ_CHECK(program.runnerCount[race] >= 6 && program.runnerCount[race] <= kMaxFieldSize);
            FUZZ_CHECK(program.purse[race] >= 5000 && program.purse[race] <= 50000);
            for (int post = 0; post < program.runnerCount[race]; ++post) {
                const int horse = program.runners[race][post];
                FUZZ_CHECK(horse >= 0 && horse < stable->count);
                FUZZ_CHECK(seen.insert(horse).second);
            }
        }
    }
    return 0;
}
