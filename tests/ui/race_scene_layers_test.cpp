// The race scene drawn from its layers against the same frames drawn whole,
// element by element.
#include "race/race_scene_painter.h"
#include "race/runner_sprites.h"

#include "base/game_random.h"
#include "race/race_engine.h"

#include "screenshot.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace galloria {
namespace {

// How far one frame is from another: the share of pixels whose largest
// channel difference exceeds kNoise, and the mean of that difference over
// all pixels.
constexpr int kNoise = 48;
struct Difference {
    double shareBeyondNoise = 0, mean = 0;
};

Difference Compare(const QImage& a, const QImage& b)
{
    long long beyond = 0, sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::max({std::abs(qRed(rowA[x]) - qRed(rowB[x])),
                                    std::abs(qGreen(rowA[x]) - qGreen(rowB[x])),
                                    std::abs(qBlue(rowA[x]) - qBlue(rowB[x]))});
            beyond += d > kNoise;
            sum += d;
        }
    }
    const double pixels = static_cast<double>(a.width()) * a.height();
    return {beyond / pixels, sum / pixels};
}

// A twelve-runner race in its first tick, with its sprites and the frame
// that shows it.
struct TwelveRunnerRace {
    TwelveRunnerRace()
    {
        std::vector<std::uint32_t> coats;
        for (int k = 0; k < 12; ++k)
            coats.push_back(0x00254A8Bu + 0x00131107u * k);
        sprites.Build(coats);
        engine.fieldSize = 12;
        for (int k = 0; k < 12; ++k) {
            engine.speedRating[k] = 45 + 4 * k;
            engine.sprint[k] = engine.stamina[k] = engine.spontaneity[k] = 50;
            frame.sprites[k] = &sprites.Strip(k);
            frame.gaitPhase[k] = k;
            frame.names[k] = QString("Runner %1").arg(k + 1);
        }
        random.Seed(29);
        engine.StartRace(random);
        frame.engine = &engine;
    }
    RunnerSprites sprites;
    CRaceEngine engine;
    GameRandom random;
    RaceSceneFrame frame;
};

struct Screen {
    SizeClass size;
    QSize buffer; // the back buffer's pixels
};

std::string ScreenName(const ::testing::TestParamInfo<Screen>& info)
{
    return "Layout" + std::to_string(LayoutWidth(info.param.size)) + "Buffer" +
           std::to_string(info.param.buffer.width()) + "x" + std::to_string(info.param.buffer.height());
}

class RaceSceneLayers : public ::testing::TestWithParam<Screen> {};

INSTANTIATE_TEST_SUITE_P(
    EveryLayoutAnd1080, RaceSceneLayers,
    ::testing::Values(Screen{SizeClass::Small, {640, 480}}, Screen{SizeClass::Medium, {800, 600}},
                      Screen{SizeClass::Large, {1024, 768}}, Screen{SizeClass::Small, {1440, 1080}},
                      Screen{SizeClass::Medium, {1440, 1080}}, Screen{SizeClass::Large, {1440, 1080}}),
    ScreenName);

// A whole twelve-runner race at each quality, every ninth tick drawn both
// ways into buffers that started alike. The strip is made again several
// times on the way and the lakes, poles and finish post pass through it.
TEST_P(RaceSceneLayers, FramesFromTheLayersLookLikeFramesDrawnWhole)
{
    const Screen screen = GetParam();
    const QTransform scale =
        QTransform::fromScale(screen.buffer.width() / double(LayoutWidth(screen.size)),
                              screen.buffer.height() / double(LayoutHeight(screen.size)));
    for (int quality : {0, 1, 2}) {
        TwelveRunnerRace race;
        RaceSceneFrame& frame = race.frame;
        frame.graphicsQuality = quality;
        QImage layered(screen.buffer, QImage::Format_RGB32);
        layered.fill(QColor(0x1E, 0x4B, 0x1E));
        QImage whole = layered;
        RaceScenePainter fromLayers(screen.size);
        RaceScenePainter drawnWhole(screen.size);
        const auto draw = [&](QImage& image, RaceScenePainter& painter, bool setUp, bool useLayers) {
            QPainter p(&image);
            p.setTransform(scale);
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            if (setUp)
                painter.SetUpCourse(p, quality);
            useLayers ? painter.DrawFrame(p, frame) : painter.DrawFrameUnlayered(p, frame);
        };
        Difference worst;
        for (bool first = true; !race.engine.raceOver || first; first = false) {
            for (int tick = 0; tick < 9 && !race.engine.raceOver; ++tick)
                race.engine.AdvanceTick(race.random);
            frame.frameCounter = race.engine.tickCount;
            draw(layered, fromLayers, first, true);
            draw(whole, drawnWhole, first, false);
            const Difference d = Compare(layered, whole);
            worst.shareBeyondNoise = std::max(worst.shareBeyondNoise, d.shareBeyondNoise);
            worst.mean = std::max(worst.mean, d.mean);
        }
        if (screen.buffer == QSize(LayoutWidth(screen.size), LayoutHeight(screen.size))) {
            // Pixel for pixel but for a step of rounding on the lakes' soft
            // edges, which the strip draws at another offset.
            EXPECT_EQ(worst.shareBeyondNoise, 0) << "quality " << quality;
            EXPECT_LT(worst.mean, 0.01) << "quality " << quality;
        } else {
            // Scaled, the sprites and the strip land on whole pixels where
            // drawing them would start between two: their edges and the
            // textures' grain may differ a little, never more.
            EXPECT_LT(worst.shareBeyondNoise, 0.003) << "quality " << quality;
            EXPECT_LT(worst.mean, 1.2) << "quality " << quality;
        }
    }
}

// The layers at 3840 x 2160 (a 2880 x 2160 buffer) stay well under 100 MB,
// and a race frame at that size can be looked at.
TEST(RaceSceneLayersMemory, LayersAt3840By2160TakeUnder100MB)
{
    TwelveRunnerRace race;
    while (race.engine.leaderPosition < 4600)
        race.engine.AdvanceTick(race.random);
    QImage image(2880, 2160, QImage::Format_RGB32);
    image.fill(Qt::black);
    RaceScenePainter scene(SizeClass::Large);
    QPainter p(&image);
    p.setTransform(QTransform::fromScale(2880 / 1024.0, 2160 / 768.0));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    scene.SetUpCourse(p, 0);
    // Every stride frame of every runner, so all the scaled sprites are made.
    for (race.frame.frameCounter = 0; race.frame.frameCounter < kSpriteFrames; ++race.frame.frameCounter)
        scene.DrawFrame(p, race.frame);
    p.end();
    EXPECT_LT(scene.LayerBytes(), 100LL * 1024 * 1024);
    SaveScreenshot(image, "race_layers_2880x2160.png");
}

} // namespace
} // namespace galloria
