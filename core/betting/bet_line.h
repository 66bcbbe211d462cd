#pragma once

#include "betting/bet.h"

#include <string>
#include <string_view>

namespace galloria {

// The seven texts of a bet line. A field not chosen yet stays empty and is
// padded like any other, so every field keeps its column in a fixed-pitch list.
struct BetLineFields {
    std::string_view playerName{};
    std::string_view amount{};    // the digits as typed
    std::string_view type{};      // "Win" .. "Triacta"; empty until a type is chosen
    std::string_view boxedMark{}; // BoxedMark(true) or empty
    std::string_view leg1{};
    std::string_view leg2{};
    std::string_view leg3{};
};

// The mark of a boxed bet in the player's language (" Bx"); empty for a bet
// that is not boxed.
std::string BoxedMark(bool boxed);

// The bet line: each field but the last padded on the right to 14, 8, 7, 5,
// 4 and 4 characters; a longer field is kept whole.
std::string ComposeBetLine(const BetLineFields& fields);

// The line of a complete bet: its amount, its type (empty for Bad), the box
// mark and the legs its type uses.
std::string BetLineOf(std::string_view playerName, const Bet& bet);

} // namespace galloria
