#include "betting/review_bets_model.h"

#include "base/game_random.h"
#include "bet_helpers.h"
#include "betting/betting_window_model.h"
#include "betting/race_set_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace galloria {
namespace {

// A Win bet whose line names its stake.
Bet WinBet(int amount, HorseSelector runner)
{
    Bet bet = testing::MakeBet(BetType::Win, amount, runner);
    bet.description = "line " + std::to_string(amount);
    return bet;
}

BetTable FiveBets()
{
    BetTable table;
    for (int i = 1; i <= 5; ++i)
        table.Add(WinBet(10 * i, i));
    return table;
}

double LargestDifference(const PoolBook& a, const PoolBook& b)
{
    const auto* x = reinterpret_cast<const double*>(&a);
    const auto* y = reinterpret_cast<const double*>(&b);
    double largest = 0;
    for (std::size_t i = 0; i < sizeof(PoolBook) / sizeof(double); ++i)
        largest = std::max(largest, std::abs(x[i] - y[i]));
    return largest;
}

TEST(ReviewBetsModel, DeletingMovesLaterBetsUpAndRefundsTheStake)
{
    auto review = std::make_unique<ReviewBetsModel>();
    review->Open(FiveBets(), 8);
    review->Select(1);
    const BetActionResult r = review->DeleteBet();
    EXPECT_TRUE(r.applied);
    EXPECT_EQ(r.sound, SoundEffect::Delete);
    EXPECT_EQ(review->Lines(), (std::vector<std::string>{"line 10", "line 30", "line 40", "line 50"}));
    EXPECT_EQ(review->Bets().slots[1].horse[0], 3);
    EXPECT_EQ(review->Bets().slots[4].amount, 0);
    EXPECT_TRUE(review->Bets().slots[4].description.empty());
    EXPECT_EQ(review->Refund(), 20);
    EXPECT_EQ(review->Delta().typePool[1][2], -20.0);
    EXPECT_EQ(review->SelectedLine(), -1);

    // No line selected, or one past the list: nothing changes and nothing sounds.
    review->Select(4);
    EXPECT_FALSE(review->CanDeleteBet());
    const BetActionResult none = review->DeleteBet();
    EXPECT_FALSE(none.applied || none.sound.has_value());
    EXPECT_EQ(review->LineCount(), 4);

    for (int left = 4; left > 0; --left) {
        review->Select(0);
        review->DeleteBet();
    }
    EXPECT_EQ(review->LineCount(), 0);
    EXPECT_EQ(review->Refund(), 150);
}

TEST(ReviewBetsModel, ClosingWritesBackOnceAndABetOutsideTheFieldStillRefunds)
{
    BetTable table = FiveBets();
    table.Add(WinBet(7, 9)); // runner 10 in a field of 8, as from a damaged file
    ReviewBetsModel review;
    review.Open(table, 8);
    review.Select(5);
    review.DeleteBet();
    EXPECT_EQ(review.Refund(), 7);
    EXPECT_EQ(review.Delta().typePool[1][9], 0.0);

    int balance = 100;
    auto windowDelta = std::make_unique<DeltaPools>();
    windowDelta->typePool[1][1] = 5;
    review.Select(0);
    review.DeleteBet();
    ASSERT_TRUE(review.CloseInto(table, balance, *windowDelta));
    EXPECT_EQ(balance, 117);
    EXPECT_EQ(table.count, 4);
    EXPECT_EQ(windowDelta->typePool[1][1], -5.0);
    EXPECT_FALSE(review.CloseInto(table, balance, *windowDelta));
    EXPECT_EQ(balance, 117);
    EXPECT_EQ(review.LineCount(), 0);
}

TEST(ReviewBetsModel, BuyingThenDeletingThroughTheWindowLeavesEveryPoolCellAndBalance)
{
    auto state = std::make_unique<RaceSetState>();
    state->players[0].name = "Ann";
    state->players[0].balance = 5000;
    state->players[1].name = "Bob";
    state->players[1].balance = 5000;
    state->program.runnerCount[0] = 10;
    const double odds[] = {2.5, 4.0, 6.0, 8.0, 12.0, 20.0, 9.0, 30.0, 50.0, 3.5};
    std::copy(std::begin(odds), std::end(odds), state->program.morningLineOdds[0]);
    GameRandom random;
    random.Seed(11);
    SeedPools(state->pools, state->program.FieldOdds(0), random);
    const auto original = std::make_unique<RaceSetState>(*state);

    auto window = std::make_unique<BettingWindowModel>();
    window->Open(*state);
    window->ChoosePlayer(0);
    auto buy = [&](const char* keys, BetType type, bool boxed, std::initializer_list<HorseSelector> legs) {
        testing::ComposeBet(*window, keys, type, legs, boxed);
        ASSERT_TRUE(window->Buy().applied);
    };
    buy("37", BetType::Across, false, {3});
    buy("101", BetType::Exacta, true, {2, HorseAll});
    buy("77", BetType::Triacta, true, {0, 4, HorseLong});
    buy("13", BetType::Triacta, false, {9, 1, 6});
    buy("5", BetType::Exacta, false, {8, HorseLong});
    buy("23", BetType::Exacta, true, {6, 2});
    buy("41", BetType::Triacta, false, {2, 8, HorseAll});

    // Two visits of the review: each starts from zero, so nothing is taken out twice.
    for (int visit = 0; visit < 2; ++visit) {
        window->View();
        EXPECT_EQ(window->Review().Refund(), 0);
        for (int i = visit == 0 ? 3 : 4; i > 0; --i) {
            window->Review().Select(0);
            window->Review().DeleteBet();
        }
        window->CloseReview();
    }
    EXPECT_EQ(window->Balance(0), 5000);
    window->Close(*state);
    EXPECT_EQ(state->players[0].balance, 5000);
    EXPECT_EQ(state->players[0].bets.count, 0);
    EXPECT_LT(LargestDifference(state->pools, original->pools), 1e-9);
}

} // namespace
} // namespace galloria
