// The runners' sprite strips: the horse art and its masks agree, and each
// runner's strip carries its coat, cloth, number and silks where they belong.

#include "race/runner_livery.h"
#include "race/runner_sprites.h"

#include "screenshot.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace galloria {
namespace {

constexpr int kStripWidth = kSpriteFrameWidth * kSpriteFrames;
constexpr std::uint32_t kBay = 0x00336699;

QImage Art(const char* name)
{
    return QImage(QStringLiteral(":/race/%1.png").arg(QLatin1String(name)))
        .convertToFormat(QImage::Format_ARGB32);
}

bool In(const QImage& mask, int x, int y)
{
    return qAlpha(mask.pixel(x, y)) >= 128;
}

// A pixel, or a colour written 0xRRGGBB, as an opaque colour.
QRgb Opaque(QRgb pixel)
{
    return pixel | 0xFF000000u;
}

// Calls `visit` for every pixel of the strip, or of frame `frame` alone (x
// counts from the strip's left edge either way), up to the first that fails
// a check, so a fault is reported once, not at every pixel.
void ForEachPixel(const std::function<void(int x, int y)>& visit, int frame = -1)
{
    const int left = frame < 0 ? 0 : kSpriteFrameWidth * frame;
    const int right = frame < 0 ? kStripWidth : left + kSpriteFrameWidth;
    for (int y = 0; y < kSpriteHeight && !::testing::Test::HasFailure(); ++y)
        for (int x = left; x < right && !::testing::Test::HasFailure(); ++x)
            visit(x, y);
}

int CountPixels(const std::function<bool(int x, int y)>& test, int frame = -1)
{
    int count = 0;
    ForEachPixel([&](int x, int y) { count += test(x, y); }, frame);
    return count;
}

// The art every strip is built from.
struct Masks {
    QImage shading = Art("horse_shading");
    QImage body = Art("body_mask");
    QImage cloth = Art("cloth_mask");
    QImage second = Art("second_mask");
    QImage figure = Art("silhouette");
};

// The pixels of a frame that show the number: on the cloth, in the number's
// own colour (the digits are drawn without smoothing).
struct Ink {
    std::vector<QPoint> points; // within the frame
    int top = 1000;
    int left = 1000;
};

Ink NumberInk(const QImage& strip, const Masks& masks, int number, int frame)
{
    const QRgb colour = NumberInWhite(number) ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
    Ink ink;
    ForEachPixel(
        [&](int x, int y) {
            if (!In(masks.cloth, x, y) || Opaque(strip.pixel(x, y)) != colour)
                return;
            ink.points.push_back(QPoint(x - kSpriteFrameWidth * frame, y));
            ink.top = std::min(ink.top, y);
            ink.left = std::min(ink.left, ink.points.back().x());
        },
        frame);
    return ink;
}

bool Contains(const std::vector<QPoint>& points, QPoint p)
{
    return std::find(points.begin(), points.end(), p) != points.end();
}

TEST(RaceSpriteArt, MasksAgreeWithTheFigure)
{
    const Masks masks;
    for (const QImage* image : {&masks.shading, &masks.body, &masks.cloth, &masks.second, &masks.figure})
        ASSERT_EQ(image->size(), QSize(kStripWidth, kSpriteHeight));
    ForEachPixel([&](int x, int y) {
        const bool figure = In(masks.figure, x, y);
        // Only the rows copied onto the course are drawn.
        EXPECT_FALSE(y >= kSpriteDrawnHeight && figure) << x << "," << y;
        EXPECT_EQ(qAlpha(masks.shading.pixel(x, y)) >= 128, figure) << x << "," << y;
        const int areas = In(masks.body, x, y) + In(masks.cloth, x, y) + In(masks.second, x, y);
        EXPECT_LE(areas, figure ? 1 : 0) << "colour areas overlap or leave the figure at " << x << "," << y;
    });
}

TEST(RaceSpriteArt, EveryFrameIsAGallopingHorseFacingRight)
{
    const Masks masks;
    std::array<int, kSpriteFrames> nose{};
    std::array<int, kSpriteFrames> lowest{};
    for (int f = 0; f < kSpriteFrames; ++f) {
        int body = 0, cloth = 0, second = 0;
        nose[f] = lowest[f] = -1;
        ForEachPixel(
            [&](int x, int y) {
                if (!In(masks.figure, x, y))
                    return;
                nose[f] = std::max(nose[f], x - kSpriteFrameWidth * f);
                lowest[f] = std::max(lowest[f], y);
                body += In(masks.body, x, y);
                cloth += In(masks.cloth, x, y);
                second += In(masks.second, x, y);
            },
            f);
        // A horse, a cloth big enough for two digits and a jockey in silks.
        EXPECT_GT(body, 900) << "frame " << f;
        EXPECT_GT(cloth, 250) << "frame " << f;
        EXPECT_GT(second, 40) << "frame " << f;
        // The race scene puts the finish line 100 (large layout 102) pixels
        // right of the sprite's left edge: that is where the nose is.
        EXPECT_GE(nose[f], 97) << "frame " << f;
        EXPECT_LE(nose[f], 104) << "frame " << f;
    }
    // The legs move: no two neighbouring frames are alike, the horse stands
    // on the ground in some frames and is in the air in others.
    const auto frame = [&](int f) {
        return masks.figure.copy(kSpriteFrameWidth * f, 0, kSpriteFrameWidth, kSpriteHeight);
    };
    for (int f = 0; f < kSpriteFrames; ++f)
        EXPECT_NE(frame(f), frame((f + 1) % kSpriteFrames)) << "frames " << f << " and the next";
    EXPECT_EQ(*std::max_element(lowest.begin(), lowest.end()), kSpriteDrawnHeight - 1);
    EXPECT_LT(*std::min_element(lowest.begin(), lowest.end()), kSpriteDrawnHeight - 3);
}

// The strips are checked against the art they are built from.
class RunnerSprite : public ::testing::Test {
protected:
    // How many pixels of the horse's body `test` holds at.
    int BodyPixels(const std::function<bool(int x, int y)>& test) const
    {
        return CountPixels([&](int x, int y) { return In(masks.body, x, y) && test(x, y); });
    }

