#pragma once

#include <string>
#include <vector>

namespace galloria {

struct RaceSetState;

// One player's money in the race just run: what the bets staked, what they
// won back, the difference and the balance the player now has.
struct RaceMoneyRow {
    std::string name;
    int staked = 0;
    int won = 0;
    int net = 0; // won - staked
    int balance = 0;
    // The figures as the board writes them: "$1,250", a net with its sign
    // ("+$300", "-$50", "$0").
    std::string stakedText;
    std::string wonText;
    std::string netText;
    std::string balanceText;
};

// The results screen's board of the race per player, one row for each
// player in the game in seat order. Read after settlement, while the race's
// bet tables still hold the bets and what each won.
std::vector<RaceMoneyRow> BuildRaceMoneyBoard(const RaceSetState& state);

// Whole dollars with thousands separated by commas and a leading "$"
// ("$10,000", "-$1,500"); with `signed_` a positive amount gets a "+".
std::string FormatDollars(long long amount, bool signed_ = false);

} // namespace galloria
