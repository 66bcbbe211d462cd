#include "race/race_call_phrases.h"

#include <array>
#include <cstdio>

namespace galloria {

namespace {

constexpr std::string_view kStart[] = {"They're off!", "And they're away!",
                                       "The gates open and they're racing!", "They're off and running!"};
constexpr std::string_view kPoint[] = {"{point}: {1} leads by {m1} from {2}, {3} {m2} further back.",
                                       "{point}, it's {1} by {m1} from {2}, and {m2} back to {3}.",
                                       "{point}: {1} in front, {m1} clear of {2}, with {3} {m2} behind."};
constexpr std::string_view kMoveOutside[] = {"{1} is making a move on the outside!",
                                             "Here comes {1}, sweeping round the outside!"};
constexpr std::string_view kMoveRail[] = {"{1} is coming through along the rail!",
                                          "{1} saves ground on the inside and moves up!"};
constexpr std::string_view kMoveUp[] = {"{1} is moving up, into {place}!", "{1} improves into {place}!"};
constexpr std::string_view kTakesLead[] = {"{1} hits the front!", "{1} takes it up!"};
constexpr std::string_view kTiring[] = {"{1} is tiring in front, {2} closing!",
                                        "{1} starts to weaken, and {2} is coming!",
                                        "The leader {1} is feeling it now, {2} on the heels!"};
constexpr std::string_view kPhoto[] = {"A photo!", "It's a photo!", "Too close to call: a photo!"};
constexpr std::string_view kDeadHeat[] = {"A dead heat! {1} and {2} cannot be split!",
                                          "Dead heat! Nothing between {1} and {2}!"};
constexpr std::string_view kWins[] = {"{1} wins by {m1} from {2}!", "{1} gets home by {m1} from {2}!",
                                      "It's {1}, by {m1}, from {2}!"};
constexpr std::string_view kAlone[] = {"{1} comes home alone!"};

constexpr std::array<std::string_view, 12> kPlaces = {"the lead", "second", "third",    "fourth",
                                                      "fifth",    "sixth",  "seventh",  "eighth",
                                                      "ninth",    "tenth",  "eleventh", "twelfth"};

// Each margin word up to the length below which it is said, in course units.
struct MarginWord {
    int below;
    std::string_view text;
};
constexpr MarginWord kMarginWords[] = {
    {10, "a nose"},    {20, "a short head"},         {30, "a head"},
    {50, "a neck"},    {63, "half a length"},        {88, "three-quarters of a length"},
    {125, "a length"}, {175, "a length and a half"},
};
constexpr int kDistanceLengths = 20; // further than this is "a distance"

} // namespace

std::string MarginText(int units)
{
    for (const MarginWord& word : kMarginWords) {
        if (units < word.below)
            return std::string(word.text);
    }
    const int lengths = (units + kLengthUnits / 2) / kLengthUnits;
    if (lengths > kDistanceLengths)
        return "a distance";
    char text[24];
    std::snprintf(text, sizeof text, "%d lengths", lengths);
    return text;
}

std::string FinishMarginText(int units)
{
    if (units < 0)
        return {};
    return units == 0 ? "dead heat" : MarginText(units);
}

std::string_view CalledPlace(int place)
{
    return place >= 1 && place <= static_cast<int>(kPlaces.size()) ? kPlaces[place - 1] : std::string_view{};
}

std::span<const std::string_view> CallPhrases(CallKind kind)
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

std::string_view CallPhrase(CallKind kind, int choice)
{
    const std::span<const std::string_view> phrases = CallPhrases(kind);
    const int count = static_cast<int>(phrases.size());
    return phrases[((choice % count) + count) % count];
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
