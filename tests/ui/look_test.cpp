// The game's look: the betting window and the review never hide the racing
// form or leave the screen, the back buffer is drawn at the window's own
// pixels, message boxes wear the game's colours, and the help explains every
// bet the betting window offers.

#include "app/back_buffer.h"
#include "app/dialog_placement.h"
#include "app/game_message_box.h"
#include "betting/betting_window_dlg.h"
#include "betting/racing_form_model.h"
#include "betting/racing_form_painter.h"
#include "betting/review_bets_dlg.h"
#include "game/sound_player.h"

#include "pixel_count.h"
#include "screenshot.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace galloria {
namespace {

class SilentSink : public SoundSink {
public:
    void PlayOnce(std::string_view) override {}
    void PlayLoop(std::string_view) override {}
    void Stop() override {}
};

class GameLook : public ::testing::Test {
protected:
    SilentSink sink;
    SoundPlayer sounds{sink};
};

// A screen of each size the game knows, the window maximised on it with a
// menu bar of this height above the view.
constexpr int kMenuBar = 24;
const QSize kScreens[] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};

// The racing form of a field as it lands on a screen: the rows' rectangle
// and the point the betting window is asked to open at, both in screen
// coordinates.
struct FormOnScreen {
    QRect rows;
    QPoint bettingTopLeft;
};

FormOnScreen FormOfField(QSize screen, int runners = kMaxFieldSize)
{
    const SizeClass size = SizeClassForScreenWidth(screen.width());
    const RacingFormModel form = FormShapeForField(runners);
    const RacingFormLayout layout = LayOutRacingForm(form, size);
    const BackBuffer buffer(size);
    const QSize view(screen.width(), screen.height() - kMenuBar);
    const auto toScreen = [&](QPoint p) { return buffer.ToView(p, view) + QPoint(0, kMenuBar); };
    const QRect rowsInLayout = layout.RowBand(0).united(layout.RowBand(runners - 1));
    return {QRect(toScreen(rowsInLayout.topLeft()), toScreen(rowsInLayout.bottomRight())),
            toScreen(QPoint(layout.panel.left(), RacingFormBottom(form, size)))};
}

// The same on each of those screens.
class GameLookOnScreen : public GameLook, public ::testing::WithParamInterface<QSize> {
protected:
    const QSize screen = GetParam();
    const QRect area{QPoint(0, 0), screen};
};

INSTANTIATE_TEST_SUITE_P(EverySize, GameLookOnScreen, ::testing::ValuesIn(kScreens), [](const auto& row) {
    return std::to_string(row.param.width()) + "x" + std::to_string(row.param.height());
});

TEST_P(GameLookOnScreen, TheBettingWindowOpensUnderEveryRowOfAnyFormWithItsKeysInPlace)
{
    CBettingWindowDlg dialog(nullptr, sounds);
    const FormOnScreen form = FormOfField(screen);
    const QRect frame = dialog.Arrange(form.bettingTopLeft, form.bettingTopLeft.y(), area);
    EXPECT_FALSE(frame.intersects(form.rows))
        << "the window covers rows of the form; frame " << frame.x() << "," << frame.y() << " "
        << frame.width() << "x" << frame.height() << " rows end " << form.rows.bottom();
    EXPECT_TRUE(area.contains(frame)) << "the window leaves the screen";
    // Every control is still there in whichever arrangement was chosen.
    const auto keyPlaces = [&dialog] {
        std::vector<QRect> places;
        for (int id : {1022, 1025, 1034, 1046, 1048, 1065, 1073, 1049, 1060, 1063, 1064, 1, 3, 4, 5}) {
            auto* button = dialog.findChild<QPushButton*>(QStringLiteral("betting_%1").arg(id));
            EXPECT_TRUE(button != nullptr && button->width() >= 20) << "id " << id;
            places.push_back(button != nullptr ? QRect(button->mapTo(&dialog, QPoint(0, 0)), button->size())
                                               : QRect());
        }
        return places;
    };
    // Under a smaller field's form the keys stay where they were.
    const std::vector<QRect> keys = keyPlaces();
    for (const int runners : {9, 6}) {
        const FormOnScreen smaller = FormOfField(screen, runners);
        EXPECT_FALSE(
            dialog.Arrange(smaller.bettingTopLeft, form.bettingTopLeft.y(), area).intersects(smaller.rows));
        EXPECT_EQ(keyPlaces(), keys) << runners << " runners moved the keys";
    }
    if (screen.height() <= 768) {
        EXPECT_TRUE(dialog.IsCompact()) << "only the compact window fits under twelve rows";
    }
    // With the whole of a large screen below it, it keeps its roomy arrangement.
    if (screen.height() >= 768) {
        dialog.Arrange(QPoint(0, 0), 0, area);
        EXPECT_FALSE(dialog.IsCompact());
    }
}

TEST_P(GameLookOnScreen, TheReviewAndEveryCentredBoxStayWhollyOnTheScreen)
{
    CBettingWindowDlg betting(nullptr, sounds);
    CReviewBetsDlg review(&betting, sounds);
    review.adjustSize();
    // The betting window where it opens over a full form, and hard against
    // each edge.
    const QPoint fullForm = FormOfField(screen).bettingTopLeft;
    const QRect opened = betting.Arrange(fullForm, fullForm.y(), area);
    for (const QRect over :
         {opened, QRect(QPoint(-200, 0), opened.size()), QRect(area.bottomRight(), opened.size())}) {
        const QRect frame(CentredWithin(over, FrameSizeOf(review), area), FrameSizeOf(review));
        EXPECT_TRUE(area.contains(frame) || (frame.topLeft() == area.topLeft()));
    }
}

