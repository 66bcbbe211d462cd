#include "race/runner_sprites.h"

#include "app/back_buffer.h"
#include "race/runner_livery.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>

namespace galloria {

namespace {

constexpr int kStripWidth = kSpriteFrameWidth * kSpriteFrames;

// The horse picture and its masks, as the horse maker draws them.
struct HorseArt {
    QImage shading;
    QImage body;
    QImage cloth;
    QImage second;
    QImage silhouette;
    bool complete = false;
};

QImage LoadStrip(const char* name)
{
    QImage image(QStringLiteral(":/race/%1.png").arg(QLatin1String(name)));
    if (image.width() != kStripWidth || image.height() != kSpriteHeight)
        return QImage();
    return image.convertToFormat(QImage::Format_ARGB32);
}

const HorseArt& Art()
{
    static const HorseArt art = [] {
        HorseArt loaded;
        loaded.shading = LoadStrip("horse_shading");
        loaded.body = LoadStrip("body_mask");
        loaded.cloth = LoadStrip("cloth_mask");
        loaded.second = LoadStrip("second_mask");
        loaded.silhouette = LoadStrip("silhouette");
        loaded.complete = !loaded.shading.isNull() && !loaded.body.isNull() && !loaded.cloth.isNull() &&
                          !loaded.second.isNull() && !loaded.silhouette.isNull();
        return loaded;
    }();
    return art;
}

bool InMask(const QRgb* row, int x)
{
    return qAlpha(row[x]) >= 128;
}

// Lays the picture's grey over a colour: mid grey keeps the colour, darker
// greys darken it towards black and lighter ones lighten it towards white,
// so a black coat still shows its highlights and a white one its shadows.
int ShadeChannel(int channel, int grey)
{
    if (grey <= 128)
        return channel * grey / 128;
    return channel + (255 - channel) * (grey - 128) / 127;
}

QRgb Shaded(QRgb colour, int grey)
{
    return qRgb(ShadeChannel(qRed(colour), grey), ShadeChannel(qGreen(colour), grey),
                ShadeChannel(qBlue(colour), grey));
}

QRgb FromRgb(std::uint32_t rgb)
{
    return qRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

QRgb FromStored(std::uint32_t bgr)
{
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// The saddle cloth of every frame in the number's colour, with the number
// written on it where the saddle is in that frame.
QImage ClothLayer(int number)
{
    QImage layer(kStripWidth, kSpriteHeight, QImage::Format_ARGB32);
    layer.fill(FromRgb(ClothColour(number)));
    RegisterFontSubstitutes();
    QFont font(QStringLiteral("Ariel"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(16);
    font.setWeight(QFont::Bold);
    // Crisp digits: the cloth is only a few pixels larger than the number.
    font.setStyleStrategy(QFont::NoAntialias);
    QPainter painter(&layer);
    painter.setFont(font);
    painter.setPen(NumberInWhite(number) ? Qt::white : Qt::black);
    const int ascent = QFontMetrics(font).ascent();
    for (int frame = 0; frame < kSpriteFrames; ++frame) {
        const NumberPlacement at = PlaceNumber(number, frame);
        // Placements give the top left of the text; Qt writes from the baseline.
        if (at.tensLeft >= 0) {
            painter.drawText(QPoint(at.tensLeft, at.top + ascent), QStringLiteral("1"));
            painter.drawText(QPoint(at.unitsLeft, at.top + ascent), QString::number(number % 10));
        } else {
            painter.drawText(QPoint(at.unitsLeft, at.top + ascent), QString::number(number));
        }
    }
    return layer;
}

} // namespace

QImage BuildRunnerSprite(std::uint32_t horseColour, int number)
{
    number = std::clamp(number, 1, 12);
    QImage sprite(kStripWidth, kSpriteHeight, QImage::Format_ARGB32_Premultiplied);
    sprite.fill(Qt::transparent);
    const HorseArt& art = Art();
    if (!art.complete)
        return sprite;

    const QImage cloth = ClothLayer(number);
    const QRgb coat = FromStored(horseColour);
    const QRgb second = FromRgb(SecondColour(number));
    for (int y = 0; y < kSpriteHeight; ++y) {
        const auto* figure = reinterpret_cast<const QRgb*>(art.silhouette.constScanLine(y));
        const auto* shading = reinterpret_cast<const QRgb*>(art.shading.constScanLine(y));
        const auto* bodyMask = reinterpret_cast<const QRgb*>(art.body.constScanLine(y));
        const auto* clothMask = reinterpret_cast<const QRgb*>(art.cloth.constScanLine(y));
        const auto* secondMask = reinterpret_cast<const QRgb*>(art.second.constScanLine(y));
        const auto* clothRow = reinterpret_cast<const QRgb*>(cloth.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(sprite.scanLine(y));
        for (int x = 0; x < kStripWidth; ++x) {
            if (!InMask(figure, x))
                continue;
            const int grey = qRed(shading[x]);
            // Opaque pixels are the same premultiplied or not.
            if (InMask(clothMask, x))
                out[x] = Shaded(clothRow[x], grey);
            else if (InMask(secondMask, x))
                out[x] = Shaded(second, grey);
            else if (InMask(bodyMask, x))
                out[x] = Shaded(coat, grey);
            else
                out[x] = qRgb(grey, grey, grey); // tack, hooves, breeches keep their own grey
        }
    }
    return sprite;
}

void RunnerSprites::Build(std::span<const std::uint32_t> colours)
{
    Release();
    count_ = static_cast<int>(std::min<std::size_t>(colours.size(), strips_.size()));
    for (int runner = 0; runner < count_; ++runner)
        strips_[runner] = BuildRunnerSprite(colours[runner], runner + 1);
    made_ = true;
}

void RunnerSprites::Release()
{
    for (QImage& strip : strips_)
        strip = QImage();
    count_ = 0;
    made_ = false;
}

const QImage& RunnerSprites::Strip(int runner) const
{
    static const QImage none;
    if (runner < 0 || runner >= count_)
        return none;
    return strips_[runner];
}

} // namespace galloria
