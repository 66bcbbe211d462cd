#include "race/race_scene_layout.h"

#include "race/race_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>

namespace galloria {

namespace {

// The middle of the track view: the leader stays here while the camera follows.
int CameraMiddle(SizeClass size)
{
    return BySizeClass(size, 480, 600, 768);
}

int SceneRight(SizeClass size)
{
    return BySizeClass(size, 624, 780, 998);
}

constexpr double kTurnPi = 3.1425; // the map's own pi
constexpr int kTurnLength = 2800;

struct CourseSegment {
    int from;
    int to;
};
constexpr CourseSegment kFirstStraight{0, 1470};
constexpr CourseSegment kFirstTurn{1470, 4270};
constexpr CourseSegment kBackStraight{4270, 5740};
constexpr CourseSegment kSecondTurn{5740, 8540};
constexpr CourseSegment kHomeStraight{8540, kCourseFinish};

// Course units gone into a segment, 0 before it and its length after it.
double Into(const CourseSegment& segment, int leader)
{
    return std::clamp(leader, segment.from, segment.to) - segment.from;
}

} // namespace

double FramePeriodSeconds(int animationSpeed)
{
    static constexpr double kPeriods[10] = {0.1, 0.08, 0.05, 0.04, 0.03, 0.02, 0.01, 0.008, 0.005, 0.0001};
    return kPeriods[std::clamp(animationSpeed, 1, 10) - 1];
}

int RunnerSpriteX(SizeClass size, int leaderPosition, int position)
{
    const int middle = CameraMiddle(size);
    if (leaderPosition < middle)
        return BySizeClass(size, 10, 12, 16) + position;
    if (leaderPosition < kCourseFinish)
        return middle - std::abs(leaderPosition - position);
    return middle + position - kCourseFinish;
}

int FinishLineX(SizeClass size)
{
    return BySizeClass(size, 580, 700, 870);
}

int RunnerSpriteY(SizeClass size, int drawnLane)
{
    return BySizeClass(size, 56, 70, 100) + drawnLane;
}

int SpriteFrame(int gaitPhase, int frameCounter)
{
    const int frame = (gaitPhase + frameCounter) % 11;
    return frame < 0 ? frame + 11 : frame;
}

int ScenePlaceX(SizeClass size, int place, int leaderPosition)
{
    return SceneRight(size) + (place - leaderPosition);
}

int CameraTravel(SizeClass size, int leaderPosition)
{
    return leaderPosition < CameraMiddle(size) ? 0 : std::min(leaderPosition, kCourseFinish);
}

int RailPostShift(SizeClass size, int leaderPosition, int spacing)
{
    return spacing <= 0 ? 0 : CameraTravel(size, leaderPosition) % spacing;
}

int FarRailPostSpacing(SizeClass size)
{
    return BySizeClass(size, 40, 50, 64);
}

int NearRailPostSpacing(SizeClass size)
{
    return BySizeClass(size, 48, 60, 77);
}

std::optional<SceneRect> LakeBounds(SizeClass size, int leaderPosition)
{
    const int leader = leaderPosition;
    int place = 0;
    int tilt = 0;
    int x = 0;
    if (leader >= kCourseFinish) {
        x = SceneRight(size) - 843;
        place = 9149;
    } else if (leader > 849 && leader < BySizeClass(size, 2301, 2301, 2801)) {
        place = 849;
    } else if (leader >= 4450 && leader < BySizeClass(size, 6101, 6101, 6601)) {
        place = 4449;
        tilt = BySizeClass(size, -24, -30, -38);
    } else if (leader >= 9150) {
        place = 9149;
    } else {
        return std::nullopt;
    }
    if (leader < kCourseFinish)
        x = ScenePlaceX(size, place, leader);
    return SceneRect{x, tilt - 24, x + (140 - tilt) * 4, 80};
}

SceneBoxes SceneBoxesFor(SizeClass size)
{
    const int rail = BySizeClass(size, 245, 265, 285);
    const SceneRect track = BySizeClass(size, SceneRect{16, 16, 624, 282}, SceneRect{20, 20, 782, 353},
                                        SceneRect{26, 26, 998, 451});
    const int farBottom = BySizeClass(size, 88, 110, 141);
    SceneBoxes boxes;
    boxes.track = track;
    boxes.farGrass = {track.left, track.top, track.right, farBottom};
    boxes.dirt = {track.left, farBottom, track.right, rail};
    boxes.nearGrass = {track.left, rail, track.right, track.bottom};
    boxes.rail = rail;
    boxes.overviewMap = BySizeClass(size, SceneRect{380, 295, 588, 425}, SceneRect{475, 369, 735, 531},
                                    SceneRect{608, 472, 941, 680});
    boxes.runningOrder = BySizeClass(size, SceneRect{40, 295, 340, 425}, SceneRect{50, 369, 425, 531},
                                     SceneRect{64, 472, 544, 680});
    return boxes;
}

std::optional<DistancePole> DistancePoleAt(SizeClass size, int pole, int leaderPosition)
{
    if (pole < 0 || pole >= static_cast<int>(kDistancePolePlaces.size()))
        return std::nullopt;
    const int place = kDistancePolePlaces[pole];
    const int shownFor = BySizeClass(size, 780, 780, 1080);
    // The pole comes into view at the right edge when the leader reaches its
    // place and is shown while the leader runs on by shownFor.
    if (leaderPosition < place || leaderPosition >= place + shownFor)
        return std::nullopt;
    static constexpr int kFirstFlags[3] = {3, 1, 0};
    const int flag = pole < 3 ? kFirstFlags[pole] : BySizeClass(size, 7, 9, 11);
    return DistancePole{ScenePlaceX(size, place, leaderPosition), flag};
}

std::optional<int> FinishPostX(SizeClass size, int leaderPosition)
{
    if (leaderPosition >= kCourseFinish)
        return FinishLineX(size);
    if (leaderPosition > kCourseFinish - BySizeClass(size, 50, 63, 80))
        return FinishLineX(size) + (kCourseFinish - leaderPosition);
    return std::nullopt;
}

int GateShownBelow(SizeClass size)
{
    return BySizeClass(size, 740, 925, 1184);
}

std::span<const SceneLayer> SceneLayers(int graphicsQuality)
{
    using L = SceneLayer;
    static constexpr SceneLayer kHigh[] = {L::Grass,           L::Dirt,    L::Lake,        L::FinishPostBack,
                                           L::FarRail,         L::Runners, L::NearRail,    L::DistancePoles,
                                           L::FinishPostFront, L::Frame,   L::OverviewMap, L::RunningOrder};
    static constexpr SceneLayer kMedium[] = {L::Grass,        L::Dirt,     L::FinishPostBack,  L::FarRail,
                                             L::Runners,      L::NearRail, L::FinishPostFront, L::OverviewMap,
                                             L::RunningOrder, L::Frame};
    static constexpr SceneLayer kLow[] = {L::Grass,           L::Dirt,         L::FinishPostBack, L::Runners,
                                          L::FinishPostFront, L::RunningOrder, L::Frame};
    if (graphicsQuality <= 0)
        return kHigh;
    if (graphicsQuality == 1)
        return kMedium;
    return kLow;
}

MapPoint OverviewMarker(SizeClass size, const SceneRect& box, int leaderPosition, bool homeStretch)
{
    const double radius = ((box.bottom - box.top) - 27) / 2.0;
    MapPoint point{box.left + BySizeClass(size, 56.0, 56.0, 75.0) +
                       (homeStretch ? BySizeClass(size, 5.6, 22.0, 24.0) : 0.0),
                   static_cast<double>(box.bottom - BySizeClass(size, 21, 21, 25))};
    const int leader = std::max(0, leaderPosition);

    // Along the bottom, left to right.
    point.x += Into(kFirstStraight, leader) / BySizeClass(size, 17.6, 12.3, 9.8);
    // Up round the right-hand end.
    const MapPoint firstCentre{point.x, point.y - radius};
    if (leader > kFirstTurn.from) {
        const double angle = Into(kFirstTurn, leader) * kTurnPi / kTurnLength;
        point = {firstCentre.x + radius * std::sin(angle), firstCentre.y + radius * std::cos(angle)};
    }
    // Along the top, right to left.
    point.x -= Into(kBackStraight, leader) / BySizeClass(size, 19.0, 15.0, 11.8);
    // Down round the left-hand end, continuing from the top of the circle.
    const MapPoint secondCentre{point.x, point.y + radius};
    if (leader > kSecondTurn.from) {
        const double angle = kTurnPi + Into(kSecondTurn, leader) * kTurnPi / kTurnLength;
        point = {secondCentre.x + radius * std::sin(angle), secondCentre.y + radius * std::cos(angle)};
    }
    // Home, left to right.
    point.x += Into(kHomeStraight, leader) / BySizeClass(size, 16.2, 13.6, 11.6);
    return point;
}

OverviewRing OverviewRingFor(SizeClass size, const SceneRect& box)
{
    OverviewRing ring;
    constexpr int kOuterInset = 8;
    constexpr int kInnerInset = 16;
    ring.outer = {box.left + kOuterInset, box.top + kOuterInset, box.right - kOuterInset,
                  box.bottom - kOuterInset};
    ring.inner = {box.left + kInnerInset, box.top + kInnerInset, box.right - kInnerInset,
                  box.bottom - kInnerInset};
    ring.halfWidth = (kInnerInset - kOuterInset) / 2.0;

    // The bounds of the marker's path, found by walking it.
    const MapPoint start = OverviewMarker(size, box, 0, false);
    ring.pathLeft = ring.pathRight = start.x;
    ring.pathTop = ring.pathBottom = start.y;
    for (int place = 0; place <= kCourseFinish; ++place) {
        const MapPoint p = OverviewMarker(size, box, place, false);
        ring.pathLeft = std::min(ring.pathLeft, p.x);
        ring.pathRight = std::max(ring.pathRight, p.x);
        ring.pathTop = std::min(ring.pathTop, p.y);
        ring.pathBottom = std::max(ring.pathBottom, p.y);
    }

    // The middle line runs halfway between the ring's edges; the path's turns
    // (half circles about the ends of the straights) become its half-ellipses.
    const double left = ring.outer.left + ring.halfWidth;
    const double right = ring.outer.right - ring.halfWidth;
    const double top = ring.outer.top + ring.halfWidth;
    const double bottom = ring.outer.bottom - ring.halfWidth;
    const double scaleX = (right - left) / std::max(1.0, ring.pathRight - ring.pathLeft);
    const double pathRadius = ((box.bottom - box.top) - 27) / 2.0;
    ring.radiusX = std::min(pathRadius * scaleX, (right - left) / 2.0);
    ring.radiusY = (bottom - top) / 2.0;
    ring.centreY = (top + bottom) / 2.0;
    ring.leftEndX = left + ring.radiusX;
    ring.rightEndX = right - ring.radiusX;
    return ring;
}

MapPoint OverviewMarkerOnRing(SizeClass size, const OverviewRing& ring, const SceneRect& box,
                              int leaderPosition, bool homeStretch)
{
    const MapPoint onPath = OverviewMarker(size, box, leaderPosition, false);
    const double left = ring.outer.left + ring.halfWidth;
    const double right = ring.outer.right - ring.halfWidth;
    const double top = ring.outer.top + ring.halfWidth;
    const double bottom = ring.outer.bottom - ring.halfWidth;
    const double width = std::max(1e-9, ring.pathRight - ring.pathLeft);
    const double height = std::max(1e-9, ring.pathBottom - ring.pathTop);
    MapPoint point{left + (onPath.x - ring.pathLeft) * (right - left) / width,
                   top + (onPath.y - ring.pathTop) * (bottom - top) / height};
    if (homeStretch && leaderPosition <= kFirstStraight.to) {
        const double shift = BySizeClass(size, 5.6, 22.0, 24.0) * (right - left) / width;
        point.x = std::min(point.x + shift, ring.rightEndX);
    }
    return point;
}

ClockText RaceClockText(int raceTime)
{
    const int time = std::max(0, raceTime);
    const int minutes = time / 300;
    const int seconds = time / 5 - 60 * minutes;
    char text[32];
    std::snprintf(text, sizeof text, seconds > 9 ? "%d:%d" : "%d:0%d", minutes, seconds);
    ClockText clock{text, {}};
    std::snprintf(text, sizeof text, ".%d", time % 5);
    clock.fifths = text;
    return clock;
}

bool RunningOrderDue(int frameCounter, int leaderPosition)
{
    return frameCounter % 3 == 0 && leaderPosition > 1270 && leaderPosition < 9040;
}

int RunningOrderRows(int layoutWidth)
{
    return layoutWidth <= 720 ? 4 : layoutWidth <= 900 ? 5 : 6;
}

int RunningOrder(const CRaceEngine& engine, int rows, std::span<int> order)
{
    std::array<int, CRaceEngine::kMaxRunners> runners{};
    const int field = std::clamp(engine.fieldSize, 0, CRaceEngine::kMaxRunners);
    std::iota(runners.begin(), runners.begin() + field, 0);
    std::stable_sort(runners.begin(), runners.begin() + field,
                     [&](int a, int b) { return engine.position[a] > engine.position[b]; });
    const int count = std::min({rows, field, static_cast<int>(order.size())});
    std::copy(runners.begin(), runners.begin() + count, order.begin());
    return count;
}

} // namespace galloria
