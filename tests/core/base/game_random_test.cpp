#include "base/game_random.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

TEST(GameRandom, SeedOneGivesTheClassicSequence)
{
    GameRandom random;
    random.Seed(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected)
        EXPECT_EQ(random.Next(), value);
}

TEST(GameRandom, ReseedingRepeatsAndValuesStayIn15Bits)
{
    GameRandom a;
    GameRandom b;
    a.Seed(123456789u);
    b.Seed(123456789u);
    for (int i = 0; i < 10000; ++i) {
        const int value = a.Next();
        ASSERT_EQ(value, b.Next());
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

} // namespace
} // namespace galloria
