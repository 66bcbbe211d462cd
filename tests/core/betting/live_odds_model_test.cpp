#include "betting/live_odds_model.h"

#include "base/game_random.h"
#include "bet_helpers.h"
#include "betting/runner_chance.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <utility>
#include <vector>

namespace galloria {
namespace {

using M = LiveOddsModel;

std::vector<std::string> Names(int n)
{
    std::vector<std::string> names;
    for (int k = 0; k < n; ++k)
        names.push_back("Horse " + std::string(1, static_cast<char>('A' + k)));
    return names;
}

PoolBook Seeded(int n, std::uint32_t seed)
{
    std::vector<double> odds;
    for (int k = 0; k < n; ++k)
        odds.push_back(3.0 + 2.0 * k);
    GameRandom random;
    random.Seed(seed);
    PoolBook pools;
    SeedPools(pools, odds, random);
    return pools;
}

// Pools holding only this Win, Place and Show money on runners 1, 2, ...
PoolBook WithMoney(const std::vector<double>& win, const std::vector<double>& place,
                   const std::vector<double>& show)
{
    PoolBook pools;
    for (std::size_t h = 0; h < win.size(); ++h) {
        pools.typePool[1][h] = win[h];
        pools.typePool[2][h] = place[h];
        pools.typePool[3][h] = show[h];
    }
    return pools;
}

// The model filled from the pools of a field of `runners`.
M Filled(const PoolBook& pools, int runners)
{
    M model;
    model.Fill(Names(runners), runners, pools);
    return model;
}

std::string Truncated(double amount)
{
    return std::to_string(static_cast<long long>(amount));
}

TEST(LiveOddsModel, BeforeAnyBetTheLinesShowACopyOfTheSeededPoolsAndATotalsLine)
{
    PoolBook pools = Seeded(8, 11);
    pools.typeTotal[1] -= std::exchange(pools.typePool[1][5], 0.0); // a runner without money has no price
    const M model = Filled(pools, 8);
    ASSERT_EQ(model.LineCount(), 9);
    for (int h = 0; h < 8; ++h) {
        EXPECT_EQ(model.Cell(h, M::kNumber), std::to_string(h + 1));
        EXPECT_EQ(model.Cell(h, M::kName), Names(8)[h]);
        EXPECT_EQ(model.Cell(h, M::kWin), Truncated(pools.typePool[1][h]));
        EXPECT_EQ(model.Cell(h, M::kPlace), Truncated(pools.typePool[2][h]));
        EXPECT_EQ(model.Cell(h, M::kShow), Truncated(pools.typePool[3][h]));
        EXPECT_EQ(model.Cell(h, M::kExacta), Truncated(pools.exactaByRunner[h]));
        EXPECT_EQ(model.Cell(h, M::kTriacta), Truncated(pools.triactaByRunner[h]));
        EXPECT_GT(pools.exactaByRunner[h], 0.0) << "the seeded public money";
        EXPECT_EQ(model.Cell(h, M::kChance), "-");
    }
    EXPECT_EQ(model.Cell(5, M::kWinOdds), "-");
    EXPECT_EQ(model.Cell(8, M::kNumber), "-");
    EXPECT_EQ(model.Cell(8, M::kName), "Totals");
    EXPECT_EQ(model.Cell(8, M::kWin), Truncated(pools.typeTotal[1]));
    EXPECT_EQ(model.Cell(8, M::kExacta), Truncated(pools.typeTotal[5]));
    for (int column : {M::kWinOdds, M::kPlaceOdds, M::kShowOdds, M::kChance})
        EXPECT_EQ(model.Cell(8, column), "-");
    EXPECT_EQ(model.RunnerOfLine(8), -1);

    // The model keeps its own copy of the figures.
    const std::string win = model.Cell(0, M::kWin);
    pools.typePool[1][0] += 5000;
    EXPECT_EQ(model.Cell(0, M::kWin), win);
}

TEST(LiveOddsModel, AnAcrossBetAddsAThirdToEachOfItsRunnersPoolsOnceTheWindowCloses)
{
    PoolBook pools = Seeded(6, 3);
    const M before = Filled(pools, 6);
    DeltaPools delta;
    ASSERT_TRUE(AddBetToPools(delta, testing::MakeBet(BetType::Across, 30, 1), +1, 6)); // on runner 2
    MergeWindowPools(pools, delta, 6);
    const M after = Filled(pools, 6);
    for (int row : {1, 2, 3}) {
        EXPECT_DOUBLE_EQ(after.Pool(row, 1), before.Pool(row, 1) + 10.0);
        EXPECT_DOUBLE_EQ(after.Pool(row, 0), before.Pool(row, 0));
    }
    EXPECT_EQ(after.Cell(1, M::kWin), Truncated(before.Pool(1, 1) + 10.0));
    EXPECT_DOUBLE_EQ(after.Pool(4, 1), 30.0) << "the Across pool itself";
}

TEST(LiveOddsModel, WinOddsComeFromThePoolFigure)
{
    struct Case {
        double runner;
        double rest;
        const char* text;
    };
    const Case cases[] = {{100, 460, "9:2"}, {100, 1900, "19:1"}, {100, 100, "8:5"}, {100, 200, "2:1"}};
    for (const Case& c : cases) {
        const M model = Filled(WithMoney({c.runner, c.rest}, {50, 50}, {50, 50}), 2);
        EXPECT_EQ(model.Cell(0, M::kWinOdds), c.text) << c.runner << " of " << c.runner + c.rest;
    }
    // Place and Show divide by 2 and 3: 600 / 100 / 2 = 3.0, 900 / 100 / 3 = 3.0.
    const M model = Filled(WithMoney({100, 100}, {100, 500}, {100, 800}), 2);
    EXPECT_EQ(model.Cell(0, M::kPlaceOdds), "2:1");
    EXPECT_EQ(model.Cell(0, M::kShowOdds), "2:1");
}

TEST(LiveOddsModel, HeaderClicksSortTheRunnersAndKeepTheTotalsLast)
{
    M model = Filled(WithMoney({300, 900, 100, 500}, {10, 10, 10, 10}, {10, 10, 10, 10}), 4);
    model.SortBy(M::kWin);
    EXPECT_EQ(model.Cell(0, M::kNumber), "2");
    EXPECT_EQ(model.Cell(3, M::kNumber), "3");
    EXPECT_EQ(model.Cell(4, M::kName), "Totals");
    model.SortBy(M::kWin);
    EXPECT_EQ(model.Cell(0, M::kNumber), "3");
    model.SortBy(M::kWinOdds); // shortest price first: the most money
    EXPECT_EQ(model.Cell(0, M::kNumber), "2");
    model.SortBy(M::kName);
    EXPECT_EQ(model.Cell(0, M::kName), "Horse A");
    EXPECT_EQ(model.Cell(4, M::kName), "Totals");
}

TEST(LiveOddsModel, TheChanceColumnFollowsTheMeasurement)
{
    CRaceEngine field;
    field.fieldSize = 3;
    const int speed[3] = {90, 50, 20};
    for (int k = 0; k < 3; ++k) {
        field.speedRating[k] = speed[k];
        field.sprint[k] = field.stamina[k] = field.spontaneity[k] = 50;
    }
    M model = Filled(Seeded(3, 1), 3);
    RunnerChance chance;
    chance.Start(field, 4, 100);
    for (int i = 0; i < 6000 && chance.CurrentStatus() != RunnerChance::Status::Done; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(chance.CurrentStatus(), RunnerChance::Status::Done);
    EXPECT_TRUE(model.RefreshChance(chance));
    EXPECT_FALSE(model.RefreshChance(chance)) << "nothing new";
    double sum = 0;
    for (int h = 0; h < 3; ++h) {
        const std::string& text = model.Cell(h, M::kChance);
        ASSERT_EQ(text.back(), '%') << text;
        sum += std::stod(text);
        EXPECT_EQ(text, ChanceText(chance, h));
    }
    EXPECT_NEAR(sum, 100.0, 0.2);
    model.SortBy(M::kChance);
    EXPECT_GE(std::stod(model.Cell(0, M::kChance)), std::stod(model.Cell(2, M::kChance)));
}

} // namespace
} // namespace galloria
