#include "betting/settlement.h"

#include "bet_helpers.h"
#include "betting/race_set_state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace galloria {
namespace {

using testing::MakeBet;

// Runner 2 won from runner 5 and runner 7 in a field of eight; runners 5 and
// 6 are the long shots, runner 7 stands at exactly 10.0.
constexpr std::array<double, 8> kOdds = {3.0, 4.0, 2.5, 6.0, 8.0, 12.0, 40.0, 10.0};
constexpr Podium kPodium{.first = 2, .second = 5, .third = 7};
constexpr PayoutBoard kBoard{.winPay = 12.0,
                             .placePayFirst = 5.0,
                             .showPayFirst = 3.2,
                             .placePaySecond = 7.4,
                             .showPaySecond = 4.6,
                             .showPayThird = 3.8,
                             .exactaPay = 102.0,
                             .triactaPay = 1002.0};

class BetPayoutTest : public ::testing::Test {
protected:
    int Pays(const Bet& bet) const { return BetPayout(bet, pay, race); }

    RaceOutcome race{.podium = kPodium, .fieldSize = 8, .odds = kOdds, .longShotCount = 2};
    PayoutBoard pay = kBoard;
};

TEST_F(BetPayoutTest, WinPlaceShowAndAcross)
{
    EXPECT_EQ(Pays(MakeBet(BetType::Win, 10, 2)), 60);
    EXPECT_EQ(Pays(MakeBet(BetType::Win, 5, 5)), 0);
    EXPECT_EQ(Pays(MakeBet(BetType::Place, 10, 2)), 25);
    EXPECT_EQ(Pays(MakeBet(BetType::Place, 5, 5)), 19);
    EXPECT_EQ(Pays(MakeBet(BetType::Place, 5, 7)), 0);
    EXPECT_EQ(Pays(MakeBet(BetType::Show, 10, 2)), 16);
    EXPECT_EQ(Pays(MakeBet(BetType::Show, 10, 5)), 23);
    EXPECT_EQ(Pays(MakeBet(BetType::Show, 3, 7)), 6);
    EXPECT_EQ(Pays(MakeBet(BetType::Show, 10, 0)), 0);
    pay.winPay = 7.4;
    EXPECT_EQ(Pays(MakeBet(BetType::Win, 5, 2)), 19); // (37 + 1) / 2: a half dollar rounds up

    pay = kBoard;
    // Five dollars of every two-dollar figure the runner's place collects.
    EXPECT_EQ(Pays(MakeBet(BetType::Across, 30, 2)), 101); // 3.2 + 5.0 + 12.0
    EXPECT_EQ(Pays(MakeBet(BetType::Across, 30, 5)), 60);  // 4.6 + 7.4
    EXPECT_EQ(Pays(MakeBet(BetType::Across, 30, 7)), 19);  // 3.8
    EXPECT_EQ(Pays(MakeBet(BetType::Across, 30, 1)), 0);
    // A share that is not a whole number of dollars goes to the nearest one.
    EXPECT_EQ(Pays(MakeBet(BetType::Across, 10, 2)), 34); // 33.67
    EXPECT_EQ(Pays(MakeBet(BetType::Across, 10, 7)), 6);  // 6.33
    // A half dollar rounds up even where doubles reckon 1006.4999...
    pay.winPay = 35.9;
    pay.placePayFirst = 20.7;
    pay.showPayFirst = 10.5;
    EXPECT_EQ(Pays(MakeBet(BetType::Across, 90, 2)), 1007); // 90 x 67.1 / 6 = 1006.5
}

TEST_F(BetPayoutTest, ExactaStraightBoxedAndWheels)
{
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 10, 2, 5)), 510);
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 10, 5, 2)), 0);
    // Boxed: half of the straight bet, whichever order it names.
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 10, 2, 5, 0, true)), 255);
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 10, 5, 2, 0, true)), 255);
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 10, 2, 7, 0, true)), 0);

    // Runner 3, then "All", on a field of 8: exactaPay x 0.5 / 7 per dollar.
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 14, 2, HorseAll)), 102);
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 14, 5, HorseAll)), 0);
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 14, 5, HorseAll, 0, true)), 51);

    // "Long": paid only when the second is a long shot, divided by their number.
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 10, 2, HorseLong)), 255);
    race.podium.second = 7;
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 10, 2, HorseLong)), 0);
    race.podium.second = 5;
    race.longShotCount = 0; // a stale count must not divide by zero
    EXPECT_EQ(Pays(MakeBet(BetType::Exacta, 10, 2, HorseLong)), 0);
}

