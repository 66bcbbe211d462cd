// The program icon at the icon theme's sizes: the same picture at each size.
#include "art_kit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace galloria::art {
namespace {

TEST(DesktopIcon, SizesAreTheThemesUsualOnesAndPathsFollowTheTheme)
{
    const std::vector<int> sizes = DesktopIconSizes();
    EXPECT_TRUE(std::is_sorted(sizes.begin(), sizes.end()));
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        EXPECT_NE(std::find(sizes.begin(), sizes.end(), size), sizes.end()) << size;
    EXPECT_EQ(DesktopIconPath(48), "icons/hicolor/48x48/apps/galloria.png");
}

TEST(DesktopIcon, EverySizeShowsTheGoldShoeOnTurfWithClearCorners)
{
    // The game's own icon is the 64-pixel one.
    EXPECT_EQ(MakeProgramIconAt(64), MakeProgramIcon());
    for (const int size : DesktopIconSizes()) {
        SCOPED_TRACE(size);
        const QImage icon = MakeProgramIconAt(size);
        ASSERT_EQ(icon.width(), size);
        ASSERT_EQ(icon.height(), size);
        const double unit = size / 64.0;
        const auto at = [&](double x, double y) { return icon.pixelColor(int(x * unit), int(y * unit)); };
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);        // rounded corner
        EXPECT_EQ(icon.pixelColor(size - 1, 0).alpha(), 0); // rounded corner
        const QColor turf = at(32, 30);                     // inside the shoe
        EXPECT_GT(turf.green(), turf.red());
        EXPECT_GT(turf.green(), turf.blue());
        const QColor shoe = at(32, 48.5); // the bottom of the shoe
        EXPECT_GT(shoe.red(), 150);
        EXPECT_GT(shoe.red(), shoe.blue() + 60);
    }
}

} // namespace
} // namespace galloria::art
