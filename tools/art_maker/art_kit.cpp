#include "art_kit.h"

#include "menu_art.h"

#include <QImageWriter>
#include <QPainter>
#include <QPainterPathStroker>

#include <array>

namespace galloria::art {

QImage BlankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void PrepareSmooth(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

bool SavePng(const QImage& image, const QString& path)
{
    // Opaque pictures are stored without an alpha channel; the others with
    // straight (not premultiplied) alpha, which is what PNG holds. Converting
    // here keeps the writer from choosing a conversion of its own.
    const QImage out =
        image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QImageWriter writer(path, "png");
    writer.setQuality(0); // the smallest file: PNG loses nothing at any setting
    return writer.write(out);
}

QPainterPath Stroked(const QPainterPath& path, double width)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

void FillOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill, const QColor& edge,
                  double edgeWidth)
{
    painter.setPen(QPen(edge, edgeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

namespace {

// A leg from where it leaves the body down to the toe: a thick upper part,
// a slim cannon bone and a hoof.
struct LegPose {
    QPointF top, joint, fetlock, toe;
};

QPainterPath Leg(const LegPose& pose, double upperWidth)
{
    QPainterPath upper(pose.top);
    upper.lineTo(pose.joint);
    QPainterPath lower(pose.joint);
    lower.lineTo(pose.fetlock);
    QPainterPath hoof(pose.fetlock);
    hoof.lineTo(pose.toe);
    QPainterPath leg = Stroked(upper, upperWidth);
    leg.addPath(Stroked(lower, 3.2));
    leg.addPath(Stroked(hoof, 3.9));
    return leg;
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

} // namespace

QPainterPath GallopingHorse(int stride)
{
    QPainterPath horse;
    horse.setFillRule(Qt::WindingFill);
    // Barrel, hindquarters and chest.
    horse.addPath(Ellipse(50, 34, 23, 11.5));
    horse.addPath(Ellipse(30, 32, 13, 12));
    horse.addPath(Ellipse(65, 35, 11.5, 11.5));
    // Neck, reaching forward.
    QPainterPath neck;
    neck.moveTo(57, 27);
    neck.cubicTo(64, 19, 70, 13, 76, 8);
    neck.lineTo(85, 14);
    neck.cubicTo(81, 24, 77, 34, 74, 44);
    neck.closeSubpath();
    horse.addPath(neck);
    // Head, nose down and forward.
    QPainterPath head;
    head.moveTo(76, 7);
    head.cubicTo(82, 5, 88, 10, 95, 18);
    head.cubicTo(98, 21, 97, 25, 93, 25.5);
    head.cubicTo(89, 25, 84, 23, 79, 19);
    head.closeSubpath();
    horse.addPath(head);
    // Ears.
    QPainterPath ears;
    ears.moveTo(76, 9);
    ears.lineTo(75, 1.5);
    ears.lineTo(80.5, 7);
    ears.closeSubpath();
    horse.addPath(ears);
    // Tail streaming out behind, full at the root.
    QPainterPath tail;
    tail.moveTo(22, 23);
    tail.cubicTo(14, 21, 7, 24, 0, 33);
    tail.cubicTo(7, 30, 13, 31, 20, 31);
    tail.closeSubpath();
    horse.addPath(tail);
    // Legs: stretched out in the flying phase, or gathered under.
    const std::array<LegPose, 4> flying = {{
        {{66, 40}, {77, 47}, {88, 49}, {93, 52}},
        {{62, 41}, {70, 51}, {80, 56}, {84, 60}},
        {{28, 38}, {18, 47}, {7, 51}, {3, 55}},
        {{33, 40}, {24, 51}, {14, 57}, {11, 61}},
    }};
    const std::array<LegPose, 4> gathered = {{
        {{66, 41}, {71, 52}, {63, 58}, {60, 62}},
        {{62, 42}, {72, 51}, {77, 60}, {80, 63}},
        {{30, 40}, {39, 51}, {47, 59}, {51, 62}},
        {{34, 41}, {31, 52}, {26, 60}, {24, 63}},
    }};
    const auto& legs = stride == 0 ? flying : gathered;
    for (std::size_t i = 0; i < legs.size(); ++i) {
        horse.addPath(Leg(legs[i], i < 2 ? 5.6 : 7.0)); // hind legs are heavier above the hock
    }
    return horse.simplified();
}

QPainterPath JockeyBody()
{
    QPainterPath body;
    body.setFillRule(Qt::WindingFill);
    // Crouched back, low over the withers.
    QPainterPath back;
    back.moveTo(49, 20);
    back.cubicTo(52, 12, 60, 10, 66, 13);
    back.cubicTo(67, 16, 64, 19, 60, 20);
    back.closeSubpath();
    body.addPath(back);
    // Thigh and boot tucked up against the horse.
    QPainterPath leg(QPointF(52, 19));
    leg.lineTo(60, 24);
    leg.lineTo(56, 29);
    body.addPath(Stroked(leg, 4.2));
    // Arms down the neck to the reins.
    QPainterPath arm(QPointF(63, 14));
    arm.lineTo(71, 19);
    arm.lineTo(77, 17);
    body.addPath(Stroked(arm, 3.2));
    return body.simplified();
}

QPainterPath JockeyCap()
{
    QPainterPath cap;
    cap.addEllipse(QPointF(69, 9.5), 4.2, 4.0);
    QPainterPath peak;
    peak.moveTo(71, 8);
    peak.lineTo(76.5, 9.5);
    peak.lineTo(71.5, 11);
    peak.closeSubpath();
    return cap.united(peak);
}

QPainterPath HorseHeadProfile()
{
    QPainterPath head;
    head.moveTo(56, 3);                    // ear tip
    head.cubicTo(53, 9, 52, 14, 52, 19);   // front of the ear
    head.cubicTo(44, 24, 38, 30, 30, 38);  // forehead
    head.cubicTo(22, 46, 14, 52, 8, 58);   // down the nose
    head.cubicTo(1, 64, 2, 75, 12, 77);    // the muzzle's round end
    head.cubicTo(17, 78, 21, 77, 24, 74);  // lips
    head.cubicTo(27, 76, 31, 76, 34, 74);  // chin
    head.cubicTo(44, 73, 54, 80, 62, 72);  // under the jaw to the round cheek
    head.cubicTo(65, 68, 66, 64, 67, 61);  // throat latch
    head.cubicTo(69, 74, 72, 88, 74, 100); // front of the neck
    head.lineTo(100, 100);                 // the neck cut off at the bottom
    head.cubicTo(99, 70, 90, 38, 72, 18);  // back of the neck under the mane
    head.cubicTo(68, 13, 63, 8, 56, 3);    // poll to the back of the ear
    head.closeSubpath();
    return head;
}

std::vector<ArtPiece> ArtCatalogue()
{
    std::vector<ArtPiece> pieces = {
        {"tile.png", MakeTile},         {"title.png", MakeTitle},      {"picture.png", MakeStartPicture},
        {"tipster.png", MakeTipster},   {"medal.png", MakeMedal},      {"notice.png", MakeNotice},
        {"about.png", MakeAboutEmblem}, {"icon.png", MakeProgramIcon},
    };
    for (const MenuCommand command : MenuCommandsWithGlyphs()) {
        pieces.push_back({MenuGlyphFileName(command), [command] { return MakeMenuGlyph(command); }});
    }
    return pieces;
}

std::vector<int> DesktopIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256};
}

std::string DesktopIconPath(int size)
{
    const std::string side = std::to_string(size);
    return "icons/hicolor/" + side + "x" + side + "/apps/galloria.png";
}

} // namespace galloria::art
