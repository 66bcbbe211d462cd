#include "game/tipster.h"

#include "base/game_random.h"

#include <gtest/gtest.h>

#include <vector>

namespace galloria {
namespace {

TEST(Tipster, OnlyLongShotsAreTippedAboutOneRaceInThree)
{
    GameRandom random;
    random.Seed(17);
    const std::vector<double> noLongShot = {2.5, 4.0, 10.0, 6.0, 9.5, 10.0};
    for (int race = 0; race < 3000; ++race)
        ASSERT_EQ(DrawTippedRunner(noLongShot, random), -1);

    const std::vector<double> field = {3.0, 12.0, 40.0, 5.0, 10.5, 999.0, 2.5, 8.0};
    int tips = 0;
    for (int race = 0; race < 3000; ++race) {
        const int runner = DrawTippedRunner(field, random);
        if (runner < 0)
            continue;
        ++tips;
        ASSERT_GT(field[runner], 10.0);
    }
    // Half the field are long shots, tipped one time in three.
    EXPECT_GT(tips, 3000 / 6 - 150);
    EXPECT_LT(tips, 3000 / 6 + 150);
}

TEST(Tipster, TheTextIsTheNameThenAPraiseThenAClosingLine)
{
    GameRandom random;
    // Find the draw that gives the last praise and the last closing line.
    for (int seed = 1; seed < 100000; ++seed) {
        random.Seed(seed);
        const std::string text = DrawTipText("Blue Lagoon", random);
        if (text.find("cat's meow") != std::string::npos && text.find("Read my lips") != std::string::npos) {
            EXPECT_EQ(text, "Blue Lagoon is the cat's meow. Read my lips! Dis one's gonna win!");
            return;
        }
        ASSERT_EQ(text.rfind("Blue Lagoon", 0), 0u);
    }
    FAIL() << "no seed gave the last praise with the last closing line";
}

} // namespace
} // namespace galloria
