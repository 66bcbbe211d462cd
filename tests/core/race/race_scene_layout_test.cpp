#include "race/race_scene_layout.h"

#include "race/race_engine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace galloria {
namespace {

constexpr SizeClass kSizes[] = {SizeClass::Small, SizeClass::Medium, SizeClass::Large};

TEST(RaceSceneLayout, TheCameraStandsFollowsAndStopsAtTheFinish)
{
    // Before the leader reaches the middle the field runs in from the left.
    EXPECT_EQ(RunnerSpriteX(SizeClass::Large, 700, 650), 16 + 650);
    // Following: the leader stays at the middle, the others trail it.
    EXPECT_EQ(RunnerSpriteX(SizeClass::Large, 5000, 5000), 768);
    EXPECT_EQ(RunnerSpriteX(SizeClass::Large, 5000, 4700), 468);
    EXPECT_LT(RunnerSpriteX(SizeClass::Large, 5000, 3000), 0) << "far behind: off the left edge";
    // Stopped: runners run on past the line.
    for (SizeClass size : kSizes) {
        const int nose = BySizeClass(size, 100, 100, 102);
        EXPECT_EQ(RunnerSpriteX(size, kCourseFinish, kCourseFinish) + nose, FinishLineX(size));
        EXPECT_EQ(RunnerSpriteX(size, 10100, 10100), RunnerSpriteX(size, kCourseFinish, kCourseFinish) + 108);
    }
    EXPECT_EQ(FinishLineX(SizeClass::Large), 870);
}

TEST(RaceSceneLayout, SceneryScrollsIntoViewAndTheFinishPostStops)
{
    EXPECT_FALSE(FinishPostX(SizeClass::Large, 9000));
    EXPECT_EQ(FinishPostX(SizeClass::Large, 9952), 870 + 40);
    EXPECT_EQ(FinishPostX(SizeClass::Large, 9992), 870);
    EXPECT_EQ(FinishPostX(SizeClass::Large, 10050), 870);

    EXPECT_FALSE(LakeBounds(SizeClass::Medium, 800));
    const auto lake = LakeBounds(SizeClass::Medium, 900);
    ASSERT_TRUE(lake);
    EXPECT_EQ(*lake, (SceneRect{780 + 849 - 900, -24, 780 + 849 - 900 + 560, 80}));
    const auto tilted = LakeBounds(SizeClass::Large, 5000);
    ASSERT_TRUE(tilted);
    EXPECT_EQ(tilted->top, -38 - 24);
    EXPECT_EQ(LakeBounds(SizeClass::Small, 9992)->left, 624 - 843) << "stays once the camera stops";

    const auto pole = DistancePoleAt(SizeClass::Small, 0, 1900);
    ASSERT_TRUE(pole);
    EXPECT_EQ(pole->x, 624);
    EXPECT_EQ(pole->flagColour, 3);
    EXPECT_FALSE(DistancePoleAt(SizeClass::Small, 0, 1900 + 780));
    EXPECT_EQ(DistancePoleAt(SizeClass::Large, 3, 8000)->flagColour, 11);
    EXPECT_FALSE(DistancePoleAt(SizeClass::Large, 4, 8000));

    EXPECT_EQ(RailPostShift(SizeClass::Large, 100, 64), 0) << "still before the camera moves";
    EXPECT_EQ(RailPostShift(SizeClass::Large, 1000, 64), 1000 % 64);
    EXPECT_EQ(RailPostShift(SizeClass::Large, 10500, 64), kCourseFinish % 64) << "keeps its last shift";
}

TEST(RaceSceneLayout, LowerQualitiesDrawFewerLayers)
{
    const auto has = [](int quality, SceneLayer layer) {
        for (SceneLayer drawn : SceneLayers(quality))
            if (drawn == layer)
                return true;
        return false;
    };
    EXPECT_TRUE(has(0, SceneLayer::Lake));
    EXPECT_TRUE(has(0, SceneLayer::DistancePoles));
    EXPECT_FALSE(has(1, SceneLayer::Lake));
    EXPECT_TRUE(has(1, SceneLayer::OverviewMap));
    EXPECT_FALSE(has(2, SceneLayer::OverviewMap)) << "Low shows no map and no clock";
    EXPECT_EQ(SceneLayers(0).back(), SceneLayer::RunningOrder);
    EXPECT_EQ(SceneLayers(2).back(), SceneLayer::Frame);
    EXPECT_TRUE(GateDrawn(0));
    EXPECT_FALSE(GateDrawn(1));
}

TEST(RaceSceneLayout, TheMapMarkerGoesRoundTheOvalAndEndsOnTheHomeStraight)
{
    const SceneRect box{608, 472, 941, 680};
    const MapPoint start = OverviewMarker(SizeClass::Large, box, 0, false);
    EXPECT_DOUBLE_EQ(start.x, 608 + 75);
    EXPECT_DOUBLE_EQ(start.y, 680 - 25);
    EXPECT_DOUBLE_EQ(OverviewMarker(SizeClass::Large, box, 0, true).x, 608 + 75 + 24);

    const MapPoint endOfStraight = OverviewMarker(SizeClass::Large, box, 1470, false);
    EXPECT_NEAR(endOfStraight.x - start.x, 1470 / 9.8, 1e-9);
    const MapPoint top = OverviewMarker(SizeClass::Large, box, 4270, false);
    const double radius = (208 - 27) / 2.0;
    EXPECT_NEAR(top.y, start.y - 2 * radius, 0.05) << "half a circle up";
    const MapPoint backHome = OverviewMarker(SizeClass::Large, box, 8540, false);
    EXPECT_NEAR(backHome.y, start.y, 0.1) << "down again at the home straight";
    EXPECT_LT(backHome.x, top.x);
    const MapPoint finish = OverviewMarker(SizeClass::Large, box, kCourseFinish, false);
    EXPECT_GT(finish.x, backHome.x);
    EXPECT_DOUBLE_EQ(finish.x, OverviewMarker(SizeClass::Large, box, 12000, false).x);
    for (int leader = 0; leader <= kCourseFinish; leader += 97) {
        const MapPoint p = OverviewMarker(SizeClass::Large, box, leader, false);
        EXPECT_GE(p.x, box.left);
        EXPECT_LE(p.x, box.right);
        EXPECT_GE(p.y, box.top);
        EXPECT_LE(p.y, box.bottom);
    }
}

// Whether a point lies on the ring's band: inside its outer edge and
// outside its inner edge, ends and straights alike.
bool OnRingBand(const OverviewRing& ring, MapPoint p)
{
    const auto inside = [&](double grow) {
        const double rx = ring.radiusX + grow;
        const double ry = ring.radiusY + grow;
        if (p.x >= ring.leftEndX && p.x <= ring.rightEndX)
            return std::abs(p.y - ring.centreY) <= ry;
        const double centre = p.x < ring.leftEndX ? ring.leftEndX : ring.rightEndX;
        const double dx = (p.x - centre) / rx;
        const double dy = (p.y - ring.centreY) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    return inside(ring.halfWidth + 0.01) && !inside(-ring.halfWidth - 0.01);
}

TEST(RaceSceneLayout, TheMapRingSitsInsideItsBoxAndTheMarkerStaysOnItAllTheWayRound)
{
    for (const SizeClass size : {SizeClass::Small, SizeClass::Medium, SizeClass::Large}) {
        const SceneRect box = SceneBoxesFor(size).overviewMap;
        const OverviewRing ring = OverviewRingFor(size, box);
        EXPECT_EQ(ring.outer, (SceneRect{box.left + 8, box.top + 8, box.right - 8, box.bottom - 8}));
        EXPECT_EQ(ring.inner, (SceneRect{box.left + 16, box.top + 16, box.right - 16, box.bottom - 16}));
        // The middle line's extremes meet the ring's edges.
        EXPECT_NEAR(ring.leftEndX - ring.radiusX - ring.halfWidth, ring.outer.left, 1e-9);
        EXPECT_NEAR(ring.rightEndX + ring.radiusX + ring.halfWidth, ring.outer.right, 1e-9);
        EXPECT_NEAR(ring.centreY - ring.radiusY - ring.halfWidth, ring.outer.top, 1e-9);
        EXPECT_NEAR(ring.centreY + ring.radiusY + ring.halfWidth, ring.outer.bottom, 1e-9);
        EXPECT_LT(ring.leftEndX, ring.rightEndX) << "the straights have length";

        for (const bool homeStretch : {false, true}) {
            double lowest = -1e9;
            double highest = 1e9;
            for (int leader = -50; leader <= kCourseFinish + 400; leader += 7) {
                const MapPoint p = OverviewMarkerOnRing(size, ring, box, leader, homeStretch);
                EXPECT_TRUE(OnRingBand(ring, p)) << "size " << static_cast<int>(size) << " leader " << leader
                                                 << " at " << p.x << ", " << p.y;
                lowest = std::max(lowest, p.y);
                highest = std::min(highest, p.y);
            }
            // All the way round: down to the bottom straight and up to the top one.
            EXPECT_NEAR(lowest, ring.centreY + ring.radiusY, 0.5);
            EXPECT_NEAR(highest, ring.centreY - ring.radiusY, 0.5);
        }
        // Home Stretch starts a little further along the first straight.
        EXPECT_GT(OverviewMarkerOnRing(size, ring, box, 0, true).x,
                  OverviewMarkerOnRing(size, ring, box, 0, false).x);
    }
}

TEST(RaceSceneLayout, ClockTextsAndFramePeriods)
{
    EXPECT_EQ(RaceClockText(348).minutesSeconds, "1:09");
    EXPECT_EQ(RaceClockText(348).fifths, ".3");
    EXPECT_EQ(RaceClockText(292).minutesSeconds, "0:58");
    EXPECT_EQ(RaceClockText(360).minutesSeconds, "1:12");
    EXPECT_EQ(RaceClockText(0).minutesSeconds, "0:00");
    EXPECT_DOUBLE_EQ(FramePeriodSeconds(1), 0.1);
    EXPECT_DOUBLE_EQ(FramePeriodSeconds(5), 0.03);
    EXPECT_DOUBLE_EQ(FramePeriodSeconds(10), 0.0001);
    EXPECT_DOUBLE_EQ(FramePeriodSeconds(42), 0.0001);
    EXPECT_EQ(SpriteFrame(7, 15), 0);
}

TEST(RaceSceneLayout, TheRunningOrderListsTheLeadersFirst)
{
    CRaceEngine engine;
    engine.fieldSize = 7;
    const int positions[] = {5000, 5200, 4800, 5200, 5100, 3000, 5300};
    std::copy(std::begin(positions), std::end(positions), engine.position);
    int order[6];
    ASSERT_EQ(RunningOrder(engine, RunningOrderRows(1024), order), 6);
    EXPECT_EQ(order[0], 6);
    EXPECT_EQ(order[1], 1) << "a tie keeps runner order";
    EXPECT_EQ(order[2], 3);
    EXPECT_EQ(order[3], 4);
    EXPECT_EQ(RunningOrderRows(640), 4);
    EXPECT_EQ(RunningOrderRows(800), 5);
    EXPECT_TRUE(RunningOrderDue(3, 2000));
    EXPECT_FALSE(RunningOrderDue(4, 2000));
    EXPECT_FALSE(RunningOrderDue(3, 9100));
}

} // namespace
} // namespace galloria
