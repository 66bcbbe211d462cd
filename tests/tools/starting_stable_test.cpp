// The starting stable that ships with the game: enough horses, good names,
// horse-like coats, a spread of abilities and a season of history.
#include "base/game_random.h"
#include "stable/stable.h"

#include "../core/halloffame/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <memory>
#include <set>
#include <vector>

namespace galloria {
namespace {

class StartingStable : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        stable = std::make_unique<Stable>();
        const StableFileResult read = ReadStableFile(GALLORIA_STARTING_STABLE, *stable);
        ASSERT_TRUE(read.ok()) << read.message;
        GameRandom random;
        stable->ComputeStatistics(random);
    }
    static void TearDownTestSuite() { stable.reset(); }

    static std::unique_ptr<Stable> stable;
};

std::unique_ptr<Stable> StartingStable::stable;

using testing::ReadBytes;

double Correlation(const std::vector<double>& x, const std::vector<double>& y)
{
    const double n = static_cast<double>(x.size());
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        mx += x[i] / n;
        my += y[i] / n;
    }
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        sxy += (x[i] - mx) * (y[i] - my);
        sxx += (x[i] - mx) * (x[i] - mx);
        syy += (y[i] - my) * (y[i] - my);
    }
    return sxy / std::sqrt(sxx * syy);
}

TEST_F(StartingStable, HoldsFourHundredHorsesAndAnIdenticalBackup)
{
    EXPECT_EQ(stable->count, 400);
    const std::filesystem::path file = GALLORIA_STARTING_STABLE;
    const std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.size(), 400u * kHorseRecordSize);
    EXPECT_EQ(ReadBytes(file.parent_path() / "BackUp.dat"), bytes);
}

TEST_F(StartingStable, NamesAreUniqueShortAndOfLettersSpacesAndApostrophes)
{
    std::set<std::string> names;
    for (int i = 0; i < stable->count; ++i) {
        const std::string name(HorseName(stable->records[i]));
        EXPECT_GE(name.size(), 3u);
        EXPECT_LE(name.size(), 29u);
        for (char c : name)
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(c)) || c == ' ' || c == '\'') << name;
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
    }
}

TEST_F(StartingStable, SpeedsCoverEveryClassAndTheOtherTraitsVaryOnTheirOwn)
{
    int perDecile[10] = {};
    std::vector<double> traits[4]; // speed, sprint, stamina, spontaneity
    for (int i = 0; i < stable->count; ++i) {
        const HorseRecord& horse = stable->records[i];
        const int values[4] = {horse.speed, horse.sprint, horse.stamina, horse.spontaneity};
        for (int t = 0; t < 4; ++t) {
            ASSERT_LE(values[t], 100) << "trait " << t;
            traits[t].push_back(values[t]);
        }
        EXPECT_GT(values[0] + values[1] + values[2] + values[3], 0);
        ++perDecile[std::min(horse.speed / 10, 9)];
    }
    for (int decile = 0; decile < 10; ++decile)
        EXPECT_GE(perDecile[decile], 24) << "speeds " << decile * 10 << " to " << decile * 10 + 9;
    for (int t = 1; t < 4; ++t)
        EXPECT_LT(std::abs(Correlation(traits[0], traits[t])), 0.2) << "speed and trait " << t;
}

TEST_F(StartingStable, CoatsAreHorseColoursWithDarkAndLightOnes)
{
    std::set<std::uint32_t> colours;
    int dark = 0, light = 0, reddish = 0;
    for (int i = 0; i < stable->count; ++i) {
        const std::uint32_t colour = stable->records[i].colour;
        const int red = colour & 0xFF, green = colour >> 8 & 0xFF, blue = colour >> 16 & 0xFF;
        EXPECT_EQ(colour >> 24, 0u);
        // No horse is blue or green: blue never leads, green never beats red
        // by more than a shade.
        EXPECT_LE(blue, std::max(red, green) + 4);
        EXPECT_LE(green, red + 4);
        dark += red + green + blue < 150;
        light += red + green + blue > 450;
        reddish += red > 2 * blue && red > 100;
        colours.insert(colour);
    }
    EXPECT_GT(colours.size(), 300u);
    EXPECT_GT(dark, 10);
    EXPECT_GT(light, 20);
    EXPECT_GT(reddish, 150);
}

TEST_F(StartingStable, ASeasonOfHistoryGivesFormTimesEarningsAndOdds)
{
    int raced = 0, winners = 0;
    std::set<double> odds;
    for (int i = 0; i < stable->count; ++i) {
        const HorseRecord& horse = stable->records[i];
        const HorseStatistics& statistics = stable->statistics[i];
        if (horse.finishHistory[0] == 0)
            continue;
        ++raced;
        winners += statistics.firsts > 0;
        // A race of 9992 units at 7 to 16 units a tick, in fifths of a second.
        EXPECT_GT(statistics.bestTime, 300);
        EXPECT_LT(statistics.bestTime, 800);
        EXPECT_GE(horse.lastPurse, 5000);
        EXPECT_LE(horse.lastPurse, 50000);
        EXPECT_EQ(horse.lastPurse % 1000, 0);
        odds.insert(statistics.ratingOdds);
    }
    EXPECT_GT(raced, 380);
    EXPECT_GT(winners, 150);
    EXPECT_GT(odds.size(), 50u);
}

} // namespace
} // namespace galloria
