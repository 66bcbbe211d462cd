#pragma once

#include <QFont>
#include <QString>

class QPushButton;
class QWidget;

namespace galloria {

// The look shared by the betting window and the review list: the track's dark
// green with cream keys and gold for what is chosen or ready to press.
// The compact arrangement uses smaller keys; untitled groups leave no room
// above their frames for a title.
QString BettingStyleSheet(double scale, bool compact = false, bool titled = true);

// How much larger than the 640 x 480 layout the betting dialogs are drawn on
// the screen that holds widget: 1 on small and medium screens, where they
// must fit 640 x 480, a little larger on large ones.
double BettingScaleFor(const QWidget* widget);
// The same for a screen of `width` pixels.
double BettingScaleForScreenWidth(int width);

// Shrinks the caption of a button `width` pixels wide, in the look above,
// until it fits: a long translation stays whole in a smaller size, while a
// caption that fits keeps the look's size.
void FitCaption(QPushButton& button, int width, double scale, bool compact);

// The bold fixed-pitch face of bet lines, as large as it can be up to
// maxPixels while a full bet line still fits in width pixels.
QFont BetLineFont(int width, int maxPixels);

} // namespace galloria
