#include "betting/settlement.h"

#include "betting/race_set_state.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace galloria {

namespace {

constexpr int kMaxDollars = std::numeric_limits<int>::max();
// Far above any figure a pool can give, and small enough that a stake of
// the most dollars a balance holds times it still fits 64 bits.
constexpr double kMostTenths = 1e9;

// A payout figure in whole tenths of a dollar. The figures are rounded to
// tenths when the prices are made; payouts are reckoned from those tenths
// exactly, so that a half dollar is never lost to the error of a double.
std::int64_t Tenths(double figure)
{
    if (!(figure > 0))
        return 0;
    return std::llround(std::min(figure * 10, kMostTenths));
}

// amount x tenths / divisor in whole dollars, a half rounded up (the divisor
// counts tenths of a dollar and is even). A payout beyond what a balance can
// hold is held at the most it can, so a freak payout never wraps around.
int RoundedDollars(int amount, std::int64_t tenths, std::int64_t divisor)
{
    if (amount <= 0 || tenths <= 0)
        return 0;
    const std::int64_t dollars = (amount * tenths + divisor / 2) / divisor;
    return static_cast<int>(std::min<std::int64_t>(dollars, kMaxDollars));
}

// Balances and statistics stop at the largest count rather than wrapping round.
int SaturatingAdd(int total, int amount)
{
    return static_cast<int>(std::min<std::int64_t>(std::int64_t{total} + amount, kMaxDollars));
}

// A x figure / 2: the dollars of A dollars on a two-dollar figure, rounded
// half up.
int StraightShare(int amount, double figure)
{
    return RoundedDollars(amount, Tenths(figure), 20);
}

bool IsLongShotRunner(int runner, const RaceOutcome& race)
{
    return runner >= 0 && runner < static_cast<int>(race.odds.size()) && IsLongShot(race.odds[runner]);
}

// A leg holds for a runner that finished in its place when it names that
// runner, when it is "All", or when it is "Long" and the runner is a long shot.
bool LegHolds(HorseSelector leg, int runner, const RaceOutcome& race)
{
    return leg == runner || leg == HorseAll || (leg == HorseLong && IsLongShotRunner(runner, race));
}

// "All" divides by the field less one (also in a Triacta's last leg), "Long"
// by the number of long shots.
int WheelDivisor(const Bet& bet, const RaceOutcome& race)
{
    if (bet.horse[1] == HorseAll || bet.horse[2] == HorseAll)
        return race.fieldSize - 1;
    if (bet.horse[1] == HorseLong || bet.horse[2] == HorseLong)
        return race.longShotCount;
    return 1;
}

int AcrossPayout(const Bet& bet, const PayoutBoard& pay, const Podium& podium)
{
    std::int64_t tenths = 0;
    if (bet.horse[0] == podium.first)
        tenths = Tenths(pay.showPayFirst) + Tenths(pay.placePayFirst) + Tenths(pay.winPay);
    else if (bet.horse[0] == podium.second)
        tenths = Tenths(pay.showPaySecond) + Tenths(pay.placePaySecond);
    else if (bet.horse[0] == podium.third)
        tenths = Tenths(pay.showPayThird);
    else
        return 0;
    // A x figures / 6, a third of a straight share of each place.
    return RoundedDollars(bet.amount, tenths, 60);
}

int ExactaPayout(const Bet& bet, const PayoutBoard& pay, const RaceOutcome& race, int divisor)
{
    const Podium& p = race.podium;
    const bool straightHit = bet.horse[0] == p.first && LegHolds(bet.horse[1], p.second, race);
    // A straight share divided among the wheel's combinations; a boxed
    // bet's stake covers two orders, so each is worth half.
    if (!bet.boxed)
        return straightHit ? RoundedDollars(bet.amount, Tenths(pay.exactaPay), 20 * divisor) : 0;
    const bool reversedHit = bet.horse[0] == p.second && LegHolds(bet.horse[1], p.first, race);
    return straightHit || reversedHit ? RoundedDollars(bet.amount, Tenths(pay.exactaPay), 40 * divisor) : 0;
}

// Place (0, 1, 2) of a runner on the podium, or -1.
int PodiumPlace(int runner, const Podium& p)
{
    if (runner == p.first)
        return 0;
    if (runner == p.second)
        return 1;
    if (runner == p.third)
        return 2;
    return -1;
}

int TriactaPayout(const Bet& bet, const PayoutBoard& pay, const RaceOutcome& race, int divisor)
{
    const Podium& p = race.podium;
    if (!bet.boxed) {
        const bool hit =
            bet.horse[0] == p.first && bet.horse[1] == p.second && LegHolds(bet.horse[2], p.third, race);
        return hit ? RoundedDollars(bet.amount, Tenths(pay.triactaPay), 20 * divisor) : 0;
    }
    // Boxed: the first two legs on any two places of the podium, the last leg
    // holding for the runner in the remaining place.
    const int place1 = PodiumPlace(bet.horse[0], p);
    const int place2 = PodiumPlace(bet.horse[1], p);
    if (place1 < 0 || place2 < 0 || place1 == place2)
        return 0;
    const int podium[3] = {p.first, p.second, p.third};
    const int remaining = podium[3 - place1 - place2];
    if (!LegHolds(bet.horse[2], remaining, race))
        return 0;
    // The stake covers the six orders of the box.
    return RoundedDollars(bet.amount, Tenths(pay.triactaPay), 120 * divisor);
}

void CountSettledBet(BetStatistics& statistics, const Bet& bet)
{
    if (LegCount(bet.type) == 0)
        return; // no type to count it under
    const int code = BetTypeCode(bet.type);
    statistics.betsPlaced[code] = SaturatingAdd(statistics.betsPlaced[code], 1);
    statistics.amountBet[code] = SaturatingAdd(statistics.amountBet[code], bet.amount);
    statistics.amountWon[code] = SaturatingAdd(statistics.amountWon[code], bet.won);
    // A payout that only gives the stake back (or less) is not a winning bet.
    if (bet.won > bet.amount)
        statistics.betsWon[code] = SaturatingAdd(statistics.betsWon[code], 1);
}

} // namespace

