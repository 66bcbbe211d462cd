#include "base/game_random.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

TEST(GameRandom, SeedOneGivesTheClassicSequenceAndReseedingRepeatsIn15Bits)
{
    GameRandom random;
    random.Seed(1);
    for (int value : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(random.Next(), value);

    GameRandom again;
    random.Seed(123456789u);
    again.Seed(123456789u);
    for (int i = 0; i < 10000; ++i) {
        const int value = random.Next();
        ASSERT_EQ(value, again.Next());
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

} // namespace
} // namespace galloria
