#include "horse_figure.h"

#include "gallop_pose.h"

#include "race/runner_livery.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace galloria::horse {

namespace {

// Which colour of the runner a piece takes; Plain pieces keep their grey
// (hooves, tack, breeches, boots).
enum class Coat { Plain, Body, Cloth, Second };

// The pieces of the figure, back to front: a piece drawn later covers the
// earlier ones. The value is also the label written into the label picture.
enum Piece : int {
    kNone = 0,
    kFarHindLeg,
    kFarForeLeg,
    kFarHoof,
    kTail,
    kTorso,
    kCloth,
    kSaddle,
    kGirth,
    kNearHindLeg,
    kNearForeLeg,
    kNearHoof,
    kNeck,
    kHead,
    kMane,
    kFaceMark, // eye and nostril
    kBoot,
    kBreeches,
    kSilks,
    kSleeve,
    kCap,
    kFace,
    kReins,
    kPieceCount
};

struct PieceLook {
    Coat coat;
    // Neighbouring pieces of one group blend without an edge line between
    // them (the coat is one hide from nose to tail).
    int group;
};

constexpr std::array<PieceLook, kPieceCount> kLooks = {{
    {Coat::Plain, 0},   // none
    {Coat::Body, 1},    // far hind leg
    {Coat::Body, 1},    // far fore leg
    {Coat::Plain, 2},   // far hoof
    {Coat::Body, 3},    // tail
    {Coat::Body, 4},    // torso
    {Coat::Cloth, 5},   // cloth
    {Coat::Plain, 6},   // saddle
    {Coat::Plain, 7},   // girth
    {Coat::Body, 4},    // near hind leg
    {Coat::Body, 4},    // near fore leg
    {Coat::Plain, 8},   // near hoof
    {Coat::Body, 4},    // neck
    {Coat::Body, 4},    // head
    {Coat::Body, 9},    // mane
    {Coat::Plain, 10},  // eye, nostril
    {Coat::Plain, 11},  // boot
    {Coat::Plain, 12},  // breeches
    {Coat::Second, 13}, // silks
    {Coat::Second, 14}, // sleeve
    {Coat::Second, 15}, // cap
    {Coat::Plain, 16},  // face
    {Coat::Plain, 17},  // reins
}};

// The grey that leaves a runner's colour as it is; lighter greys lighten it,
// darker ones darken it.
constexpr int kNeutral = 128;

// Edge lines: the outline against the course, and the softer line where a
// piece stands in front of another.
constexpr double kOutline = 0.55;
constexpr double kInnerEdge = 0.8;

constexpr int kDrawnHeight = kSpriteDrawnHeight;

QColor Grey(int level)
{
    return QColor(level, level, level);
}

// A limb bone as a tapered, round-ended shape from a (width wa) to b (wb).
QPainterPath Limb(QPointF a, QPointF b, double wa, double wb)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length > 1e-6) {
        const QPointF n(-d.y() / length, d.x() / length);
        QPolygonF quad;
        quad << a + n * (wa / 2) << b + n * (wb / 2) << b - n * (wb / 2) << a - n * (wa / 2);
        path.addPolygon(quad);
        path.closeSubpath();
    }
    path.addEllipse(a, wa / 2, wa / 2);
    path.addEllipse(b, wb / 2, wb / 2);
    return path;
}

// A grey gradient running from p0 to p1 through the given stops.
QBrush Shade(QPointF p0, QPointF p1, std::initializer_list<std::pair<double, int>> stops)
{
    QLinearGradient gradient(p0, p1);
    for (const auto& [at, level] : stops)
        gradient.setColorAt(at, Grey(level));
    return QBrush(gradient);
}

// A round light fading out from `centre`.
QBrush Glow(QPointF centre, double radius, int level)
{
    QRadialGradient gradient(centre, radius);
    gradient.setColorAt(0.0, QColor(level, level, level, 150));
    gradient.setColorAt(1.0, QColor(level, level, level, 0));
    return QBrush(gradient);
}

