#include "betting/racing_form_painter.h"

#include "betting/race_set_state.h"
#include "betting/racing_form_model.h"
#include "race/runner_livery.h"
#include "stable/stable.h"

#include "pixel_count.h"
#include "screenshot.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>

namespace galloria {
namespace {

const QRgb kBackground = qRgb(0x10, 0x14, 0x18);
constexpr SizeClass kSizes[] = {SizeClass::Small, SizeClass::Medium, SizeClass::Large};

const char* SizeName(SizeClass size)
{
    return BySizeClass(size, "640", "800", "1024");
}

// A field of horses with long names and the widest figures the game
// produces, sorted by odds with the tipster on runner 4 (0-based 3).
struct FormFixture {
    std::unique_ptr<RaceSetState> state = std::make_unique<RaceSetState>();
    std::unique_ptr<Stable> stable = std::make_unique<Stable>();

    RacingFormModel Build(int runners, int tipped = 3)
    {
        static const char* const kNames[12] = {"Kingfisher Wildfire", "Midnight Minstrel",   "Jolly Roger",
                                               "Silver Streak",       "Kingfisher Treasure", "Dapple Dawn",
                                               "Old Faithful",        "Pepper's Ghost",      "Lucky Clover",
                                               "Northern Lights",     "Brave Heart",         "Last Orders"};
        state->raceIndex = 9;
        state->raceCounter = 19;
        state->program.runnerCount[9] = runners;
        state->program.purse[9] = 50000;
        stable->count = runners;
        for (int k = 0; k < runners; ++k) {
            SetHorseName(stable->records[k], kNames[k]);
            state->program.runners[9][k] = k;
            state->program.morningLineOdds[9][k] = k == 5 ? 1000.0 : 2.5 + (k * 5) % 12 * 3.1;
            HorseStatistics& s = stable->statistics[k];
            if (k == 2)
                continue; // a horse that has never run
            s.bestTime = 595 + k;
            s.lastFinish = 12 - k;
            s.lastPurse = 45000 + 1000 * k;
            s.firsts = 20 - k;
            s.seconds = k;
            s.thirds = 10;
            s.totalEarnings = 600000 - 1111 * static_cast<unsigned>(k);
        }
        return BuildRacingForm(*state, *stable, SortOrder::Odds, tipped);
    }
};

QImage Draw(const RacingFormModel& form, SizeClass size)
{
    QImage image(LayoutWidth(size), LayoutHeight(size), QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    PaintRacingForm(painter, form, size);
    painter.end();
    return image;
}

// The colours the form is drawn in, as tests of one pixel.
struct Ink {
    static bool RedAndGreenHigh(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200; }
    static bool WhiteText(QRgb c) { return RedAndGreenHigh(c) && qBlue(c) > 200; }
    static bool YellowText(QRgb c) { return RedAndGreenHigh(c) && qBlue(c) < 90; }
    static bool LightYellow(QRgb c) { return RedAndGreenHigh(c) && qBlue(c) > 100 && qBlue(c) < 180; }
    static bool ExactYellow(QRgb c) { return (c & 0xFFFFFF) == 0xFFFF00; }
    static bool Background(QRgb c) { return c == kBackground; }
};

// A field of a number of runners drawn at one layout size: each pair is a
// case of its own.
using SizeAndField = std::tuple<SizeClass, int>;

class DrawnForm : public ::testing::TestWithParam<SizeAndField> {
protected:
    const SizeClass size = std::get<0>(GetParam());
    const int runners = std::get<1>(GetParam());
    FormFixture fixture;
    const RacingFormModel form = fixture.Build(runners);
    const RacingFormLayout layout = LayOutRacingForm(form, size);
    const QImage image = Draw(form, size);
};

std::string SizeAndFieldName(const ::testing::TestParamInfo<SizeAndField>& info)
{
    return std::string("At") + SizeName(std::get<0>(info.param)) + "With" +
           std::to_string(std::get<1>(info.param)) + "Runners";
}

class FormRows : public DrawnForm {};
INSTANTIATE_TEST_SUITE_P(FullAndNot, FormRows,
                         ::testing::Combine(::testing::ValuesIn(kSizes), ::testing::Values(6, 12)),
                         SizeAndFieldName);

TEST_P(FormRows, RowsHeadingsAndTheTipAreWhereTheLayoutSays)
{
    ASSERT_EQ(form.rowCount, runners);
    ASSERT_GE(form.tippedRow, 0);
    SaveScreenshot(image, QStringLiteral("form_%1_%2.png").arg(SizeName(size)).arg(runners));
    // The heading band carries the race heading, in light yellow.
    EXPECT_GT(CountPixels(image, layout.heading, Ink::LightYellow), 50);
    // Column headings but for a full field on a small screen.
    if (runners == 12 && size == SizeClass::Small) {
        EXPECT_TRUE(layout.columnHeadings.isEmpty());
        EXPECT_EQ(layout.firstRowTop, layout.heading.bottom() + 1);
    } else {
        EXPECT_GT(CountPixels(image, layout.columnHeadings, Ink::LightYellow), 100);
        EXPECT_EQ(layout.firstRowTop, layout.columnHeadings.bottom() + 1);
    }

    for (int i = 0; i < form.rowCount; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        const RacingFormRow& row = form.rows[i];
        const QRect name = layout.ColumnBand(FormColumn::Name, i).adjusted(0, 2, 0, -2);
        const QRect earnings = layout.ColumnBand(FormColumn::Earnings, i).adjusted(0, 2, 0, -2);
        // Text in the row's own band, in the row's colour and no other.
        EXPECT_GT(CountPixels(image, name, row.tipped ? Ink::YellowText : Ink::WhiteText), 20);
        EXPECT_GT(CountPixels(image, earnings, row.tipped ? Ink::YellowText : Ink::WhiteText), 10);
        EXPECT_EQ(CountPixels(image, name, row.tipped ? Ink::WhiteText : Ink::YellowText), 0);

        // The disc of the runner's cloth colour shows which runner the row is.
        const QRect post = layout.ColumnBand(FormColumn::Post, i);
        const int radius = (std::min(post.width(), post.height()) - 2) / 2;
        const QPoint inside(post.center().x() - radius * 2 / 3, post.center().y());
        EXPECT_EQ(image.pixel(inside) & 0xFFFFFF, ClothColour(row.runner + 1));

        // Only the tipster's row is outlined in yellow.
        const QRect band = layout.RowBand(i);
        const QRect leftEdge(band.left(), band.top() + 3, 3, band.height() - 6);
        if (row.tipped)
            EXPECT_GE(CountPixels(image, leftEdge, Ink::ExactYellow), leftEdge.height());
        else
            EXPECT_EQ(CountPixels(image, leftEdge, Ink::ExactYellow), 0);
    }
}

class FormBounds : public DrawnForm {};
INSTANTIATE_TEST_SUITE_P(EveryFieldSize, FormBounds,
                         ::testing::Combine(::testing::ValuesIn(kSizes), ::testing::Values(6, 8, 11, 12)),
                         SizeAndFieldName);

TEST_P(FormBounds, NothingIsDrawnOutsideThePanelAndItEndsInTheLayout)
{
    const int bottom = RacingFormBottom(form, size);
    // Room is left below for the betting window.
    EXPECT_LT(bottom, LayoutHeight(size) * 3 / 4);
    EXPECT_LT(layout.panel.right(), LayoutWidth(size));

    const int w = image.width();
    const int h = image.height();
    const int right = layout.panel.right() + 1;
    // The panel reaches its bottom and nothing is drawn below it.
    EXPECT_LT(CountPixels(image, QRect(0, bottom - 1, w, 1), Ink::Background), w);
    EXPECT_EQ(CountPixels(image, QRect(0, bottom, w, h - bottom), Ink::Background), w * (h - bottom));
    EXPECT_EQ(CountPixels(image, QRect(right, 0, w - right, h), Ink::Background), (w - right) * h);
    EXPECT_EQ(CountPixels(image, QRect(0, 0, layout.panel.left(), h), Ink::Background),
              layout.panel.left() * h);
}

// One case per layout size.
class FormAtSize : public ::testing::TestWithParam<SizeClass> {};
INSTANTIATE_TEST_SUITE_P(EverySize, FormAtSize, ::testing::ValuesIn(kSizes),
                         [](const auto& info) { return std::string("At") + SizeName(info.param); });

TEST_P(FormAtSize, TheWidestFiguresFitTheirColumnsAndTwelveRunnersTheRoomOfEleven)
{
    // The widest texts the form can show in each column (a 19-letter name as
    // the longest in the starting stable), and every heading.
    const std::pair<FormColumn, const char*> kWidest[] = {{FormColumn::Name, "Kingfisher Treasure"},
                                                          {FormColumn::Odds, "999:1"},
                                                          {FormColumn::BestTime, "3:19.4"},
                                                          {FormColumn::Firsts, "20"},
                                                          {FormColumn::Seconds, "20"},
                                                          {FormColumn::Thirds, "20"},
                                                          {FormColumn::Earnings, "$600000"}};
    const SizeClass size = GetParam();
    FormFixture fixture;
    const RacingFormLayout layout = LayOutRacingForm(fixture.Build(11), size);
    // A full field leaves its headings out to be no taller than eleven runners with theirs.
    FormFixture twelve;
    EXPECT_LE(RacingFormBottom(twelve.Build(12), size), RacingFormBottom(fixture.Build(11), size));
    const QFontMetrics board(RacingFormBoardFont(size));
    for (const auto& [column, text] : kWidest)
        EXPECT_LE(board.horizontalAdvance(QString::fromLatin1(text)), layout.ColumnBand(column, 0).width())
            << text;
    for (int c = 0; c < kFormColumnCount; ++c) {
        const QString heading = QString::fromLatin1(kFormColumnHeadings[c].source);
        EXPECT_LE(board.horizontalAdvance(heading), layout.ColumnBand(static_cast<FormColumn>(c), 0).width())
            << heading.toStdString();
    }
    // Place and purse of the last race share their column.
    EXPECT_LE(board.horizontalAdvance(QStringLiteral("12 $50000")),
              layout.ColumnBand(FormColumn::LastRace, 0).width());
    const QFontMetrics heading(RacingFormHeadingFont(size));
    EXPECT_LE(heading.horizontalAdvance(QStringLiteral("Purse: $50000")), layout.heading.width() / 3);
    EXPECT_LE(heading.horizontalAdvance(QStringLiteral("No. 1000")), layout.heading.width() / 3);
}

} // namespace
} // namespace galloria
