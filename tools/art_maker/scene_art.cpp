// The full-screen pictures: the background tile and the start-up picture.
#include "art_kit.h"
#include "synth.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace galloria::art {

namespace {

using namespace palette;

// Smooth noise on a lattice that wraps, so whatever it shades tiles without
// a seam.
class WrappingNoise {
public:
    WrappingNoise(int cellsAcross, int cellsDown, std::uint32_t seed)
        : across_(cellsAcross), down_(cellsDown), values_(static_cast<std::size_t>(cellsAcross * cellsDown))
    {
        Noise noise(seed);
        for (double& v : values_) {
            v = noise.Next();
        }
    }

    // u, v in cells; any value, wrapped.
    double At(double u, double v) const
    {
        const int x0 = static_cast<int>(std::floor(u));
        const int y0 = static_cast<int>(std::floor(v));
        const double fx = Smooth(u - x0);
        const double fy = Smooth(v - y0);
        const double top = Mix(Value(x0, y0), Value(x0 + 1, y0), fx);
        const double bottom = Mix(Value(x0, y0 + 1), Value(x0 + 1, y0 + 1), fx);
        return Mix(top, bottom, fy);
    }

private:
    static double Smooth(double t) { return t * t * (3 - 2 * t); }
    static double Mix(double a, double b, double t) { return a + (b - a) * t; }
    double Value(int x, int y) const
    {
        x = ((x % across_) + across_) % across_;
        y = ((y % down_) + down_) % down_;
        return values_[static_cast<std::size_t>(y * across_ + x)];
    }

    int across_;
    int down_;
    std::vector<double> values_;
};

int Channel(double value)
{
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

} // namespace

QImage MakeTile()
{
    // Mown turf: broad light and dark stripes with a soft mottle, dark and
    // calm enough for white and yellow text on top.
    constexpr int kWidth = 320;
    constexpr int kHeight = 240;
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    const WrappingNoise coarse(8, 6, 11);
    const WrappingNoise fine(32, 24, 12);
    Noise grain(13);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            // Four light and four dark stripes across, with softened edges.
            const double stripe = std::tanh(3.0 * std::cos(2 * std::numbers::pi * x / 80.0)) * 5.0;
            const double mottle = coarse.At(x / 40.0, y / 40.0) * 5.0 + fine.At(x / 10.0, y / 10.0) * 2.5;
            const double shade = stripe + mottle + grain.Next() * 2.0;
            row[x] = qRgb(Channel(34 + shade * 0.55), Channel(90 + shade), Channel(42 + shade * 0.5));
        }
    }
    return image;
}

namespace {

void DrawSky(QPainter& p, const QRectF& area)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(22, 38, 92));
    sky.setColorAt(0.55, QColor(76, 96, 160));
    sky.setColorAt(0.85, QColor(214, 150, 120));
    sky.setColorAt(1.0, QColor(246, 196, 120));
    p.fillRect(area, sky);
    // A few soft clouds catching the evening light.
    p.setPen(Qt::NoPen);
    const std::array<QRectF, 6> clouds = {QRectF(150, 40, 120, 16), QRectF(200, 32, 70, 16),
                                          QRectF(40, 96, 140, 12),  QRectF(80, 90, 60, 12),
                                          QRectF(420, 56, 150, 14), QRectF(470, 48, 70, 14)};
    for (const QRectF& cloud : clouds) {
        p.setBrush(QColor(255, 214, 190, 60));
        p.drawEllipse(cloud);
    }
}

void DrawHills(QPainter& p, double width)
{
    QPainterPath far;
    far.moveTo(0, 168);
    far.cubicTo(80, 140, 150, 150, 230, 156);
    far.cubicTo(320, 138, 420, 142, 500, 152);
    far.cubicTo(550, 146, 590, 148, width, 150);
    far.lineTo(width, 200);
    far.lineTo(0, 200);
    far.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(74, 92, 110));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 178);
    near.cubicTo(120, 164, 240, 172, 340, 170);
    near.cubicTo(440, 166, 520, 174, width, 168);
    near.lineTo(width, 210);
    near.lineTo(0, 210);
    near.closeSubpath();
    p.setBrush(QColor(52, 96, 64));
    p.drawPath(near);
}

void DrawTrees(QPainter& p)
{
    // A line of round trees on the far side, left of the stand.
    Noise spread(21);
    for (int i = 0; i < 11; ++i) {
        const double x = 6 + i * 26 + spread.Uniform(-5, 5);
        const double r = spread.Uniform(11, 17);
        const double y = 188 - r * 0.6;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 54, 40));
        p.drawRect(QRectF(x - 1.5, y, 3, r));
        p.setBrush(QColor(34, 78, 44));
        p.drawEllipse(QPointF(x, y), r * 0.8, r);
        p.setBrush(QColor(48, 102, 58));
        p.drawEllipse(QPointF(x - r * 0.25, y - r * 0.3), r * 0.45, r * 0.5);
    }
}

