#pragma once

#include "halloffame/fixed_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace galloria {

// One entry of a hall-of-fame list, stored as 65 bytes of NUL-terminated texts.
struct ScoreEntry {
    static constexpr std::size_t kStoredSize = 65;

    FixedText<12> date;  // M-D-YYYY, the day the entry was made
    FixedText<40> name;  // the player, or the players of a team
    FixedText<10> value; // the ranked value as decimal text
    FixedText<3> races;  // races played, at most two digits

    bool operator==(const ScoreEntry&) const = default;
};

// The lists' positions in a row of the table and in the score file. Stored, so
// the values are fixed.
enum ScoreListIndex : int {
    kTopList = 0,
    kWinBetsList = 1,
    kPlaceBetsList = 2,
    kShowBetsList = 3,
    kAcrossList = 4,
    kExactaList = 5,
    kTriactaList = 6,
    kTeamList = 7,
    kPercentWonList = 8,
    kDayList = 9,
    kMonthList = 10,
    kWebTenList = 11,
};

inline constexpr int kScoreListCount = 12;
inline constexpr int kScoreRowCount = 20;

// One entry of each list, in list-index order: a row of the table, or one
// player's candidate values at the end of a set.
using ScoreRow = std::array<ScoreEntry, kScoreListCount>;

// The marker text of a vacant entry's date, name and value; its races are "~~".
inline constexpr std::string_view kVacantText = "~~~~~~";
inline constexpr std::string_view kVacantRaces = "~~";

ScoreEntry VacantScoreEntry();

// Decimal text of a whole number, held to the range a value field can show
// (-99999999 .. 999999999) rather than cut into a different number.
std::string WholeNumberText(std::int64_t value);

// The whole number a text starts with, read as the lists rank their values:
// leading spaces and a sign are accepted, reading stops at the first non-digit
// ("45.5" is 45) and a text without digits ("~~~~~~") is 0. Never overflows.
int LeadingWholeNumber(std::string_view text);

} // namespace galloria
