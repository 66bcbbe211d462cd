// The small pictures: tipster, notice icons, about emblem and program icon.
#include "art_kit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace galloria::art {

namespace {

using namespace palette;

QPointF OnCircle(QPointF centre, double radius, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

QPainterPath Star(QPointF centre, double outer, double inner, int points)
{
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const QPointF at = OnCircle(centre, i % 2 == 0 ? outer : inner, 90 + i * 180.0 / points);
        if (i == 0) {
            star.moveTo(at);
        } else {
            star.lineTo(at);
        }
    }
    star.closeSubpath();
    return star;
}

} // namespace

QImage MakeTipster()
{
    constexpr int kSize = 160;
    QImage image = BlankImage(kSize, kSize);
    QPainter p(&image);
    PrepareSmooth(p);
    // A dim corner under a street lamp.
    QRadialGradient lamp(QPointF(40, 20), 170);
    lamp.setColorAt(0, QColor(120, 106, 90));
    lamp.setColorAt(0.5, QColor(58, 52, 70));
    lamp.setColorAt(1, QColor(24, 22, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(lamp);
    p.drawRoundedRect(QRectF(0, 0, kSize, kSize), 14, 14);
    p.setClipRect(QRectF(0, 0, kSize, kSize));
    QPainterPath frame;
    frame.addRoundedRect(QRectF(0, 0, kSize, kSize), 14, 14);
    p.setClipPath(frame);

    // Trench coat with the collar turned up.
    const QColor coat(150, 118, 74);
    QPainterPath body;
    body.moveTo(6, 162);
    body.cubicTo(10, 132, 24, 118, 52, 112);
    body.lineTo(108, 112);
    body.cubicTo(136, 118, 150, 132, 154, 162);
    body.closeSubpath();
    FillOutlined(p, body, coat, coat.darker(170), 1.5);
    // The coat's lapels meeting in a V, a shirt and a loose tie.
    QPainterPath shirt;
    shirt.moveTo(66, 112);
    shirt.lineTo(94, 112);
    shirt.lineTo(80, 150);
    shirt.closeSubpath();
    FillOutlined(p, shirt, QColor(200, 196, 180), QColor(90, 86, 80), 1);
    QPainterPath tie;
    tie.moveTo(76, 114);
    tie.lineTo(84, 114);
    tie.lineTo(86, 142);
    tie.lineTo(80, 150);
    tie.lineTo(74, 142);
    tie.closeSubpath();
    FillOutlined(p, tie, QColor(150, 30, 40), QColor(80, 10, 20), 1);
    for (const double side : {-1.0, 1.0}) {
        QPainterPath lapel;
        lapel.moveTo(80 + side * 14, 108);
        lapel.lineTo(80 + side * 40, 90);
        lapel.lineTo(80 + side * 46, 122);
        lapel.lineTo(80 + side * 22, 146);
        lapel.closeSubpath();
        FillOutlined(p, lapel, coat.lighter(112), coat.darker(170), 1.3);
    }
    // Face, mostly under the hat's shadow.
    const QColor skin(222, 180, 144);
    QPainterPath face;
    face.addEllipse(QRectF(56, 54, 48, 58));
    FillOutlined(p, face, skin, skin.darker(160), 1.2);
    // Stubble on the jaw.
    p.setClipPath(face.intersected(frame));
    p.setBrush(QColor(120, 96, 80, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(54, 88, 52, 34));
    QLinearGradient shade(0, 54, 0, 86); // the hat's shadow over the eyes
    shade.setColorAt(0, QColor(20, 14, 24, 200));
    shade.setColorAt(0.55, QColor(20, 14, 24, 110));
    shade.setColorAt(1, QColor(20, 14, 24, 0));
    p.setBrush(shade);
    p.drawRect(QRectF(50, 50, 60, 40));
    p.setClipPath(frame);
    // Narrowed eyes glancing sideways under heavy brows.
    for (const double cx : {68.0, 90.0}) {
        QPainterPath eye;
        eye.moveTo(cx - 6, 74);
        eye.cubicTo(cx - 3, 71.2, cx + 3, 71.2, cx + 6, 74);
        eye.cubicTo(cx + 3, 75.8, cx - 3, 75.8, cx - 6, 74);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(236, 228, 210));
        p.drawPath(eye);
        p.setBrush(QColor(30, 24, 20));
        p.drawEllipse(QPointF(cx + 3, 73.6), 1.8, 1.7);
        p.setPen(QPen(QColor(40, 28, 24), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 7, cx < 80 ? 68.5 : 70), QPointF(cx + 6, cx < 80 ? 70.5 : 68));
    }
    // Nose and a one-sided smirk.
    p.setPen(QPen(skin.darker(150), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose(QPointF(80, 77));
    nose.cubicTo(78, 83, 76, 87, 80, 89);
    p.drawPath(nose);
    p.setPen(QPen(QColor(110, 56, 50), 2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath smirk(QPointF(70, 99));
    smirk.cubicTo(76, 99.5, 84, 99.5, 88, 98);
    smirk.cubicTo(90, 97, 92, 95.5, 93, 93.5);
    p.drawPath(smirk);
    // A cigarette from the corner of the mouth, its smoke curling up.
    p.setPen(QPen(QColor(245, 242, 236), 3.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(90, 97), QPointF(112, 103));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 130, 40));
    p.drawEllipse(QPointF(113, 103.4), 2.2, 2);
    p.setPen(QPen(QColor(210, 210, 220, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath smoke(QPointF(114, 100));
    smoke.cubicTo(124, 92, 110, 84, 122, 74);
    smoke.cubicTo(132, 66, 120, 58, 130, 48);
    p.drawPath(smoke);
    // The hat: a wide brim pulled low and a pinched crown with a band.
    const QColor felt(54, 50, 58);
    QPainterPath crown;
    crown.moveTo(50, 58);
    crown.cubicTo(50, 40, 54, 26, 62, 22);
    crown.cubicTo(70, 26, 90, 26, 98, 22);
    crown.cubicTo(106, 26, 110, 40, 110, 58);
    crown.closeSubpath();
    FillOutlined(p, crown, felt, QColor(20, 18, 22), 1.4);
    p.setPen(QPen(QColor(32, 30, 36), 1.6));
    p.drawLine(QPointF(80, 28), QPointF(80, 40)); // the crease
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 34, 40));
    p.drawRect(QRectF(50.5, 48, 59, 8));
    QPainterPath brim;
    brim.moveTo(22, 62);
    brim.cubicTo(40, 52, 120, 52, 138, 62);
    brim.cubicTo(124, 70, 36, 70, 22, 62);
    brim.closeSubpath();
    FillOutlined(p, brim, felt.lighter(110), QColor(20, 18, 22), 1.4);
    p.end();
    return image;
}

QImage MakeMedal()
{
    constexpr int kSize = 48;
    QImage image = BlankImage(kSize, kSize);
    QPainter p(&image);
    PrepareSmooth(p);
    const QPointF centre(24, 19);
    // Two ribbon tails with notched ends.
    const QColor ribbons[] = {QColor(40, 90, 190), QColor(200, 40, 50)};
    for (int side = 0; side < 2; ++side) {
        const double dir = side == 0 ? -1 : 1;
        QPainterPath tail;
        tail.moveTo(24 + dir * 2, 24);
        tail.lineTo(24 + dir * 13, 45);
        tail.lineTo(24 + dir * 9, 42);
        tail.lineTo(24 + dir * 5.5, 46.5);
        tail.lineTo(24 - dir * 4, 26);
        tail.closeSubpath();
        FillOutlined(p, tail, ribbons[side], ribbons[side].darker(170), 0.8);
    }
    // The pleated rosette.
    QPainterPath rosette;
    constexpr int kPleats = 18;
    for (int i = 0; i <= kPleats * 2; ++i) {
        const QPointF at = OnCircle(centre, i % 2 == 0 ? 17.5 : 15.2, i * 180.0 / kPleats);
        if (i == 0) {
            rosette.moveTo(at);
        } else {
            rosette.lineTo(at);
        }
    }
    rosette.closeSubpath();
    FillOutlined(p, rosette, QColor(40, 90, 190), QColor(20, 40, 100), 0.9);
    // The gold centre with a star.
    QRadialGradient gold(centre - QPointF(4, 4), 16);
    gold.setColorAt(0, kGoldLight);
    gold.setColorAt(0.6, kGold);
    gold.setColorAt(1, kGoldDark);
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(gold);
    p.drawEllipse(centre, 11.5, 11.5);
    FillOutlined(p, Star(centre, 8, 3.4, 5), QColor(255, 248, 210), kGoldDark, 0.8);
    p.end();
    return image;
}

QImage MakeNotice()
{
    constexpr int kSize = 48;
    QImage image = BlankImage(kSize, kSize);
    QPainter p(&image);
    PrepareSmooth(p);
    const QPointF centre(24, 24);
    QRadialGradient blue(centre - QPointF(6, 8), 28);
    blue.setColorAt(0, QColor(110, 170, 240));
    blue.setColorAt(1, QColor(24, 70, 160));
    p.setPen(QPen(Qt::white, 2.4));
    p.setBrush(blue);
    p.drawEllipse(centre, 20.5, 20.5);
    p.setPen(QPen(QColor(20, 50, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 22, 22);
    // The "i": a dot over a stem with a foot.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24, 13.5), 3.3, 3.3);
    QPainterPath stem;
    stem.moveTo(19.5, 20);
    stem.lineTo(27, 20);
    stem.lineTo(27, 33);
    stem.lineTo(29.5, 33);
    stem.lineTo(29.5, 36.5);
    stem.lineTo(18.5, 36.5);
    stem.lineTo(18.5, 33);
    stem.lineTo(21, 33);
    stem.lineTo(21, 23.5);
    stem.lineTo(19.5, 23.5);
    stem.closeSubpath();
    p.drawPath(stem);
    p.end();
    return image;
}

QImage MakeAboutEmblem()
{
    constexpr int kSize = 96;
    QImage image = BlankImage(kSize, kSize);
    QPainter p(&image);
    PrepareSmooth(p);
    const QPointF centre(48, 48);
    // A gold ring round a green field.
    QLinearGradient ring(0, 0, 0, kSize);
    ring.setColorAt(0, kGoldLight);
    ring.setColorAt(0.5, kGold);
    ring.setColorAt(1, kGoldDark);
    p.setPen(QPen(kGoldDark, 1.2));
    p.setBrush(ring);
    p.drawEllipse(centre, 46, 46);
    QRadialGradient field(centre - QPointF(10, 12), 50);
    field.setColorAt(0, QColor(70, 150, 80));
    field.setColorAt(1, QColor(20, 76, 36));
    p.setBrush(field);
    p.drawEllipse(centre, 39, 39);
    // The horse's head, clipped to the field so the neck ends at the ring.
    QPainterPath inside;
    inside.addEllipse(centre, 39, 39);
    p.setClipPath(inside);
    p.save();
    p.translate(15, 13);
    p.scale(0.7, 0.7);
    const QColor coat(176, 100, 48);
    const QPainterPath head = HorseHeadProfile();
    FillOutlined(p, head, coat, coat.darker(200), 2.0);
    p.setClipPath(head, Qt::IntersectClip);
    // Mane along the back of the neck.
    p.setPen(QPen(coat.darker(190), 9, Qt::SolidLine, Qt::RoundCap));
    QPainterPath mane(QPointF(68, 14));
    mane.cubicTo(88, 36, 97, 66, 99, 104);
    p.drawPath(mane);
    // A white blaze down the face.
    QPainterPath blaze;
    blaze.moveTo(43, 27);
    blaze.cubicTo(34, 38, 22, 50, 13, 57);
    blaze.lineTo(17, 62);
    blaze.cubicTo(26, 53, 38, 41, 47, 31);
    blaze.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 246, 236));
    p.drawPath(blaze);
    p.setBrush(QColor(24, 16, 12));
    p.drawEllipse(QPointF(49, 37), 3.6, 2.8); // eye
    p.drawEllipse(QPointF(9, 66), 2.2, 2.8);  // nostril
    p.setPen(QPen(coat.darker(190), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(42, 44, 26, 26), 200 * 16, 120 * 16); // the cheek's curve
    p.drawLine(QPointF(13, 73), QPointF(22, 72));          // the mouth
    p.restore();
    p.end();
    return image;
}

QImage MakeProgramIcon()
{
    return MakeProgramIconAt(64);
}

// Drawn in a 64-unit square scaled to the size asked for; below 32 pixels the
// nail holes would only blur the shoe, so they are left out.
QImage MakeProgramIconAt(int size)
{
    constexpr int kSize = 64;
    QImage image = BlankImage(size, size);
    QPainter p(&image);
    PrepareSmooth(p);
    if (size != kSize)
        p.scale(size / double(kSize), size / double(kSize));
    QLinearGradient turf(0, 0, 0, kSize);
    turf.setColorAt(0, QColor(70, 150, 80));
    turf.setColorAt(1, QColor(24, 84, 40));
    p.setPen(QPen(QColor(16, 56, 26), 1.5));
    p.setBrush(turf);
    p.drawRoundedRect(QRectF(1.5, 1.5, 61, 61), 12, 12);
    // A gold horseshoe, open at the top for luck, with its nail holes.
    const QPointF centre(32, 30);
    const QRectF bow(centre.x() - 18, centre.y() - 18, 36, 36);
    QPainterPath arc;
    arc.arcMoveTo(bow, 118);
    arc.arcTo(bow, 118, 304);
    QPainterPathStroker stroker;
    stroker.setWidth(11);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath shoe = stroker.createStroke(arc).simplified();
    QLinearGradient gold(0, 10, 0, 54);
    gold.setColorAt(0, kGoldLight);
    gold.setColorAt(0.6, kGold);
    gold.setColorAt(1, kGoldDark);
    p.setPen(QPen(QColor(110, 70, 10), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(shoe);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 10));
    if (size >= 32) {
        for (const double degrees : {150.0, 190.0, 230.0, 310.0, 350.0, 30.0}) {
            p.drawEllipse(OnCircle(centre, 18, degrees), 1.6, 1.6);
        }
    }
    p.end();
    return image;
}

} // namespace galloria::art
