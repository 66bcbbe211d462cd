#include "game/notice_medals.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

TEST(NoticeMedals, OneToFiveMedalsStrictlyAboveEachThreshold)
{
    const struct {
        int amount;
        int medals;
    } cases[] = {{0, 1},     {10000, 1}, {10001, 2}, {15000, 2}, {15001, 3},
                 {20000, 3}, {20001, 4}, {30000, 4}, {30001, 5}, {2000000, 5}};
    for (const auto& c : cases)
        EXPECT_EQ(NoticeMedalCount(c.amount), c.medals) << "amount " << c.amount;
}

} // namespace
} // namespace galloria
