#include "race/finish_photos.h"
#include "race/runner_livery.h"

#include <gtest/gtest.h>

#include <set>

namespace galloria {
namespace {

TEST(RunnerLivery, EveryNumberHasItsOwnClothAndAReadableNumber)
{
    std::set<std::uint32_t> cloths;
    for (int number = 1; number <= 12; ++number)
        cloths.insert(ClothColour(number));
    EXPECT_EQ(cloths.size(), 12u);
    EXPECT_EQ(ClothColour(1), 0xFFFF00u);
    EXPECT_EQ(SecondColour(12), 0x990033u);
    EXPECT_TRUE(NumberInWhite(7)) << "white on the black cloth";
    EXPECT_FALSE(NumberInWhite(1)) << "black on yellow";
    EXPECT_FALSE(NumberInWhite(12));
}

TEST(RunnerLivery, TheNumberRidesTheSaddleAndTwoDigitsSitApart)
{
    EXPECT_EQ(PlaceNumber(3, 0).top, 13);
    EXPECT_EQ(PlaceNumber(3, 5).top, 9) << "four pixels up at frames 5 and 6";
    EXPECT_EQ(PlaceNumber(3, 6).top, 9);
    EXPECT_EQ(PlaceNumber(3, 0).unitsLeft, 50);
    EXPECT_EQ(PlaceNumber(3, 0).tensLeft, -1);
    const NumberPlacement ten = PlaceNumber(10, 4);
    EXPECT_EQ(ten.unitsLeft - ten.tensLeft, 6);
    EXPECT_EQ(ten.unitsLeft, 116 * 4 + 53 + 2);
}

TEST(FinishPhotos, CapturesFillTheSlotsInOrderAndTheBoardStepsRound)
{
    FinishPhotoSlots photos;
    photos.NewRace();
    EXPECT_EQ(photos.Capture(), 0);
    EXPECT_EQ(photos.Capture(), 1);
    EXPECT_EQ(photos.Capture(), 2);
    photos.ShowWinner();
    EXPECT_EQ(photos.ShowNext(), 1);
    EXPECT_EQ(photos.ShowNext(), 2);
    EXPECT_EQ(photos.ShowNext(), 0);
    photos.ShowNext();
    photos.ShowWinner();
    EXPECT_EQ(photos.shown, 0) << "FINISH RESULTS starts again at the winner";
    photos.NewRace();
    EXPECT_EQ(photos.Capture(), 0);
}

} // namespace
} // namespace galloria
