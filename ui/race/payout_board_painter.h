#pragma once

#include "base/size_class.h"

#include <QFont>
#include <QRect>

#include <span>

class QImage;
class QPainter;

namespace galloria {

struct PayoutBoardView;
struct RaceMoneyRow;

// Draws the payout board into the back buffer after a race: the finishing
// list with the prices of the first three, the Exacta and Triacta lines, and
// the finish photo in its frame of rings.
void PaintPayoutBoard(QPainter& painter, SizeClass size, const PayoutBoardView& board, const QImage& photo);

// The board of the race per player, in the free area above the photo:
// staked, won, net and new balance, one row per player in the game.
void PaintRaceMoneyBoard(QPainter& painter, SizeClass size, std::span<const RaceMoneyRow> rows);
// Where that board goes.
QRect RaceMoneyBoardRect(SizeClass size);

// How the money board lays out rows: its panel, fonts and row pitch, the
// names' left edge and room, and the right edge of each figure column
// (staked, won, net, balance).
struct RaceMoneyBoardLayout {
    QRect panel;
    QFont heading;
    QFont font;
    int rowHeight = 0;
    int nameLeft = 0;
    int nameRoom = 0;
    int rights[4] = {};
};
RaceMoneyBoardLayout LayOutRaceMoneyBoard(SizeClass size, std::span<const RaceMoneyRow> rows);

} // namespace galloria
