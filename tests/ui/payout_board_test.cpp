// The boards after a race hold the longest names a player can give: ten
// letters for a player, 29 for a horse, with its owner beside it.

#include "app/back_buffer.h"
#include "betting/payout_board_view.h"
#include "betting/payouts.h"
#include "betting/race_money_board.h"
#include "race/payout_board_painter.h"

#include "screenshot.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace galloria {
namespace {

class BoardsAtSize : public ::testing::TestWithParam<SizeClass> {
protected:
    // The boards' face as the game draws it: the view registers it first.
    void SetUp() override { RegisterFontSubstitutes(); }

    const SizeClass size = GetParam();
};

INSTANTIATE_TEST_SUITE_P(EverySize, BoardsAtSize,
                         ::testing::Values(SizeClass::Small, SizeClass::Medium, SizeClass::Large),
                         [](const auto& row) { return "Width" + std::to_string(LayoutWidth(row.param)); });

TEST_P(BoardsAtSize, TenLetterPlayersAndALongHorseWithItsOwnerShowWhole)
{
    const QString player = QStringLiteral("WWWWWWWWWW");
    std::vector<RaceMoneyRow> money(4);
    for (RaceMoneyRow& row : money)
        row = {player.toStdString(), 12500,       125000,      112500, 1234500, "$12,500",
               "$125,000",           "+$112,500", "$1,234,500"};
    const RaceMoneyBoardLayout layout = LayOutRaceMoneyBoard(size, money);
    const QFontMetrics metrics(layout.font);
    EXPECT_LE(metrics.horizontalAdvance(player), layout.nameRoom);
    EXPECT_LE(layout.nameLeft + layout.nameRoom, layout.rights[0] - metrics.horizontalAdvance("$12,500"))
        << "names run into the Staked column";

    // The winner has the longest name a horse can have and an owner.
    const std::vector<int> order = {0, 1, 2, 3, 4, 5};
    std::vector<std::string> names(6, "Runner");
    names[0] = "Wwwwwwwwwwwwwwwwwwwwwwwwwwwww";
    std::vector<std::string> owners(6, "");
    owners[0] = "Marguerite Whitfield";
    const PayoutBoard pay{12.4, 5.8, 3.7, 13.7, 6.1, 3.4, 172.7, 461.7};
    const PayoutBoardView board = BuildPayoutBoardView(order, names, owners, -1, pay);
    QImage image(LayoutWidth(size), LayoutHeight(size), QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        PaintPayoutBoard(painter, size, board, QImage());
        PaintRaceMoneyBoard(painter, size, money);
    }
    // The owner's cream box on the winner's row is wide enough to read.
    const QRgb ownerBox = qRgb(0xE8, 0xE0, 0xC8);
    int widest = 0;
    for (int y = 0; y < image.height() / 3; ++y) {
        int first = -1;
        for (int x = 0; x < image.width() / 2; ++x) {
            if (image.pixel(x, y) != ownerBox)
                continue;
            first = first < 0 ? x : first;
            widest = std::max(widest, x - first + 1);
        }
    }
    EXPECT_GE(widest, BySizeClass(size, 44, 56, 72)) << "the owner's box";
    SaveScreenshot(image, QStringLiteral("boards_long_names_%1.png").arg(LayoutWidth(size)));
}

} // namespace
} // namespace galloria
