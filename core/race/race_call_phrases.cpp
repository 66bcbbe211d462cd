#include "race/race_call_phrases.h"

#include "base/screen_text.h"

#include <array>

namespace galloria {

namespace {

constexpr ScreenText kStart[] = {SCREEN_TEXT("RaceCall", "They're off!"),
                                 SCREEN_TEXT("RaceCall", "And they're away!"),
                                 SCREEN_TEXT("RaceCall", "The gates open and they're racing!"),
                                 SCREEN_TEXT("RaceCall", "They're off and running!")};
constexpr ScreenText kPoint[] = {
    SCREEN_TEXT("RaceCall", "{point}: {1} leads by {m1} from {2}, {3} {m2} further back."),
    SCREEN_TEXT("RaceCall", "{point}, it's {1} by {m1} from {2}, and {m2} back to {3}."),
    SCREEN_TEXT("RaceCall", "{point}: {1} in front, {m1} clear of {2}, with {3} {m2} behind.")};
constexpr ScreenText kMoveOutside[] = {
    SCREEN_TEXT("RaceCall", "{1} is making a move on the outside!"),
    SCREEN_TEXT("RaceCall", "Here comes {1}, sweeping round the outside!")};
constexpr ScreenText kMoveRail[] = {SCREEN_TEXT("RaceCall", "{1} is coming through along the rail!"),
                                    SCREEN_TEXT("RaceCall", "{1} saves ground on the inside and moves up!")};
constexpr ScreenText kMoveUp[] = {SCREEN_TEXT("RaceCall", "{1} is moving up, into {place}!"),
                                  SCREEN_TEXT("RaceCall", "{1} improves into {place}!")};
constexpr ScreenText kTakesLead[] = {SCREEN_TEXT("RaceCall", "{1} hits the front!"),
                                     SCREEN_TEXT("RaceCall", "{1} takes it up!")};
constexpr ScreenText kTiring[] = {
    SCREEN_TEXT("RaceCall", "{1} is tiring in front, {2} closing!"),
    SCREEN_TEXT("RaceCall", "{1} starts to weaken, and {2} is coming!"),
    SCREEN_TEXT("RaceCall", "The leader {1} is feeling it now, {2} on the heels!")};
constexpr ScreenText kPhoto[] = {SCREEN_TEXT("RaceCall", "A photo!"),
                                 SCREEN_TEXT("RaceCall", "It's a photo!"),
                                 SCREEN_TEXT("RaceCall", "Too close to call: a photo!")};
constexpr ScreenText kDeadHeat[] = {SCREEN_TEXT("RaceCall", "A dead heat! {1} and {2} cannot be split!"),
                                    SCREEN_TEXT("RaceCall", "Dead heat! Nothing between {1} and {2}!")};
constexpr ScreenText kWins[] = {SCREEN_TEXT("RaceCall", "{1} wins by {m1} from {2}!"),
                                SCREEN_TEXT("RaceCall", "{1} gets home by {m1} from {2}!"),
                                SCREEN_TEXT("RaceCall", "It's {1}, by {m1}, from {2}!")};
constexpr ScreenText kAlone[] = {SCREEN_TEXT("RaceCall", "{1} comes home alone!")};

constexpr std::array<ScreenText, 12> kPlaces = {
    SCREEN_TEXT("RaceCall", "the lead"), SCREEN_TEXT("RaceCall", "second"),
    SCREEN_TEXT("RaceCall", "third"),    SCREEN_TEXT("RaceCall", "fourth"),
    SCREEN_TEXT("RaceCall", "fifth"),    SCREEN_TEXT("RaceCall", "sixth"),
    SCREEN_TEXT("RaceCall", "seventh"),  SCREEN_TEXT("RaceCall", "eighth"),
    SCREEN_TEXT("RaceCall", "ninth"),    SCREEN_TEXT("RaceCall", "tenth"),
    SCREEN_TEXT("RaceCall", "eleventh"), SCREEN_TEXT("RaceCall", "twelfth")};

// Each margin word up to the length below which it is said, in course units.
struct MarginWord {
    int below;
    ScreenText text;
};
constexpr MarginWord kMarginWords[] = {
    {10, SCREEN_TEXT("RaceCall", "a nose")},
    {20, SCREEN_TEXT("RaceCall", "a short head")},
    {30, SCREEN_TEXT("RaceCall", "a head")},
    {50, SCREEN_TEXT("RaceCall", "a neck")},
    {63, SCREEN_TEXT("RaceCall", "half a length")},
    {88, SCREEN_TEXT("RaceCall", "three-quarters of a length")},
    {125, SCREEN_TEXT("RaceCall", "a length")},
    {175, SCREEN_TEXT("RaceCall", "a length and a half")},
};
constexpr int kDistanceLengths = 20; // further than this is "a distance"

} // namespace

std::string MarginText(int units)
{
    for (const MarginWord& word : kMarginWords) {
        if (units < word.below)
            return Tr(word.text);
    }
    const int lengths = (units + kLengthUnits / 2) / kLengthUnits;
    if (lengths > kDistanceLengths)
        return Tr("RaceCall", "a distance");
    return FillIn(Tr("RaceCall", "%1 lengths"), {std::to_string(lengths)});
}

std::string FinishMarginText(int units)
{
    if (units < 0)
        return {};
    return units == 0 ? Tr("RaceCall", "dead heat") : MarginText(units);
}

std::string CalledPlace(int place)
{
    return place >= 1 && place <= static_cast<int>(kPlaces.size()) ? Tr(kPlaces[place - 1]) : std::string();
}

std::span<const ScreenText> CallPhrases(CallKind kind)
{
    switch (kind) {
    case CallKind::Start:
        return kStart;
    case CallKind::Point:
        return kPoint;
    case CallKind::MoveOutside:
        return kMoveOutside;
    case CallKind::MoveRail:
        return kMoveRail;
    case CallKind::MoveUp:
        return kMoveUp;
    case CallKind::TakesLead:
        return kTakesLead;
    case CallKind::Tiring:
        return kTiring;
    case CallKind::Photo:
        return kPhoto;
    case CallKind::DeadHeat:
        return kDeadHeat;
    case CallKind::Wins:
        return kWins;
    case CallKind::Alone:
        break;
    }
    return kAlone;
}

std::string CallPhrase(CallKind kind, int choice)
{
    const std::span<const ScreenText> phrases = CallPhrases(kind);
    const int count = static_cast<int>(phrases.size());
    return Tr(phrases[((choice % count) + count) % count]);
}

std::string FillPhrase(std::string_view phrase, const CallWords& words)
{
    const std::pair<std::string_view, std::string_view> fills[] = {
        {"{1}", words.first},    {"{2}", words.second},    {"{3}", words.third},     {"{m1}", words.margin1},
        {"{m2}", words.margin2}, {"{point}", words.point}, {"{place}", words.place},
    };
    std::string text;
    text.reserve(phrase.size() + 48);
    std::size_t at = 0;
    while (at < phrase.size()) {
        bool filled = false;
        if (phrase[at] == '{') {
            for (const auto& [key, value] : fills) {
                if (phrase.substr(at, key.size()) == key) {
                    text += value;
                    at += key.size();
                    filled = true;
                    break;
                }
            }
        }
        if (!filled)
            text += phrase[at++];
    }
    return text;
}

} // namespace galloria
