#include "betting/odds.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace galloria {
namespace {

double InverseSum(const std::vector<double>& odds)
{
    double sum = 0;
    for (double x : odds)
        sum += 1 / x;
    return sum;
}

TEST(NormaliseOdds, MakesTheFieldFairThenClamps)
{
    std::vector<double> fair = {3, 4, 5, 6, 7, 8};
    NormaliseFieldOdds(fair);
    EXPECT_NEAR(InverseSum(fair), 1.0, 1e-12);
    EXPECT_NEAR(fair[1] / fair[0], 4.0 / 3.0, 1e-12); // the ratios are kept

    std::vector<double> twins = {7.0, 7.0}; // each becomes 2.0 before clamping
    NormaliseFieldOdds(twins);
    EXPECT_EQ(twins[0], 2.5);
    EXPECT_EQ(twins[1], 2.5);

    std::vector<double> outsider = {3, 3, 3, 3, 3, 5000};
    NormaliseFieldOdds(outsider);
    EXPECT_EQ(outsider[5], 1000.0);
    EXPECT_NEAR(outsider[0], 3 * InverseSum({3, 3, 3, 3, 3, 5000}), 1e-12);
}

TEST(NormaliseOdds, ARatingThatIsNotAPositiveNumberCountsAsTheLongest)
{
    std::vector<double> odds = {0.0, -4.0, std::numeric_limits<double>::quiet_NaN(), 4.0, 4.0, 4.0};
    NormaliseFieldOdds(odds);
    for (double x : odds) {
        EXPECT_GE(x, 2.5);
        EXPECT_LE(x, 1000.0);
    }
    const double inverseSum = 3 / 1000.0 + 3 / 4.0;
    EXPECT_DOUBLE_EQ(odds[0], 1000.0 * inverseSum);
    EXPECT_DOUBLE_EQ(odds[3], 4.0 * inverseSum);
}

TEST(ApplyFinishToOdds, AnAlwaysWinnerEndsAtTheFloorAndTheRestLengthen)
{
    std::vector<double> odds = {1000.0, 3.0, 999.5, 40.0};
    const int finish[] = {0, 2, 3, 1};
    for (int run = 0; run < 10; ++run)
        ApplyFinishToOdds(odds, finish);
    EXPECT_EQ(odds[0], 2.5);
    EXPECT_DOUBLE_EQ(odds[1], 13.0);
    EXPECT_EQ(odds[2], 1000.0);
    EXPECT_DOUBLE_EQ(odds[3], 50.0);

    std::vector<double> favourite = {3.0};
    const int alone[] = {0};
    ApplyFinishToOdds(favourite, alone);
    EXPECT_EQ(favourite[0], 2.5); // (3 + 1) / 2 = 2, raised to the floor

    std::vector<double> partial = {5.0, 5.0};
    const int notTaken[] = {1, 20}; // a place nobody took
    ApplyFinishToOdds(partial, notTaken);
    EXPECT_EQ(partial[0], 5.0);
    EXPECT_EQ(partial[1], 3.0);
}

TEST(FormatOdds, EveryThresholdOnBothSidesAndAbsurdFigures)
{
    struct Case {
        double x;
        const char* text;
    };
    const Case cases[] = {
        {1000.0, "999:1"},
        {6.5, "6:1"},
        {6.49, "5:1"},
        {6.0, "5:1"},
        {5.7501, "5:1"},
        {5.75, "9:2"},
        {5.2501, "9:2"},
        {5.25, "4:1"},
        {4.7501, "4:1"},
        {4.75, "7:2"},
        {4.2501, "7:2"},
        {4.25, "3:1"},
        {3.7501, "3:1"},
        {3.75, "5:2"},
        {3.2501, "5:2"},
        {3.25, "2:1"},
        {2.9001, "2:1"},
        {2.9, "9:5"},
        {2.7001, "9:5"},
        {2.7, "8:5"},
        {2.5, "8:5"},
        {11.0, "10:1"},
        {10.44, "9:1"},
        {10.5, "10:1"},
        // Absurd figures give text, not an overflow.
        {4e9, "3999999999:1"},
        {std::numeric_limits<double>::infinity(), "100000000000000:1"},
        {std::numeric_limits<double>::quiet_NaN(), "8:5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatOdds(c.x), c.text) << c.x;
}

} // namespace
} // namespace galloria
