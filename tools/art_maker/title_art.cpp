// The game's name in gold letters, drawn from our own letter shapes so the
// picture does not depend on the fonts a machine has.
#include "art_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <vector>

namespace galloria::art {

namespace {

// Letter shapes as centre lines in units where the baseline is y = 95 and the
// small letters stand 55 tall; each is stroked to its weight afterwards.
constexpr double kBase = 95;
constexpr double kXHeight = 40; // top of the small letters
constexpr double kAscender = 8; // top of the tall ones
constexpr double kStrokeWidth = 15;

struct Letter {
    QPainterPath centre;
    double advance;
};

Letter CapitalG()
{
    QPainterPath g;
    const QRectF ring(0, 16, 80, 79);
    g.arcMoveTo(ring, 42);
    g.arcTo(ring, 42, 318);
    g.lineTo(46, ring.center().y() + 4);
    return {g, 90};
}

Letter SmallA()
{
    QPainterPath a;
    a.addEllipse(QRectF(0, kXHeight + 2, 48, 53));
    QPainterPath stem(QPointF(48, kXHeight + 2));
    stem.lineTo(48, kBase);
    a.addPath(stem);
    return {a, 62};
}

Letter SmallL()
{
    QPainterPath l(QPointF(0, kAscender));
    l.lineTo(0, kBase);
    return {l, 24};
}

Letter SmallO()
{
    QPainterPath o;
    o.addEllipse(QRectF(0, kXHeight + 2, 50, 53));
    return {o, 64};
}

Letter SmallR()
{
    QPainterPath r(QPointF(0, kXHeight + 1));
    r.lineTo(0, kBase);
    QPainterPath shoulder(QPointF(0, kXHeight + 24));
    shoulder.cubicTo(4, kXHeight + 6, 16, kXHeight + 1, 32, kXHeight + 3);
    r.addPath(shoulder);
    return {r, 44};
}

Letter SmallI()
{
    QPainterPath i(QPointF(0, kXHeight + 1));
    i.lineTo(0, kBase);
    return {i, 24};
}

// The dot of the i is a filled disc, not a stroke.
QPainterPath IDot(double x)
{
    QPainterPath dot;
    dot.addEllipse(QPointF(x, kAscender + 12), 9.5, 9.5);
    return dot;
}

} // namespace

QImage MakeTitle()
{
    constexpr int kWidth = 595;
    constexpr int kHeight = 131;
    // Lay the word out.
    QPainterPath word;
    word.setFillRule(Qt::WindingFill);
    double x = kStrokeWidth / 2;
    const std::vector<Letter> letters = {CapitalG(), SmallA(), SmallL(), SmallL(),
                                         SmallO(),   SmallR(), SmallI(), SmallA()};
    for (std::size_t n = 0; n < letters.size(); ++n) {
        const Letter& letter = letters[n];
        word.addPath(Stroked(letter.centre.translated(x, 0), kStrokeWidth));
        if (n == 6) {
            word.addPath(IDot(x));
        }
        x += letter.advance;
    }
    // An underline that runs off like a racing line from the G's foot.
    QPainterPath sweep(QPointF(30, kBase + 18));
    sweep.cubicTo(160, kBase + 12, 330, kBase + 12, x - 10, kBase + 6);
    QPainterPathStroker stroker;
    stroker.setWidth(5);
    stroker.setCapStyle(Qt::RoundCap);
    word.addPath(stroker.createStroke(sweep));
    word = word.simplified();

    // Lean the letters forward and fit them to the picture with a margin.
    const QTransform lean(1, 0, -0.2, 1, 0, 0);
    word = lean.map(word);
    const QRectF bounds = word.boundingRect();
    const double scale = std::min((kWidth - 40) / bounds.width(), (kHeight - 22) / bounds.height());
    QTransform fit;
    fit.translate(kWidth / 2.0, kHeight / 2.0 - 2);
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    word = fit.map(word);
    const QRectF placed = word.boundingRect();

    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black); // it is shown on black
    QPainter p(&image);
    PrepareSmooth(p);
    // A deep shadow, a dark edge, then the gold face, bright above its middle.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 40, 20));
    p.drawPath(word.translated(3, 4));
    p.setPen(QPen(QColor(90, 52, 10), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    QLinearGradient gold(0, placed.top(), 0, placed.bottom());
    gold.setColorAt(0.0, palette::kGoldLight);
    gold.setColorAt(0.45, palette::kGold);
    gold.setColorAt(0.55, QColor(214, 150, 40));
    gold.setColorAt(1.0, QColor(250, 210, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(word);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace galloria::art
