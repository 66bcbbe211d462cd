#pragma once

#include "betting/race_set_state.h"

#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace galloria {

// The file the game saves itself to after every race, in the current folder.
inline constexpr std::string_view kAutoSavedGameFileName = "AutoSaved.gxu";

// The longest date the file keeps; a longer date token is cut to this.
inline constexpr std::size_t kSavedDateMaxLength = 11;

// Numbers in a complete file: the date, the race index and counter, then per
// slot a name, two balances, ten balances after races and 28 statistics.
inline constexpr int kUnfinishedGameTokenCount =
    3 + kPlayerSlots * (1 + 2 + kRacesPerSet + 4 * kBetTypeCount);

// The unfinished game file (".gxu") is 19 lines of text, each ended by CR LF:
//   1  the date of the save (M-D-YYYY)
//   2  the race index to resume at      3  the race counter to resume at
//   then per slot 0..3 four lines:
//      the name, or "none" for an empty slot
//      balance, a space, startBalance
//      the ten balances after races, each followed by a space
//      per bet type code 0..6: placed, won, amount bet, amount won, each
//      followed by a space (28 numbers)
// The reader takes white-space separated tokens and ignores where the lines
// break. A name is written as one token: blanks, control characters and '%'
// become %XX, and a name that reads "none" is written "%6Eone", so every name
// survives a save and an open.

// The file's text for `state`, dated `date`. The race to resume at is the
// current race, or the next one when the current race has been settled. Bets
// are not saved, so a player who saves with bets bought for a race not yet run
// has their stakes added back to the balance written.
std::string FormatUnfinishedGame(const RaceSetState& state, std::string_view date);

// Replaces the file at `path` with FormatUnfinishedGame's text; false, and any
// old file kept, when it cannot be written.
bool WriteUnfinishedGameFile(const std::filesystem::path& path, const RaceSetState& state,
                             std::string_view date);

// Why reading a file stopped.
enum class GameFileStop {
    Complete,   // every token was read
    CannotOpen, // no such file, or not readable: the state was not touched
    EndsEarly,  // the file ended before its last token
    NotANumber, // a token where a number belongs is not a whole number
    OutOfRange, // a number that the game cannot take (race index, race counter, beyond 32 bits)
};

struct GameFileReadResult {
    GameFileStop stop = GameFileStop::Complete;
    int tokensRead = 0; // of kUnfinishedGameTokenCount, counting the date
    int line = 0;       // line of the token that stopped the reading; 0 when it is complete or ends early
    std::string token;  // that token, as found
    std::optional<std::string> date; // the saved date, cut to kSavedDateMaxLength, once it was read

    bool Complete() const { return stop == GameFileStop::Complete; }
};

// Opens a saved game into `state`. Reading starts from ResetRaceSet and from
// four empty slots (no name, balance 0, start balance 10000, no balances after
// races); every token read replaces the value it stands for, and reading stops
// at the end of the file or at the first token that is not a number where one
// belongs, so a short or damaged file is taken as far as it goes. A race index
// outside 0..10 or one that does not belong to the race counter stops the
// reading as out of range, as does a race counter below 0 or so large that
// counting on would overflow. A named slot plays from the race counter read
// (racesPlayed); its settled balance is the balance read. playerCount counts
// the named slots; firstTenEligible is cleared (an opened game never counts
// for the list of the first ten races) and so is raceSettled: the state is
// that of the race to resume at, not yet run, so saving it again writes the
// same file. The race index and counter are taken together, once both are
// read. The caller puts `date` into the hall of fame's date text.
GameFileReadResult ReadUnfinishedGame(std::istream& in, RaceSetState& state);

// ReadUnfinishedGame on the file at `path`; a missing or unreadable file gives
// CannotOpen and leaves `state` as it was.
GameFileReadResult ReadUnfinishedGameFile(const std::filesystem::path& path, RaceSetState& state);

// A sentence for the player on why a file was not read in full; empty when it
// was complete.
std::string GameFileReadMessage(const GameFileReadResult& result);

} // namespace galloria
