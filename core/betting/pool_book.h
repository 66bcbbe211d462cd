#pragma once

#include "betting/bet.h"

#include <span>

namespace galloria {

class GameRandom;

// The pari-mutuel pools of the current race, in dollars. They are seeded with
// the money of an imaginary public in proportion to the odds, grow with the
// players' bets each time the betting window closes and are read by the
// payouts. Only the cells of the race's runners, in distinct orders, are ever
// read.
struct PoolBook {
    double typePool[5][kMaxFieldSize] = {}; // rows by code: 0 unused, Win, Place, Show, Across
    double typeTotal[kBetTypeCount] = {};
    double exactaPool[kMaxFieldSize][kMaxFieldSize] = {}; // first i, second j
    double exactaByRunner[kMaxFieldSize] = {};
    double triactaPool[kMaxFieldSize][kMaxFieldSize][kMaxFieldSize] = {}; // first, second, third
    double triactaByRunner[kMaxFieldSize] = {};

    void Clear() { *this = PoolBook{}; }
};

// Money added (or taken out) by the bets of one visit to the betting window
// or the review list, merged into the PoolBook when the window closes. Rows 5
// and 6 of typePool are each runner's share of the Exacta and Triacta money.
struct DeltaPools {
    double typePool[kBetTypeCount][kMaxFieldSize] = {};
    double exactaPool[kMaxFieldSize][kMaxFieldSize] = {};
    double triactaPool[kMaxFieldSize][kMaxFieldSize][kMaxFieldSize] = {};

    void Clear() { *this = DeltaPools{}; }
};

// Rebuilds the pools for a race from its odds (one figure per runner, each
// within 2.5 .. 1000.0). Draws from random in a fixed order: the Win, Place
// and Show public totals, then for each runner its Place and its Show noise.
void SeedPools(PoolBook& pools, std::span<const double> fieldOdds, GameRandom& random);

// Adds one bet's contribution to delta pools: sign +1 when it is bought, -1
// when it is deleted, so that a bought and deleted bet leaves every cell where
// it was. "All" and "Long" spread their money over every runner that could
// fill the last leg. Returns false and changes nothing for a bet that does
// not fit a field of fieldSize runners (IsValidBet).
bool AddBetToPools(DeltaPools& delta, const Bet& bet, int sign, int fieldSize);

// Adds the delta pools of a closing window into the race's pools, for the
// first fieldSize runners. Across money also counts a third each as Win,
// Place and Show money.
void MergeWindowPools(PoolBook& pools, const DeltaPools& delta, int fieldSize);

} // namespace galloria
