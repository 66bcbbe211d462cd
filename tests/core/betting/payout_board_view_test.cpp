#include "betting/payout_board_view.h"

#include "betting/payouts.h"

#include <gtest/gtest.h>

#include <vector>

namespace galloria {
namespace {

TEST(PayoutBoardView, PricesStandOnTheFirstThreeLinesAndTheTipIsMarked)
{
    const std::vector<int> order = {4, 0, 2, 1, 3, 5};
    const std::vector<std::string> names = {"Ash", "Birch", "Cedar", "Dune", "Elm", "Fir"};
    const std::vector<std::string> owners = {"O1", "O2", "O3", "O4", "O5", "O6"};
    PayoutBoard pay;
    pay.winPay = 12.0;
    pay.placePayFirst = 5.25;
    pay.showPayFirst = 3.1;
    pay.placePaySecond = 4.0;
    pay.showPaySecond = 2.9;
    pay.showPayThird = 2.5;
    pay.exactaPay = 61.2;
    pay.triactaPay = 310.75;
    const PayoutBoardView board = BuildPayoutBoardView(order, names, owners, 2, pay);

    ASSERT_EQ(board.rows.size(), 6u);
    EXPECT_EQ(board.rows[0].name, "Elm");
    EXPECT_EQ(board.rows[0].owner, "O5");
    EXPECT_EQ(board.rows[0].win, "  12.00");
    EXPECT_EQ(board.rows[0].place2, "   5.25");
    EXPECT_EQ(board.rows[1].win, "");
    EXPECT_EQ(board.rows[1].show, "   2.90");
    EXPECT_EQ(board.rows[2].show, "   2.50");
    EXPECT_TRUE(board.rows[2].tipped);
    EXPECT_TRUE(board.rows[2].placed);
    EXPECT_FALSE(board.rows[3].placed);
    EXPECT_TRUE(board.rows[3].show.empty());
    EXPECT_EQ(board.rows[5].place, "6");
    EXPECT_EQ(board.exactaLine, "Exacta for 5-1 pays   61.20");
    EXPECT_EQ(board.triactaLine, "Triacta for 5-1-3 pays  310.75");

    const PayoutBoardView noOwners = BuildPayoutBoardView(order, names, {}, -1, pay);
    EXPECT_TRUE(noOwners.rows[0].owner.empty());
    EXPECT_FALSE(noOwners.rows[2].tipped);
}

} // namespace
} // namespace galloria
