#include "betting/pool_book.h"

#include "base/game_random.h"
#include "bet_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <numeric>
#include <vector>

namespace galloria {
namespace {

constexpr int kWin = 1, kPlace = 2, kShow = 3, kAcross = 4, kExacta = 5, kTriacta = 6;

using testing::MakeBet;

double Sum(std::span<const double> cells)
{
    return std::accumulate(cells.begin(), cells.end(), 0.0);
}
std::span<const double> Exactas(const DeltaPools& d)
{
    return {&d.exactaPool[0][0], 144};
}
std::span<const double> Triactas(const DeltaPools& d)
{
    return {&d.triactaPool[0][0][0], 1728};
}
std::span<const double> AllCells(const DeltaPools& d)
{
    return {&d.typePool[0][0], sizeof d / sizeof(double)};
}

TEST(SeedPools, DrawsInOrderAndTotalsAreTheRowSums)
{
    const double odds[] = {2.5, 4.0, 6.5, 10.0, 25.0, 80.0, 300.0, 1000.0};
    GameRandom random;
    random.Seed(77);
    GameRandom expected = random;
    auto pools = std::make_unique<PoolBook>();
    pools->typePool[kWin][10] = 123; // left from a bigger field: must go
    SeedPools(*pools, odds, random);

    const int winPublic = (2 * expected.Next()) % 10000 + 40000;
    const int placePublic = (2 * expected.Next()) % 5000 + 25000;
    const int showPublic = (2 * expected.Next()) % 2000 + 10000;
    for (int h = 0; h < 8; ++h) {
        EXPECT_EQ(pools->typePool[kWin][h], winPublic / odds[h]);
        EXPECT_EQ(pools->typePool[kPlace][h], placePublic / odds[h] + expected.Next() % 200) << h;
        EXPECT_EQ(pools->typePool[kShow][h], showPublic / odds[h] + expected.Next() % 300) << h;
    }
    EXPECT_EQ(random.state, expected.state); // no other draws
    EXPECT_EQ(pools->typePool[kWin][10], 0.0);
    for (int t = 0; t <= kAcross; ++t)
        EXPECT_DOUBLE_EQ(pools->typeTotal[t], Sum(std::span(pools->typePool[t]).first(8))) << t;
    EXPECT_NE(pools->typeTotal[kWin], winPublic);
    EXPECT_EQ(pools->typeTotal[kAcross], 0.0);
}

TEST(SeedPools, CombinationsFloorAtOneDollarAndAddUpByFirstRunner)
{
    const double odds[] = {2.5, 3.0, 1000.0, 1000.0, 500.0, 12.0};
    GameRandom random;
    auto pools = std::make_unique<PoolBook>();
    SeedPools(*pools, odds, random);
    EXPECT_DOUBLE_EQ(pools->exactaPool[0][1], 10000 / 2.5 / 3.0);
    EXPECT_EQ(pools->exactaPool[2][3], 1.0);
    EXPECT_EQ(pools->triactaPool[2][3][4], 1.0);

    double exactaTotal = 0, triactaTotal = 0;
    for (int i = 0; i < 6; ++i) {
        double exactaRow = 0, triactaRow = 0;
        for (int j = 0; j < 6; ++j) {
            exactaRow += pools->exactaPool[i][j];
            triactaRow += Sum(pools->triactaPool[i][j]);
        }
        EXPECT_DOUBLE_EQ(pools->exactaByRunner[i], exactaRow);
        EXPECT_DOUBLE_EQ(pools->triactaByRunner[i], triactaRow);
        exactaTotal += exactaRow;
        triactaTotal += triactaRow;
    }
    EXPECT_DOUBLE_EQ(pools->typeTotal[kExacta], exactaTotal);
    EXPECT_DOUBLE_EQ(pools->typeTotal[kTriacta], triactaTotal);
    EXPECT_EQ(pools->exactaPool[0][0], 0.0); // no combination repeats a runner
}

TEST(AddBetToPools, SingleRunnerTypesAndExactaRows)
{
    for (BetType type : {BetType::Win, BetType::Place, BetType::Show, BetType::Across}) {
        auto delta = std::make_unique<DeltaPools>();
        ASSERT_TRUE(AddBetToPools(*delta, MakeBet(type, 30, 2), +1, 8));
        EXPECT_EQ(delta->typePool[BetTypeCode(type)][2], 30.0);
        EXPECT_EQ(Sum(AllCells(*delta)), 30.0) << BetTypeText(type); // and nowhere else
    }
    for (bool boxed : {false, true}) {
        // The full stake on each order when boxed, half the stake to each runner's money.
        auto delta = std::make_unique<DeltaPools>();
        AddBetToPools(*delta, MakeBet(BetType::Exacta, 10, 0, 1, 0, boxed), +1, 8);
        EXPECT_EQ(delta->typePool[kExacta][0], 5.0);
        EXPECT_EQ(delta->typePool[kExacta][1], 5.0);
        EXPECT_EQ(delta->exactaPool[0][1], 10.0);
        EXPECT_EQ(delta->exactaPool[1][0], boxed ? 10.0 : 0.0);
        EXPECT_EQ(Sum(Exactas(*delta)), boxed ? 20.0 : 10.0);
    }
    for (HorseSelector wheel : {HorseAll, HorseLong}) { // "Long" spreads like "All"
        for (bool boxed : {false, true}) {
            auto delta = std::make_unique<DeltaPools>();
            AddBetToPools(*delta, MakeBet(BetType::Exacta, 14, 2, wheel, 0, boxed), +1, 8);
            EXPECT_EQ(delta->typePool[kExacta][2], 7.0);
            for (int k : {0, 1, 3, 4, 5, 6, 7}) {
                EXPECT_EQ(delta->typePool[kExacta][k], 1.0);
                EXPECT_EQ(delta->exactaPool[2][k], 2.0);
                EXPECT_EQ(delta->exactaPool[k][2], boxed ? 2.0 : 0.0);
            }
            EXPECT_DOUBLE_EQ(Sum(Exactas(*delta)), boxed ? 28.0 : 14.0);
        }
    }
}

TEST(AddBetToPools, TriactaRows)
{
    auto straight = std::make_unique<DeltaPools>();
    AddBetToPools(*straight, MakeBet(BetType::Triacta, 30, 0, 1, 2), +1, 8);
    EXPECT_EQ(Sum(straight->typePool[kTriacta]), 30.0);
    EXPECT_EQ(straight->typePool[kTriacta][2], 10.0);
    EXPECT_EQ(straight->triactaPool[0][1][2], 30.0);
    EXPECT_EQ(Sum(Triactas(*straight)), 30.0);

    auto boxed = std::make_unique<DeltaPools>();
    AddBetToPools(*boxed, MakeBet(BetType::Triacta, 30, 4, 1, 6, true), +1, 8);
    for (const auto& o : {std::array{4, 1, 6}, {4, 6, 1}, {1, 4, 6}, {1, 6, 4}, {6, 4, 1}, {6, 1, 4}})
        EXPECT_EQ(boxed->triactaPool[o[0]][o[1]][o[2]], 5.0);
    EXPECT_EQ(Sum(Triactas(*boxed)), 30.0);

    for (bool isBoxed : {false, true}) {
        auto wheel = std::make_unique<DeltaPools>();
        AddBetToPools(*wheel, MakeBet(BetType::Triacta, 36, 3, 0, isBoxed ? HorseLong : HorseAll, isBoxed),
                      +1, 8);
        EXPECT_EQ(wheel->typePool[kTriacta][3], 12.0);
        EXPECT_EQ(wheel->typePool[kTriacta][0], 12.0);
        for (int k : {1, 2, 4, 5, 6, 7}) {
            EXPECT_EQ(wheel->typePool[kTriacta][k], 2.0);
            EXPECT_EQ(wheel->triactaPool[3][0][k], isBoxed ? 1.0 : 6.0);
            EXPECT_EQ(wheel->triactaPool[k][3][0], isBoxed ? 1.0 : 0.0);
        }
        EXPECT_DOUBLE_EQ(Sum(Triactas(*wheel)), 36.0);
    }
}

TEST(AddBetToPools, ABetThatDoesNotFitTheFieldIsRefusedWhole)
{
    auto delta = std::make_unique<DeltaPools>();
    AddBetToPools(*delta, MakeBet(BetType::Show, 7, 4), +1, 9);
    EXPECT_FALSE(AddBetToPools(*delta, MakeBet(BetType::Win, 10, 9), +1, 9));
    EXPECT_FALSE(AddBetToPools(*delta, MakeBet(BetType::Triacta, 10, 1, 1, 2), +1, 9));
    EXPECT_EQ(Sum(AllCells(*delta)), 7.0);
}

TEST(MergeWindowPools, AddsEveryRowAndCountsAcrossInThirds)
{
    auto pools = std::make_unique<PoolBook>();
    GameRandom random;
    const double odds[] = {3.0, 4.0, 5.0, 8.0, 12.0, 20.0};
    SeedPools(*pools, odds, random);
    const auto seeded = std::make_unique<PoolBook>(*pools);

    auto delta = std::make_unique<DeltaPools>();
    AddBetToPools(*delta, MakeBet(BetType::Across, 30, 4), +1, 6);
    AddBetToPools(*delta, MakeBet(BetType::Win, 8, 4), +1, 6);
    AddBetToPools(*delta, MakeBet(BetType::Exacta, 10, 0, 1, 0, true), +1, 6);
    AddBetToPools(*delta, MakeBet(BetType::Triacta, 12, 2, 3, 5), +1, 6);
    delta->typePool[kWin][7] = 500; // outside the field: never merged
    MergeWindowPools(*pools, *delta, 6);

    EXPECT_DOUBLE_EQ(pools->typePool[kAcross][4], 30.0);
    EXPECT_DOUBLE_EQ(pools->typeTotal[kAcross], 30.0);
    EXPECT_DOUBLE_EQ(pools->typePool[kWin][4], seeded->typePool[kWin][4] + 8 + 10);
    EXPECT_DOUBLE_EQ(pools->typeTotal[kWin], seeded->typeTotal[kWin] + 8 + 10);
    for (int t : {kPlace, kShow}) {
        EXPECT_DOUBLE_EQ(pools->typePool[t][4], seeded->typePool[t][4] + 10);
        EXPECT_DOUBLE_EQ(pools->typeTotal[t], seeded->typeTotal[t] + 10);
    }
    EXPECT_DOUBLE_EQ(pools->exactaByRunner[0], seeded->exactaByRunner[0] + 5);
    EXPECT_DOUBLE_EQ(pools->exactaPool[1][0], seeded->exactaPool[1][0] + 10);
    EXPECT_DOUBLE_EQ(pools->typeTotal[kExacta], seeded->typeTotal[kExacta] + 10);
    EXPECT_DOUBLE_EQ(pools->triactaByRunner[5], seeded->triactaByRunner[5] + 4);
    EXPECT_DOUBLE_EQ(pools->triactaPool[2][3][5], seeded->triactaPool[2][3][5] + 12);
    EXPECT_DOUBLE_EQ(pools->typeTotal[kTriacta], seeded->typeTotal[kTriacta] + 12);
    EXPECT_EQ(pools->typePool[kWin][7], 0.0);
}

} // namespace
} // namespace galloria
