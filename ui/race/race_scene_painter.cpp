#include "race/race_scene_painter.h"

#include "race/course_colours.h"
#include "race/race_engine.h"
#include "race/race_scene_layout.h"
#include "race/runner_livery.h"
#include "race/scene_rect_qt.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cstdint>
#include <utility>

#include <algorithm>
#include <numeric>

namespace galloria {

namespace {

constexpr int kRailGreys[6] = {255, 235, 215, 195, 175, 155};

QColor Grey(int level)
{
    return QColor(level, level, level);
}

QColor FromRgb(std::uint32_t rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Vertical lines side by side in the rail greys, as posts and poles are drawn.
void GreyLines(QPainter& painter, int x, int top, int bottom, int count)
{
    for (int i = 0; i < count; ++i) {
        painter.setPen(Grey(kRailGreys[std::min(i, 5)]));
        painter.drawLine(x + i, top, x + i, bottom);
    }
}

// A small fixed generator, so the course looks the same in every race.
struct Grain {
    std::uint32_t state = 12345;
    int Next(int n)
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF) % n;
    }
};

} // namespace

void DrawShadow(QPainter& painter, QPointF topLeft)
{
    // A soft dark oval on the dirt under a runner's hooves.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawEllipse(QRectF(topLeft, kShadowSize));
    painter.restore();
}

namespace {

QColor Shade(const QColor& base, int delta)
{
    return QColor(std::clamp(base.red() + delta, 0, 255), std::clamp(base.green() + delta, 0, 255),
                  std::clamp(base.blue() + delta, 0, 255));
}

// Mown grass: bands of lighter and darker green a half period wide, with a
// fine grain of blades; darker towards the far edge for depth.
QImage GrassTile(int height, bool far)
{
    QImage tile(kCourseTexturePeriod, std::max(1, height), QImage::Format_RGB32);
    Grain grain{far ? 777u : 4242u};
    for (int y = 0; y < tile.height(); ++y) {
        const int depth = far ? -6 + 6 * y / std::max(1, tile.height()) : -6 * y / std::max(1, tile.height());
        for (int x = 0; x < kCourseTexturePeriod; ++x) {
            const int band = (x / (kCourseTexturePeriod / 2)) % 2 == 0 ? 7 : -5;
            tile.setPixel(x, y, Shade(course::kGrass, band + depth + grain.Next(9) - 4).rgb());
        }
    }
    return tile;
}

// The dirt: grain in lighter and darker specks and the crescents of hoof
// marks, lighter along the top where the far rail's light falls.
QImage DirtTile(int height)
{
    QImage tile(kCourseTexturePeriod, std::max(1, height), QImage::Format_RGB32);
    Grain grain{99u};
    for (int y = 0; y < tile.height(); ++y) {
        const int light = 8 - 14 * y / std::max(1, tile.height());
        for (int x = 0; x < kCourseTexturePeriod; ++x)
            tile.setPixel(x, y, Shade(course::kDirt, light + grain.Next(13) - 6).rgb());
    }
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int mark = 0; mark < 26; ++mark) {
        const int x = grain.Next(kCourseTexturePeriod - 8);
        const int y = 4 + grain.Next(std::max(1, tile.height() - 8));
        painter.setPen(QPen(Shade(course::kDirt, -38), 1.2));
        painter.drawArc(QRectF(x, y, 6, 4), 200 * 16, 140 * 16);
        painter.setPen(QPen(Shade(course::kDirt, 18), 1.0));
        painter.drawArc(QRectF(x, y + 1, 6, 4), 200 * 16, 140 * 16);
    }
    return tile;
}

