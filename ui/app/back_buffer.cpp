#include "app/back_buffer.h"

#include <QPainter>
#include <QTransform>

#include <QStringList>
#include <algorithm>

namespace galloria {

namespace {

constexpr auto kVersionText = "v1.5.11";
constexpr QSize kPictureSize(610, 394);

QFont GameFont(int pixelHeight, QFont::Weight weight)
{
    QFont font(QStringLiteral("Ariel"));
    font.setStyleHint(QFont::SansSerif); // a plain Swiss face, as "Ariel" is meant
    font.setPixelSize(pixelHeight);
    font.setWeight(weight);
    return font;
}

} // namespace

void RegisterFontSubstitutes()
{
    QFont::insertSubstitutions(
        QStringLiteral("Ariel"),
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

BackBuffer::BackBuffer(SizeClass size)
    : size_(size), image_(LayoutWidth(size), LayoutHeight(size), QImage::Format_RGB32),
      tile_(QStringLiteral(":/art/tile.png")), title_(QStringLiteral(":/art/title.png")),
      picture_(QStringLiteral(":/art/picture.png"))
{
    RegisterFontSubstitutes();
    headingFont_ = GameFont(BySizeClass(size, 22, 28, 34), QFont::Bold);
    boardFont_ = GameFont(BySizeClass(size, 16, 20, 24), QFont::DemiBold);
    image_.fill(Qt::black);
}

void BackBuffer::DrawTiles(QPainter& painter) const
{
    if (tile_.isNull())
        return;
    // As many tiles as cover the layout: three rows of 240 fall 48 pixels
    // short of the large layout's 768.
    for (int y = 0; y < LayoutHeight(size_); y += tile_.height()) {
        for (int x = 0; x < LayoutWidth(size_); x += tile_.width())
            painter.drawPixmap(x, y, tile_);
    }
}

QPoint BackBuffer::PicturePosition() const
{
    // The small screen has barely room for the picture; the medium one has
    // it centred across and a little above the middle, as the large one.
    return BySizeClass(size_, QPoint(10, 10), QPoint(95, 90), QPoint(200, 160));
}

QRect BackBuffer::VersionTextRect() const
{
    // Under the picture's right-hand end.
    const QPoint at = PicturePosition();
    const int height = QFontMetrics(headingFont_).height();
    return QRect(at.x(), at.y() + kPictureSize.height() + 4, kPictureSize.width(), height);
}

double BackBuffer::ScaleX() const
{
    return static_cast<double>(image_.width()) / LayoutWidth(size_);
}

double BackBuffer::ScaleY() const
{
    return static_cast<double>(image_.height()) / LayoutHeight(size_);
}

void BackBuffer::Prepare(QPainter& painter) const
{
    // Text, lines and boxes are drawn at the buffer's own resolution; only
    // the art is scaled, and smoothly.
    if (image_.size() != LayoutSize()) {
        painter.setTransform(QTransform::fromScale(ScaleX(), ScaleY()));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    }
}

QImage BackBuffer::LayoutPart(const QRect& layoutRect) const
{
    if (image_.size() == LayoutSize())
        return image_.copy(layoutRect);
    const QRect source(qRound(layoutRect.left() * ScaleX()), qRound(layoutRect.top() * ScaleY()),
                       qRound(layoutRect.width() * ScaleX()), qRound(layoutRect.height() * ScaleY()));
    return image_.copy(source).scaled(layoutRect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool BackBuffer::Resize(QSize viewSize, double devicePixelRatio)
{
    if (viewSize.width() < 5 || viewSize.height() < 5)
        return false;
    const QSize target = TargetRect(viewSize).size();
    const double ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize pixels(std::max(1, qRound(target.width() * ratio)),
                       std::max(1, qRound(target.height() * ratio)));
    if (pixels == image_.size())
        return false;
    // Until it is drawn again, the old picture scaled to the new size.
    QImage resized = image_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image_ = resized.convertToFormat(QImage::Format_RGB32);
    // The start-up screen's picture of the moment is drawn afresh.
    if (!gameScreenShown) {
        if (startupTick_ >= 1 && startupTick_ < 9)
            titleWanted = true;
        else if (startupTick_ >= kStartupTicks) {
            tilesWanted = true;
            pictureWanted = true;
        }
    }
    return true;
}

void BackBuffer::Update(const std::function<void(QPainter&)>& drawForm)
{
    QPainter painter(&image_);
    Prepare(painter);
    const QRect layout(QPoint(0, 0), LayoutSize());
    if (tilesWanted) {
        DrawTiles(painter);
        tilesWanted = false;
    }
    if (titleWanted) {
        painter.fillRect(layout, Qt::black);
        if (!title_.isNull())
            painter.drawPixmap((layout.width() - title_.width()) / 2, (layout.height() - title_.height()) / 2,
                               title_);
        titleWanted = false;
    }
    if (pictureWanted) {
        if (!picture_.isNull())
            painter.drawPixmap(PicturePosition(), picture_);
        painter.setFont(headingFont_);
        painter.setPen(Qt::yellow);
        painter.drawText(VersionTextRect(), Qt::AlignRight | Qt::AlignTop, QString::fromLatin1(kVersionText));
        pictureWanted = false;
    }
    if (gameScreenShown) {
        if (clearWanted) {
            painter.fillRect(layout, Qt::black);
            clearWanted = false;
        }
        if (racingFormWanted) {
            racingFormWanted = false;
            if (drawForm) {
                painter.save();
                drawForm(painter);
                painter.restore();
            }
        }
    }
}

QRect BackBuffer::TargetRect(QSize viewSize) const
{
    const QSize fitted = LayoutSize().scaled(viewSize, Qt::KeepAspectRatio);
    return QRect(QPoint((viewSize.width() - fitted.width()) / 2, (viewSize.height() - fitted.height()) / 2),
                 fitted);
}

QPoint BackBuffer::ToView(QPoint layoutPoint, QSize viewSize) const
{
    const QRect target = TargetRect(viewSize);
    return QPoint(target.left() + layoutPoint.x() * target.width() / LayoutWidth(size_),
                  target.top() + layoutPoint.y() * target.height() / LayoutHeight(size_));
}

QRect BackBuffer::ToView(const QRect& layoutRect, QSize viewSize) const
{
    return QRect(ToView(layoutRect.topLeft(), viewSize),
                 ToView(layoutRect.bottomRight() + QPoint(1, 1), viewSize))
        .adjusted(-1, -1, 1, 1);
}

void BackBuffer::Present(QPainter& painter, QSize viewSize) const
{
    // A window too narrow to show anything is left alone.
    if (viewSize.width() < 5)
        return;
    const QRect target = TargetRect(viewSize);
    painter.fillRect(QRect(QPoint(0, 0), viewSize), Qt::black);
    // A buffer made for this view lands pixel for pixel; one not yet matched
    // to it (before the first resize) is scaled smoothly.
    const double ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize pixels(qRound(target.width() * ratio), qRound(target.height() * ratio));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, pixels != image_.size());
    painter.drawImage(target, image_);
}

bool BackBuffer::StepStartup()
{
    if (!StartupRunning())
        return false;
    ++startupTick_;
    if (startupTick_ == 1) {
        titleWanted = true;
    } else if (startupTick_ == 9) {
        gameScreenShown = true;
        clearWanted = true;
    } else if (startupTick_ == kStartupTicks) {
        tilesWanted = true;
        pictureWanted = true;
        gameScreenShown = false;
    }
    return StartupRunning();
}

void BackBuffer::FinishStartup()
{
    if (!StartupRunning())
        return;
    startupTick_ = kStartupTicks;
    titleWanted = false;
    clearWanted = false;
    tilesWanted = true;
    pictureWanted = true;
    gameScreenShown = false;
}

} // namespace galloria
