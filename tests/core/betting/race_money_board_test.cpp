#include "betting/race_money_board.h"

#include "bet_helpers.h"
#include "betting/race_set_state.h"
#include "betting/settlement.h"

#include <gtest/gtest.h>

#include <climits>

namespace galloria {
namespace {

using testing::MakeBet;

TEST(RaceMoneyBoard, RowsMatchWhatSettlementPaidEachPlayerInSeatOrder)
{
    RaceSetState state;
    state.ResetRaceSet();
    state.raceIndex = 0;
    state.program.runnerCount[0] = 6;
    for (int runner = 0; runner < 6; ++runner)
        state.program.morningLineOdds[0][runner] = 4.0;
    state.players[0].name = "Ann";
    state.players[2].name = "Cy"; // seat 1 is empty and has no row
    state.players[3].name = "Dee";
    state.playerCount = 3;
    // Ann: 100 to win on the winner, 50 to show on the last; Cy: 20 to win
    // on a loser; Dee bets nothing. The stakes are off the balances.
    state.players[0].balance = 10000 - 150;
    state.players[2].balance = 10000 - 20;
    state.players[3].balance = 10000;
    ASSERT_TRUE(state.players[0].bets.Add(MakeBet(BetType::Win, 100, 2)));
    ASSERT_TRUE(state.players[0].bets.Add(MakeBet(BetType::Show, 50, 5)));
    ASSERT_TRUE(state.players[2].bets.Add(MakeBet(BetType::Win, 20, 4)));
    state.payouts.winPay = 7.5;
    state.payouts.placePayFirst = 4.0;
    state.payouts.showPayFirst = 3.0;
    const int annBefore = state.players[0].balance;
    SettleBets(state, Podium{2, 0, 1});

    // Each row's name, staked, won, net, balance and their texts; 100 on a
    // $7.50 winner returns 375, which is what Ann's balance gained.
    std::vector<std::string> rows;
    for (const RaceMoneyRow& r : BuildRaceMoneyBoard(state))
        rows.push_back(r.name + " " + std::to_string(r.staked) + " " + std::to_string(r.won) + " " +
                       std::to_string(r.net) + " " + std::to_string(r.balance) + " " + r.stakedText + " " +
                       r.wonText + " " + r.netText + " " + r.balanceText);
    EXPECT_EQ(rows, (std::vector<std::string>{"Ann 150 375 225 10225 $150 $375 +$225 $10,225",
                                              "Cy 20 0 -20 9980 $20 $0 -$20 $9,980",
                                              "Dee 0 0 0 10000 $0 $0 $0 $10,000"}));
    EXPECT_EQ(state.players[0].balance - annBefore, 375);
}

TEST(RaceMoneyBoard, NoPlayersNoRowsAndHugeStakesDoNotWrap)
{
    RaceSetState state;
    EXPECT_TRUE(BuildRaceMoneyBoard(state).empty());

    state.players[1].name = "Big";
    for (int b = 0; b < kMaxBetsPerPlayer; ++b)
        ASSERT_TRUE(state.players[1].bets.Add(MakeBet(BetType::Win, INT_MAX / 4, 0)));
    const std::vector<RaceMoneyRow> board = BuildRaceMoneyBoard(state);
    ASSERT_EQ(board.size(), 1u);
    EXPECT_EQ(board[0].staked, INT_MAX);
    EXPECT_LT(board[0].net, 0);
    EXPECT_EQ(board[0].stakedText, FormatDollars(25LL * (INT_MAX / 4)));
}

TEST(RaceMoneyBoard, DollarsAreGroupedInThousandsWithTheirSign)
{
    const struct {
        long long amount;
        bool sign;
        const char* text;
    } cases[] = {
        {0, false, "$0"},
        {0, true, "$0"},
        {999, false, "$999"},
        {1000, false, "$1,000"},
        {1000, true, "+$1,000"},
        {-1500, true, "-$1,500"},
        {-7, false, "-$7"},
        {1234567, false, "$1,234,567"},
        {LLONG_MIN, false, "-$9,223,372,036,854,775,808"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDollars(c.amount, c.sign), c.text) << c.amount;
}

} // namespace
} // namespace galloria
