#pragma once

#include "betting/bet.h"
#include "betting/payouts.h"

#include <span>

namespace galloria {

struct RaceSetState;

// What the bets of a race are settled against.
struct RaceOutcome {
    Podium podium;
    int fieldSize = 0;
    std::span<const double> odds; // the race's odds as shown before it ran, one per runner
    int longShotCount = 0;
};

// The whole dollars a bet collects, 0 when it loses. Straight tickets collect
// their share of the two-dollar figures rounded half up; a boxed Exacta is
// paid as half the stake on the order that came in, a boxed Triacta as a
// sixth; a bet with "All" in its last leg is divided by the field less one,
// one with "Long" by the number of long shots.
int BetPayout(const Bet& bet, const PayoutBoard& payouts, const RaceOutcome& race);

// Pays every player's bets of the current race from state.payouts, writing
// each bet's won, crediting the balance and counting the bet in the player's
// statistics. Then, for all four slots, in the game or not: one more race
// played, and balanceAfterRace of the current race and settledBalance record
// the balance. Runs once per race, after the payouts and longShotCount.
void SettleBets(RaceSetState& state, const Podium& podium);

} // namespace galloria