int BetPayout(const Bet& bet, const PayoutBoard& payouts, const RaceOutcome& race)
{
    const Podium& p = race.podium;
    const int h1 = bet.horse[0];
    switch (bet.type) {
    case BetType::Win:
        return h1 == p.first ? StraightShare(bet.amount, payouts.winPay) : 0;
    case BetType::Place:
        if (h1 == p.first)
            return StraightShare(bet.amount, payouts.placePayFirst);
        return h1 == p.second ? StraightShare(bet.amount, payouts.placePaySecond) : 0;
    case BetType::Show:
        if (h1 == p.first)
            return StraightShare(bet.amount, payouts.showPayFirst);
        if (h1 == p.second)
            return StraightShare(bet.amount, payouts.showPaySecond);
        return h1 == p.third ? StraightShare(bet.amount, payouts.showPayThird) : 0;
    case BetType::Across:
        return AcrossPayout(bet, payouts, p);
    case BetType::Exacta:
    case BetType::Triacta: {
        // A "Long" wheel in a race without long shots cannot hold, so its zero divisor is never used.
        const int divisor = WheelDivisor(bet, race);
        if (divisor <= 0)
            return 0;
        return bet.type == BetType::Exacta ? ExactaPayout(bet, payouts, race, divisor)
                                           : TriactaPayout(bet, payouts, race, divisor);
    }
    case BetType::Bad:
        break;
    }
    return 0;
}

void SettleBets(RaceSetState& state, const Podium& podium)
{
    const RaceOutcome race{
        .podium = podium,
        .fieldSize = state.program.FieldSize(state.raceIndex),
        .odds = state.program.FieldOdds(state.raceIndex),
        .longShotCount = state.longShotCount,
    };
    const bool raceInSet = state.raceIndex >= 0 && state.raceIndex < kRacesPerSet;

    for (PlayerSlot& player : state.players) {
        for (Bet& bet : player.bets.Bought()) {
            bet.won = BetPayout(bet, state.payouts, race);
            player.balance = SaturatingAdd(player.balance, bet.won);
            CountSettledBet(player.statistics, bet);
        }
        player.statistics.racesPlayed += 1;
        if (raceInSet)
            player.balanceAfterRace[state.raceIndex] = player.balance;
        player.settledBalance = player.balance;
    }
}

} // namespace galloria
