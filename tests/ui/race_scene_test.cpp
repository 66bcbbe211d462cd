#include "race/race_scene_painter.h"
#include "race/runner_sprites.h"

#include "app/back_buffer.h"
#include "betting/payout_board_view.h"
#include "betting/payouts.h"
#include "betting/race_money_board.h"
#include "race/finish_margins_painter.h"
#include "race/finish_photo_album.h"
#include "race/payout_board_painter.h"
#include "race/race_call.h"
#include "race/race_call_painter.h"

#include "base/game_random.h"
#include "race/race_engine.h"
#include "race/race_scene_layout.h"

#include "pixel_count.h"
#include "screenshot.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace galloria {
namespace {

// A race of six runners stepped until the leader is past `leader`.
CRaceEngine RaceUntil(int leader)
{
    CRaceEngine engine;
    engine.fieldSize = 6;
    for (int k = 0; k < 6; ++k) {
        engine.speedRating[k] = 40 + 10 * k;
        engine.sprint[k] = engine.stamina[k] = engine.spontaneity[k] = 50;
    }
    GameRandom random;
    random.Seed(11);
    engine.StartRace(random);
    while (!engine.raceOver && engine.leaderPosition <= leader)
        engine.AdvanceTick(random);
    return engine;
}

// One solid 11-frame strip, so a runner's pixels are easy to find.
QImage SolidStrip(QColor colour)
{
    QImage strip(116 * 11, 57, QImage::Format_ARGB32_Premultiplied);
    strip.fill(colour);
    return strip;
}

struct Scene {
    explicit Scene(SizeClass size, QColor background = Qt::black)
        : image(LayoutWidth(size), LayoutHeight(size), QImage::Format_RGB32), painter(size)
    {
        image.fill(background);
    }
    // Draws one frame; every runner wears `sprite`, or its own strip of
    // `sprites` in its own step of the gait where those are given.
    void Draw(const CRaceEngine& engine, int quality, const QImage* sprite = nullptr,
              const RunnerSprites* sprites = nullptr)
    {
        RaceSceneFrame frame;
        frame.engine = &engine;
        frame.graphicsQuality = quality;
        frame.frameCounter = engine.tickCount;
        for (int k = 0; k < 12; ++k) {
            frame.sprites[k] = sprites != nullptr && k < engine.fieldSize ? &sprites->Strip(k) : sprite;
            frame.gaitPhase[k] = sprites != nullptr && k < engine.fieldSize ? k : 0;
            frame.names[k] = QString("Runner %1").arg(k + 1);
        }
        QPainter p(&image);
        painter.SetUpCourse(p, quality);
        painter.DrawFrame(p, frame);
    }
    QImage image;
    RaceScenePainter painter;
};

// One frame of `engine`'s race in the large layout.
QImage LargeFrame(const CRaceEngine& engine, int quality, const QImage* sprite = nullptr)
{
    Scene scene(SizeClass::Large);
    scene.Draw(engine, quality, sprite);
    return scene.image;
}

const QRgb kGrass = qRgb(0x28, 0x82, 0x1E);

bool IsRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

TEST(RaceScene, TheFinishLineStandsAt870AndTheNearRailJustAbove285)
{
    // The finish line once the leader is past it.
    const QImage finish = LargeFrame(RaceUntil(kCourseFinish + 40), 0);
    int redColumn = -1;
    for (int x = 860; x < 890 && redColumn < 0; ++x)
        if (IsRed(finish.pixel(x, 150)))
            redColumn = x;
    ASSERT_GE(redColumn, 0);
    EXPECT_NEAR(redColumn, 870 + 4, 1);

    const QImage image = LargeFrame(RaceUntil(3000), 0);
    const QRgb rail = image.pixel(500, 285 - 12);
    EXPECT_EQ(qRed(rail), qGreen(rail)) << "a grey rail line";
    EXPECT_GT(qRed(rail), 150);
    EXPECT_EQ(image.pixel(3, 285), QColor(Qt::black).rgb()) << "outside the track nothing is drawn";
}

TEST(RaceScene, RunnersStandWhereTheCameraPutsThem)
{
    const CRaceEngine engine = RaceUntil(5000);
    const QImage sprite = SolidStrip(QColor(0x10, 0x20, 0xF0));
    const QImage image = LargeFrame(engine, 2, &sprite);
    for (int k = 0; k < engine.fieldSize; ++k) {
        const int x = 768 - std::abs(engine.leaderPosition - engine.position[k]);
        const int y = 100 + engine.drawnLane[k] + 20;
        if (x < 30 || x + 10 > 990)
            continue;
        EXPECT_EQ(image.pixel(x + 5, y), sprite.pixel(0, 0)) << "runner " << k;
    }
}

TEST(RaceScene, LowQualityHasNoMapAndHighHasItWithTheClock)
{
    const CRaceEngine engine = RaceUntil(4000);
    const QRect map(608, 472, 333, 208);
    const QImage high = LargeFrame(engine, 0);
    const QImage low = LargeFrame(engine, 2);
    const auto grassInMap = [&](const QImage& image) {
        int grass = 0;
        for (int x = map.left(); x < map.right(); x += 7)
            grass += image.pixel(x, map.top() + 4) == kGrass;
        return grass;
    };
    EXPECT_EQ(grassInMap(low), 0);
    EXPECT_GT(grassInMap(high), 10);
    // The clock's pale yellow figures stand in the middle of the map.
    const QRect clock(map.center() - QPoint(80, 25), QSize(160, 50));
    const auto paleYellow = [](QRgb c) {
        return qRed(c) > 220 && qGreen(c) > 220 && qBlue(c) > 100 && qBlue(c) < 190;
    };
    EXPECT_EQ(CountPixels(low, clock, paleYellow), 0);
    EXPECT_GT(CountPixels(high, clock, paleYellow), 30);
}

TEST(RaceScene, HighTexturesTheCourseInItsColoursWhileMediumStaysPlain)
{
    const CRaceEngine engine = RaceUntil(3000);
    const SceneBoxes boxes = SceneBoxesFor(SizeClass::Large);
    const QImage high = LargeFrame(engine, 0);
    const QImage medium = LargeFrame(engine, 1);
    // A patch of far grass and one of dirt, away from rails and runners.
    for (const auto& [patch, base] :
         {std::pair{QRect(300, boxes.farGrass.top + 4, 200, 10), QColor(kGrass)},
          std::pair{QRect(300, boxes.dirt.top + 2, 200, 8), QColor(0xAA, 0x5E, 0x00)}}) {
        std::set<QRgb> textured, plain;
        long drift[3] = {0, 0, 0}; // from the course's colour, summed per channel
        for (int y = patch.top(); y <= patch.bottom(); ++y)
            for (int x = patch.left(); x <= patch.right(); ++x) {
                const QColor pixel = high.pixelColor(x, y);
                textured.insert(pixel.rgb());
                plain.insert(medium.pixel(x, y));
                drift[0] += pixel.red() - base.red();
                drift[1] += pixel.green() - base.green();
                drift[2] += pixel.blue() - base.blue();
            }
        const long n = static_cast<long>(patch.width()) * patch.height();
        EXPECT_GT(textured.size(), 8u) << "grain and stripes at High";
        EXPECT_LE(std::abs(drift[0] / n) + std::abs(drift[1] / n) + std::abs(drift[2] / n), 24)
            << "still the course's colour on average";
        EXPECT_EQ(plain.size(), 1u) << "Medium stays flat";
    }
}

// The same at each size of the layout.
class RaceSceneAtSize : public ::testing::TestWithParam<SizeClass> {
protected:
    const SizeClass size = GetParam();
};

INSTANTIATE_TEST_SUITE_P(EverySize, RaceSceneAtSize,
                         ::testing::Values(SizeClass::Small, SizeClass::Medium, SizeClass::Large),
                         [](const auto& row) { return "Width" + std::to_string(LayoutWidth(row.param)); });

TEST_P(RaceSceneAtSize, TheMapRingKeepsItsMarginsInsideTheBox)
{
    Scene scene(size);
    scene.Draw(RaceUntil(4000), 0);
    const SceneRect box = SceneBoxesFor(size).overviewMap;
    const int middle = (box.left + box.right) / 2;
    // Grass in the top and bottom 7 rows; the ring's band from 8 to 16 in.
    for (int y = 0; y < 7; ++y) {
        EXPECT_EQ(scene.image.pixel(middle, box.top + y), kGrass) << "top, row " << y;
        EXPECT_EQ(scene.image.pixel(middle, box.bottom - 1 - y), kGrass) << "bottom, row " << y;
    }
    EXPECT_GT(scene.image.pixelColor(middle, box.top + 12).red(), 150) << "the ring's dirt at the top";
    EXPECT_GT(scene.image.pixelColor(middle - 30, box.bottom - 13).red(), 150)
        << "the ring's dirt at the bottom";
    EXPECT_EQ(scene.image.pixel(box.left + 4, (box.top + box.bottom) / 2), kGrass) << "left margin";
    EXPECT_EQ(scene.image.pixel(box.right - 5, (box.top + box.bottom) / 2), kGrass) << "right margin";
}

// The strip of pictures of a race for looking at: the start, the middle at
// each quality, the finish, at the smallest and the largest size.
TEST(RaceScene, ScreenshotsOfARace)
{
    if (!ScreenshotsWanted())
        GTEST_SKIP() << "GALLORIA_SCREENSHOT_DIR names no folder";
    RunnerSprites sprites;
    const std::uint32_t coats[] = {0x00254A8B, 0x00112233, 0x00D0D0D0, 0x001E3C64, 0x00335577, 0x00101010};
    sprites.Build(coats);
    const struct {
        int leader;
        int quality;
        const char* name;
    } moments[] = {{0, 0, "start"},
                   {5000, 0, "mid_high"},
                   {5000, 1, "mid_medium"},
                   {5000, 2, "mid_low"},
                   {kCourseFinish + 60, 0, "finish"}};
    for (const auto& moment : moments) {
        const CRaceEngine engine = RaceUntil(moment.leader);
        for (SizeClass size : {SizeClass::Small, SizeClass::Large}) {
            Scene scene(size, QColor(0x1E, 0x4B, 0x1E));
            scene.Draw(engine, moment.quality, nullptr, &sprites);
            SaveScreenshot(scene.image, QString("race_%1_%2.png").arg(moment.name).arg(LayoutWidth(size)));
        }
    }
}

// The call's strip lies under the two boxes and inside the layout, and a
// long call still shows in it.
TEST_P(RaceSceneAtSize, TheCallLineFitsUnderTheBoxes)
{
    const QRect strip = RaceCallPainter::StripRect(size);
    const SceneBoxes boxes = SceneBoxesFor(size);
    EXPECT_GT(strip.top(), std::max(boxes.runningOrder.bottom, boxes.overviewMap.bottom));
    EXPECT_LT(strip.bottom(), LayoutHeight(size));
    Scene scene(size, QColor(0x1E, 0x4B, 0x1E));
    scene.Draw(RaceUntil(8600), 0);
    RaceCallPainter call(size);
    {
        QPainter painter(&scene.image);
        call.Draw(painter, "Into the home turn: Kingfisher Thunder leads by three-quarters of a length from "
                           "Marble Rhapsody, Nell's Wanderer a length and a half further back.");
    }
    EXPECT_GT(CountPixels(scene.image, strip, [](QRgb c) { return qBlue(c) < 200 && qRed(c) > 200; }), 200)
        << "the call's letters";
    SaveScreenshot(scene.image, QString("race_call_%1.png").arg(LayoutWidth(size)));
}

TEST(RaceScene, PhotosAreCutFromTheBackBufferAndLabelledInFinishingOrder)
{
    FinishPhotoAlbum album(SizeClass::Large);
    album.Create();
    QImage backBuffer(1024, 768, QImage::Format_RGB32);
    backBuffer.fill(kGrass);
    backBuffer.setPixel(496 + 200, 64 + 100, qRgb(1, 2, 3));
    album.Capture(backBuffer, 348);
    album.Capture(backBuffer, 349);
    const QImage& win = album.Photo(0);
    ASSERT_EQ(win.size(), QSize(480, 294));
    EXPECT_EQ(win.pixel(200, 100), qRgb(1, 2, 3)) << "cut at the source corner";
    const auto whiteIn = [](const QImage& photo, QRect area) {
        return CountPixels(photo, area, [](QRgb c) { return c == qRgb(255, 255, 255); });
    };
    EXPECT_GT(whiteIn(win, QRect(4, 4, 40, 20)), 10) << "the WIN label";
    EXPECT_GT(whiteIn(album.Photo(1), QRect(4, 4, 60, 20)), whiteIn(win, QRect(4, 4, 60, 20)))
        << "PLACE is a longer word than WIN";
    EXPECT_EQ(album.Photo(2).pixel(200, 100), qRgb(20, 20, 20)) << "an unfilled slot stays dark";
    album.ShowWinner();
    album.ShowNext();
    EXPECT_EQ(&album.Shown(), &album.Photo(1));
    album.Release();
    EXPECT_FALSE(album.Made());
}

// With the longest names one can give: a horse of 29 letters with an owner, four players of ten.
TEST_P(RaceSceneAtSize, ThePayoutBoardFits)
{
    RegisterFontSubstitutes(); // the boards' face, as the view registers it
    const std::vector<int> order = {4, 0, 2, 1, 3, 5, 6, 7, 8, 9, 10, 11};
    std::vector<std::string> names;
    for (int k = 0; k < 12; ++k)
        names.push_back(k == 4 ? "Wwwwwwwwwwwwwwwwwwwwwwwwwwwww" : "Runner " + std::to_string(k + 1));
    const std::vector<std::string> owners = {"", "", "", "", "Marguerite Whitfield", "", "", "",
                                             "", "", "", ""};
    PayoutBoard pay{12.4, 5.8, 3.7, 13.7, 6.1, 3.4, 172.7, 461.7};
    const PayoutBoardView board = BuildPayoutBoardView(order, names, owners, 2, pay);
    const std::vector<RaceMoneyRow> money(
        4, {"WWWWWWWWWW", 12500, 125000, 112500, 1234500, "$12,500", "$125,000", "+$112,500", "$1,234,500"});
    const RaceMoneyBoardLayout layout = LayOutRaceMoneyBoard(size, money);
    EXPECT_LE(QFontMetrics(layout.font).horizontalAdvance("WWWWWWWWWW"), layout.nameRoom);
    EXPECT_LE(layout.nameLeft + layout.nameRoom,
              layout.rights[0] - QFontMetrics(layout.font).horizontalAdvance("$12,500"));
    QImage photo(480, 294, QImage::Format_RGB32);
    photo.fill(QColor(0xAA, 0x5E, 0x00));
    QImage image(LayoutWidth(size), LayoutHeight(size), QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        PaintPayoutBoard(painter, size, board,
                         photo.copy(QRect(QPoint(0, 0), BySizeClass(size, QSize(300, 184), QSize(370, 230),
                                                                    QSize(480, 294)))));
        PaintRaceMoneyBoard(painter, size, money);
        PaintFinishMargins(painter, size, FinishMargins{{40, 230}});
    }
    // The owner's cream box beside the long name is wide enough to read.
    int ownerBox = 0;
    for (int y = 0; y < image.height() / 3; ++y) {
        for (int x = 0, first = -1; x < image.width() / 2; ++x) {
            if (image.pixel(x, y) == qRgb(0xE8, 0xE0, 0xC8))
                ownerBox = std::max(ownerBox, x - (first = first < 0 ? x : first) + 1);
        }
    }
    EXPECT_GE(ownerBox, BySizeClass(size, 44, 56, 72));
    // The margins sit under the list of twelve with a gap between them.
    const QRect photo0(
        BySizeClass(size, QRect(300, 172, 300, 184), QRect(372, 212, 370, 230), QRect(475, 270, 480, 294)));
    int boardRows = 0;
    for (int y = 0; y < photo0.bottom(); ++y)
        boardRows += image.pixel(40, y) != qRgb(0, 0, 0);
    EXPECT_LT(boardRows, photo0.bottom() - 8) << "a black gap between the list and the margins";
    EXPECT_NE(image.pixel(40, photo0.bottom() - 4), qRgb(0, 0, 0)) << "the margins' panel";
    // Nothing is drawn in the last rows of the layout: the board fits.
    for (int x = 0; x < image.width(); x += 3)
        ASSERT_EQ(image.pixel(x, image.height() - 2), qRgb(0, 0, 0)) << "column " << x;
    SaveScreenshot(image, QString("payout_board_%1.png").arg(LayoutWidth(size)));
}

} // namespace
} // namespace galloria