void DrawGrandstand(QPainter& p)
{
    // The stand on the far side: a cream building, tiers of spectators under
    // a red roof on slim posts, and flags on top.
    const double left = 318;
    const double right = 600;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 212, 184));
    p.drawRect(QRectF(left, 150, right - left, 55));
    // Tiers with the crowd.
    QPainterPath tiers;
    tiers.moveTo(left + 6, 150);
    tiers.lineTo(right - 6, 150);
    tiers.lineTo(right - 6, 104);
    tiers.lineTo(left + 6, 126);
    tiers.closeSubpath();
    p.setBrush(QColor(96, 90, 100));
    p.drawPath(tiers);
    Noise crowd(31);
    const std::array<QColor, 7> clothes = {QColor(220, 60, 60),  QColor(250, 240, 230), QColor(60, 100, 200),
                                           QColor(240, 200, 60), QColor(80, 170, 90),   QColor(230, 140, 60),
                                           QColor(200, 180, 230)};
    for (int row = 0; row < 6; ++row) {
        for (double x = left + 10; x < right - 8; x += 5.2) {
            const double top = 126 - (x - left - 6) / (right - left - 12) * 22;
            const double y = top + 4 + row * ((150 - top - 4) / 6.0);
            const int pick = static_cast<int>((crowd.Next() + 1.0) * 3.5) % 7;
            p.setBrush(clothes[static_cast<std::size_t>(pick)].darker(120));
            p.drawEllipse(QPointF(x + crowd.Uniform(-0.8, 0.8), y + 2.2), 2.2, 2.0);
            p.setBrush(QColor(232, 190, 150));
            p.drawEllipse(QPointF(x, y - 0.4), 1.3, 1.3);
        }
    }
    // Roof on posts.
    p.setBrush(QColor(250, 248, 240));
    for (double x = left + 10; x <= right - 4; x += 46) {
        const double underRoof = 124 - (x - left + 4) / (right - left + 14) * 26;
        p.drawRect(QRectF(x, underRoof - 2, 3, 152 - underRoof));
    }
    QPainterPath roof;
    roof.moveTo(left - 4, 112);
    roof.lineTo(right + 10, 86);
    roof.lineTo(right + 10, 98);
    roof.lineTo(left - 4, 124);
    roof.closeSubpath();
    p.setBrush(kRed);
    p.drawPath(roof);
    p.setBrush(QColor(150, 24, 30));
    for (int i = 0; i < 14; ++i) {
        // The scalloped valance along the roof's edge.
        const double x = left + i * 21;
        const double y = 124 - (x - left + 4) / (right - left + 14) * 26;
        p.drawEllipse(QPointF(x + 10, y), 10.5, 3.2);
    }
    // Windows of the lower floor.
    p.setBrush(QColor(70, 88, 120));
    const QRectF tote(left + 106, 162, 64, 18);
    for (double x = left + 12; x < right - 14; x += 24) {
        const QRectF window(x, 164, 14, 14);
        if (!window.intersects(tote.adjusted(-4, 0, 4, 0))) {
            p.drawRoundedRect(window, 2, 2);
        }
    }
    // The tote board: a dark panel of lit figures.
    p.setBrush(QColor(40, 44, 52));
    p.drawRoundedRect(tote, 2, 2);
    p.setBrush(QColor(250, 210, 120));
    for (int digit = 0; digit < 6; ++digit) {
        p.drawRect(QRectF(tote.left() + 5 + digit * 9.8, tote.top() + 5, 6, 8));
    }
    // Flags on the roof.
    const std::array<QColor, 4> flags = {kGold, Qt::white, QColor(60, 120, 210), kGold};
    for (int i = 0; i < 4; ++i) {
        const double x = left + 30 + i * 74;
        const double y = 112 - (x - left + 4) / (right - left + 14) * 26;
        p.setPen(QPen(QColor(240, 240, 240), 1.4));
        p.drawLine(QPointF(x, y), QPointF(x, y - 22));
        p.setPen(Qt::NoPen);
        p.setBrush(flags[static_cast<std::size_t>(i)]);
        const QPointF pennant[] = {{x, y - 22}, {x + 13, y - 18}, {x, y - 14}};
        p.drawPolygon(pennant, 3);
    }
}

void DrawRail(QPainter& p, double y, double width, double postSpacing, double postHeight, double thickness)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRect(QRectF(0, y + thickness, width, thickness * 0.6)); // the rail's shadow
    for (double x = postSpacing * 0.4; x < width; x += postSpacing) {
        p.setBrush(QColor(210, 210, 204));
        p.drawRect(QRectF(x, y, thickness * 0.7, postHeight));
    }
    QLinearGradient rail(0, y - thickness * 0.5, 0, y + thickness);
    rail.setColorAt(0, Qt::white);
    rail.setColorAt(1, QColor(206, 206, 200));
    p.setBrush(rail);
    p.drawRoundedRect(QRectF(0, y - thickness * 0.5, width, thickness * 1.2), thickness * 0.5,
                      thickness * 0.5);
}

