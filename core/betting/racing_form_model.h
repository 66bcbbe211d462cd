#pragma once

#include "base/screen_text.h"
#include "base/size_class.h"
#include "betting/bet.h"

#include <array>
#include <string>
#include <string_view>

namespace galloria {

// Order of the horses on the racing form. Stored, so the values are fixed.
enum class SortOrder : int { None = 0, Odds = 1, BestTime = 2, Results = 3, Earnings = 4 };

class Stable;
struct RaceSetState;

// The racing form's columns, left to right.
enum class FormColumn : int {
    Post,
    Name,
    Odds,
    LastRace,
    BestTime,
    Firsts,
    Seconds,
    Thirds,
    Earnings,
};
inline constexpr int kFormColumnCount = 9;
inline constexpr std::array<ScreenText, kFormColumnCount> kFormColumnHeadings = {
    SCREEN_TEXT("RacingForm", "No."),       SCREEN_TEXT("RacingForm", "Name"),
    SCREEN_TEXT("RacingForm", "Odds"),      SCREEN_TEXT("RacingForm", "Last Race"),
    SCREEN_TEXT("RacingForm", "Best Time"), SCREEN_TEXT("RacingForm", "1st"),
    SCREEN_TEXT("RacingForm", "2nd"),       SCREEN_TEXT("RacingForm", "3rd"),
    SCREEN_TEXT("RacingForm", "Earnings")};

// What a horse that has not run yet (or has no valid time) shows in the
// last-race and best-time columns, instead of a place 0 or a time of 0:0.0.
inline constexpr std::string_view kFormNoValue = "-";

// A full field is drawn more tightly and without the row of column headings.
inline constexpr int kCompactFormRunners = 12;

// One runner's line of the form, every value already written as shown.
struct RacingFormRow {
    int runner = -1;        // 0-based runner of the race; its post and number are runner + 1
    std::string post;       // "%d"
    std::string name;       // the horse's name; empty for a post without a horse
    std::string odds;       // fractional odds
    std::string lastFinish; // place in the horse's last race, or "-"
    std::string lastPurse;  // "$" and the purse of that race, or empty with no last race
    std::string bestTime;   // M:SS.F, or "-"
    std::string firsts;     // "%d"
    std::string seconds;    // "%d"
    std::string thirds;     // "%d"
    std::string earnings;   // "$" and the total earnings
    bool tipped = false;    // the tipster's horse
};

// The racing form of the current race, ready to draw: the heading, the rows
// in the order of the "Sort" setting and how they are arranged.
struct RacingFormModel {
    std::string raceTitle;      // "Race %d", the race within the set
    std::string purseLabel;     // "Purse:"
    std::string purse;          // "$%d"
    std::string raceNumber;     // "No. %d", the running race number across continued sets
    bool compact = false;       // a full field: tighter rows ...
    bool columnHeadings = true; // ... and, on a small screen, no row of column headings
    int rowCount = 0;
    std::array<RacingFormRow, kMaxFieldSize> rows;
    int tippedRow = -1; // the row of the tipster's horse, -1 for none

    // The text of row `row` in column `column`; the last-race column joins
    // place and purse with a space. Empty outside the rows.
    std::string Cell(int row, FormColumn column) const;
};

// Whether the form is drawn with its row of column headings: always but for
// a full field on a small screen, where the betting window needs that row's
// room below the form.
constexpr bool ShowsColumnHeadings(const RacingFormModel& form, SizeClass size)
{
    return form.columnHeadings || size != SizeClass::Small;
}

// An empty form shaped for a field of `runners`: its row count and whether
// it is compact, without texts. The view measures a full field's form with
// it.
RacingFormModel FormShapeForField(int runners);

// The form of race state.raceIndex. Rows follow `sort`, best first; runners
// with equal keys keep their post order, and horses without a best time come
// after every timed horse when sorted by time. tippedRunner (0-based, -1 for
// none) marks the tipster's horse.
RacingFormModel BuildRacingForm(const RaceSetState& state, const Stable& stable, SortOrder sort,
                                int tippedRunner);

} // namespace galloria