    const Masks masks;
};

TEST_F(RunnerSprite, IsAStripOfTheFigureAlone)
{
    const QImage strip = BuildRunnerSprite(kBay, 5);
    ASSERT_EQ(strip.size(), QSize(kStripWidth, kSpriteHeight));
    EXPECT_EQ(strip.format(), QImage::Format_ARGB32_Premultiplied);
    ForEachPixel([&](int x, int y) {
        EXPECT_EQ(qAlpha(strip.pixel(x, y)), In(masks.figure, x, y) ? 255 : 0)
            << "opaque on the figure and nothing outside it, at " << x << "," << y;
    });
    EXPECT_GT(CountPixels([&](int x, int y) { return In(masks.figure, x, y); }), 11 * 1000);
}

// Whether a colour's channels fall from `high` through `middle` to `low`.
bool Falls(int high, int middle, int low)
{
    return high >= middle && middle >= low;
}

TEST_F(RunnerSprite, CoatIsReadAsTheStableStoresItAndKeepsItsShading)
{
    // The stable keeps colours as 0x00BBGGRR: 0x00336699 is a reddish bay,
    // 0x00996633 the same channels the other way round, a blue.
    const QImage bay = BuildRunnerSprite(kBay, 3);
    const QImage blue = BuildRunnerSprite(0x00996633, 3);
    const int body = BodyPixels([](int, int) { return true; });
    ASSERT_GT(body, 0);
    ForEachPixel([&](int x, int y) {
        const QRgb a = bay.pixel(x, y);
        const QRgb b = blue.pixel(x, y);
        EXPECT_TRUE(!In(masks.body, x, y) || Falls(qRed(a), qGreen(a), qBlue(a))) << x << "," << y;
        EXPECT_TRUE(!In(masks.body, x, y) || Falls(qBlue(b), qGreen(b), qRed(b))) << x << "," << y;
    });
    EXPECT_GT(BodyPixels([&](int x, int y) { return qRed(bay.pixel(x, y)) > qBlue(bay.pixel(x, y)); }),
              body * 9 / 10);
    EXPECT_GT(BodyPixels([&](int x, int y) { return qBlue(blue.pixel(x, y)) > qRed(blue.pixel(x, y)); }),
              body * 9 / 10);

    const QImage black = BuildRunnerSprite(0x00201E22, 7);
    const QImage white = BuildRunnerSprite(0x00E0E8EC, 7);
    // A black horse still shows the light on its back, a white one its
    // shadows, so neither is a flat blot on the course.
    EXPECT_GT(BodyPixels([&](int x, int y) { return qGray(black.pixel(x, y)) >= 60; }), body / 16);
    EXPECT_GT(BodyPixels([&](int x, int y) { return qGray(white.pixel(x, y)) <= 200; }), body / 4);
}

TEST_F(RunnerSprite, SameCoatDiffersOnlyInClothNumberAndSilks)
{
    const QImage two = BuildRunnerSprite(0x00205080, 2);
    const QImage nine = BuildRunnerSprite(0x00205080, 9);
    const auto differs = [&](int x, int y) { return two.pixel(x, y) != nine.pixel(x, y); };
    ForEachPixel([&](int x, int y) {
        EXPECT_TRUE(In(masks.cloth, x, y) || In(masks.second, x, y) || !differs(x, y)) << x << "," << y;
    });
    EXPECT_GT(CountPixels([&](int x, int y) { return In(masks.cloth, x, y) && differs(x, y); }), 11 * 200);
    EXPECT_GT(CountPixels([&](int x, int y) { return In(masks.second, x, y) && differs(x, y); }), 11 * 40);
}

TEST_F(RunnerSprite, TwoDigitNumbersAreWrittenSixPixelsApart)
{
    const Ink one = NumberInk(BuildRunnerSprite(kBay, 1), masks, 1, 0);
    const Ink eleven = NumberInk(BuildRunnerSprite(kBay, 11), masks, 11, 0);
    const Ink ten = NumberInk(BuildRunnerSprite(kBay, 10), masks, 10, 0);
    ASSERT_FALSE(one.points.empty());
    // "11" is the lone "1" written 3 pixels further left and 3 further right.
    std::vector<QPoint> expected;
    for (const QPoint& p : one.points) {
        for (int dx : {-3, 3}) {
            if (!Contains(expected, p + QPoint(dx, 0)))
                expected.push_back(p + QPoint(dx, 0));
        }
    }
    EXPECT_EQ(eleven.points.size(), expected.size());
    for (const QPoint& p : expected)
        EXPECT_TRUE(Contains(eleven.points, p)) << p.x() << "," << p.y();
    // "10" holds the same "1" at the tens place, and its "0" reaches on to
    // the right of it.
    int tenRight = 0, oneRight = 0;
    for (const QPoint& p : one.points) {
        EXPECT_TRUE(Contains(ten.points, p - QPoint(3, 0))) << p.x() << "," << p.y();
        oneRight = std::max(oneRight, p.x());
    }
    for (const QPoint& p : ten.points)
        tenRight = std::max(tenRight, p.x());
    EXPECT_GE(tenRight, oneRight - 3 + 5);
    EXPECT_EQ(ten.left, one.left - 3);
    EXPECT_GT(ten.points.size(), one.points.size() + 10);
}

// Each number from 1 to 12 on a bay's strip.
class RunnerNumber : public ::testing::TestWithParam<int> {
protected:
    const Masks masks;
    const int number = GetParam();
    const QImage strip = BuildRunnerSprite(kBay, number);
};

INSTANTIATE_TEST_SUITE_P(OneToTwelve, RunnerNumber, ::testing::Range(1, 13),
                         [](const auto& row) { return "Number" + std::to_string(row.param); });

TEST_P(RunnerNumber, ClothAndSilksCarryTheNumbersColours)
{
    const QRgb cloth = Opaque(ClothColour(number));
    double silks[3] = {0, 0, 0};
    int silksArea = 0;
    for (int f = 0; f < kSpriteFrames; ++f) {
        int area = 0, clothColoured = 0;
        ForEachPixel(
            [&](int x, int y) {
                const QRgb p = strip.pixel(x, y);
                if (In(masks.cloth, x, y)) {
                    ++area;
                    clothColoured += Opaque(p) == cloth;
                }
                if (In(masks.second, x, y)) {
                    ++silksArea;
                    silks[0] += qRed(p);
                    silks[1] += qGreen(p);
                    silks[2] += qBlue(p);
                }
            },
            f);
        ASSERT_GT(area, 0);
        // The flat of the cloth shows its colour as it is.
        EXPECT_GT(clothColoured, area / 2) << "frame " << f;
    }
    // The silks are the second colour, shaded: nearer to it than to the
    // cloth's, and never brighter in one channel than in another where
    // the second colour is darker there.
    ASSERT_GT(silksArea, 0);
    const QRgb second = Opaque(SecondColour(number));
    const double mean[3] = {silks[0] / silksArea, silks[1] / silksArea, silks[2] / silksArea};
    const auto distance = [&](QRgb c) {
        return std::pow(mean[0] - qRed(c), 2) + std::pow(mean[1] - qGreen(c), 2) +
               std::pow(mean[2] - qBlue(c), 2);
    };
    EXPECT_LT(distance(second), distance(cloth));
    const int channel[3] = {qRed(second), qGreen(second), qBlue(second)};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (channel[i] > channel[j] + 30) {
                EXPECT_GT(mean[i], mean[j]) << "channels " << i << ">" << j;
            }
        }
    }
}

