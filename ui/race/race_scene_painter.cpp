#include "race/race_scene_painter.h"

#include "race/course_colours.h"
#include "race/race_engine.h"
#include "race/race_scene_layout.h"
#include "race/runner_livery.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <numeric>

namespace galloria {

namespace {

constexpr int kRailGreys[6] = {255, 235, 215, 195, 175, 155};

QColor Grey(int level)
{
    return QColor(level, level, level);
}

QRect ToQRect(const SceneRect& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
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
    const MapPoint start = OverviewMarker(size, map, 0, false);
    QRectF path(QPointF(start.x, start.y), QSizeF(0, 0));
    for (int place = 0; place <= kCourseFinish; place += 8) {
        const MapPoint at = OverviewMarker(size, map, place, false);
        path = path.united(QRectF(QPointF(at.x, at.y), QSizeF(0.01, 0.01)));
    }
    mapPath_ = path;
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
    DrawFrameRings(painter);
    DrawGrass(painter);
    DrawDirt(painter);
    const SceneBoxes boxes = SceneBoxesFor(size_);
    if (graphicsQuality == 0) {
        DrawFarRail(painter, 0);
        DrawNearRail(painter, 0);
        trackRepaint_ = ToQRect(boxes.track);
    } else {
        trackRepaint_ = ToQRect(boxes.dirt).adjusted(0, -BySizeClass(size_, 40, 40, 60), 0, -15);
    }
}

void RaceScenePainter::DrawFrame(QPainter& painter, const RaceSceneFrame& frame)
{
    if (!frame.engine)
        return;
    const int leader = frame.engine->leaderPosition;
    const QRect track = ToQRect(SceneBoxesFor(size_).track);
    for (SceneLayer layer : SceneLayers(frame.graphicsQuality)) {
        const bool onTrack = layer != SceneLayer::Frame && layer != SceneLayer::OverviewMap &&
                             layer != SceneLayer::RunningOrder;
        painter.save();
        if (onTrack)
            painter.setClipRect(track);
        switch (layer) {
        case SceneLayer::Grass:
            DrawGrass(painter);
            break;
        case SceneLayer::Dirt:
            DrawDirt(painter);
            break;
        case SceneLayer::Lake:
            DrawLake(painter, leader);
            break;
        case SceneLayer::FinishPostBack:
            DrawFinishPostBack(painter, leader);
            break;
        case SceneLayer::FarRail:
            DrawFarRail(painter, leader);
            break;
        case SceneLayer::Runners:
            DrawRunners(painter, frame, GateDrawn(frame.graphicsQuality) && leader < GateShownBelow(size_));
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
            DrawOverviewMap(painter, frame);
            break;
        case SceneLayer::RunningOrder:
            DrawRunningOrder(painter, frame);
            break;
        }
        painter.restore();
    }
}

void RaceScenePainter::DrawGrass(QPainter& painter) const
{
    const SceneBoxes boxes = SceneBoxesFor(size_);
    painter.fillRect(ToQRect(boxes.farGrass), course::kGrass);
    painter.fillRect(ToQRect(boxes.nearGrass), course::kGrass);
}

void RaceScenePainter::DrawDirt(QPainter& painter) const
{
    painter.fillRect(ToQRect(SceneBoxesFor(size_).dirt), course::kDirt);
}

void RaceScenePainter::DrawLake(QPainter& painter, int leader) const
{
    const auto lake = LakeBounds(size_, leader);
    if (!lake)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(course::kLake);
    painter.drawEllipse(QRect(QPoint(lake->left, lake->top), QPoint(lake->right, lake->bottom)));
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

void RaceScenePainter::DrawFarRail(QPainter& painter, int leader) const
{
    const QRect track = ToQRect(SceneBoxesFor(size_).track);
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

void RaceScenePainter::DrawRunners(QPainter& painter, const RaceSceneFrame& frame, bool withGate) const
{
    const CRaceEngine& engine = *frame.engine;
    const int field = std::clamp(engine.fieldSize, 0, CRaceEngine::kMaxRunners);
    std::array<int, CRaceEngine::kMaxRunners> byLane{};
    std::iota(byLane.begin(), byLane.begin() + field, 0);
    std::stable_sort(byLane.begin(), byLane.begin() + field,
                     [&](int a, int b) { return engine.drawnLane[a] < engine.drawnLane[b]; });
    if (withGate)
        DrawGate(painter, engine.leaderPosition);
    for (int i = 0; i < field; ++i) {
        const int runner = byLane[i];
        const QImage* strip = frame.sprites[runner];
        if (!strip || strip->isNull())
            continue;
        const int x = RunnerSpriteX(size_, engine.leaderPosition, engine.position[runner]);
        const int y = RunnerSpriteY(size_, engine.drawnLane[runner]);
        const int f = SpriteFrame(frame.gaitPhase[runner], frame.frameCounter);
        painter.drawImage(QPoint(x, y), *strip,
                          QRect(kSpriteFrameWidth * f, 0, kSpriteFrameWidth, kSpriteDrawnHeight));
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

void RaceScenePainter::DrawOverviewMap(QPainter& painter, const RaceSceneFrame& frame) const
{
    const SceneRect box = SceneBoxesFor(size_).overviewMap;
    const QRect area = ToQRect(box);
    painter.fillRect(area, course::kGrass);

    // The oval: half circles at the ends and straights between them, laid
    // along the marker's path so that the star runs on the track.
    const auto stadium = [](const QRectF& r) {
        QPainterPath path;
        path.addRoundedRect(r, r.height() / 2, r.height() / 2);
        return path;
    };
    const QPainterPath ring =
        stadium(mapPath_.adjusted(-4, -4, 4, 4)) - stadium(mapPath_.adjusted(4, 4, -4, -4));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::white);
    painter.setBrush(course::kDirt);
    painter.drawPath(ring);
    // Marker lines across the track at the start and at the finish.
    painter.setPen(QPen(Qt::black, 1));
    for (int place : {0, kCourseFinish}) {
        const MapPoint at = OverviewMarker(size_, box, place, false);
        painter.drawLine(QPointF(at.x, mapPath_.bottom() - 4), QPointF(at.x, mapPath_.bottom() + 4));
    }

    const int leader = frame.engine->leaderPosition;
    const MapPoint marker = OverviewMarker(size_, box, leader, frame.homeStretch);
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
