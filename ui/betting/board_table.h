#pragma once

#include <QColor>
#include <QSize>

#include <vector>

class QWidget;

class QTableWidget;

namespace galloria {

// The look of the betting lists read between races: cream lines under a
// tote-board header of the boards' blue with the clock's yellow letters.
void StyleBoardTable(QTableWidget* table);

// The room a window may take on the screen it opens on: 640 x 480 on small
// and medium screens, most of a large one.
QSize RoomOnScreen(const QWidget* window);

// Sizes a window for the screen it opens on, never below what its layout
// needs: 640 x 480 on small and medium screens, most of a large one up to
// `largest`.
void SizeForScreen(QWidget* window, QSize largest);

// Keeps the table's columns sharing the room of its viewport in proportion
// to their widths in the 640 x 480 layout, with letters that grow a little
// as the columns widen.
void KeepColumnsFitted(QTableWidget* table, std::vector<int> widths);

// The colour of figures the game measured itself (the Chance column).
QColor MeasuredFigureColour();

} // namespace galloria
