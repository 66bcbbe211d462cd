#include "stable/horse_form_chart.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

TEST(PlaceText, GivesEnglishOrdinals)
{
    const std::pair<int, const char*> cases[] = {{1, "1st"},   {2, "2nd"},    {3, "3rd"},   {4, "4th"},
                                                 {11, "11th"}, {12, "12th"},  {13, "13th"}, {21, "21st"},
                                                 {22, "22nd"}, {111, "111th"}};
    for (const auto& [place, text] : cases)
        EXPECT_EQ(PlaceText(place), text);
}

TEST(HorseFormChart, RunsFromTheOldestRaceToTheNewestWithUnrunRacesEmpty)
{
    // Three races: slot 0 is the newest, a win in 1:10.0 at short odds.
    HorseRecord horse{};
    const std::uint8_t places[] = {1, 7, 3};
    const std::uint16_t times[] = {350, 382, 366};
    const float odds[] = {3.5f, 7.5f, 6.0f};
    const std::uint32_t won[] = {6000, 0, 1000};
    for (int slot = 0; slot < 3; ++slot) {
        horse.finishHistory[slot] = places[slot];
        horse.timeHistory[slot] = times[slot];
        horse.oddsHistory[slot] = odds[slot];
        horse.earningsHistory[slot] = won[slot];
    }
    const HorseFormChart chart = BuildFormChart(horse);
    EXPECT_EQ(chart.racesRun, 3);
    for (int i = 0; i < 17; ++i)
        EXPECT_FALSE(chart.races[static_cast<std::size_t>(i)].run) << i;

    const FormChartRace& oldest = chart.races[17];
    const FormChartRace& newest = chart.races[19];
    EXPECT_TRUE(oldest.run);
    EXPECT_EQ(oldest.place, 3);
    EXPECT_EQ(oldest.placeText, "3rd");
    EXPECT_EQ(oldest.timeText, "1:13.1");
    EXPECT_EQ(oldest.earnings, 1000u);
    EXPECT_EQ(chart.races[18].place, 7);
    EXPECT_EQ(newest.placeText, "1st");
    EXPECT_EQ(newest.timeText, "1:10.0");
    EXPECT_DOUBLE_EQ(newest.odds, 3.5);

    // Every race fits its strips; better is higher.
    EXPECT_DOUBLE_EQ(chart.PlaceDepth(1), 0.0);
    EXPECT_DOUBLE_EQ(chart.PlaceDepth(chart.lowestPlace), 1.0);
    EXPECT_LE(chart.fastestSecond * 5, 350);
    EXPECT_GE(chart.slowestSecond * 5, 382);
    EXPECT_GE(chart.slowestSecond - chart.fastestSecond, 4);
    EXPECT_LT(chart.TimeDepth(350), chart.TimeDepth(366));
    EXPECT_LT(chart.TimeDepth(366), chart.TimeDepth(382));
    EXPECT_DOUBLE_EQ(chart.longestOdds, 10.0);
    EXPECT_DOUBLE_EQ(chart.OddsDepth(5.0), 0.5);
}

TEST(HorseFormChart, ScalesStayUsableForEveryHistory)
{
    const HorseFormChart empty = BuildFormChart(HorseRecord{});
    EXPECT_EQ(empty.racesRun, 0);
    EXPECT_DOUBLE_EQ(empty.TimeDepth(300), 0.5) << "no time: nothing to scale";

    // A full history with one very slow race and very long odds.
    HorseRecord horse{};
    for (int slot = 0; slot < kHistoryLength; ++slot) {
        horse.finishHistory[slot] = static_cast<std::uint8_t>(1 + slot % 12);
        horse.timeHistory[slot] = static_cast<std::uint16_t>(slot == 5 ? 999 : 340);
        horse.oddsHistory[slot] = slot == 9 ? 640.0f : 12.0f;
    }
    const HorseFormChart chart = BuildFormChart(horse);
    EXPECT_EQ(chart.racesRun, kHistoryLength);
    EXPECT_EQ(chart.lowestPlace, 12);
    EXPECT_DOUBLE_EQ(chart.longestOdds, 1000.0);
    for (const FormChartRace& race : chart.races) {
        EXPECT_GE(chart.TimeDepth(race.fifths), 0.0);
        EXPECT_LE(chart.TimeDepth(race.fifths), 1.0);
        EXPECT_LE(chart.OddsDepth(race.odds), 1.0);
    }
    EXPECT_GT(chart.TimeDepth(999), 0.99);
}

} // namespace
} // namespace galloria
