#include "art_kit.h"
#include "menu_art.h"
#include "qrc_file.h"
#include "sound_recipes.h"
#include "wav_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

namespace galloria::art {
namespace {

// --- wave files ---

TEST(WaveFile, HeaderAndSamplesAreLittleEndianFieldByFieldAndDamageIsRefused)
{
    PcmSound sound;
    sound.samples = {0, 1, -2, 32767, -32768};
    const std::string bytes = WaveFileBytes(sound);
    ASSERT_EQ(bytes.size(), 44u + 10u);
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(bytes.substr(36, 4), "data");
    // The RIFF size (everything after the first 8 bytes), PCM, mono, 22050 = 0x5622, 16 bits a sample,
    // the data size, then -2 as FE FF, 32767 as FF 7F and -32768 as 00 80.
    const std::pair<int, int> fields[] = {{4, 36 + 10}, {20, 1},    {22, 1},   {24, 0x22},
                                          {25, 0x56},   {34, 16},   {40, 10},  {48, 0xFE},
                                          {49, 0xFF},   {51, 0x7F}, {53, 0x80}};
    for (const auto& [at, value] : fields)
        EXPECT_EQ(static_cast<unsigned char>(bytes[at]), value) << "byte " << at;

    PcmSound back;
    ASSERT_TRUE(ParseWaveFile(bytes, back));
    EXPECT_EQ(back.sampleRate, 22050);
    EXPECT_EQ(back.samples, sound.samples);

    // Damaged files are refused.
    EXPECT_FALSE(ParseWaveFile(bytes.substr(0, bytes.size() - 1), back)); // cut short
    EXPECT_FALSE(ParseWaveFile(bytes.substr(0, 20), back));
    std::string stereo = bytes;
    stereo[22] = 2;
    EXPECT_FALSE(ParseWaveFile(stereo, back));
    std::string notWave = bytes;
    notWave[8] = 'X';
    EXPECT_FALSE(ParseWaveFile(notWave, back));
}

// --- the game's sounds ---

double PeakOf(const PcmSound& sound)
{
    int peak = 0;
    for (const std::int16_t s : sound.samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    return peak / 32768.0;
}

TEST(GameSounds, EveryNamedSoundIsMadeOnceUnderItsFileNameTheSameEveryTime)
{
    const auto sounds = SoundsWithFiles();
    EXPECT_EQ(sounds.size(), 14u);
    std::set<std::string> names;
    std::set<std::string> distinct; // and each sounds different from the others
    for (const SoundEffect effect : sounds) {
        const std::string name = SoundFileBaseName(effect);
        EXPECT_EQ(name.substr(0, 2), "gx") << name;
        EXPECT_EQ(name.substr(name.size() - 4), ".wav") << name;
        EXPECT_EQ(name.find('/'), std::string::npos) << name;
        names.insert(name);
        ASSERT_TRUE(MakeSound(effect).has_value()) << name;
        const std::string bytes = WaveFileBytes(*MakeSound(effect));
        EXPECT_EQ(WaveFileBytes(*MakeSound(effect)), bytes) << name << ": the same bytes every time";
        distinct.insert(bytes);
    }
    EXPECT_EQ(names.size(), sounds.size());
    EXPECT_EQ(distinct.size(), sounds.size());
    EXPECT_FALSE(MakeSound(SoundEffect::StopRun).has_value());
    EXPECT_FALSE(MakeSound(SoundEffect::Silence).has_value());
}

TEST(GameSounds, ShortAtAComfortableLevelAndFreeOfClicks)
{
    for (const SoundEffect effect : SoundsWithFiles()) {
        const std::string name = SoundFileBaseName(effect);
        const PcmSound sound = *MakeSound(effect);
        EXPECT_EQ(sound.sampleRate, 22050) << name;
        const double seconds = static_cast<double>(sound.samples.size()) / sound.sampleRate;
        EXPECT_GE(seconds, 0.1) << name;
        EXPECT_LE(seconds, 2.5) << name;

        // About -6 dB: loud enough to hear, well clear of clipping.
        const double peakDb = 20 * std::log10(PeakOf(sound));
        EXPECT_GT(peakDb, -7.0) << name;
        EXPECT_LT(peakDb, -5.0) << name;

        const int first = sound.samples.front();
        const int last = sound.samples.back();
        if (SoundLoops(effect)) {
            // The loop's end must run into its start far more smoothly than
            // the sharpest step inside it (a hoof striking).
            int widestStep = 0;
            for (std::size_t i = 1; i < sound.samples.size(); ++i)
                widestStep = std::max(widestStep, std::abs(sound.samples[i] - sound.samples[i - 1]));
            EXPECT_LE(std::abs(last - first), widestStep / 2) << name;
            EXPECT_LT(std::abs(last - first), 1000) << name;
        } else {
            // Starting or stopping away from zero makes a click.
            EXPECT_LT(std::abs(first), 100) << name;
            EXPECT_LT(std::abs(last), 100) << name;
        }
    }
}

// --- the pictures ---

TEST(GamePictures, EachAtTheSizeTheGameDrawsIt)
{
    const std::map<std::string, QSize> sizes = {
        {"tile.png", {320, 240}},    {"title.png", {595, 131}}, {"picture.png", {610, 394}},
        {"tipster.png", {160, 160}}, {"medal.png", {48, 48}},   {"notice.png", {48, 48}},
        {"about.png", {96, 96}},     {"icon.png", {64, 64}},
    };
    std::set<std::string> seen;
    int glyphs = 0;
    for (const ArtPiece& piece : ArtCatalogue()) {
        EXPECT_TRUE(seen.insert(piece.fileName).second) << piece.fileName << " twice";
        const QImage image = piece.make();
        const auto named = sizes.find(piece.fileName);
        if (named != sizes.end()) {
            EXPECT_EQ(image.size(), named->second) << piece.fileName;
        } else {
            ASSERT_EQ(piece.fileName.rfind("menu_", 0), 0u) << piece.fileName;
            EXPECT_EQ(image.size(), QSize(kMenuGlyphSize, kMenuGlyphSize)) << piece.fileName;
            ++glyphs;
        }
        // Something is drawn: a picture of one colour is a failed drawing.
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 2) {
            for (int x = 0; x < image.width(); x += 2)
                colours.insert(image.pixel(x, y));
        }
        EXPECT_GT(colours.size(), 8u) << piece.fileName;
    }
    for (const auto& [name, size] : sizes)
        EXPECT_TRUE(seen.count(name)) << name << " missing";
    EXPECT_EQ(glyphs, static_cast<int>(MenuCommandsWithGlyphs().size()));
}

TEST(GamePictures, MenuGlyphsForTheItemsThatShowOne)
{
    const auto commands = MenuCommandsWithGlyphs();
    EXPECT_EQ(commands.size(), 17u);
    for (const MenuCommand plain : {MenuCommand::PauseRace, MenuCommand::QuitRaceSet, MenuCommand::ReplayRace,
                                    MenuCommand::RaceOrNextRace, MenuCommand::About}) {
        EXPECT_EQ(std::count(commands.begin(), commands.end(), plain), 0);
    }
    EXPECT_EQ(MenuGlyphFileName(MenuCommand::Open), "menu_57601.png");
    for (const MenuCommand command : commands) {
        const QImage glyph = MakeMenuGlyph(command);
        // Transparent corners let the menu's own column colour show through.
        for (const QPoint corner : {QPoint(0, 0), QPoint(19, 0), QPoint(0, 19), QPoint(19, 19)})
            EXPECT_LT(qAlpha(glyph.pixel(corner)), 128) << MenuGlyphFileName(command);
    }
}

// Mean difference between two columns (or rows) of a picture.
double MeanDifference(const QImage& image, bool columns, int a, int b)
{
    const int count = columns ? image.height() : image.width();
    double total = 0;
    for (int i = 0; i < count; ++i) {
        const QRgb p = columns ? image.pixel(a, i) : image.pixel(i, a);
        const QRgb q = columns ? image.pixel(b, i) : image.pixel(i, b);
        total +=
            std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
    return total / count;
}

TEST(GamePictures, TileRepeatsWithoutASeam)
{
    const QImage tile = MakeTile();
    ASSERT_FALSE(tile.hasAlphaChannel());
    for (const bool columns : {true, false}) {
        const int length = columns ? tile.width() : tile.height();
        double inside = 0;
        for (int i = 1; i < length; ++i)
            inside = std::max(inside, MeanDifference(tile, columns, i - 1, i));
        // Across the join the picture changes no more than it does anywhere
        // between two neighbouring lines inside it.
        EXPECT_LE(MeanDifference(tile, columns, length - 1, 0), inside) << (columns ? "columns" : "rows");
    }
    // Quiet behind text: no pixel strays far from the average.
    long long sum = 0;
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x)
            sum += qGreen(tile.pixel(x, y));
    }
    const double mean = static_cast<double>(sum) / (tile.width() * tile.height());
    for (int y = 0; y < tile.height(); y += 3) {
        for (int x = 0; x < tile.width(); x += 3)
            ASSERT_LT(std::abs(qGreen(tile.pixel(x, y)) - mean), 24) << x << "," << y;
    }
}

TEST(GamePictures, TitleSitsOnBlackWithTheLetteringInside)
{
    const QImage title = MakeTitle();
    for (const QPoint corner : {QPoint(0, 0), QPoint(594, 0), QPoint(0, 130), QPoint(594, 130)})
        EXPECT_EQ(title.pixel(corner) & 0xFFFFFF, 0u);
    // The lettering reaches neither edge: a margin all round stays black.
    for (int x = 0; x < title.width(); ++x) {
        EXPECT_EQ(title.pixel(x, 0) & 0xFFFFFF, 0u);
        EXPECT_EQ(title.pixel(x, title.height() - 1) & 0xFFFFFF, 0u);
    }
    int lit = 0;
    for (int y = 0; y < title.height(); ++y) {
        for (int x = 0; x < title.width(); ++x)
            lit += qRed(title.pixel(x, y)) > 128 ? 1 : 0;
    }
    EXPECT_GT(lit, title.width() * title.height() / 10);
}

TEST(ResourceList, NamesEveryFileUnderItsFolder)
{
    const std::string text = ResourceList("sounds", {"gxpop.wav", "gxrun.wav"});
    EXPECT_NE(text.find("<qresource prefix=\"/\">"), std::string::npos);
    EXPECT_NE(text.find("<file>sounds/gxpop.wav</file>"), std::string::npos);
    EXPECT_LT(text.find("gxpop.wav"), text.find("gxrun.wav"));
    EXPECT_EQ(text.rfind("</RCC>\n"), text.size() - 7);
}

} // namespace
} // namespace galloria::art
