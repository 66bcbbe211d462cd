#include "betting/payouts.h"

#include "base/game_random.h"
#include "betting/pool_book.h"

#include <gtest/gtest.h>

#include <memory>

namespace galloria {
namespace {

constexpr int kWin = 1, kPlace = 2, kShow = 3, kExacta = 5, kTriacta = 6;

TEST(ComputePayouts, TheEightFiguresFromThePools)
{
    auto pools = std::make_unique<PoolBook>();
    const Podium podium{.first = 3, .second = 0, .third = 5};
    pools->typeTotal[kWin] = 50000;
    pools->typePool[kWin][3] = 10000;
    pools->typeTotal[kPlace] = 30000;
    pools->typePool[kPlace][3] = 6000;
    pools->typePool[kPlace][0] = 4000;
    pools->typeTotal[kShow] = 12000;
    pools->typePool[kShow][3] = 3000;
    pools->typePool[kShow][0] = 2000;
    pools->typePool[kShow][5] = 1000;
    pools->typeTotal[kExacta] = 5000;
    pools->exactaPool[3][0] = 100;
    pools->typeTotal[kTriacta] = 20000;
    pools->triactaPool[3][0][5] = 40;

    const PayoutBoard board = ComputePayouts(*pools, podium);
    EXPECT_DOUBLE_EQ(board.winPay, 12.0);
    // Place shares the losers' 20000 half and half: 10000 each.
    EXPECT_DOUBLE_EQ(board.placePayFirst, 5.3); // 2 x (10000 / 6000 + 1) = 5.33
    EXPECT_DOUBLE_EQ(board.placePaySecond, 7.0);
    // Show shares the losers' 6000 a third each, by the double nearest a third (just under 2000).
    EXPECT_DOUBLE_EQ(board.showPayFirst, 3.3);
    EXPECT_DOUBLE_EQ(board.showPaySecond, 4.0);
    EXPECT_DOUBLE_EQ(board.showPayThird, 6.0);
    EXPECT_DOUBLE_EQ(board.exactaPay, 102.0);
    EXPECT_DOUBLE_EQ(board.triactaPay, 1002.0);
}

TEST(ComputePayouts, RoundsHalfUpToTenCentsAndAnEmptyPlacePaysNothing)
{
    auto pools = std::make_unique<PoolBook>();
    pools->typeTotal[kWin] = 21250;
    pools->typePool[kWin][0] = 10000; // 2 x 3.125 = 6.25
    pools->typeTotal[kExacta] = 21240;
    pools->exactaPool[0][1] = 10000; // 2 x 3.124 = 6.248
    pools->typePool[kPlace][0] = pools->typePool[kPlace][1] = 1;
    pools->typePool[kShow][0] = pools->typePool[kShow][1] = pools->typePool[kShow][2] = 1;
    pools->triactaPool[0][1][2] = 1;
    const PayoutBoard board = ComputePayouts(*pools, {.first = 0, .second = 1, .third = 2});
    EXPECT_DOUBLE_EQ(board.winPay, 6.3);
    EXPECT_DOUBLE_EQ(board.exactaPay, 6.2);

    // A podium with an empty place pays nothing.
    const PayoutBoard empty = ComputePayouts(*pools, {.first = 0, .second = 1, .third = 20});
    EXPECT_EQ(empty.winPay, 0.0);
    EXPECT_EQ(empty.triactaPay, 0.0);
}

TEST(ComputePayouts, SeededPoolsNeverPayLessThanTheStake)
{
    const double odds[] = {2.5, 3.1, 4.4, 7.0, 11.0, 19.0, 45.0, 120.0, 700.0, 1000.0};
    GameRandom random;
    auto pools = std::make_unique<PoolBook>();
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        random.Seed(seed);
        SeedPools(*pools, odds, random);
        const Podium podium{.first = random.Next() % 10,
                            .second = static_cast<int>(seed + 3) % 10,
                            .third = static_cast<int>(seed + 7) % 10};
        if (podium.first == podium.second || podium.first == podium.third)
            continue;
        const PayoutBoard b = ComputePayouts(*pools, podium);
        for (double figure : {b.winPay, b.placePayFirst, b.showPayFirst, b.placePaySecond, b.showPaySecond,
                              b.showPayThird, b.exactaPay, b.triactaPay})
            ASSERT_GE(figure, 2.0) << "seed " << seed;
    }
}

} // namespace
} // namespace galloria
