#pragma once

#include "base/screen_text.h"

#include <span>
#include <string>
#include <string_view>

namespace galloria {

// The words of the race call. Several phrasings of each kind, so that a set
// does not hear the same ten sentences; which one is said is chosen by a rule
// of the race (its number and how many calls of that kind it has had), never
// by the game's generator. Placeholders: {1} {2} {3} are horse names by
// place, {m1} {m2} margins, {point} the point of the course, {place} a place.

// One length in course units: the runner's body from tail to nose spans
// about a hundred pixels of the track view, one pixel per unit.
inline constexpr int kLengthUnits = 100;

// A margin in course units as a caller says it: "a nose", "a neck",
// "half a length", "2 lengths", "a distance".
std::string MarginText(int units);
// A finish margin on the results: "dead heat" for none, empty when the
// place behind was not taken (-1), else as MarginText.
std::string FinishMarginText(int units);

// "second" .. "twelfth" for places 2..12, "the lead" for place 1.
std::string CalledPlace(int place);

enum class CallKind {
    Start,
    Point,
    MoveOutside,
    MoveRail,
    MoveUp,
    TakesLead,
    Tiring,
    Photo,
    DeadHeat,
    Wins,
    Alone
};

// The phrasings of a kind; never empty.
std::span<const ScreenText> CallPhrases(CallKind kind);

// The phrasing `choice` (taken modulo their number) of a kind, in the
// player's language with its placeholders kept.
std::string CallPhrase(CallKind kind, int choice);

// The points of the course with a call of the first three, and their names.
inline constexpr int kCallPoints[3] = {2498, 4996, 8540};
inline constexpr ScreenText kCallPointNames[3] = {SCREEN_TEXT("RaceCall", "At the quarter"),
                                                  SCREEN_TEXT("RaceCall", "Half way"),
                                                  SCREEN_TEXT("RaceCall", "Into the home turn")};

// Fills a phrase's placeholders; a placeholder without a value is dropped.
struct CallWords {
    std::string_view first, second, third; // {1} {2} {3}
    std::string_view margin1, margin2;     // {m1} {m2}
    std::string_view point, place;         // {point} {place}
};
std::string FillPhrase(std::string_view phrase, const CallWords& words);

} // namespace galloria