// The horse's own outline pieces, drawn in its coordinates (facing right,
// saddle about x = 55, ground at y = 48).
QPainterPath TorsoPath()
{
    QPainterPath p;
    p.moveTo(30, 12.5);
    p.cubicTo(40, 14.5, 46, 16, 54, 15.5); // back
    p.cubicTo(62, 15, 66, 12, 72, 11.5);   // up to the withers
    p.lineTo(80, 14);
    p.cubicTo(85, 17, 85.5, 24, 81, 28);     // chest
    p.cubicTo(78, 31, 72, 31.5, 66, 31.5);   // girth
    p.cubicTo(56, 32.5, 46, 31.5, 41, 30);   // belly and flank
    p.cubicTo(37, 33, 31, 35, 26, 33.5);     // under the thigh
    p.cubicTo(20, 30, 18.5, 19, 22, 15);     // buttock
    p.cubicTo(24, 13.5, 27, 12.5, 30, 12.5); // croup
    p.closeSubpath();
    return p;
}

QPainterPath NeckPath()
{
    QPainterPath p;
    p.moveTo(67, 12.5);
    p.cubicTo(73, 9, 78, 5, 84, 3); // crest up to the poll
    p.lineTo(88, 5.5);
    p.cubicTo(86.5, 10, 85.5, 17, 84.5, 24); // throat down to the breast
    p.cubicTo(80, 27, 73, 24, 69, 19);
    p.closeSubpath();
    return p;
}

QPainterPath HeadPath()
{
    QPainterPath p;
    p.moveTo(84, 2);
    p.cubicTo(86, 0.5, 89, 1.5, 91, 3);            // forehead
    p.cubicTo(94, 6, 98, 9.5, 100.5, 12);          // face down to the nose
    p.cubicTo(101.5, 13.5, 100.5, 15.5, 99, 15.5); // muzzle
    p.cubicTo(97, 15.8, 96, 15, 94.5, 14.5);       // chin
    p.cubicTo(91, 14, 88, 11, 86, 9);              // jaw
    p.cubicTo(85, 7, 84, 4, 84, 2);
    p.closeSubpath();
    // The ear, pricked forward.
    QPolygonF ear;
    ear << QPointF(84.6, 2.6) << QPointF(86.2, -0.8) << QPointF(87.6, 2.4);
    p.addPolygon(ear);
    p.closeSubpath();
    return p;
}

QPainterPath ClothPath()
{
    // The number is written from x = 47 (two digits) or 50 at y = 13; the
    // cloth frames it with a pixel to spare on each side.
    QPainterPath p;
    p.addRoundedRect(QRectF(44, 13, 23, 18), 2.5, 2.5);
    return p;
}

QPainterPath SaddlePath()
{
    QPainterPath p;
    p.moveTo(49, 14.5);
    p.cubicTo(51, 11.2, 59, 10.8, 65, 12.2);
    p.lineTo(64.5, 14.5);
    p.closeSubpath();
    return p;
}

// The jockey's silks from the hips to the shoulders, the back rounded over
// the withers.
QPainterPath RiderBackPath()
{
    QPainterPath p;
    p.moveTo(53.6, 9.6);
    p.cubicTo(53.2, 6.2, 56, 4, 60, 3.3);
    p.cubicTo(64, 2.6, 68, 2.0, 70.6, 3.4);
    p.cubicTo(72.2, 4.6, 71.6, 7.0, 69.6, 7.8);
    p.cubicTo(65, 9.2, 59, 10.8, 55.4, 10.8);
    p.closeSubpath();
    return p;
}

// The strip being drawn: the grey shading and, beside it, the label of the
// piece that owns each pixel.
class Canvas {
public:
    Canvas()
        : shading_(kSpriteFrameWidth * kSpriteFrames, kSpriteHeight, QImage::Format_ARGB32),
          labels_(shading_.size(), QImage::Format_ARGB32)
    {
        shading_.fill(Qt::transparent);
        labels_.fill(Qt::transparent);
    }

    void BeginFrame(int frame) { frameLeft_ = kSpriteFrameWidth * frame; }

    // Fills `path` (sprite frame coordinates) as `piece` with `brush`.
    void Fill(const QPainterPath& path, Piece piece, const QBrush& brush)
    {
        const QTransform toStrip = QTransform::fromTranslate(frameLeft_, 0);
        const QRect clip(frameLeft_, 0, kSpriteFrameWidth, kDrawnHeight);
        {
            QPainter painter(&shading_);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setClipRect(clip);
            painter.setTransform(toStrip);
            painter.setPen(Qt::NoPen);
            painter.setBrush(brush);
            painter.drawPath(path);
        }
        QPainter painter(&labels_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setClipRect(clip);
        painter.setTransform(toStrip);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(piece, 0, 0));
        painter.drawPath(path);
    }

