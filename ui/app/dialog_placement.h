#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace galloria {

// Where a window whose frame is `frame` in size goes when its frame's
// top-left corner is wanted at `topLeft`: moved as little as needed to lie
// wholly within `area` (the screen's available area). A frame larger than
// the area keeps its top-left corner on the area.
QPoint KeptWithin(QPoint topLeft, QSize frame, const QRect& area);

// A frame of `frame` size centred over `over`, kept within `area`.
QPoint CentredWithin(const QRect& over, QSize frame, const QRect& area);

// The size a top-level window's frame will have: its own size with its
// window decorations, as known once it has been shown and otherwise allowed
// for with a title bar and thin borders.
QSize FrameSizeOf(const QWidget& window);

// The available area of the screen that holds `point`, or of the widget's
// own screen when no screen holds it.
QRect AvailableAreaAt(QPoint point, const QWidget& window);

} // namespace galloria
