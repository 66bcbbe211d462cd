#include "stable/race_time.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

TEST(FormatRaceTime, MinutesSecondsAndAFifthsDigit)
{
    const std::pair<int, const char*> examples[] = {
        {0, "0:0.0"},    {252, "0:50.2"}, {299, "0:59.4"}, {300, "1:00.0"}, {311, "1:02.1"},
        {350, "1:10.0"}, {367, "1:13.2"}, {600, "2:00.0"}, {-5, "0:0.0"},
    };
    for (const auto& [fifths, text] : examples)
        EXPECT_EQ(FormatRaceTime(fifths), text) << fifths;
}

} // namespace
} // namespace galloria
