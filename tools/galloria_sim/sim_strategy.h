#pragma once

#include <string_view>

namespace galloria {
class BettingWindowModel;
struct RaceSetState;
} // namespace galloria

namespace galloria::sim {

// How the simulated players bet: not at all; a Win on the shortest odds; a
// Win on the longest; or every kind of bet each race, boxed bets and the
// "All" and "Long" wheels among them.
enum class Strategy { None, Favourite, Longshot, Mixed };

// The strategy named on the command line; throws UsageError for another word.
Strategy ParseStrategy(std::string_view word);

// Buys each player's bets of `stake` dollars through the open betting window,
// as a player would press its buttons. A bet the player cannot afford, or one
// the window refuses, is left out.
void PlaceStrategyBets(BettingWindowModel& window, const RaceSetState& state, Strategy strategy, int stake);

} // namespace galloria::sim
