#pragma once

#include "base/screen_text.h"
#include "base/size_class.h"

#include <array>
#include <optional>
#include <span>
#include <string>

namespace galloria {

class CRaceEngine;

// Where the race scene puts things: the camera, the scenery that scrolls with
// it, the overview map's marker, the clock, the running-order board and the
// pace of the frames. The window only draws what these say, in the layout's
// coordinates (640 x 480, 800 x 600 or 1024 x 768).

// The line runners finish on, in course units.
inline constexpr int kCourseFinish = 9992;

// Seconds per engine tick for the animation speed 1..10 (held to that range).
double FramePeriodSeconds(int animationSpeed);

// The x of a runner's sprite at position p with the leader at L: the camera
// stands still until the leader reaches the middle, follows the leader, and
// stops with the finish line in view. May be negative for a runner far behind.
int RunnerSpriteX(SizeClass size, int leaderPosition, int position);
// The finish line's x once the camera has stopped.
int FinishLineX(SizeClass size);
// The y of a runner's sprite drawn in lane pixel row drawnLane.
int RunnerSpriteY(SizeClass size, int drawnLane);
// The stride frame 0..10 of a runner's sprite.
int SpriteFrame(int gaitPhase, int frameCounter);

// The x at which a place of the course is drawn while the camera follows.
int ScenePlaceX(SizeClass size, int place, int leaderPosition);

// How far the camera has moved along the course: 0 until the leader reaches
// the middle of the view, then with the leader, standing at the finish once
// the leader is past it. What scrolls with the course (textures, rails,
// lakes) stands at its own x less this.
int CameraTravel(SizeClass size, int leaderPosition);

// The shift of a rail's post pattern: it follows the leader while the camera
// does, stands still before and keeps its last shift after.
int RailPostShift(SizeClass size, int leaderPosition, int spacing);
int FarRailPostSpacing(SizeClass size);
int NearRailPostSpacing(SizeClass size);

// The lake's bounding box (left, top, right, bottom), while one is in view.
struct SceneRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const SceneRect&) const = default;
};
std::optional<SceneRect> LakeBounds(SizeClass size, int leaderPosition);

// The track box with its far grass, dirt and near grass bands, the y of the
// near rail, and the overview map and running-order boxes below the track.
struct SceneBoxes {
    SceneRect track;
    SceneRect farGrass;
    SceneRect dirt;
    SceneRect nearGrass;
    int rail = 0;
    SceneRect overviewMap;
    SceneRect runningOrder;
};

SceneBoxes SceneBoxesFor(SizeClass size);

// The x of a distance pole at course place 1900, 3950, 6000 or 8000 while it
// is shown, and its flag colour index.
struct DistancePole {
    int x = 0;
    int flagColour = 0;
};
std::optional<DistancePole> DistancePoleAt(SizeClass size, int pole, int leaderPosition);
inline constexpr std::array<int, 4> kDistancePolePlaces = {1900, 3950, 6000, 8000};

// The finish post's x while it is in view.
std::optional<int> FinishPostX(SizeClass size, int leaderPosition);
// The starting gate is drawn until the leader passes this.
int GateShownBelow(SizeClass size);

// The layers of the scene, back to front, for a graphics quality (0 High,
// 1 Medium, 2 Low).
enum class SceneLayer {
    Grass,
    Dirt,
    Lake,
    FinishPostBack,
    FarRail,
    Runners,
    NearRail,
    DistancePoles,
    FinishPostFront,
    Frame,
    OverviewMap,
    RunningOrder,
};
std::span<const SceneLayer> SceneLayers(int graphicsQuality);
// Only High draws the starting gate with the runners.
constexpr bool GateDrawn(int graphicsQuality)
{
    return graphicsQuality == 0;
}

// The yellow star of the overview map, from the box it is drawn in and the
// leader's position along the course. Home Stretch starts it a little on.
struct MapPoint {
    double x = 0;
    double y = 0;
};
MapPoint OverviewMarker(SizeClass size, const SceneRect& box, int leaderPosition, bool homeStretch);

// The overview map's oval: a ring whose outer edge lies 8 pixels and inner
// edge 16 pixels inside the map box, with half-ellipse ends and straight
// sides. The marker's path above is laid onto the ring's middle line, so
// the star stays on the ring all the way round at every size.
struct OverviewRing {
    SceneRect outer; // the ring's bounding box: the map box less 8 on each side
    SceneRect inner; // the hole's bounding box: the map box less 16
    // The middle line: centres of the two end half-ellipses, their common
    // centre line and semi-axes.
    double leftEndX = 0;
    double rightEndX = 0;
    double centreY = 0;
    double radiusX = 0;
    double radiusY = 0;
    double halfWidth = 4; // from the middle line to either edge
    // The marker path's bounding box, which the ring's middle line maps onto.
    double pathLeft = 0;
    double pathTop = 0;
    double pathRight = 0;
    double pathBottom = 0;
};
OverviewRing OverviewRingFor(SizeClass size, const SceneRect& box);
// The star on the ring for the leader's position. Home Stretch starts it a
// little on along the first straight, never past the straight's end.
MapPoint OverviewMarkerOnRing(SizeClass size, const OverviewRing& ring, const SceneRect& box,
                              int leaderPosition, bool homeStretch);

// The race clock of the map and the photos from the race time in fifths:
// minutes and seconds ("1:09", "0:58") and the fifths (".3") written from
// the same point, the first ending there and the second starting there.
struct ClockText {
    std::string minutesSeconds;
    std::string fifths;
};
ClockText RaceClockText(int raceTime);

// The running-order board: redrawn every third frame while the leader is
// between 1270 and 9040, listing the first runners by position.
bool RunningOrderDue(int frameCounter, int leaderPosition);
int RunningOrderRows(int layoutWidth);
// The runners by position, leader first (ties in runner order), as many as
// the board shows; `order` receives them and the count is returned.
int RunningOrder(const CRaceEngine& engine, int rows, std::span<int> order);

// Finish photos: their labels by slot.
inline constexpr std::array<ScreenText, 3> kPhotoLabels = {SCREEN_TEXT("FinishPhoto", "WIN"),
                                                           SCREEN_TEXT("FinishPhoto", "PLACE"),
                                                           SCREEN_TEXT("FinishPhoto", "SHOW")};

} // namespace galloria
