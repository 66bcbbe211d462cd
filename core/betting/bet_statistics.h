#pragma once

#include "betting/bet.h"

namespace galloria {

// A player's running betting record, indexed by bet type code (index 0
// belongs to no type and stays zero). Kept across the races of a set and the
// sets continued after it; settlement is its only writer during play.
struct BetStatistics {
    int betsPlaced[kBetTypeCount] = {};
    int betsWon[kBetTypeCount] = {}; // bets whose payout was strictly more than the stake
    int amountBet[kBetTypeCount] = {};
    int amountWon[kBetTypeCount] = {};
    int racesPlayed = 0;

    bool operator==(const BetStatistics&) const = default;
};

} // namespace galloria
