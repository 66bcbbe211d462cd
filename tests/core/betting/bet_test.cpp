#include "bet_helpers.h"
#include "betting/bet.h"
#include "betting/bet_line.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

using testing::MakeBet;

TEST(BetTypes, UnknownCodesReadAsNoTypeAndLongShotsAreStrictlyAboveTen)
{
    EXPECT_EQ(BetTypeText(static_cast<BetType>(9)), "Bad");
    EXPECT_EQ(LegCount(static_cast<BetType>(-1)), 0);
    EXPECT_EQ(HorseSelectorText(14), "");

    EXPECT_FALSE(IsLongShot(10.0));
    EXPECT_TRUE(IsLongShot(10.01));
    const double odds[] = {2.5, 10.0, 10.01, 999.0, 4.0};
    EXPECT_EQ(CountLongShots(odds), 2);
}

TEST(BetValidity, AcceptsWhatTheWindowCanComposeAndNothingElse)
{
    EXPECT_TRUE(IsValidBet(MakeBet(BetType::Win, 10, 7), 8));
    EXPECT_TRUE(IsValidBet(MakeBet(BetType::Exacta, 10, 2, HorseAll, 0, true), 8));
    EXPECT_TRUE(IsValidBet(MakeBet(BetType::Triacta, 10, 2, 5, HorseLong), 8));
    EXPECT_TRUE(IsValidBet(MakeBet(BetType::Exacta, 10, 0, HorseAll), 2));

    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Bad, 10, 0), 8));
    EXPECT_FALSE(IsValidBet(MakeBet(static_cast<BetType>(7), 10, 0), 8));
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Win, 0, 0), 8));
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Win, 10, 8), 8)); // past the field
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Win, 10, -1), 8));
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Win, 10, HorseAll), 8)); // a wheel needs an earlier leg
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Win, 10, 1, 0, 0, true), 8));
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Exacta, 10, HorseAll, 3), 8));
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Exacta, 10, 3, 3), 8));
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Triacta, 10, 1, HorseAll, 2), 8));
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Triacta, 10, 1, 2, 1), 8));
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Triacta, 10, 0, 1, HorseAll), 2)); // nobody left for the wheel
    EXPECT_FALSE(IsValidBet(MakeBet(BetType::Win, 10, 0), 13));
}

TEST(BetTable, HoldsTwentyFiveBetsInOrderClosesGapsAndSurvivesADamagedCount)
{
    BetTable table;
    for (int i = 1; i <= kMaxBetsPerPlayer; ++i)
        ASSERT_TRUE(table.Add(MakeBet(BetType::Win, i, 0)));
    EXPECT_TRUE(table.IsFull());
    EXPECT_FALSE(table.Add(MakeBet(BetType::Win, 99, 0))); // the 26th
    EXPECT_EQ(table.count, 25);

    const auto removed = table.RemoveAt(2);
    ASSERT_TRUE(removed.has_value());
    EXPECT_EQ(removed->amount, 3);
    EXPECT_EQ(table.count, 24);
    EXPECT_EQ(table.slots[2].amount, 4);
    EXPECT_EQ(table.slots[23].amount, 25);
    EXPECT_EQ(table.slots[24].amount, 0); // the freed slot is empty again

    EXPECT_FALSE(table.RemoveAt(24).has_value());
    EXPECT_FALSE(table.RemoveAt(-1).has_value());
    EXPECT_FALSE(table.Add(MakeBet(BetType::Win, 0, 0)));

    table.Clear();
    EXPECT_EQ(table.count, 0);
    EXPECT_EQ(table.slots[0].amount, 0);

    // A damaged count never reaches past the slots.
    table.count = 40;
    EXPECT_EQ(table.Bought().size(), 25u);
    EXPECT_FALSE(table.Add(MakeBet(BetType::Win, 5, 0)));
    table.count = -2;
    EXPECT_TRUE(table.Bought().empty());
    EXPECT_TRUE(table.Add(MakeBet(BetType::Win, 5, 0)));
    EXPECT_EQ(table.count, 1);
}

TEST(BetLine, FieldsKeepTheirColumns)
{
    EXPECT_EQ(BetLineOf("Player 1", MakeBet(BetType::Exacta, 20, 2, 6, 0, true)),
              "Player 1      20      Exacta  Bx  3   7   ");

    const std::string win = BetLineOf("Ann", MakeBet(BetType::Win, 5, 4));
    const std::string triacta = BetLineOf("Bartholomew", MakeBet(BetType::Triacta, 1500, 9, 11, HorseLong));
    EXPECT_EQ(win, "Ann           5       Win         5       ");
    EXPECT_EQ(triacta, "Bartholomew   1500    Triacta     10  12  Long");
    // Amount, type, mark and first leg start in the same columns in both lines.
    EXPECT_EQ(win.find('5'), triacta.find('1'));
    EXPECT_EQ(win.find("Win"), triacta.find("Triacta"));
    EXPECT_EQ(win.rfind('5'), triacta.find("10"));
}

TEST(BetLine, UnchosenFieldsArePaddedAndLongFieldsKeptWhole)
{
    EXPECT_EQ(ComposeBetLine({.playerName = "Zoe", .amount = "50"}),
              std::string("Zoe") + std::string(11, ' ') + "50" + std::string(6 + 7 + 5 + 4 + 4, ' '));
    EXPECT_EQ(ComposeBetLine({.playerName = "AVeryLongName1234",
                              .amount = "123456789",
                              .type = "Triacta",
                              .boxedMark = BoxedMark(true),
                              .leg1 = "10",
                              .leg2 = "Long",
                              .leg3 = "All"}),
              "AVeryLongName1234123456789Triacta Bx  10  LongAll");
    // A letter of two bytes takes one column, as on the screen.
    EXPECT_EQ(ComposeBetLine({.playerName = "Jos\xC3\xA9", .amount = "5", .type = "Plac\xC3\xA9"}),
              "Jos\xC3\xA9          5       Plac\xC3\xA9  " + std::string(5 + 4 + 4, ' '));
    EXPECT_EQ(BetLineOf("Ann", Bet{}), "Ann" + std::string(11 + 8 + 7 + 5 + 4 + 4, ' '));
}

} // namespace
} // namespace galloria
