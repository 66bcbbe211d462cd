#pragma once

#include "base/size_class.h"

class QImage;
class QPainter;

namespace galloria {

struct PayoutBoardView;

// Draws the payout board into the back buffer after a race: the finishing
// list with the prices of the first three, the Exacta and Triacta lines, and
// the finish photo in its frame of rings.
void PaintPayoutBoard(QPainter& painter, SizeClass size, const PayoutBoardView& board, const QImage& photo);

} // namespace galloria
