#pragma once

#include "base/size_class.h"

class QPainter;

namespace galloria {

struct FinishMargins;

// The results' margins of the first three, under the finishing list beside
// the payout board: first to second and second to third.
void PaintFinishMargins(QPainter& painter, SizeClass size, const FinishMargins& margins);

} // namespace galloria
