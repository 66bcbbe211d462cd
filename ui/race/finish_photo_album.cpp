#include "race/finish_photo_album.h"

#include "race/race_scene_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace galloria {

FinishPhotoAlbum::FinishPhotoAlbum(SizeClass size) : size_(size) {}

QSize FinishPhotoAlbum::PhotoSize() const
{
    return BySizeClass(size_, QSize(300, 184), QSize(370, 230), QSize(480, 294));
}

QPoint FinishPhotoAlbum::SourceCorner() const
{
    return BySizeClass(size_, QPoint(310, 40), QPoint(388, 50), QPoint(496, 64));
}

QRect FinishPhotoAlbum::ShowNextPhotoRect() const
{
    return BySizeClass(size_, QRect(QPoint(292, 164), QPoint(596, 356)),
                       QRect(QPoint(365, 205), QPoint(745, 445)), QRect(QPoint(467, 262), QPoint(954, 570)));
}

void FinishPhotoAlbum::Create()
{
    for (QImage& photo : photos_) {
        // A slot no runner fills shows a dark, empty photo.
        photo = QImage(PhotoSize(), QImage::Format_RGB32);
        photo.fill(QColor(20, 20, 20));
    }
    times_.fill(-1);
    photoSlots_.NewRace();
    made_ = true;
}

void FinishPhotoAlbum::Release()
{
    if (!made_)
        return;
    for (QImage& photo : photos_)
        photo = QImage();
    made_ = false;
}

void FinishPhotoAlbum::Capture(const QImage& backBuffer, int raceTime)
{
    if (!made_)
        return;
    const int slot = photoSlots_.Capture();
    times_[slot] = raceTime;
    QImage& photo = photos_[slot];
    QPainter painter(&photo);
    // The buffer may hold more pixels than the layout (a large or sharp
    // window): the photo is cut from the same place and brought to its size.
    const double scaleX = static_cast<double>(backBuffer.width()) / LayoutWidth(size_);
    const double scaleY = static_cast<double>(backBuffer.height()) / LayoutHeight(size_);
    const QRectF source(SourceCorner().x() * scaleX, SourceCorner().y() * scaleY,
                        PhotoSize().width() * scaleX, PhotoSize().height() * scaleY);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scaleX != 1.0 || scaleY != 1.0);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(PhotoSize())), backBuffer, source);

    QFont label("Ariel");
    label.setPixelSize(BySizeClass(size_, 14, 16, 18));
    label.setBold(true);
    painter.setFont(label);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(4, 4 + QFontMetrics(label).ascent()),
                     QString::fromStdString(Tr(kPhotoLabels[slot])));

    QFont board("Ariel");
    board.setPixelSize(BySizeClass(size_, 16, 20, 24));
    board.setWeight(QFont::DemiBold);
    painter.setFont(board);
    painter.setPen(QColor(0xFA, 0xFA, 0x96));
    const ClockText clock = RaceClockText(raceTime);
    const QPoint anchor = BySizeClass(size_, QPoint(220, 160), QPoint(275, 170), QPoint(352, 256));
    const QFontMetrics metrics(board);
    const QString minutes = QString::fromStdString(clock.minutesSeconds);
    painter.drawText(QPoint(anchor.x() - metrics.horizontalAdvance(minutes), anchor.y()), minutes);
    painter.drawText(anchor, QString::fromStdString(clock.fifths));
}

} // namespace galloria
