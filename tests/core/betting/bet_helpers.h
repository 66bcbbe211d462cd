#pragma once

#include "betting/bet.h"
#include "betting/betting_window_model.h"

#include <initializer_list>
#include <string_view>

// Bets and betting-window clicks for the betting tests.
namespace galloria::testing {

// A bet as the betting window composes it: its type, stake and legs, boxed or not.
inline Bet MakeBet(BetType type, int amount, HorseSelector h1, HorseSelector h2 = 0, HorseSelector h3 = 0,
                   bool boxed = false)
{
    return Bet{.amount = amount, .type = type, .boxed = boxed, .horse = {h1, h2, h3}};
}

// The same bet after settlement credited `won` dollars.
inline Bet SettledBet(BetType type, int amount, int won, HorseSelector h1, HorseSelector h2 = 0,
                      HorseSelector h3 = 0, bool boxed = false)
{
    Bet bet = MakeBet(type, amount, h1, h2, h3, boxed);
    bet.won = won;
    return bet;
}

// Presses the amount keys for `keys`, '0' to '9'.
inline void TypeAmount(BettingWindowModel& window, std::string_view keys)
{
    for (char c : keys)
        window.PressKey(c == '0' ? AmountKey::Zero : static_cast<AmountKey>(c - '1'));
}

// Types the stake, chooses the type and names the runners, as a player clicks them.
inline void ComposeBet(BettingWindowModel& window, std::string_view stake, BetType type,
                       std::initializer_list<HorseSelector> runners, bool boxed = false)
{
    TypeAmount(window, stake);
    window.ChooseType(type, boxed);
    for (HorseSelector runner : runners)
        window.ChooseRunner(runner);
}

} // namespace galloria::testing