TEST_F(GameLook, KeptWithinMovesOnlyAsFarAsNeededAndPinsALargerFrameToTheCorner)
{
    // (Staying put and the top-left clamp: the betting window's and the review's placement tests.)
    EXPECT_EQ(KeptWithin({600, 470}, {100, 100}, QRect(0, 0, 640, 480)), QPoint(540, 380));
    EXPECT_EQ(KeptWithin({10, 10}, {900, 700}, QRect(0, 0, 640, 480)), QPoint(0, 0));
}

TEST_F(GameLook, TheBackBufferIsDrawnAtTheWindowsOwnPixels)
{
    BackBuffer buffer(SizeClass::Large);
    EXPECT_EQ(buffer.Image().size(), QSize(1024, 768));
    EXPECT_FALSE(buffer.Resize(QSize(1024, 768), 1.0)) << "already the window's size";

    // A 1920 x 1080 view: the layout fills its height, aspect kept.
    ASSERT_TRUE(buffer.Resize(QSize(1920, 1080), 1.0));
    EXPECT_EQ(buffer.Image().size(), QSize(1440, 1080));
    // A sharp screen doubles the pixels again.
    ASSERT_TRUE(buffer.Resize(QSize(1024, 768), 2.0));
    ASSERT_EQ(buffer.Image().size(), QSize(2048, 1536));
    EXPECT_EQ(buffer.ToView(QPoint(512, 384), QSize(1024, 768)), QPoint(512, 384))
        << "the mouse is unchanged";

    // A one-pixel line of the layout is two whole pixels, not a blur.
    buffer.gameScreenShown = true;
    buffer.clearWanted = true;
    buffer.racingFormWanted = true;
    buffer.Update([](QPainter& painter) {
        painter.setPen(QPen(Qt::white, 1));
        painter.drawLine(100, 10, 100, 300);
        painter.setFont(QFont(QStringLiteral("Ariel"), 20));
        painter.drawText(QPoint(200, 200), QStringLiteral("Galloria"));
    });
    const QImage& image = buffer.Image();
    const QRect across(196, 300, 10, 1);
    EXPECT_EQ(CountPixels(image, across, [](QRgb c) { return c == qRgb(255, 255, 255); }), 2);
    EXPECT_EQ(
        CountPixels(image, across, [](QRgb c) { return c != qRgb(255, 255, 255) && c != qRgb(0, 0, 0); }), 0);
    // Text has detail finer than a layout pixel: some pixel pairs differ.
    int differing = 0;
    for (int y = 360; y < 420; ++y)
        for (int x = 400; x < 560; x += 2)
            differing += image.pixel(x, y) != image.pixel(x + 1, y);
    EXPECT_GT(differing, 20);
    // The photos and the checks read the layout through LayoutPart.
    EXPECT_EQ(buffer.LayoutPart(QRect(90, 0, 20, 20)).size(), QSize(20, 20));
}

TEST_F(GameLook, MessageBoxesWearTheGameColoursAndAnswerAsAsked)
{
    const struct {
        MessageKind kind;
        QMessageBox::StandardButton press;
        MessageAnswer answer;
    } cases[] = {
        {MessageKind::OkCancel, QMessageBox::Ok, MessageAnswer::Ok},
        {MessageKind::OkCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
        {MessageKind::RetryCancel, QMessageBox::Retry, MessageAnswer::Ok},
        {MessageKind::YesNoCancel, QMessageBox::No, MessageAnswer::No},
        {MessageKind::Information, QMessageBox::Ok, MessageAnswer::Ok},
    };
    for (const auto& c : cases) {
        QString sheet;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            sheet = box->styleSheet();
            SaveScreenshot(*box, QStringLiteral("message_box_%1.png").arg(static_cast<int>(c.kind)));
            box->button(c.press)->click();
        });
        EXPECT_EQ(ShowGameMessage(nullptr,
                                  QStringLiteral("GAME PAUSED\nClick Ok To Resume or\nCancel To End Race"),
                                  c.kind),
                  c.answer);
        EXPECT_TRUE(sheet.contains(QStringLiteral("#f7f1dc"))) << "the cream background";
        EXPECT_TRUE(sheet.contains(QStringLiteral("#d9b44a"))) << "the gold buttons";
    }
}

TEST_F(GameLook, TheHelpExplainsEveryBetTheBettingWindowOffers)
{
    QFile page(QStringLiteral(":/help/bet_types.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString help = QString::fromUtf8(page.readAll());
    CBettingWindowDlg dialog(nullptr, sounds);
    for (int id : {1065, 1066, 1067, 1068, 1069, 1070, 1072, 1073, 1063, 1064}) {
        auto* button = dialog.findChild<QPushButton*>(QStringLiteral("betting_%1").arg(id));
        ASSERT_NE(button, nullptr);
        const QString name = button->text().remove(QLatin1Char('&'));
        EXPECT_TRUE(help.contains(QStringLiteral("<b>%1</b>").arg(name)))
            << name.toStdString() << " is not explained";
    }
    // The long-shot rule as the form shows odds: 9:1 may or may not be one.
    EXPECT_TRUE(help.contains(QStringLiteral("longer than 9:1")));
    EXPECT_FALSE(help.contains(QStringLiteral("exactly 9:1 are not")));
}

} // namespace
} // namespace galloria
