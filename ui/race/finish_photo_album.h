#pragma once

#include "base/size_class.h"
#include "race/finish_photos.h"

#include <QImage>
#include <QRect>

#include <array>

namespace galloria {

// The race's three finish photos, cut from the back buffer in the frame in
// which a runner's nose is on the line and labelled "WIN", "PLACE", "SHOW"
// with the race time.
class FinishPhotoAlbum {
public:
    explicit FinishPhotoAlbum(SizeClass size);

    void Create();
    void Release();
    bool Made() const { return made_; }

    // Takes the next photo from the back buffer at the race time in fifths.
    void Capture(const QImage& backBuffer, int raceTime);
    // FINISH RESULTS shows the winner's photo; SHOW NEXT PHOTO the next one.
    void ShowWinner() { photoSlots_.ShowWinner(); }
    void ShowNext() { photoSlots_.ShowNext(); }
    int ShownSlot() const { return photoSlots_.shown; }
    // The photo on the payout board; a null image before the first race.
    const QImage& Shown() const { return photos_[photoSlots_.shown]; }
    const QImage& Photo(int slot) const { return photos_[slot]; }
    // The race time written on a photo, in fifths; -1 for a slot not filled.
    int PhotoTime(int slot) const { return times_[slot]; }

    QSize PhotoSize() const;
    // Where the photo is cut from in the back buffer.
    QPoint SourceCorner() const;
    // What SHOW NEXT PHOTO repaints.
    QRect ShowNextPhotoRect() const;

private:
    SizeClass size_;
    std::array<QImage, FinishPhotoSlots::kSlots> photos_;
    std::array<int, FinishPhotoSlots::kSlots> times_{-1, -1, -1};
    FinishPhotoSlots photoSlots_;
    bool made_ = false;
};

} // namespace galloria
