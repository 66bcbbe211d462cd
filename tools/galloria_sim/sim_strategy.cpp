#include "sim_strategy.h"

#include "sim_arguments.h"

#include "betting/betting_window_model.h"
#include "betting/race_set_state.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace galloria::sim {

namespace {

struct PlannedBet {
    BetType type;
    bool boxed;
    std::vector<HorseSelector> legs;
};

// The field's runners from the shortest odds to the longest.
std::vector<int> RunnersByOdds(const RaceSetState& state)
{
    const auto odds = state.program.FieldOdds(state.raceIndex);
    std::vector<int> runners(odds.size());
    std::iota(runners.begin(), runners.end(), 0);
    std::ranges::stable_sort(runners, [&](int a, int b) { return odds[a] < odds[b]; });
    return runners;
}

std::vector<PlannedBet> Plan(const RaceSetState& state, Strategy strategy)
{
    const std::vector<int> byOdds = RunnersByOdds(state);
    if (strategy == Strategy::None || byOdds.size() < 3)
        return {};
    const int first = byOdds[0];
    const int second = byOdds[1];
    const int third = byOdds[2];
    if (strategy == Strategy::Favourite)
        return {{BetType::Win, false, {first}}};
    if (strategy == Strategy::Longshot)
        return {{BetType::Win, false, {byOdds.back()}}};
    return {
        {BetType::Win, false, {first}},
        {BetType::Place, false, {second}},
        {BetType::Show, false, {third}},
        {BetType::Across, false, {byOdds.back()}},
        {BetType::Exacta, false, {first, second}},
        {BetType::Exacta, true, {second, third}},
        {BetType::Triacta, false, {first, second, third}},
        {BetType::Triacta, true, {third, first, second}},
        {BetType::Exacta, false, {first, HorseAll}},
        {BetType::Triacta, false, {first, second, HorseLong}},
    };
}

void TypeAmount(BettingWindowModel& window, int amount)
{
    static constexpr AmountKey kDigits[] = {
        AmountKey::Zero, AmountKey::One, AmountKey::Two,   AmountKey::Three, AmountKey::Four,
        AmountKey::Five, AmountKey::Six, AmountKey::Seven, AmountKey::Eight, AmountKey::Nine};
    for (char digit : std::to_string(amount))
        window.PressKey(kDigits[digit - '0']);
}

bool Buy(BettingWindowModel& window, const PlannedBet& bet, int stake)
{
    TypeAmount(window, stake);
    if (window.Amount() != stake || !window.CanChooseType(bet.type, bet.boxed))
        return false;
    window.ChooseType(bet.type, bet.boxed);
    for (HorseSelector leg : bet.legs) {
        if (!window.CanChooseRunner(leg))
            return false;
        window.ChooseRunner(leg);
    }
    return window.CanBuy() && window.Buy().applied;
}

} // namespace

Strategy ParseStrategy(std::string_view word)
{
    if (word == "none")
        return Strategy::None;
    if (word == "favourite")
        return Strategy::Favourite;
    if (word == "longshot")
        return Strategy::Longshot;
    if (word == "mixed")
        return Strategy::Mixed;
    throw UsageError("--strategy must be none, favourite, longshot or mixed, not \"" + std::string(word) +
                     "\"");
}

void PlaceStrategyBets(BettingWindowModel& window, const RaceSetState& state, Strategy strategy, int stake)
{
    const std::vector<PlannedBet> plan = Plan(state, strategy);
    for (int player = 0; player < kPlayerSlots; ++player) {
        if (plan.empty() || !window.IsPlayerShown(player))
            continue;
        if (window.CurrentPlayer() != player)
            window.ChoosePlayer(player);
        for (const PlannedBet& bet : plan) {
            if (window.Balance(player) < stake)
                break;
            if (!Buy(window, bet, stake) && window.CanClearAll())
                window.ClearAll();
        }
    }
}

} // namespace galloria::sim
