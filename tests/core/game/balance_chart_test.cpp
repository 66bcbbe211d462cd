#include "game/balance_chart.h"

#include "game/race_set_results_model.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

RaceSetState SetOfTwo(int raceIndex, bool settled)
{
    RaceSetState state;
    state.raceCounter = raceIndex;
    state.raceIndex = raceIndex;
    state.raceSettled = settled;
    state.players[0].name = "Ann";
    state.players[0].startBalance = 10000;
    state.players[2].name = "Cy";
    state.players[2].startBalance = 5000;
    for (int race = 0; race < kRacesPerSet; ++race) {
        state.players[0].balanceAfterRace[race] = 10000 + 500 * (race + 1);
        state.players[2].balanceAfterRace[race] = 5000 - 400 * (race + 1);
    }
    return state;
}

TEST(BalanceChart, EachPlayerHasTheStartAndOnePointPerRaceRun)
{
    struct Case {
        int raceIndex;
        bool settled;
        int racesRun;
    };
    // Quit after three races: before race 4 was run, or right after race 3.
    const Case cases[] = {{3, false, 3}, {2, true, 3}, {9, true, 10}, {0, false, 0}};
    for (const Case& c : cases) {
        const BalanceChart chart = BalanceChartOf(SetOfTwo(c.raceIndex, c.settled));
        EXPECT_EQ(chart.racesRun, c.racesRun);
        ASSERT_EQ(chart.lines.size(), 2u) << "players in the game only";
        EXPECT_EQ(chart.lines[0].name, "Ann");
        EXPECT_EQ(chart.lines[1].slot, 2);
        ASSERT_EQ(chart.lines[0].points.size(), static_cast<size_t>(c.racesRun + 1));
        EXPECT_EQ(chart.lines[0].points[0], 10000);
        EXPECT_EQ(chart.lines[1].points[0], 5000);
        if (c.racesRun > 0) {
            EXPECT_EQ(chart.lines[1].points.back(), 5000 - 400 * c.racesRun);
        }
        EXPECT_LE(chart.low, 0);
        EXPECT_GE(chart.high, 10000 + 500 * c.racesRun);
    }
}

TEST(BalanceChart, TheScaleIsRoundAndHoldsEveryPoint)
{
    struct Case {
        int min, max;
        int low, high, step;
    };
    const Case cases[] = {
        {0, 10000, 0, 10000, 2000},
        {0, 15000, 0, 16000, 2000},
        {0, 0, 0, 1, 1},
        {0, 7, 0, 7, 1},
        {0, 23456, 0, 25000, 5000},
        {-300, 900, -400, 1000, 200},
        {0, 2000000000, 0, 2000000000, 500000000},
    };
    for (const Case& c : cases) {
        BalanceChart chart;
        ScaleBalanceChart(chart, c.min, c.max);
        EXPECT_EQ(chart.low, c.low) << c.min << ".." << c.max;
        EXPECT_EQ(chart.high, c.high) << c.min << ".." << c.max;
        EXPECT_EQ(chart.step, c.step) << c.min << ".." << c.max;
        EXPECT_LE((chart.high - chart.low) / chart.step, 8);
    }
}

// The scale is written in one unit, and a line along another's is marked for
// dashes (one that only crosses it is not).
TEST(BalanceChart, EveryMarkOfAScaleIsInOneUnitAndALineAlongAnotherIsDashed)
{
    const auto marks = [](int min, int max) {
        BalanceChart chart;
        ScaleBalanceChart(chart, min, max);
        std::string texts;
        for (long long mark = chart.low; mark <= chart.high; mark += chart.step)
            texts += ChartMoneyLabel(static_cast<int>(mark), chart) + " ";
        return texts;
    };
    EXPECT_EQ(marks(7400, 10400), "$7000 $7500 $8000 $8500 $9000 $9500 $10000 $10500 ");
    EXPECT_EQ(marks(4000, 19250), "$4k $6k $8k $10k $12k $14k $16k $18k $20k ");
    EXPECT_EQ(marks(200000, 1500000), "$0.2M $0.4M $0.6M $0.8M $1M $1.2M $1.4M $1.6M ");

    BalanceChart chart;
    chart.lines = {
        {0, "Ann", {10000, 12000, 9000}}, {1, "Bob", {10000, 12000, 15000}}, {2, "Cy", {10000, 8000, 9000}}};
    EXPECT_FALSE(RunsAlongEarlierLine(chart, 0));
    EXPECT_TRUE(RunsAlongEarlierLine(chart, 1));
    EXPECT_FALSE(RunsAlongEarlierLine(chart, 2));
}

TEST(BalanceChart, TheResultsCarryTheChartOfTheSetAsItEnded)
{
    RaceSetResultsModel results;
    results.Fill(SetOfTwo(3, false), SetEndReason::Quit);
    EXPECT_EQ(results.Chart().racesRun, 3);
    EXPECT_EQ(results.Chart().lines.size(), 2u);
}

} // namespace
} // namespace galloria