TEST_F(BetPayoutTest, TriactaStraightBoxedAndWheels)
{
    EXPECT_EQ(Pays(MakeBet(BetType::Triacta, 2, 2, 5, 7)), 1002);
    EXPECT_EQ(Pays(MakeBet(BetType::Triacta, 2, 2, 7, 5)), 0);
    for (const auto& o : {std::array{2, 5, 7}, {7, 2, 5}, {5, 7, 2}, {7, 5, 2}})
        EXPECT_EQ(Pays(MakeBet(BetType::Triacta, 12, o[0], o[1], o[2], true)), 1002); // a sixth of the stake
    EXPECT_EQ(Pays(MakeBet(BetType::Triacta, 12, 2, 5, 6, true)), 0);

    // "All" in the last leg divides by the field less one, as in an Exacta.
    EXPECT_EQ(Pays(MakeBet(BetType::Triacta, 7, 2, 5, HorseAll)), 501);
    EXPECT_EQ(Pays(MakeBet(BetType::Triacta, 14, 7, 2, HorseAll, true)), 167);  // 14 x 1002 / 12 / 7
    EXPECT_EQ(Pays(MakeBet(BetType::Triacta, 14, 7, 2, HorseLong, true)), 585); // 14 x 1002 / 12 / 2
    EXPECT_EQ(Pays(MakeBet(BetType::Triacta, 14, 2, 5, HorseLong, true)), 0);   // the third is at 10.0
}

TEST_F(BetPayoutTest, NoTypeCollectsNothingAndAFreakPayoutIsHeldAtTheLargestBalance)
{
    EXPECT_EQ(Pays(MakeBet(BetType::Bad, 10, 2)), 0);
    EXPECT_EQ(Pays(MakeBet(static_cast<BetType>(9), 10, 2)), 0);
    pay.triactaPay = 1e9;
    EXPECT_EQ(Pays(MakeBet(BetType::Triacta, 2000000000, 2, 5, 7)), 2147483647);
}

class SettleBetsTest : public ::testing::Test {
protected:
    SettleBetsTest()
    {
        state.raceIndex = 3;
        state.program.runnerCount[3] = 8;
        std::ranges::copy(kOdds, state.program.morningLineOdds[3]);
        state.longShotCount = 2;
        state.payouts = kBoard;
        state.payouts.placePayFirst = 2.0;
        state.payouts.exactaPay = 10.0;
        for (int p = 0; p < kPlayerSlots; ++p)
            state.players[p].balance = 1000 * (p + 1);
        state.players[0].name = "Ann";
        state.players[1].name = "Bob";
    }

    RaceSetState state;
};

TEST_F(SettleBetsTest, PaysCreditsAndCountsEveryBet)
{
    PlayerSlot& ann = state.players[0];
    ann.bets.Add(MakeBet(BetType::Win, 10, 2));              // 60: a win
    ann.bets.Add(MakeBet(BetType::Win, 10, 4));              // loses
    ann.bets.Add(MakeBet(BetType::Place, 10, 2));            // the stake back: not a win
    ann.bets.Add(MakeBet(BetType::Exacta, 10, 2, HorseAll)); // 7, less than the stake: not a win
    ann.bets.Add(MakeBet(BetType::Triacta, 2, 2, 5, 7));     // 1002: a win
    ann.bets.slots[5] = MakeBet(BetType::Win, 50, 2);        // beyond the count: not a bought bet
    ann.statistics.betsPlaced[1] = 3;                        // from earlier races
    ann.statistics.racesPlayed = 2;

    SettleBets(state, kPodium);

    const int won[] = {60, 0, 10, 7, 1002, 0};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ann.bets.slots[i].won, won[i]) << i;
    EXPECT_EQ(ann.balance, 1000 + 60 + 10 + 7 + 1002);
    // Won counts only payouts above the stake; by type code Win 1, Place 2, Exacta 5, Triacta 6.
    const BetStatistics expected{.betsPlaced = {0, 5, 1, 0, 0, 1, 1},
                                 .betsWon = {0, 1, 0, 0, 0, 0, 1},
                                 .amountBet = {0, 20, 10, 0, 0, 10, 2},
                                 .amountWon = {0, 60, 10, 0, 0, 7, 1002},
                                 .racesPlayed = 3};
    EXPECT_EQ(ann.statistics, expected);
    EXPECT_EQ(ann.balanceAfterRace[3], ann.balance);
    EXPECT_EQ(ann.settledBalance, ann.balance);
}

TEST_F(SettleBetsTest, EverySlotRecordsTheRaceEvenWithoutBets)
{
    state.players[1].statistics.amountBet[3] = 40;
    BetStatistics expected = state.players[1].statistics;
    expected.racesPlayed = 1;

    SettleBets(state, kPodium);

    for (int p = 0; p < kPlayerSlots; ++p) {
        const PlayerSlot& player = state.players[p];
        EXPECT_EQ(player.balance, 1000 * (p + 1));
        EXPECT_EQ(player.statistics.racesPlayed, 1) << p; // also the slots not in the game
        EXPECT_EQ(player.balanceAfterRace[3], player.balance);
        EXPECT_EQ(player.settledBalance, player.balance);
    }
    EXPECT_EQ(state.players[1].statistics, expected);
}

TEST_F(SettleBetsTest, LongShotsAreJudgedByTheCurrentRacesOdds)
{
    state.players[0].bets.Add(MakeBet(BetType::Exacta, 20, 2, HorseLong));
    state.program.morningLineOdds[3][5] = 9.5;
    SettleBets(state, kPodium);
    EXPECT_EQ(state.players[0].bets.slots[0].won, 0);
    EXPECT_EQ(state.players[0].balance, 1000);
}

} // namespace
} // namespace galloria
