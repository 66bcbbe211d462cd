#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

class QWidget;

namespace galloria {

// The colours of the game's dialogs: the green of the turf, the cream of a
// racing programme and the gold of a trophy.
namespace look {
inline const QColor kTurf{0x1e, 0x5b, 0x36};     // headings, frames
inline const QColor kDarkTurf{0x12, 0x3d, 0x23}; // text on gold, borders
inline const QColor kCream{0xf7, 0xf1, 0xdc};    // dialog background
inline const QColor kPaper{0xff, 0xfc, 0xf0};    // cells and edit boxes
inline const QColor kGold{0xd9, 0xb4, 0x4a};     // buttons, medals
inline const QColor kDeepGold{0x9c, 0x7a, 0x1f}; // medal rims, pressed buttons
} // namespace look

// Gives a dialog the game's look: cream background, green group titles and
// gold buttons. Applied once, in each dialog's constructor.
void ApplyGameLook(QWidget* dialog);

// A picture of the game's art by name ("medal" for ":/art/medal.png"); a null
// pixmap when the art is not built in, so callers can leave its place empty.
QPixmap LoadArt(const QString& name);

// The praise medal of the notice box and the results: the art when present,
// otherwise a plain gold disc of the same size, so the layout keeps its shape.
QPixmap MedalPixmap();

// The side of a medal as the dialogs lay it out.
inline constexpr int kMedalSize = 48;

} // namespace galloria
