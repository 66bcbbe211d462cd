// The runners' sprite strips: the horse art and its masks agree, and each
// runner's strip carries its coat, cloth, number and silks where they belong.

#include "race/runner_livery.h"
#include "race/runner_sprites.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <vector>

namespace galloria {
namespace {

constexpr int kStripWidth = kSpriteFrameWidth * kSpriteFrames;

QImage Art(const char* name)
{
    return QImage(QStringLiteral(":/race/%1.png").arg(QLatin1String(name)))
        .convertToFormat(QImage::Format_ARGB32);
}

bool In(const QImage& mask, int x, int y)
{
    return qAlpha(mask.pixel(x, y)) >= 128;
}

QRgb Rgb(std::uint32_t rrggbb)
{
    return qRgb((rrggbb >> 16) & 0xFF, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF);
}

QRgb Opaque(QRgb pixel)
{
    return pixel | 0xFF000000u;
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
    const int frameLeft = kSpriteFrameWidth * frame;
    for (int y = 0; y < kSpriteHeight; ++y) {
        for (int x = 0; x < kSpriteFrameWidth; ++x) {
            if (!In(masks.cloth, frameLeft + x, y) || Opaque(strip.pixel(frameLeft + x, y)) != colour)
                continue;
            ink.points.push_back(QPoint(x, y));
            ink.top = std::min(ink.top, y);
            ink.left = std::min(ink.left, x);
        }
    }
    return ink;
}

bool Contains(const std::vector<QPoint>& points, QPoint p)
{
    return std::find(points.begin(), points.end(), p) != points.end();
}

TEST(RaceSpriteArt, MasksAgreeWithTheFigure)
{
    const Masks masks;
    for (const QImage* image : {&masks.shading, &masks.body, &masks.cloth, &masks.second, &masks.figure}) {
        ASSERT_EQ(image->width(), kStripWidth);
        ASSERT_EQ(image->height(), kSpriteHeight);
    }
    for (int y = 0; y < kSpriteHeight; ++y) {
        for (int x = 0; x < kStripWidth; ++x) {
            const bool figure = In(masks.figure, x, y);
            // Only the rows copied onto the course are drawn.
            if (y >= kSpriteDrawnHeight) {
                ASSERT_FALSE(figure) << x << "," << y;
            }
            ASSERT_EQ(qAlpha(masks.shading.pixel(x, y)) >= 128, figure) << x << "," << y;
            const int areas = In(masks.body, x, y) + In(masks.cloth, x, y) + In(masks.second, x, y);
            ASSERT_LE(areas, figure ? 1 : 0)
                << "colour areas overlap or leave the figure at " << x << "," << y;
        }
    }
}

TEST(RaceSpriteArt, EveryFrameIsAGallopingHorseFacingRight)
{
    const Masks masks;
    std::array<int, kSpriteFrames> nose{};
    std::array<int, kSpriteFrames> lowest{};
    for (int f = 0; f < kSpriteFrames; ++f) {
        int body = 0, cloth = 0, second = 0;
        nose[f] = -1;
        lowest[f] = -1;
        for (int y = 0; y < kSpriteHeight; ++y) {
            for (int x = 0; x < kSpriteFrameWidth; ++x) {
                const int sx = kSpriteFrameWidth * f + x;
                if (!In(masks.figure, sx, y))
                    continue;
                nose[f] = std::max(nose[f], x);
                lowest[f] = std::max(lowest[f], y);
                body += In(masks.body, sx, y);
                cloth += In(masks.cloth, sx, y);
                second += In(masks.second, sx, y);
            }
        }
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
    for (int f = 0; f < kSpriteFrames; ++f) {
        const int next = (f + 1) % kSpriteFrames;
        const QImage a = masks.figure.copy(kSpriteFrameWidth * f, 0, kSpriteFrameWidth, kSpriteHeight);
        const QImage b = masks.figure.copy(kSpriteFrameWidth * next, 0, kSpriteFrameWidth, kSpriteHeight);
        EXPECT_NE(a, b) << "frames " << f << " and " << next;
    }
    EXPECT_EQ(*std::max_element(lowest.begin(), lowest.end()), kSpriteDrawnHeight - 1);
    EXPECT_LT(*std::min_element(lowest.begin(), lowest.end()), kSpriteDrawnHeight - 3);
}

TEST(RunnerSprite, IsAStripOfTheFigureAlone)
{
    const Masks masks;
    const QImage strip = BuildRunnerSprite(0x00336699, 5);
    ASSERT_EQ(strip.size(), QSize(kStripWidth, kSpriteHeight));
    EXPECT_EQ(strip.format(), QImage::Format_ARGB32_Premultiplied);
    int drawn = 0;
    for (int y = 0; y < kSpriteHeight; ++y) {
        for (int x = 0; x < kStripWidth; ++x) {
            const int alpha = qAlpha(strip.pixel(x, y));
            if (In(masks.figure, x, y)) {
                ASSERT_EQ(alpha, 255) << x << "," << y;
                ++drawn;
            } else {
                ASSERT_EQ(alpha, 0) << "drawn outside the figure at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(drawn, 11 * 1000);
}

TEST(RunnerSprite, CoatIsReadAsTheStableStoresIt)
{
    // The stable keeps colours as 0x00BBGGRR: 0x00336699 is a reddish bay,
    // 0x00996633 the same channels the other way round, a blue.
    const Masks masks;
    const QImage bay = BuildRunnerSprite(0x00336699, 3);
    const QImage blue = BuildRunnerSprite(0x00996633, 3);
    int body = 0, redder = 0, bluer = 0;
    for (int y = 0; y < kSpriteHeight; ++y) {
        for (int x = 0; x < kStripWidth; ++x) {
            if (!In(masks.body, x, y))
                continue;
            ++body;
            const QRgb a = bay.pixel(x, y);
            const QRgb b = blue.pixel(x, y);
            ASSERT_TRUE(qRed(a) >= qGreen(a) && qGreen(a) >= qBlue(a)) << x << "," << y;
            ASSERT_TRUE(qBlue(b) >= qGreen(b) && qGreen(b) >= qRed(b)) << x << "," << y;
            redder += qRed(a) > qBlue(a);
            bluer += qBlue(b) > qRed(b);
        }
    }
    ASSERT_GT(body, 0);
    EXPECT_GT(redder, body * 9 / 10);
    EXPECT_GT(bluer, body * 9 / 10);
}

TEST(RunnerSprite, DarkAndLightCoatsKeepTheirShape)
{
    const Masks masks;
    const QImage black = BuildRunnerSprite(0x00201E22, 7);
    const QImage white = BuildRunnerSprite(0x00E0E8EC, 7);
    int body = 0, lit = 0, shaded = 0;
    for (int y = 0; y < kSpriteHeight; ++y) {
        for (int x = 0; x < kStripWidth; ++x) {
            if (!In(masks.body, x, y))
                continue;
            ++body;
            lit += qGray(black.pixel(x, y)) >= 60;
            shaded += qGray(white.pixel(x, y)) <= 200;
        }
    }
    // A black horse still shows the light on its back, a white one its
    // shadows, so neither is a flat blot on the course.
    EXPECT_GT(lit, body / 16);
    EXPECT_GT(shaded, body / 4);
}

TEST(RunnerSprite, ClothAndSilksCarryTheNumbersColours)
{
    const Masks masks;
    for (int number = 1; number <= 12; ++number) {
        const QImage strip = BuildRunnerSprite(0x00336699, number);
        const QRgb cloth = Rgb(ClothColour(number));
        double silks[3] = {0, 0, 0};
        int silksArea = 0;
        for (int f = 0; f < kSpriteFrames; ++f) {
            int area = 0, clothColoured = 0;
            for (int y = 0; y < kSpriteHeight; ++y) {
                for (int x = kSpriteFrameWidth * f; x < kSpriteFrameWidth * (f + 1); ++x) {
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
                }
            }
            ASSERT_GT(area, 0);
            // The flat of the cloth shows its colour as it is.
            EXPECT_GT(clothColoured, area / 2) << "number " << number << " frame " << f;
        }
        // The silks are the second colour, shaded: nearer to it than to the
        // cloth's, and never brighter in one channel than in another where
        // the second colour is darker there.
        ASSERT_GT(silksArea, 0);
        const QRgb second = Rgb(SecondColour(number));
        auto distance = [&](QRgb c) {
            const double dr = silks[0] / silksArea - qRed(c);
            const double dg = silks[1] / silksArea - qGreen(c);
            const double db = silks[2] / silksArea - qBlue(c);
            return dr * dr + dg * dg + db * db;
        };
        EXPECT_LT(distance(second), distance(cloth)) << "number " << number;
        const double mean[3] = {silks[0] / silksArea, silks[1] / silksArea, silks[2] / silksArea};
        const int channel[3] = {qRed(second), qGreen(second), qBlue(second)};
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                if (channel[i] > channel[j] + 30) {
                    EXPECT_GT(mean[i], mean[j]) << "number " << number << " channels " << i << ">" << j;
                }
            }
        }
    }
}

TEST(RunnerSprite, SameCoatDiffersOnlyInClothNumberAndSilks)
{
    const Masks masks;
    const QImage two = BuildRunnerSprite(0x00205080, 2);
    const QImage nine = BuildRunnerSprite(0x00205080, 9);
    int clothDiffers = 0, silksDiffer = 0;
    for (int y = 0; y < kSpriteHeight; ++y) {
        for (int x = 0; x < kStripWidth; ++x) {
            const bool cloth = In(masks.cloth, x, y);
            const bool silks = In(masks.second, x, y);
            const bool differs = two.pixel(x, y) != nine.pixel(x, y);
            if (!cloth && !silks) {
                ASSERT_FALSE(differs) << x << "," << y;
            }
            clothDiffers += cloth && differs;
            silksDiffer += silks && differs;
        }
    }
    EXPECT_GT(clothDiffers, 11 * 200);
    EXPECT_GT(silksDiffer, 11 * 40);
}

TEST(RunnerSprite, NumberRidesTheSaddleWhole)
{
    const Masks masks;
    for (int number = 1; number <= 12; ++number) {
        const QImage strip = BuildRunnerSprite(0x00336699, number);
        std::array<Ink, kSpriteFrames> ink;
        for (int f = 0; f < kSpriteFrames; ++f)
            ink[f] = NumberInk(strip, masks, number, f);
        ASSERT_GT(ink[0].points.size(), 15u) << "number " << number;
        for (int f = 0; f < kSpriteFrames; ++f) {
            // The same digits in every frame: nothing cut off by the cloth's
            // edge or hidden behind the rider's boot.
            ASSERT_EQ(ink[f].points.size(), ink[0].points.size()) << "number " << number << " frame " << f;
            // Lowest at frames 0 and 1, never lower.
            EXPECT_LE(ink[f].top, ink[0].top) << "number " << number << " frame " << f;
        }
        EXPECT_EQ(ink[1].top, ink[0].top) << "number " << number;
        EXPECT_EQ(ink[5].top, ink[0].top - 4) << "number " << number;
        EXPECT_EQ(ink[6].top, ink[0].top - 4) << "number " << number;
        EXPECT_EQ(ink[5].left, ink[0].left + 2) << "number " << number;
        // The shape only moves.
        const QPoint moved(ink[5].left - ink[0].left, ink[5].top - ink[0].top);
        for (const QPoint& p : ink[0].points)
            ASSERT_TRUE(Contains(ink[5].points, p + moved)) << "number " << number;
    }
}

TEST(RunnerSprite, TwoDigitNumbersAreWrittenSixPixelsApart)
{
    const Masks masks;
    const Ink one = NumberInk(BuildRunnerSprite(0x00336699, 1), masks, 1, 0);
    const Ink eleven = NumberInk(BuildRunnerSprite(0x00336699, 11), masks, 11, 0);
    const Ink ten = NumberInk(BuildRunnerSprite(0x00336699, 10), masks, 10, 0);
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

TEST(RunnerSprites, AreMadeForTheFieldAndReleased)
{
    const std::vector<std::uint32_t> colours = {0x00203E7A, 0x002A54A8, 0x00263A58, 0x00A0A6A8,
                                                0x00201E22, 0x006096D6, 0x00E0E8EC, 0x00305070};
    RunnerSprites sprites;
    EXPECT_FALSE(sprites.Made());
    EXPECT_TRUE(sprites.Strip(0).isNull());
    sprites.Build(colours);
    ASSERT_TRUE(sprites.Made());
    ASSERT_EQ(sprites.Count(), 8);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(sprites.Strip(k), BuildRunnerSprite(colours[k], k + 1)) << "runner " << k;
    EXPECT_TRUE(sprites.Strip(8).isNull());
    EXPECT_TRUE(sprites.Strip(-1).isNull());

    // A new race replaces the old field; never more than twelve runners.
    const std::vector<std::uint32_t> crowd(14, 0x00336699);
    sprites.Build(crowd);
    EXPECT_EQ(sprites.Count(), 12);
    EXPECT_EQ(sprites.Strip(11), BuildRunnerSprite(0x00336699, 12));
    EXPECT_TRUE(sprites.Strip(12).isNull());

    sprites.Release();
    EXPECT_FALSE(sprites.Made());
    EXPECT_EQ(sprites.Count(), 0);
    EXPECT_TRUE(sprites.Strip(0).isNull());
}

TEST(RunnerSprites, Screenshot)
{
    const char* folder = std::getenv("GALLORIA_SCREENSHOT_DIR");
    if (folder == nullptr || *folder == '\0')
        GTEST_SKIP() << "GALLORIA_SCREENSHOT_DIR is not set";
    // Twelve runners in the coats of a stable: bays, chestnuts, browns,
    // greys, a black, a palomino and a white.
    const std::array<std::uint32_t, 12> coats = {0x00203E7A, 0x002A54A8, 0x00263A58, 0x00A0A6A8,
                                                 0x00201E22, 0x006096D6, 0x00E0E8EC, 0x001E3A76,
                                                 0x002C56AC, 0x00223650, 0x00989C9E, 0x00183070};
    RunnerSprites sprites;
    sprites.Build(coats);
    QImage sheet(kStripWidth, kSpriteHeight * 12, QImage::Format_RGB32);
    sheet.fill(QColor(0xAA, 0x5E, 0x00));
    QPainter painter(&sheet);
    for (int k = 0; k < 12; ++k)
        painter.drawImage(0, kSpriteHeight * k, sprites.Strip(k));
    painter.end();
    QDir().mkpath(QString::fromLocal8Bit(folder));
    const QString path = QDir(QString::fromLocal8Bit(folder)).filePath(QStringLiteral("sprites.png"));
    EXPECT_TRUE(sheet.save(path)) << path.toStdString();
}

} // namespace
} // namespace galloria
