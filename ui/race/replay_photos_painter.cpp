#include "race/replay_photos_painter.h"

#include "race/course_colours.h"
#include "race/finish_photo_album.h"
#include "race/race_scene_layout.h"

#include <QPainter>

namespace galloria {

void PaintReplayPhotos(QPainter& painter, SizeClass size, const FinishPhotoAlbum& photos)
{
    const SceneBoxes boxes = SceneBoxesFor(size);
    const QRect track(QPoint(boxes.track.left, boxes.track.top),
                      QPoint(boxes.track.right - 1, boxes.track.bottom - 1));
    painter.save();
    painter.fillRect(track, course::kBoardBlue);
    constexpr int kGap = 8;
    const int width = (track.width() - 4 * kGap) / 3;
    const QSize shown = photos.PhotoSize().scaled(width, track.height() - 2 * kGap, Qt::KeepAspectRatio);
    const int top = track.top() + (track.height() - shown.height()) / 2;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int slot = 0; slot < FinishPhotoSlots::kSlots; ++slot) {
        const QRect place(QPoint(track.left() + kGap + slot * (width + kGap), top), shown);
        painter.drawImage(place, photos.Photo(slot));
        painter.setPen(course::kClockYellow);
        painter.drawRect(place.adjusted(-1, -1, 0, 0));
    }
    painter.restore();
}

} // namespace galloria