TEST_P(RunnerNumber, NumberRidesTheSaddleWhole)
{
    std::array<Ink, kSpriteFrames> ink;
    for (int f = 0; f < kSpriteFrames; ++f)
        ink[f] = NumberInk(strip, masks, number, f);
    ASSERT_GT(ink[0].points.size(), 15u);
    for (int f = 0; f < kSpriteFrames; ++f) {
        // The same digits in every frame: nothing cut off by the cloth's
        // edge or hidden behind the rider's boot.
        ASSERT_EQ(ink[f].points.size(), ink[0].points.size()) << "frame " << f;
        // Lowest at frames 0 and 1, never lower.
        EXPECT_LE(ink[f].top, ink[0].top) << "frame " << f;
    }
    EXPECT_EQ(ink[1].top, ink[0].top);
    EXPECT_EQ(ink[5].top, ink[0].top - 4);
    EXPECT_EQ(ink[6].top, ink[0].top - 4);
    EXPECT_EQ(ink[5].left, ink[0].left + 2);
    // The shape only moves.
    const QPoint moved(ink[5].left - ink[0].left, ink[5].top - ink[0].top);
    for (const QPoint& p : ink[0].points)
        ASSERT_TRUE(Contains(ink[5].points, p + moved));
}

TEST(RunnerSprites, AreMadeForTheFieldAndReleased)
{
    // Twelve runners in the coats of a stable: bays, chestnuts, browns,
    // greys, a black, a palomino and a white.
    const std::vector<std::uint32_t> coats = {0x00203E7A, 0x002A54A8, 0x00263A58, 0x00A0A6A8,
                                              0x00201E22, 0x006096D6, 0x00E0E8EC, 0x001E3A76,
                                              0x002C56AC, 0x00223650, 0x00989C9E, 0x00183070};
    RunnerSprites sprites;
    EXPECT_FALSE(sprites.Made());
    EXPECT_TRUE(sprites.Strip(0).isNull());
    sprites.Build(std::span(coats).first(8));
    ASSERT_TRUE(sprites.Made());
    ASSERT_EQ(sprites.Count(), 8);
    EXPECT_TRUE(sprites.Strip(8).isNull());
    EXPECT_TRUE(sprites.Strip(-1).isNull());

    // A new race replaces the old field; never more than twelve runners.
    std::vector<std::uint32_t> crowd = coats;
    crowd.insert(crowd.end(), {kBay, kBay});
    sprites.Build(crowd);
    ASSERT_EQ(sprites.Count(), 12);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(sprites.Strip(k), BuildRunnerSprite(coats[k], k + 1)) << "runner " << k;
    EXPECT_TRUE(sprites.Strip(12).isNull());

    // The field on the course's dirt, for looking at.
    QImage sheet(kStripWidth, kSpriteHeight * 12, QImage::Format_RGB32);
    sheet.fill(QColor(0xAA, 0x5E, 0x00));
    QPainter painter(&sheet);
    for (int k = 0; k < 12; ++k)
        painter.drawImage(0, kSpriteHeight * k, sprites.Strip(k));
    painter.end();
    SaveScreenshot(sheet, QStringLiteral("sprites.png"));

    sprites.Release();
    EXPECT_FALSE(sprites.Made());
    EXPECT_EQ(sprites.Count(), 0);
    EXPECT_TRUE(sprites.Strip(0).isNull());
}

} // namespace
} // namespace galloria