// A tile repeated across `width` plus one period, at the buffer's resolution.
QImage Repeated(const QImage& tile, int width, double scaleX, double scaleY)
{
    QImage strip(width + kCourseTexturePeriod, tile.height(), QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int x = 0; x < strip.width(); x += kCourseTexturePeriod)
        painter.drawImage(x, 0, tile);
    painter.end();
    if (scaleX == 1.0 && scaleY == 1.0)
        return strip;
    return strip.scaled(qRound(strip.width() * scaleX), qRound(strip.height() * scaleY),
                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

RaceScenePainter::RaceScenePainter(SizeClass size) : size_(size)
{
    headingFont_ = QFont("Ariel");
    headingFont_.setPixelSize(BySizeClass(size, 22, 28, 34));
    headingFont_.setBold(true);
    smallFont_ = QFont("Ariel");
    smallFont_.setPixelSize(BySizeClass(size, 16, 20, 24));
    smallFont_.setWeight(QFont::DemiBold);
    numberFont_ = QFont("Ariel");
    numberFont_.setPixelSize(14);
    numberFont_.setBold(true);
    trackRepaint_ = ToQRect(SceneBoxesFor(size).track);

    const SceneRect map = SceneBoxesFor(size).overviewMap;
    ring_ = OverviewRingFor(size, map);
    // The ring's band: its outer edge less its inner edge, each a pair of
    // half-ellipses joined by straights.
    const auto stadium = [this](double grow) {
        const double rx = ring_.radiusX + grow;
        const double ry = ring_.radiusY + grow;
        QPainterPath left;
        left.addEllipse(QPointF(ring_.leftEndX, ring_.centreY), rx, ry);
        QPainterPath right;
        right.addEllipse(QPointF(ring_.rightEndX, ring_.centreY), rx, ry);
        QPainterPath straights;
        straights.addRect(QRectF(QPointF(ring_.leftEndX, ring_.centreY - ry),
                                 QPointF(ring_.rightEndX, ring_.centreY + ry)));
        return left.united(right).united(straights);
    };
    ringPath_ = stadium(ring_.halfWidth).subtracted(stadium(-ring_.halfWidth));
}

QRect RaceScenePainter::OverviewRepaintRect() const
{
    return ToQRect(SceneBoxesFor(size_).overviewMap).adjusted(-2, -2, 2, 2);
}

QRect RaceScenePainter::RunningOrderRepaintRect() const
{
    return ToQRect(SceneBoxesFor(size_).runningOrder).adjusted(-2, -2, 2, 2);
}

void RaceScenePainter::SetUpCourse(QPainter& painter, int graphicsQuality)
{
    lastOrderCount_ = -1;
    courseStrip_ = QImage();
    stripQuality_ = -1;
    mapOval_ = QImage();
    const SceneBoxes boxes = SceneBoxesFor(size_);
    DrawFrameRings(painter);
    DrawGrass(painter, boxes);
    DrawDirt(painter, boxes);
    if (graphicsQuality == 0) {
        DrawFarRail(painter, boxes, 0);
        DrawNearRail(painter, 0);
        trackRepaint_ = ToQRect(boxes.track);
    } else {
        trackRepaint_ = ToQRect(boxes.dirt).adjusted(0, -BySizeClass(size_, 40, 40, 60), 0, -15);
    }
}

void RaceScenePainter::DrawFrame(QPainter& painter, const RaceSceneFrame& frame)
{
    DrawScene(painter, frame, true);
}

void RaceScenePainter::DrawFrameUnlayered(QPainter& painter, const RaceSceneFrame& frame)
{
    DrawScene(painter, frame, false);
}

void RaceScenePainter::DrawScene(QPainter& painter, const RaceSceneFrame& frame, bool fromLayers)
{
    if (!frame.engine)
        return;
    const int leader = frame.engine->leaderPosition;
    const SceneBoxes boxes = SceneBoxesFor(size_);
    const QRect track = ToQRect(boxes.track);
    const bool textured = frame.graphicsQuality == 0;
    if (textured && !fromLayers)
        MakeTextures(painter.transform().m11(), painter.transform().m22());
    for (SceneLayer layer : SceneLayers(frame.graphicsQuality)) {
        const bool onTrack = layer != SceneLayer::Frame && layer != SceneLayer::OverviewMap &&
                             layer != SceneLayer::RunningOrder;
        painter.save();
        if (onTrack)
            painter.setClipRect(track);
        switch (layer) {
        // The course behind the runners: one copy from the strip, or each
        // element in turn.
        case SceneLayer::Grass:
            if (fromLayers)
                ComposeCourse(painter, frame.graphicsQuality, leader);
            else if (textured)
                DrawTexturedCourse(painter, boxes, leader); // grass and dirt at once
            else
                DrawGrass(painter, boxes);
            break;
        case SceneLayer::Dirt:
            if (!textured && !fromLayers)
                DrawDirt(painter, boxes);
            break;
        case SceneLayer::Lake:
            if (!fromLayers)
                DrawLake(painter, leader);
            break;
        case SceneLayer::FinishPostBack:
            DrawFinishPostBack(painter, leader);
            if (fromLayers)
                RedrawFarRailOverFinishPost(painter, frame.graphicsQuality, leader);
            break;
        case SceneLayer::FarRail:
            if (!fromLayers)
                DrawFarRail(painter, boxes, leader);
            break;
        // What moves, drawn each frame.
        case SceneLayer::Runners:
            if (textured)
                DrawRunnerShadows(painter, frame, fromLayers);
            DrawRunners(painter, frame, GateDrawn(frame.graphicsQuality) && leader < GateShownBelow(size_),
                        fromLayers);
            break;
        case SceneLayer::NearRail:
            DrawNearRail(painter, leader);
            break;
        case SceneLayer::DistancePoles:
            DrawDistancePoles(painter, leader);
            break;
        case SceneLayer::FinishPostFront:
            DrawFinishPostFront(painter, leader);
            break;
        case SceneLayer::Frame:
            DrawFrameRings(painter);
            break;
        case SceneLayer::OverviewMap:
            if (fromLayers)
                ComposeMapOval(painter);
            else
                DrawMapOval(painter);
            DrawMapMarkerAndClock(painter, frame);
            break;
        case SceneLayer::RunningOrder:
            DrawRunningOrder(painter, frame);
            break;
        }
        painter.restore();
    }
}

void RaceScenePainter::DrawGrass(QPainter& painter, const SceneBoxes& boxes) const
{
    painter.fillRect(ToQRect(boxes.farGrass), course::kGrass);
    painter.fillRect(ToQRect(boxes.nearGrass), course::kGrass);
}

void RaceScenePainter::DrawDirt(QPainter& painter, const SceneBoxes& boxes) const
{
    painter.fillRect(ToQRect(boxes.dirt), course::kDirt);
}

void RaceScenePainter::MakeTextures(double scaleX, double scaleY)
{
    if (scaleX == textureScaleX_ && scaleY == textureScaleY_ && !dirtTexture_.isNull())
        return;
    textureScaleX_ = scaleX;
    textureScaleY_ = scaleY;
    // Wide enough for the course strip, twice the track.
    const SceneBoxes boxes = SceneBoxesFor(size_);
    const int width = 2 * (boxes.track.right - boxes.track.left);
    farGrassTexture_ =
        Repeated(GrassTile(boxes.farGrass.bottom - boxes.farGrass.top, true), width, scaleX, scaleY);
    dirtTexture_ = Repeated(DirtTile(boxes.dirt.bottom - boxes.dirt.top), width, scaleX, scaleY);
    nearGrassTexture_ =
        Repeated(GrassTile(boxes.nearGrass.bottom - boxes.nearGrass.top, false), width, scaleX, scaleY);
}

void RaceScenePainter::DrawTexturedCourse(QPainter& painter, const SceneBoxes& boxes, int leader)
{
    // Copied at the buffer's own pixels: no scaling per frame.
    const QTransform toBuffer = painter.transform();
    const int shift = RailPostShift(size_, leader, kCourseTexturePeriod);
    painter.save();
    painter.resetTransform();
    painter.setClipRect(toBuffer.mapRect(QRectF(ToQRect(boxes.track))).toAlignedRect());
    for (const auto& [box, texture] :
         {std::pair{boxes.farGrass, &farGrassTexture_}, std::pair{boxes.dirt, &dirtTexture_},
          std::pair{boxes.nearGrass, &nearGrassTexture_}}) {
        const QPointF at = toBuffer.map(QPointF(box.left - shift, box.top));
        painter.drawImage(QPoint(qRound(at.x()), qRound(at.y())), *texture);
    }
    painter.restore();
}

void RaceScenePainter::DrawRunnerShadows(QPainter& painter, const RaceSceneFrame& frame, bool fromLayers)
{
    const CRaceEngine& engine = *frame.engine;
    const int field = std::clamp(engine.fieldSize, 0, CRaceEngine::kMaxRunners);
    const QTransform toBuffer = painter.transform();
    const QImage* shadow = fromLayers ? &ScaledShadow(painter) : nullptr;
    for (int runner = 0; runner < field; ++runner) {
        if (!frame.sprites[runner] || frame.sprites[runner]->isNull())
            continue;
        const int x = RunnerSpriteX(size_, engine.leaderPosition, engine.position[runner]);
        const int y = RunnerSpriteY(size_, engine.drawnLane[runner]);
        const QPointF at(x + 18, y + kSpriteDrawnHeight - 7);
        if (!shadow) {
            DrawShadow(painter, at);
            continue;
        }
        const QPointF pixel = toBuffer.map(at);
        painter.resetTransform();
        painter.drawImage(QPoint(qRound(pixel.x()), qRound(pixel.y())), *shadow);
        painter.setTransform(toBuffer);
    }
}

void RaceScenePainter::DrawLake(QPainter& painter, int leader) const
{
    const auto lake = LakeBounds(size_, leader);
    if (!lake)
        return;
    const QRectF water(QPointF(lake->left, lake->top), QPointF(lake->right, lake->bottom));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(course::kLake);
    painter.drawEllipse(water);
    // A lighter rim just inside the shore and a few ripples on the water.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(course::kLake.lighter(140), 2.5));
    painter.drawEllipse(water.adjusted(3, 3, -3, -3));
    painter.setPen(QPen(QColor(255, 255, 255, 110), 1.2));
    const double w = water.width();
    const double h = water.height();
    for (int ripple = 0; ripple < 5; ++ripple) {
        const double cx = water.left() + w * (0.2 + 0.15 * ripple);
        const double cy = water.top() + h * (0.55 + 0.12 * ((ripple * 7) % 3 - 1));
        painter.drawArc(QRectF(cx - w * 0.05, cy - 2, w * 0.1, 5), 20 * 16, 140 * 16);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void RaceScenePainter::DrawFinishPostBack(QPainter& painter, int leader) const
{
    if (const auto x = FinishPostX(size_, leader))
        GreyLines(painter, *x, BySizeClass(size_, 44, 55, 96), BySizeClass(size_, 80, 91, 132), 5);
}

void RaceScenePainter::DrawFinishPostFront(QPainter& painter, int leader) const
{
    const auto x = FinishPostX(size_, leader);
    if (!x)
        return;
    GreyLines(painter, *x, BySizeClass(size_, 200, 250, 260), BySizeClass(size_, 248, 298, 308), 6);
    painter.setPen(QPen(course::kFinishRed, 2));
    painter.drawLine(*x + 4, BySizeClass(size_, 48, 60, 100), *x + 4, BySizeClass(size_, 200, 250, 260));
}

void RaceScenePainter::DrawFarRail(QPainter& painter, const SceneBoxes& boxes, int leader) const
{
    const QRect track = ToQRect(boxes.track);
    const int spacing = FarRailPostSpacing(size_);
    const int shift = RailPostShift(size_, leader, spacing);
    const int top = BySizeClass(size_, 65, 81, 117);
    const int bottom = BySizeClass(size_, 83, 104, 138);
    painter.setPen(Grey(175));
    for (int x = track.left() - shift; x <= track.right(); x += spacing) {
        painter.drawLine(x, top, x, bottom);
        painter.drawLine(x + 1, top, x + 1, bottom);
    }
    const int railTop = BySizeClass(size_, 64, 80, 117);
    for (int i = 0; i < 5; ++i) {
        painter.setPen(Grey(kRailGreys[i]));
        painter.drawLine(track.left(), railTop + i, track.right(), railTop + i);
    }
}

void RaceScenePainter::DrawNearRail(QPainter& painter, int leader) const
{
    const SceneBoxes boxes = SceneBoxesFor(size_);
    const QRect track = ToQRect(boxes.track);
    const int spacing = NearRailPostSpacing(size_);
    const int shift = RailPostShift(size_, leader, spacing);
    const int top = boxes.rail - BySizeClass(size_, 5, 6, 8);
    const int bottom = boxes.rail + BySizeClass(size_, 19, 18, 18);
    for (int x = track.left() - shift; x <= track.right(); x += spacing)
        GreyLines(painter, x, top, bottom, 3);
    const int railTop = boxes.rail + BySizeClass(size_, -11, -12, -14);
    for (int i = 0; i < 6; ++i) {
        painter.setPen(Grey(kRailGreys[i]));
        painter.drawLine(track.left(), railTop + i, track.right(), railTop + i);
    }
}

void RaceScenePainter::DrawDistancePoles(QPainter& painter, int leader) const
{
    const int top = BySizeClass(size_, 200, 230, 320);
    const int bottom = BySizeClass(size_, 248, 290, 397);
    const int flagWidth = BySizeClass(size_, 18, 22, 28);
    const int flagHeight = BySizeClass(size_, 12, 14, 18);
    for (int pole = 0; pole < static_cast<int>(kDistancePolePlaces.size()); ++pole) {
        const auto shown = DistancePoleAt(size_, pole, leader);
        if (!shown)
            continue;
        GreyLines(painter, shown->x, top, bottom, 6);
        painter.fillRect(QRect(shown->x - flagWidth, top, flagWidth, flagHeight),
                         course::kFlagColours[shown->flagColour]);
        painter.setPen(Qt::black);
        painter.drawRect(QRect(shown->x - flagWidth, top, flagWidth - 1, flagHeight - 1));
    }
}

void RaceScenePainter::DrawGate(QPainter& painter, int leader) const
{
    const int middle = BySizeClass(size_, 480, 600, 768);
    const int left = BySizeClass(size_, 10, 12, 16) + BySizeClass(size_, 96, 96, 98) -
                     (leader > middle ? leader - middle : 0);
    const int stallWidth = BySizeClass(size_, 14, 16, 20);
    const bool open = leader > 12;
    for (int post = 0; post < 12; ++post) {
        const int y = RunnerSpriteY(size_, 12 * post) + 6;
        const QRect stall(left, y, stallWidth, 40);
        painter.setPen(Grey(200));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(stall);
        painter.setPen(QPen(Grey(open ? 120 : 230), 2));
        if (open)
            painter.drawLine(stall.right(), stall.top(), stall.right() + 10, stall.top() - 6);
        else
            painter.drawLine(stall.right(), stall.top(), stall.right(), stall.bottom());
    }
    // The outermost stall carries the gate's frame.
    painter.setPen(QPen(Grey(160), 3));
    const int outer = RunnerSpriteY(size_, 12 * 11) + 46;
    painter.drawLine(left - 4, RunnerSpriteY(size_, 0) - 4, left - 4, outer);
    painter.drawLine(left - 4, outer, left + stallWidth + 4, outer);
}

void RaceScenePainter::DrawRunners(QPainter& painter, const RaceSceneFrame& frame, bool withGate,
                                   bool fromLayers)
{
    const CRaceEngine& engine = *frame.engine;
    const int field = std::clamp(engine.fieldSize, 0, CRaceEngine::kMaxRunners);
    std::array<int, CRaceEngine::kMaxRunners> byLane{};
    std::iota(byLane.begin(), byLane.begin() + field, 0);
    std::stable_sort(byLane.begin(), byLane.begin() + field,
                     [&](int a, int b) { return engine.drawnLane[a] < engine.drawnLane[b]; });
    if (withGate)
        DrawGate(painter, engine.leaderPosition);
    const QTransform toBuffer = painter.transform();
    for (int i = 0; i < field; ++i) {
        const int runner = byLane[i];
        const QImage* strip = frame.sprites[runner];
        if (!strip || strip->isNull())
            continue;
        const int x = RunnerSpriteX(size_, engine.leaderPosition, engine.position[runner]);
        const int y = RunnerSpriteY(size_, engine.drawnLane[runner]);
        const int f = SpriteFrame(frame.gaitPhase[runner], frame.frameCounter);
        if (!fromLayers) {
            painter.drawImage(QPoint(x, y), *strip,
                              QRect(kSpriteFrameWidth * f, 0, kSpriteFrameWidth, kSpriteDrawnHeight));
            continue;
        }
        const QImage& sprite = ScaledSprite(painter, *strip, runner, f);
        const QPointF at = toBuffer.map(QPointF(x, y));
        painter.resetTransform();
        painter.drawImage(QPoint(qRound(at.x()), qRound(at.y())), sprite);
        painter.setTransform(toBuffer);
    }
}

void RaceScenePainter::DrawFrameRings(QPainter& painter) const
{
    const QRect track = ToQRect(SceneBoxesFor(size_).track);
    for (int i = 1; i <= 8; ++i) {
        const QRect ring = track.adjusted(-i, -i, i, i);
        const QColor topLeft(15, 65 + 10 * i, 120 + 15 * i);
        const QColor bottomRight(20, 140 - 10 * i, 240 - 15 * i);
        painter.setPen(topLeft);
        painter.drawLine(ring.topLeft(), ring.topRight());
        painter.drawLine(ring.topLeft(), ring.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(ring.bottomLeft(), ring.bottomRight());
        painter.drawLine(ring.topRight(), ring.bottomRight());
    }
}

void RaceScenePainter::DrawMapOval(QPainter& painter) const
{
    const SceneRect box = SceneBoxesFor(size_).overviewMap;
    painter.fillRect(ToQRect(box), course::kGrass);

    // The oval, 8 to 16 pixels inside the box, with the start and finish
    // marked across it.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    painter.setBrush(course::kDirt);
    painter.drawPath(ringPath_);
    painter.setPen(QPen(Qt::black, 1));
    for (int place : {0, kCourseFinish}) {
        const MapPoint at = OverviewMarkerOnRing(size_, ring_, box, place, false);
        painter.drawLine(QPointF(at.x, at.y - ring_.halfWidth), QPointF(at.x, at.y + ring_.halfWidth));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void RaceScenePainter::DrawMapMarkerAndClock(QPainter& painter, const RaceSceneFrame& frame) const
{
    const SceneRect box = SceneBoxesFor(size_).overviewMap;
    const QRect area = ToQRect(box);
    painter.setRenderHint(QPainter::Antialiasing);
    const int leader = frame.engine->leaderPosition;
    const MapPoint marker = OverviewMarkerOnRing(size_, ring_, box, leader, frame.homeStretch);
    painter.setFont(smallFont_);
    painter.setPen(Qt::yellow);
    const QFontMetrics metrics(smallFont_);
    painter.drawText(
        QPointF(marker.x - metrics.horizontalAdvance('*') / 2.0, marker.y + metrics.ascent() / 2.0), "*");
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The race clock in the middle of the box.
    const ClockText clock = RaceClockText(frame.engine->raceTime);
    painter.setFont(headingFont_);
    painter.setPen(course::kClockYellow);
    const QFontMetrics heading(headingFont_);
    const QPoint centre = area.center();
    const int baseline = centre.y() + heading.ascent() / 2 - 2;
    const QString minutes = QString::fromStdString(clock.minutesSeconds);
    painter.drawText(QPoint(centre.x() - heading.horizontalAdvance(minutes), baseline), minutes);
    painter.drawText(QPoint(centre.x(), baseline), QString::fromStdString(clock.fifths));
}

void RaceScenePainter::DrawRunningOrder(QPainter& painter, const RaceSceneFrame& frame)
{
    const CRaceEngine& engine = *frame.engine;
    if (!RunningOrderDue(frame.frameCounter, engine.leaderPosition))
        return;
    std::array<int, 6> order{};
    const int count = RunningOrder(engine, RunningOrderRows(LayoutWidth(size_)), order);
    if (count == lastOrderCount_ && std::equal(order.begin(), order.begin() + count, lastOrder_.begin()))
        return;
    lastOrder_ = order;
    lastOrderCount_ = count;

    const QRect area = ToQRect(SceneBoxesFor(size_).runningOrder);
    painter.fillRect(area, course::kFlagColours[6]);
    painter.setRenderHint(QPainter::Antialiasing);
    // Rows 28 pixels apart hold the board font; the heading font would run
    // into the next row at the two larger sizes.
    constexpr int rowHeight = 28;
    const int disc = 24;
    for (int row = 0; row < count; ++row) {
        const int runner = order[row];
        const int number = runner + 1;
        const QRect discRect(area.left() + 8, area.top() + 6 + rowHeight * row, disc, disc);
        painter.setPen(Qt::black);
        painter.setBrush(FromRgb(ClothColour(number)));
        painter.drawEllipse(discRect);
        painter.setFont(numberFont_);
        painter.setPen(NumberInWhite(number) ? Qt::white : Qt::black);
        painter.drawText(discRect, Qt::AlignCenter, QString::number(number));
        painter.setFont(smallFont_);
        painter.setPen(runner == frame.tippedRunner ? Qt::yellow : Qt::white);
        const QRect nameRect(discRect.right() + 10, discRect.top(), area.right() - discRect.right() - 14,
                             disc);
        painter.drawText(
            nameRect, Qt::AlignLeft | Qt::AlignVCenter,
            QFontMetrics(smallFont_).elidedText(frame.names[runner], Qt::ElideRight, nameRect.width()));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace galloria