struct Runner {
    double x, groundY, scale;
    int stride;
    QColor coat;
    QColor silks;
    QColor cap;
};

void DrawRunner(QPainter& p, const Runner& r)
{
    p.save();
    p.translate(r.x, r.groundY - 64 * r.scale);
    p.scale(r.scale, r.scale);
    // Dust kicked up behind.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(214, 176, 130, 70 - i * 12));
        p.drawEllipse(QPointF(-4 - i * 9, 60 - i * 2), 8 + i * 3, 4 + i);
    }
    // The shadow on the track.
    p.setBrush(QColor(60, 36, 20, 80));
    p.drawEllipse(QPointF(48, 64), 40, 3.2);
    const QColor edge = r.coat.darker(180);
    FillOutlined(p, GallopingHorse(r.stride), r.coat, edge, 0.9);
    // Mane and a lighter sheen along the back.
    p.setPen(QPen(r.coat.darker(150), 2.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath mane(QPointF(63, 24));
    mane.cubicTo(68, 18, 72, 13, 77, 9);
    p.drawPath(mane);
    p.setPen(QPen(r.coat.lighter(125), 1.6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath sheen(QPointF(30, 23));
    sheen.cubicTo(42, 25, 54, 26, 60, 26);
    p.drawPath(sheen);
    // Saddle cloth, rider and cap.
    p.setPen(QPen(QColor(60, 60, 60), 0.6));
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(QRectF(45, 23, 13, 9), 1.5, 1.5);
    FillOutlined(p, JockeyBody(), r.silks, r.silks.darker(170), 0.8);
    FillOutlined(p, JockeyCap(), r.cap, r.cap.darker(170), 0.7);
    // Eye and nostril.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 16, 14));
    p.drawEllipse(QPointF(84, 12.5), 1.1, 1.1);
    p.drawEllipse(QPointF(94, 21.5), 0.8, 0.8);
    p.restore();
}

} // namespace

QImage MakeStartPicture()
{
    constexpr int kWidth = 610;
    constexpr int kHeight = 394;
    QImage image = BlankImage(kWidth, kHeight);
    QPainter p(&image);
    PrepareSmooth(p);
    DrawSky(p, QRectF(0, 0, kWidth, 200));
    DrawHills(p, kWidth);
    DrawTrees(p);
    DrawGrandstand(p);
    // The apron in front of the stand and the infield turf.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 128, 64));
    p.drawRect(QRectF(0, 200, kWidth, 22));
    // The dirt track with a few raked lines.
    QLinearGradient dirt(0, 222, 0, 340);
    dirt.setColorAt(0, QColor(150, 104, 66));
    dirt.setColorAt(1, kDirt);
    p.setBrush(dirt);
    p.drawRect(QRectF(0, 222, kWidth, 118));
    p.setPen(QPen(QColor(190, 142, 100, 90), 1.2));
    for (double y = 236; y < 338; y += 13) {
        p.drawLine(QPointF(0, y), QPointF(kWidth, y + 2));
    }
    DrawRail(p, 216, kWidth, 46, 12, 4);
    // The finish post on the left, red and white.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(60, 150, 6, 70));
    p.setBrush(kRed);
    for (double y = 150; y < 218; y += 14) {
        p.drawRect(QRectF(60, y, 6, 7));
    }
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(63, 148), 12, 12);
    p.setBrush(kRed);
    p.drawEllipse(QPointF(63, 148), 8, 8);

    // The field, from the far side of the track to the near.
    const std::array<Runner, 4> runners = {{
        {232, 284, 1.25, 1, QColor(60, 46, 40), QColor(90, 60, 170), QColor(250, 220, 60)},
        {372, 296, 1.35, 0, QColor(200, 196, 190), QColor(30, 140, 80), Qt::white},
        {78, 316, 1.55, 0, QColor(166, 90, 42), QColor(240, 200, 40), QColor(30, 60, 160)},
        {268, 334, 1.7, 1, QColor(112, 62, 30), kRed, Qt::white},
    }};
    for (const Runner& r : runners) {
        DrawRunner(p, r);
    }
    // The near rail and the turf in front of it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 118, 56));
    p.drawRect(QRectF(0, 340, kWidth, kHeight - 340));
    p.setBrush(QColor(44, 108, 50));
    for (double x = 0; x < kWidth; x += 80) {
        p.drawRect(QRectF(x, 340, 40, kHeight - 340));
    }
    DrawRail(p, 350, kWidth, 90, 40, 7);
    // A soft dark edge pulls the eye to the middle.
    QRadialGradient vignette(QPointF(kWidth / 2.0, kHeight / 2.0), kWidth * 0.62);
    vignette.setColorAt(0.7, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), vignette);
    p.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace galloria::art