    void Fill(const QPainterPath& path, Piece piece, int grey) { Fill(path, piece, QBrush(Grey(grey))); }

    // Lays a soft light or shadow over what is drawn inside `within`,
    // without changing which piece the pixels belong to.
    void Tint(const QPainterPath& within, const QBrush& brush)
    {
        QPainter painter(&shading_);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setClipRect(QRect(frameLeft_, 0, kSpriteFrameWidth, kDrawnHeight));
        painter.setTransform(QTransform::fromTranslate(frameLeft_, 0));
        painter.setClipPath(within, Qt::IntersectClip);
        painter.setPen(Qt::NoPen);
        painter.setBrush(brush);
        painter.drawPath(within);
    }

    // Darkens the outline of the figure and the edges where one piece stands
    // in front of another, so the shapes read at their small size.
    void DrawEdges()
    {
        const QImage labels = labels_;
        for (int y = 0; y < labels.height(); ++y) {
            for (int x = 0; x < labels.width(); ++x) {
                const int piece = LabelAt(labels, x, y, x);
                if (piece == kNone)
                    continue;
                bool outer = false;
                bool inner = false;
                const int around[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
                for (const auto& step : around) {
                    const int other = LabelAt(labels, x + step[0], y + step[1], x);
                    if (other == kNone)
                        outer = true;
                    else if (other < piece && kLooks[other].group != kLooks[piece].group)
                        inner = true;
                }
                if (!outer && !inner)
                    continue;
                const double factor = outer ? kOutline : kInnerEdge;
                const int grey = static_cast<int>(std::lround(qRed(shading_.pixel(x, y)) * factor));
                shading_.setPixel(x, y, qRgba(grey, grey, grey, 255));
            }
        }
    }

    const QImage& Shading() const { return shading_; }

    // A white-on-transparent mask of the pixels whose piece passes `wanted`.
    template <typename Wanted> QImage Mask(Wanted wanted) const
    {
        QImage mask(labels_.size(), QImage::Format_ARGB32);
        mask.fill(Qt::transparent);
        for (int y = 0; y < labels_.height(); ++y) {
            for (int x = 0; x < labels_.width(); ++x) {
                const int piece = qAlpha(labels_.pixel(x, y)) ? qRed(labels_.pixel(x, y)) : kNone;
                if (piece != kNone && wanted(kLooks[piece].coat))
                    mask.setPixel(x, y, qRgba(255, 255, 255, 255));
            }
        }
        return mask;
    }

private:
    // The piece at (x, y); the frame's edges and the undrawn rows count as
    // empty, so no frame's outline leans on its neighbour's.
    static int LabelAt(const QImage& labels, int x, int y, int insideOf)
    {
        const int frameLeft = insideOf / kSpriteFrameWidth * kSpriteFrameWidth;
        if (x < frameLeft || x >= frameLeft + kSpriteFrameWidth || y < 0 || y >= kDrawnHeight)
            return kNone;
        const QRgb pixel = labels.pixel(x, y);
        return qAlpha(pixel) ? qRed(pixel) : kNone;
    }

    QImage shading_;
    QImage labels_;
    int frameLeft_ = 0;
};

// One leg: forearm or gaskin, cannon, pastern and hoof.
void DrawLeg(Canvas& canvas, const LegPose& leg, bool fore, bool near)
{
    const Piece bone = near ? (fore ? kNearForeLeg : kNearHindLeg) : (fore ? kFarForeLeg : kFarHindLeg);
    const Piece hoof = near ? kNearHoof : kFarHoof;
    // The far legs stand in the body's shadow.
    const int upper = near ? 124 : 84;
    const int lower = near ? 108 : 74;
    const double top = fore ? 5.2 : 6.4;
    const double joint = fore ? 3.0 : 3.4;
    const QPointF pastern = leg.fetlock + (leg.toe - leg.fetlock) * 0.45;

    canvas.Fill(Limb(leg.pivot, leg.joint, top, joint), bone,
                Shade(leg.pivot, leg.joint, {{0.0, upper + 8}, {1.0, upper - 6}}));
    canvas.Fill(Limb(leg.joint, leg.fetlock, 2.6, 2.4), bone, lower);
    canvas.Fill(Limb(leg.fetlock, pastern, 2.6, 2.2), bone, lower);
    canvas.Fill(Limb(pastern, leg.toe, 2.8, 2.6), hoof, near ? 62 : 44);
}

// Draws one frame of horse and rider.
void DrawFrame(Canvas& canvas, int frame)
{
    const GallopPose pose = PoseOfFrame(frame);
    canvas.BeginFrame(frame);

    const QPointF saddle(55, 21);
    QTransform body;
    body.translate(pose.bodyOffset.x(), pose.bodyOffset.y());
    body.translate(saddle.x(), saddle.y());
    body.rotateRadians(pose.pitch);
    body.translate(-saddle.x(), -saddle.y());

    const QPointF neckBase(74, 16);
    QTransform neck;
    neck.translate(neckBase.x(), neckBase.y());
    neck.rotateRadians(pose.neckAngle);
    neck.translate(-neckBase.x(), -neckBase.y());
    neck *= body;

    const QTransform rider = QTransform::fromTranslate(pose.riderOffset.x(), pose.riderOffset.y());
    // The saddle cloth moves in whole pixels with the saddle, untipped, so
    // the number written on it later sits exactly on it.
    const QTransform cloth = QTransform::fromTranslate(pose.bodyOffset.x(), pose.bodyOffset.y());

    // Far side first.
    DrawLeg(canvas, pose.legs[kFarHind], false, false);
    DrawLeg(canvas, pose.legs[kFarFore], true, false);

    // The tail streams out behind, lifting as the horse springs.
    {
        const QPointF base = body.map(QPointF(23.5, 15.5));
        QTransform swing;
        swing.translate(base.x(), base.y());
        swing.rotateRadians(-pose.tailAngle);
        swing.translate(-base.x(), -base.y());
        const QPointF mid = swing.map(base + QPointF(-8.5, 1.5));
        const QPointF tipHigh = swing.map(base + QPointF(-16.5, 3.0));
        const QPointF tipLow = swing.map(base + QPointF(-15.0, 8.5));
        const QPointF tipMid = swing.map(base + QPointF(-17.5, 5.5));
        canvas.Fill(Limb(base, mid, 4.4, 4.6), kTail, 72);
        canvas.Fill(Limb(mid, tipHigh, 3.6, 1.6), kTail, 80);
        canvas.Fill(Limb(mid, tipMid, 4.0, 2.0), kTail, 66);
        canvas.Fill(Limb(mid, tipLow, 3.2, 1.4), kTail, 58);
    }

    canvas.Fill(body.map(TorsoPath()), kTorso,
                Shade(body.map(QPointF(55, 11.5)), body.map(QPointF(55, 33)),
                      {{0.0, 176}, {0.22, 146}, {0.5, 126}, {0.8, 102}, {1.0, 88}}));
    // Light on the round of the quarters and the shoulder.
    canvas.Tint(body.map(TorsoPath()), Glow(body.map(QPointF(31, 18)), 10.0, 176));
    canvas.Tint(body.map(TorsoPath()), Glow(body.map(QPointF(75, 18)), 7.0, 168));
    canvas.Fill(cloth.map(ClothPath()), kCloth, kNeutral);
    canvas.Fill(cloth.map(SaddlePath()), kSaddle, 58);
    canvas.Fill(body.map(Limb(QPointF(67.5, 15), QPointF(68.5, 30.5), 1.7, 1.7)), kGirth, 76);

    // The near hind's thigh is part of the quarters: the gaskin grows out
    // of it and the hide runs on without a line.
    DrawLeg(canvas, pose.legs[kNearHind], false, true);
    DrawLeg(canvas, pose.legs[kNearFore], true, true);

    canvas.Fill(neck.map(NeckPath()), kNeck,
                Shade(neck.map(QPointF(78, 4)), neck.map(QPointF(80, 22)), {{0.0, 164}, {1.0, 112}}));
    canvas.Fill(neck.map(HeadPath()), kHead,
                Shade(neck.map(QPointF(88, 1)), neck.map(QPointF(94, 15)), {{0.0, 156}, {1.0, 110}}));
    {
        // The mane along the crest, with a few hairs flying back.
        QPainterPath mane;
        mane.addPath(Limb(QPointF(68.5, 11.5), QPointF(76, 7.2), 2.2, 2.0));
        mane.addPath(Limb(QPointF(76, 7.2), QPointF(84, 2.8), 2.0, 1.6));
        mane.addPath(Limb(QPointF(72, 9.5), QPointF(68.5, 8.5), 1.6, 1.0));
        mane.addPath(Limb(QPointF(78.5, 5.8), QPointF(75, 4.6), 1.4, 1.0));
        canvas.Fill(neck.map(mane), kMane, 66);
    }
    {
        QPainterPath marks;
        marks.addRect(QRectF(89.6, 4.8, 1.4, 1.4));  // eye
        marks.addRect(QRectF(98.8, 12.4, 1.2, 1.2)); // nostril
        canvas.Fill(neck.map(marks), kFaceMark, 26);
    }

    // The jockey, crouched over the withers: hips above the saddle, back
    // flat, hands pushing along the neck, toes in short stirrups.
    const QPointF hips = rider.map(QPointF(56.5, 8.6));
    const QPointF shoulder = rider.map(QPointF(68.8, 4.6));
    const QPointF head = rider.map(QPointF(74.6, 4.9));
    const QPointF knee = QPointF(69.5, 10.5) + (pose.bodyOffset + pose.riderOffset) / 2;
    const QPointF ankle = cloth.map(QPointF(66.4, 17.2));
    const QPointF toe = cloth.map(QPointF(69.2, 17.8));
    const QPointF elbow = rider.map(QPointF(72.6, 8.6));
    const QPointF hands = neck.map(QPointF(80.0, 10.8));

    canvas.Fill(Limb(knee, ankle, 2.8, 2.4).united(Limb(ankle, toe, 2.0, 1.8)), kBoot, 40);
    canvas.Fill(Limb(hips + QPointF(0, 0.8), knee, 3.8, 3.0), kBreeches, 222);
    canvas.Fill(rider.map(RiderBackPath()), kSilks,
                Shade(rider.map(QPointF(62, 2)), rider.map(QPointF(62, 10.5)), {{0.0, 168}, {1.0, 104}}));
    canvas.Fill(Limb(shoulder + QPointF(0, 0.6), elbow, 2.8, 2.4).united(Limb(elbow, hands, 2.4, 2.0)),
                kSleeve, 112);
    {
        QPainterPath cap;
        cap.addEllipse(head, 3.0, 2.8);
        cap.addPath(Limb(head + QPointF(1.5, -0.8), head + QPointF(3.6, -0.2), 1.2, 1.0)); // the peak
        canvas.Fill(cap, kCap,
                    Shade(head + QPointF(0, -2.5), head + QPointF(0, 2.5), {{0.0, 170}, {1.0, 120}}));
    }
    canvas.Fill(Limb(head + QPointF(1.4, 2.0), head + QPointF(2.6, 2.0), 1.6, 1.6), kFace, 198);
    {
        const QPointF mouth = neck.map(QPointF(97.4, 13.6));
        canvas.Fill(Limb(hands, mouth, 1.0, 1.0), kReins, 34);
    }
}

} // namespace

std::vector<HorseStrip> DrawHorseStrips()
{
    Canvas canvas;
    for (int frame = 0; frame < kSpriteFrames; ++frame)
        DrawFrame(canvas, frame);
    canvas.DrawEdges();

    std::vector<HorseStrip> strips;
    strips.push_back({QStringLiteral("horse_shading.png"), canvas.Shading()});
    strips.push_back({QStringLiteral("body_mask.png"), canvas.Mask([](Coat c) { return c == Coat::Body; })});
    strips.push_back(
        {QStringLiteral("cloth_mask.png"), canvas.Mask([](Coat c) { return c == Coat::Cloth; })});
    strips.push_back(
        {QStringLiteral("second_mask.png"), canvas.Mask([](Coat c) { return c == Coat::Second; })});
    strips.push_back({QStringLiteral("silhouette.png"), canvas.Mask([](Coat) { return true; })});
    return strips;
}

} // namespace galloria::horse
