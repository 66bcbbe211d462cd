// The unfinished game file: any bytes open as far as they go, with names of
// at most ten letters and race numbers the game can take; a game opened in
// full and saved again opens to the same file.
#include "fuzz_check.h"

#include "base/text_cut.h"
#include "game/unfinished_game_file.h"

#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace galloria;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    RaceSetState state;
    const GameFileReadResult result = ReadUnfinishedGame(in, state);
    FUZZ_CHECK(result.tokensRead >= 0 && result.tokensRead <= kUnfinishedGameTokenCount);
    FUZZ_CHECK(!result.date || result.date->size() <= kSavedDateMaxLength);
    FUZZ_CHECK(state.raceIndex >= 0 && state.raceIndex <= kRacesPerSet);
    FUZZ_CHECK(state.playerCount >= 0 && state.playerCount <= kPlayerSlots);
    for (const PlayerSlot& player : state.players)
        FUZZ_CHECK(CutToLetters(player.name, kMaxPlayerNameLength) == player.name);
    (void)GameFileReadMessage(result);

    if (result.Complete()) {
        const std::string saved = FormatUnfinishedGame(state, result.date.value_or(""));
        std::istringstream again(saved);
        RaceSetState reopened;
        FUZZ_CHECK(ReadUnfinishedGame(again, reopened).Complete());
        FUZZ_CHECK(FormatUnfinishedGame(reopened, result.date.value_or("")) == saved);
    }
    return 0;
}
