#include "betting/betting_window_model.h"

#include "bet_helpers.h"
#include "betting/race_set_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace galloria {
namespace {

// The window opened on a race of `runners` runners with these seats and balances;
// runner index 5 (number 6) is the only long shot.
class BettingWindowTest : public ::testing::Test {
protected:
    BetActionResult Open(std::initializer_list<std::pair<int, int>> seatsAndBalances, int runners = 8)
    {
        state = std::make_unique<RaceSetState>();
        for (auto [seat, balance] : seatsAndBalances) {
            state->players[seat].name = "Player " + std::to_string(seat + 1);
            state->players[seat].balance = balance;
        }
        state->raceIndex = 3;
        state->program.runnerCount[3] = runners;
        for (int k = 0; k < runners; ++k)
            state->program.morningLineOdds[3][k] = k == 5 ? 25.0 : 3.0 + k; // index 7: exactly 10.0
        return window.Open(*state);
    }

    std::unique_ptr<RaceSetState> state;
    BettingWindowModel window;
};

using testing::ComposeBet;
using testing::TypeAmount;

// The enabled buttons as letters: Keypad, Clear, Types, boXed types, Runner 1,
// Wheels ("All" or "Long"), Buy, View, clear All.
std::string Enabled(const BettingWindowModel& w)
{
    const std::pair<char, bool> buttons[] = {
        {'K', w.CanPressKey()},
        {'C', w.CanClearAmount()},
        {'T', w.CanChooseType(BetType::Win, false)},
        {'X', w.CanChooseType(BetType::Triacta, true)},
        {'R', w.CanChooseRunner(0)},
        {'W', w.CanChooseRunner(HorseAll) || w.CanChooseRunner(HorseLong)},
        {'B', w.CanBuy()},
        {'V', w.CanView()},
        {'A', w.CanClearAll()},
    };
    std::string letters;
    for (auto [letter, on] : buttons) {
        if (on)
            letters += letter;
    }
    return letters;
}

TEST_F(BettingWindowTest, AmountKeysReserveTheStakeAndRejectOverdraftsWithAClick)
{
    Open({{0, 0}});
    for (int k = 0; k < 12; ++k) {
        const BetActionResult r = window.PressKey(static_cast<AmountKey>(k));
        EXPECT_FALSE(r.applied) << k;
        EXPECT_EQ(r.sound, SoundEffect::Click) << k;
        // A digit would overdraw and says so; zeros never start an amount.
        EXPECT_EQ(r.message.empty(), k >= static_cast<int>(AmountKey::Zero)) << k;
    }
    EXPECT_EQ(window.AmountText(), "");
    EXPECT_FALSE(window.CanChooseType(BetType::Win, false));

    Open({{0, 99}});
    window.PressKey(AmountKey::Zero); // never starts an amount
    for (AmountKey key : {AmountKey::One, AmountKey::Zero, AmountKey::Zero}) {
        window.PressKey(key);
        EXPECT_EQ(window.Balance(0) + window.Reserved(), 99);
    }
    EXPECT_EQ(window.AmountText(), "10");
    EXPECT_EQ(window.Balance(0), 89);
    EXPECT_FALSE(window.DigitsLocked()); // a single "0" does not lock
    EXPECT_EQ(window.ClearAmount().sound, SoundEffect::Click);
    EXPECT_EQ(window.Balance(0), 99);
    EXPECT_EQ(window.AmountText(), "");
}

TEST_F(BettingWindowTest, AmountDoubleAndTripleZeroLockTheAmountUntilCleared)
{
    Open({{0, 6000}});
    window.PressKey(AmountKey::DoubleZero); // on an empty amount: no zeros, no lock
    EXPECT_FALSE(window.DigitsLocked());
    TypeAmount(window, "5");
    EXPECT_TRUE(window.PressKey(AmountKey::TripleZero).applied);
    EXPECT_EQ(window.Amount(), 5000);
    EXPECT_EQ(window.Balance(0), 1000);
    const BetActionResult ignored = window.PressKey(AmountKey::Five);
    EXPECT_FALSE(ignored.applied);
    EXPECT_FALSE(ignored.sound.has_value()); // ignored keys are silent
    EXPECT_EQ(window.Amount(), 5000);
    window.ClearAmount();
    TypeAmount(window, "5");
    EXPECT_EQ(window.Amount(), 5);

    // Rejected for overdrawing, "00" still ends the amount.
    window.ClearAmount();
    TypeAmount(window, "70");
    const BetActionResult overdrawn = window.PressKey(AmountKey::DoubleZero);
    EXPECT_EQ(overdrawn.sound, SoundEffect::Click);
    EXPECT_NE(overdrawn.message.find("$6000"), std::string::npos) << overdrawn.message; // what the player has
    EXPECT_TRUE(window.DigitsLocked());
    TypeAmount(window, "1");
    EXPECT_EQ(window.Amount(), 70);
}

TEST_F(BettingWindowTest, EnablingOnePlayerWalksFromKeypadToBuyAndBack)
{
    EXPECT_EQ(Open({{2, 500}}).sound, SoundEffect::Pop);
    EXPECT_EQ(window.CurrentPlayer(), 2);
    EXPECT_EQ(Enabled(window), "K");
    EXPECT_FALSE(window.CanChoosePlayer(2));
    EXPECT_FALSE(window.IsPlayerShown(0));

    TypeAmount(window, "5");
    EXPECT_EQ(Enabled(window), "KCTXA");
    EXPECT_EQ(window.ChooseType(BetType::Exacta, false).sound, SoundEffect::Click);
    EXPECT_EQ(Enabled(window), "KCTXRA");
    EXPECT_EQ(window.ChooseRunner(0).sound, SoundEffect::Click);
    EXPECT_FALSE(window.CanChooseRunner(0)); // named once already
    EXPECT_TRUE(window.CanChooseRunner(HorseAll));
    EXPECT_FALSE(window.CanBuy());
    window.ChooseRunner(7);
    EXPECT_EQ(Enabled(window), "KCTXBA");

    const BetActionResult bought = window.Buy();
    EXPECT_EQ(bought.sound, SoundEffect::Buy);
    EXPECT_EQ(window.Bets(2).count, 1);
    EXPECT_EQ(window.Balance(2), 495);
    EXPECT_EQ(window.CurrentPlayer(), 2);
    EXPECT_EQ(Enabled(window), "KV");
}

TEST_F(BettingWindowTest, EnablingSeveralPlayersWaitForAChoiceAndSwitchingGivesTheStakeBack)
{
    Open({{0, 100}, {1, 200}, {3, 300}});
    EXPECT_EQ(window.CurrentPlayer(), -1);
    EXPECT_EQ(Enabled(window), "");
    EXPECT_FALSE(window.PressKey(AmountKey::One).applied);
    EXPECT_FALSE(window.IsPlayerShown(2));
    EXPECT_EQ(window.BalanceText(2), "");
    EXPECT_EQ(window.BalanceText(3), "300");

    EXPECT_EQ(window.ChoosePlayer(1).sound, SoundEffect::Click);
    EXPECT_EQ(Enabled(window), "K");
    EXPECT_FALSE(window.CanChoosePlayer(1));
    EXPECT_TRUE(window.CanChoosePlayer(0) && window.CanChoosePlayer(3));
    EXPECT_FALSE(window.ChoosePlayer(2).applied);

    ComposeBet(window, "150", BetType::Win, {});
    window.ChoosePlayer(3);
    EXPECT_EQ(window.Balance(1), 200);
    EXPECT_EQ(window.AmountText(), "");
    EXPECT_EQ(window.BetLine().substr(0, 14), "Player 4      ");
    EXPECT_EQ(window.BetLine().find_first_not_of(' ', 14), std::string::npos);
}

TEST_F(BettingWindowTest, EnablingANewTypeRestartsTheRunnersAndDropsTheBox)
{
    Open({{0, 100}});
    ComposeBet(window, "20", BetType::Exacta, {2, 6}, true);
    EXPECT_EQ(window.BetLine(), "Player 1      20      Exacta  Bx  3   7   ");

    window.ChooseType(BetType::Exacta, false);
    EXPECT_EQ(window.BetLine(), "Player 1      20      Exacta              ");
    EXPECT_FALSE(window.OpenBet().boxed);
    EXPECT_TRUE(window.CanChooseRunner(2) && window.CanChooseRunner(6));

    ComposeBet(window, "", BetType::Triacta, {0, 1, HorseAll});
    EXPECT_TRUE(window.CanBuy());
    window.ChooseType(BetType::Exacta, false);
    EXPECT_EQ(window.LegsChosen(), 0);
    window.ChooseRunner(0);
    EXPECT_FALSE(window.CanBuy());
    window.ChooseRunner(1);
    EXPECT_TRUE(window.CanBuy());
    EXPECT_FALSE(window.ChooseType(BetType::Show, true).applied); // only Exactas and Triactas box
}

TEST_F(BettingWindowTest, RunnersButtonsPastTheFieldAreHiddenAndWheelsFillOnlyTheLastLeg)
{
    Open({{0, 100}}, 8);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(window.IsRunnerShown(k), k < 8) << k;
    TypeAmount(window, "9");
    window.ChooseType(BetType::Triacta, false);
    EXPECT_FALSE(window.CanChooseRunner(8));
    EXPECT_FALSE(window.CanChooseRunner(HorseAll));
    window.ChooseRunner(5); // the only long shot
    EXPECT_FALSE(window.CanChooseRunner(HorseAll) || window.CanChooseRunner(HorseLong));
    window.ChooseRunner(1);
    EXPECT_TRUE(window.CanChooseRunner(HorseAll));
    // A "Long" last leg with no long shot left could never collect.
    EXPECT_FALSE(window.ChooseRunner(HorseLong).applied);
    window.ChooseType(BetType::Exacta, false);
    window.ChooseRunner(1);
    EXPECT_EQ(window.ChooseRunner(HorseLong).sound, SoundEffect::Click);
    EXPECT_EQ(window.OpenBet().horse[1], HorseLong);
    window.ChooseType(BetType::Win, false);
    EXPECT_FALSE(window.CanChooseRunner(HorseAll) || window.CanChooseRunner(HorseLong));

    Open({{0, 100}}, 6);
    EXPECT_TRUE(window.IsRunnerShown(5));
    EXPECT_FALSE(window.IsRunnerShown(6));
}

TEST_F(BettingWindowTest, BuyingTheWholeBalanceCanBeStakedAndLeavesNothing)
{
    Open({{0, 500}});
    ComposeBet(window, "500", BetType::Win, {0});
    ASSERT_TRUE(window.Buy().applied);
    EXPECT_EQ(window.Balance(0), 0);
    EXPECT_EQ(window.Delta().typePool[static_cast<int>(BetType::Win)][0], 500.0);
    window.Close(*state);
    EXPECT_EQ(state->players[0].balance, 0);
    EXPECT_EQ(state->players[0].bets.count, 1);
}

TEST_F(BettingWindowTest, BuyingTheTwentySixthBetIsRefusedAndClearAllStepsBack)
{
    Open({{0, 1000}});
    for (int i = 0; i < kMaxBetsPerPlayer; ++i) {
        ComposeBet(window, "2", BetType::Place, {i % 8});
        const BetActionResult bought = window.Buy();
        ASSERT_TRUE(bought.applied) << i;
        // The bet that fills the table says so at once.
        EXPECT_EQ(bought.message.empty(), i + 1 < kMaxBetsPerPlayer) << i;
    }
    ComposeBet(window, "7", BetType::Win, {3});
    const DeltaPools before = window.Delta();
    const BetActionResult refused = window.Buy();
    EXPECT_FALSE(refused.applied);
    EXPECT_EQ(refused.sound, SoundEffect::Delete);
    EXPECT_NE(refused.message.find("25 bets"), std::string::npos) << refused.message;
    EXPECT_EQ(window.Bets(0).count, 25);
    EXPECT_EQ(std::memcmp(&before, &window.Delta(), sizeof before), 0);
    EXPECT_EQ(window.Balance(0), 1000 - 50 - 7);

    // Clear All drops the bet and leaves only the keypad on, so BUY cannot
    // buy an emptied slot.
    EXPECT_FALSE(window.ClearAll().sound.has_value());
    EXPECT_EQ(window.Balance(0), 950);
    EXPECT_FALSE(window.CanBuy() || window.CanChooseType(BetType::Win, false) || window.CanChooseRunner(3));
    EXPECT_TRUE(window.CanPressKey() && window.CanView());
    EXPECT_FALSE(window.Buy().applied);
}

TEST_F(BettingWindowTest, ClosingWritesBackBoughtBetsAndMergesPoolsOnceAndNeverAHalfComposedBet)
{
    Open({{0, 300}, {1, 300}});
    window.ChoosePlayer(0);
    ComposeBet(window, "30", BetType::Across, {4});
    window.Buy();
    EXPECT_EQ(window.CurrentPlayerBetLines().front(), "Player 1      30      Across      5       ");
    window.ChoosePlayer(1);
    ComposeBet(window, "50", BetType::Win, {0});
    EXPECT_EQ(state->players[0].balance, 300); // nothing written while open

    EXPECT_EQ(window.Race().closesWindow, true);
    EXPECT_EQ(window.Close(*state).sound, SoundEffect::Cancel);
    EXPECT_TRUE(window.StartRaceRequested());
    EXPECT_EQ(state->players[0].balance, 270);
    EXPECT_EQ(state->players[1].balance, 300);
    EXPECT_EQ(state->players[1].bets.count, 0);
    ASSERT_EQ(state->players[0].bets.count, 1);
    EXPECT_EQ(state->players[0].bets.slots[0].horse[0], 4);
    EXPECT_EQ(state->pools.typePool[4][4], 30.0);
    EXPECT_EQ(state->pools.typePool[1][4], 10.0);
    EXPECT_EQ(state->pools.typePool[1][0], 0.0);
    EXPECT_EQ(state->longShotCount, 1);

    EXPECT_FALSE(window.Close(*state).applied);
    EXPECT_EQ(state->pools.typePool[4][4], 30.0);
}

TEST_F(BettingWindowTest, ReviewViewDropsTheOpenBetAndTakesTheReviewBackOnce)
{
    Open({{0, 100}});
    ComposeBet(window, "40", BetType::Show, {2});
    window.Buy();
    TypeAmount(window, "25");
    EXPECT_FALSE(window.View().sound.has_value());
    EXPECT_EQ(window.Balance(0), 60);
    ASSERT_TRUE(window.Review().IsOpen());
    EXPECT_EQ(window.Review().Lines(), window.CurrentPlayerBetLines());

    window.Review().Select(0);
    window.Review().DeleteBet();
    EXPECT_TRUE(window.CloseReview().applied);
    EXPECT_FALSE(window.CloseReview().applied);
    EXPECT_EQ(window.Balance(0), 100);
    EXPECT_EQ(window.Bets(0).count, 0);
    EXPECT_FALSE(window.CanView());
    EXPECT_EQ(window.Delta().typePool[3][2], 0.0);
}

} // namespace
} // namespace galloria
