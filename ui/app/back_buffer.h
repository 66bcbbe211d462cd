#pragma once

#include "base/size_class.h"

#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>

#include <functional>

class QPainter;

namespace galloria {

// Lets the game's face "Ariel" draw the same shapes on every machine.
void RegisterFontSubstitutes();

// The game's one off-screen picture of the layout size, and the requests
// that say what is to be drawn into it next. Requests are consumed when the
// buffer is brought up to date; the window only ever shows the buffer,
// scaled to fit.
class BackBuffer {
public:
    explicit BackBuffer(SizeClass size);

    SizeClass Size() const { return size_; }
    // The buffer's pixels: the window's real pixels where the layout lands,
    // the layout's own size until the window says otherwise.
    const QImage& Image() const { return image_; }
    // For the race scene and the payout board, which draw into it directly;
    // a painter on it works in layout coordinates once Prepare has run.
    QImage& MutableImage() { return image_; }
    // Sets a painter on the buffer to draw in the layout's coordinates.
    void Prepare(QPainter& painter) const;
    // Buffer pixels per layout pixel, across and down.
    double ScaleX() const;
    double ScaleY() const;
    // A part of the buffer given in layout coordinates, at the layout's size.
    QImage LayoutPart(const QRect& layoutRect) const;

    // Matches the buffer to a view of `viewSize` on a screen of
    // `devicePixelRatio`, so the layout is drawn at the pixels it is shown
    // at. Keeps a scaled copy of what was there until it is drawn again and
    // asks again for the start-up screen's current picture; true when the
    // buffer changed size (its owner then asks for its own screens again).
    bool Resize(QSize viewSize, double devicePixelRatio);
    const QFont& HeadingFont() const { return headingFont_; }
    const QFont& BoardFont() const { return boardFont_; }

    // Requests, each cleared when drawn.
    bool tilesWanted = false;
    bool titleWanted = false;
    bool pictureWanted = false;
    bool clearWanted = false;      // drawn only while the game screen is shown
    bool racingFormWanted = false; // drawn only while the game screen is shown
    bool gameScreenShown = false;

    // Draws every pending request, in order: tiles, title, picture, then on
    // the game screen the clearing and the racing form (`drawForm`).
    void Update(const std::function<void(QPainter&)>& drawForm);

    // Where the buffer lands in a view of `viewSize`: as large as fits,
    // aspect ratio kept, centred.
    QRect TargetRect(QSize viewSize) const;
    // A layout point in the view's coordinates.
    QPoint ToView(QPoint layoutPoint, QSize viewSize) const;
    // The part of the view that shows a layout rectangle, a pixel more all
    // round for the rounding.
    QRect ToView(const QRect& layoutRect, QSize viewSize) const;
    // Paints the buffer into a view of `viewSize`, on black.
    void Present(QPainter& painter, QSize viewSize) const;

    // The start-up screen, one 100 ms step at a time: the title on the
    // first, a cleared game screen on the ninth, the tiles and the picture
    // on the thirteenth, which ends it. Returns false once it has ended.
    bool StepStartup();
    void RestartStartup() { startupTick_ = 0; }
    // Jumps to the start-up's end state, so it never paints over a set.
    void FinishStartup();
    bool StartupRunning() const { return startupTick_ < kStartupTicks; }

    // Where the picture goes and where its version text is written.
    QPoint PicturePosition() const;
    QRect VersionTextRect() const;

    static constexpr int kStartupTicks = 13;

private:
    void DrawTiles(QPainter& painter) const;
    QSize LayoutSize() const { return QSize(LayoutWidth(size_), LayoutHeight(size_)); }

    SizeClass size_;
    QImage image_;
    QPixmap tile_;
    QPixmap title_;
    QPixmap picture_;
    QFont headingFont_;
    QFont boardFont_;
    int startupTick_ = 0;
};

} // namespace galloria
