// The betting window and the review list, driven by clicks on their real
// buttons while they run modally, offscreen.

#include "base/size_class.h"
#include "betting/betting_window_model.h"
#include "betting/race_set_state.h"
#include "game/sound_player.h"

#include "betting/betting_window_dlg.h"
#include "betting/review_bets_dlg.h"

#include "screenshot.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace galloria {
namespace {

// Counts the sound files the dialogs asked for.
class RecordingSink : public SoundSink {
public:
    void PlayOnce(std::string_view fileName) override { played.emplace_back(fileName); }
    void PlayLoop(std::string_view fileName) override { played.emplace_back(fileName); }
    void Stop() override {}
    int Count(SoundEffect sound) const
    {
        return static_cast<int>(std::ranges::count(played, SoundFileName(sound)));
    }

    std::vector<std::string> played;
};

constexpr int kRunnerIds[12] = {1049, 1050, 1051, 2052, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060};
constexpr int kBuy = 1, kView = 3, kRace = 4, kClearAll = 5, kClear = 1048, kDoubleZero = 1045;
constexpr int kWin = 1065, kShow = 1067, kExacta = 1069, kTriacta = 1070, kExactaBoxed = 1072;
constexpr int kAll = 1063, kLong = 1064;

// The id of keypad digit d, 0..9.
constexpr int Digit(int d)
{
    return d == 0 ? 1043 : 1033 + d;
}

// A dialog, its sounds and a model opened over a race of `runners` runners
// (runner 6 the only long shot), with the named seats holding `balance`.
struct Fixture {
    Fixture(std::vector<std::pair<int, std::string>> seats, int balance, int runners = 8)
        : state(std::make_unique<RaceSetState>()), dialog(nullptr, sounds)
    {
        for (auto& [seat, name] : seats) {
            state->players[seat].name = name;
            state->players[seat].balance = balance;
        }
        state->raceIndex = 2;
        state->program.runnerCount[2] = runners;
        for (int k = 0; k < runners; ++k)
            state->program.morningLineOdds[2][k] = k == 5 ? 25.0 : 3.0 + k * 0.5;
        model.Open(*state);
    }

    QPushButton* Button(int id) const
    {
        auto* button = dialog.findChild<QPushButton*>(QStringLiteral("betting_%1").arg(id));
        if (button == nullptr)
            ADD_FAILURE() << "no button betting_" << id;
        return button;
    }
    bool Enabled(int id) const { return Button(id) != nullptr && Button(id)->isEnabled(); }
    bool Shown(int id) const { return Button(id) != nullptr && !Button(id)->isHidden(); }
    QString Label(int id) const
    {
        auto* label = dialog.findChild<QLabel*>(QStringLiteral("betting_%1").arg(id));
        return label != nullptr ? label->text() : QStringLiteral("<none>");
    }
    QString BetLine() const
    {
        auto* line = dialog.findChild<QLineEdit*>(QStringLiteral("betting_6536"));
        return line != nullptr ? line->text() : QStringLiteral("<none>");
    }
    void Click(std::initializer_list<int> ids) const
    {
        for (int id : ids) {
            if (QPushButton* button = Button(id))
                QTest::mouseClick(button, Qt::LeftButton);
        }
    }

    // Runs the dialog modally; body runs inside its event loop, and the
    // dialog is closed afterwards if body left it open, so no test can hang.
    void RunWith(const std::function<void()>& body, QPoint topLeft = {40, 40})
    {
        QTimer::singleShot(0, &dialog, [this, body] {
            body();
            if (dialog.isVisible())
                dialog.reject();
        });
        dialog.Run(model, topLeft, topLeft.y());
    }

    RecordingSink sink;
    SoundPlayer sounds{sink};
    std::unique_ptr<RaceSetState> state;
    BettingWindowModel model;
    CBettingWindowDlg dialog;
};

// Every control of the window against the model it is bound to.
void ExpectBound(const Fixture& f)
{
    const BettingWindowModel& m = f.model;
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(f.Shown(1022 + p), m.IsPlayerShown(p)) << "player " << p;
        EXPECT_EQ(f.Enabled(1022 + p), m.CanChoosePlayer(p)) << "player " << p;
        EXPECT_EQ(f.Label(1091 + p).toStdString(), m.BalanceText(p)) << "balance " << p;
    }
    for (int id : {Digit(1), Digit(9), Digit(0), kDoubleZero, 1046})
        EXPECT_EQ(f.Enabled(id), m.CanPressKey()) << "key " << id;
    EXPECT_EQ(f.Enabled(kClear), m.CanClearAmount());
    EXPECT_EQ(f.Enabled(kWin), m.CanChooseType(BetType::Win, false));
    EXPECT_EQ(f.Enabled(kExactaBoxed), m.CanChooseType(BetType::Exacta, true));
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(f.Shown(kRunnerIds[k]), m.IsRunnerShown(k)) << "runner " << k + 1;
        EXPECT_EQ(f.Enabled(kRunnerIds[k]), m.CanChooseRunner(k)) << "runner " << k + 1;
    }
    EXPECT_EQ(f.Enabled(kAll), m.CanChooseRunner(HorseAll));
    EXPECT_EQ(f.Enabled(kLong), m.CanChooseRunner(HorseLong));
    EXPECT_EQ(f.Enabled(kBuy), m.CanBuy());
    EXPECT_EQ(f.Enabled(kView), m.CanView());
    EXPECT_EQ(f.Enabled(kClearAll), m.CanClearAll());
    EXPECT_EQ(f.BetLine().toStdString(), m.BetLine());
}

// Clicks, then checks every control against the model.
void ClickAndExpectBound(const Fixture& f, std::initializer_list<int> ids)
{
    f.Click(ids);
    ExpectBound(f);
}

TEST(BettingWindowDlgBinding, ButtonsFollowTheModelWhileBetsAreComposedAndBought)
{
    Fixture f({{0, "Maggie"}, {2, "Tom"}}, 500);
    f.RunWith([&] {
        // Two players: only the player buttons until one is chosen.
        ExpectBound(f);
        EXPECT_FALSE(f.Shown(1023) || f.Enabled(Digit(1)));
        EXPECT_EQ(f.Button(1022)->text(), QStringLiteral("Maggie"));
        EXPECT_FALSE(f.Shown(kRunnerIds[8])); // past an 8-runner field
        EXPECT_TRUE(f.Enabled(kRace));

        ClickAndExpectBound(f, {1024});
        EXPECT_TRUE(f.Button(1024)->isChecked()); // the chosen player is marked
        ClickAndExpectBound(f, {Digit(2), Digit(5)});
        EXPECT_EQ(f.Label(1093), QStringLiteral("475"));
        ClickAndExpectBound(f, {kExactaBoxed});
        ClickAndExpectBound(f, {kRunnerIds[2]});
        EXPECT_TRUE(f.Enabled(kAll) && f.Enabled(kLong) && !f.Enabled(kRunnerIds[2]));
        ClickAndExpectBound(f, {kLong});
        EXPECT_TRUE(f.BetLine().startsWith(QStringLiteral("Tom           25      Exacta  Bx  3   Long")));
        SaveScreenshot(f.dialog, "betting_window.png");

        const QString line = f.BetLine();
        ClickAndExpectBound(f, {kBuy});
        ASSERT_EQ(f.model.Bets(2).count, 1);
        EXPECT_EQ(QString::fromStdString(f.model.Bets(2).Bought()[0].description), line);
        EXPECT_TRUE(f.Enabled(kView) && f.Enabled(Digit(1)) && !f.Enabled(kBuy));

        // "00" on 9 would overdraw but still ends the amount; "Clear" frees it.
        f.Click({Digit(9), kDoubleZero, Digit(1)});
        EXPECT_EQ(f.model.AmountText(), "9");
        f.Click({kClear, Digit(3), Digit(0), kTriacta, kRunnerIds[0], kRunnerIds[1], kAll});
        EXPECT_TRUE(f.Enabled(kBuy));
        ClickAndExpectBound(f, {kExacta}); // a new type starts the runners afresh
        EXPECT_TRUE(f.Button(kExacta)->isChecked() && !f.Button(kTriacta)->isChecked());
        ClickAndExpectBound(f, {kClearAll});
        EXPECT_EQ(f.Label(1093), QStringLiteral("475"));

        // Switching players abandons a half-composed bet and its stake.
        ClickAndExpectBound(f, {Digit(9), 1022});
        EXPECT_EQ(f.Label(1093), QStringLiteral("475"));
        EXPECT_FALSE(f.Button(1024)->isChecked());
    });
    EXPECT_EQ(f.sink.Count(SoundEffect::Buy), 1);
    // Clear All and BUY do not click; the ignored "1" after "00" is silent.
    EXPECT_EQ(f.sink.Count(SoundEffect::Click), 18);
    EXPECT_TRUE(f.model.IsOpen()); // the opener closes the model, never the dialog
}

TEST(BettingWindowDlgKeys, EnterBuysTheTableHoldsTwentyFiveRaceClosesAndAClosedModelStaysHidden)
{
    Fixture f({{0, "Player 1"}}, 1000);
    bool openAfterEnter = false;
    f.RunWith([&] {
        // A key that would overdraw is refused in words too.
        f.Click({Digit(5), Digit(0), Digit(0), Digit(0)});
        EXPECT_TRUE(f.dialog.findChild<QLabel*>("betting_status")->text().contains("$1000"));
        f.Click({kClear});
        // A lone player is chosen at once. Enter where a keypad key has the
        // focus means BUY, not that key.
        QPushButton* key = f.Button(Digit(5));
        for (int i = 0; i < kMaxBetsPerPlayer; ++i) {
            f.Click({Digit(1), kShow, kRunnerIds[i % 8]});
            key->setFocus();
            QTest::keyClick(key, i % 2 == 0 ? Qt::Key_Return : Qt::Key_Enter);
        }
        openAfterEnter = f.dialog.isVisible();
        EXPECT_EQ(f.model.Bets(0).count, kMaxBetsPerPlayer);
        // (The 26th bet refused is the model's test.) Escape closes, no race.
        QTest::keyClick(&f.dialog, Qt::Key_Escape);
        EXPECT_FALSE(f.dialog.isVisible());
    });
    EXPECT_TRUE(openAfterEnter);
    EXPECT_FALSE(f.model.StartRaceRequested());

    // RACE closes the window and asks for the race.
    bool closedByRace = false;
    f.RunWith([&] {
        f.Click({kRace});
        closedByRace = !f.dialog.isVisible();
    });
    EXPECT_TRUE(closedByRace);
    EXPECT_TRUE(f.model.StartRaceRequested());

    // Once its model is closed, the window is not shown.
    f.model.Close(*f.state);
    bool shownClosed = false;
    f.RunWith([&] { shownClosed = f.dialog.isVisible(); });
    QApplication::processEvents();
    EXPECT_FALSE(shownClosed);
}

// Opens the review with "View" and runs body on it while it is shown.
void InReview(Fixture& f, const std::function<void(CReviewBetsDlg&, QListWidget&, QPushButton&)>& body)
{
    QTimer::singleShot(0, &f.dialog, [&f, body] {
        auto* review = qobject_cast<CReviewBetsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(review, nullptr);
        auto* list = review->findChild<QListWidget*>(QStringLiteral("review_1134"));
        auto* remove = review->findChild<QPushButton*>(QStringLiteral("review_1132"));
        if (list != nullptr && remove != nullptr)
            body(*review, *list, *remove);
        else
            ADD_FAILURE() << "review controls missing";
        if (review->isVisible())
            review->reject();
    });
    f.Click({kView});
}

void ClickLine(QListWidget& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

TEST(BettingWindowDlgReview, ADeletedBetGivesItsStakeAndItsPoolMoneyBackOnce)
{
    Fixture f({{0, "Maggie"}, {3, "Tom"}}, 1000);
    f.RunWith([&] {
        f.Click({1025, Digit(5), Digit(0), kWin, kRunnerIds[0], kBuy});
        f.Click({Digit(3), Digit(0), kShow, kRunnerIds[1], kBuy});
        f.Click({Digit(7)}); // composed when View is pressed: given back
        InReview(f, [&](CReviewBetsDlg& review, QListWidget& list, QPushButton& remove) {
            EXPECT_EQ(review.windowTitle(), QStringLiteral("Review & Delete Bets"));
            ASSERT_EQ(list.count(), 2);
            EXPECT_EQ(list.item(0)->text(), QStringLiteral("Tom           50      Win         1       "));
            const QString second = list.item(1)->text();
            EXPECT_FALSE(remove.isEnabled());
            ClickLine(list, 0);
            EXPECT_TRUE(remove.isEnabled());
            SaveScreenshot(review, "review_bets.png");
            QTest::mouseClick(&remove, Qt::LeftButton);
            ASSERT_EQ(list.count(), 1);
            EXPECT_EQ(list.item(0)->text(), second);
            EXPECT_FALSE(remove.isEnabled()); // the selection went with the bet
            QTest::mouseClick(review.findChild<QPushButton*>(QStringLiteral("review_1")), Qt::LeftButton);
        });
        EXPECT_EQ(f.Label(1094), QStringLiteral("970"));
        ExpectBound(f);

        // A second review starts afresh; leaving it with Escape keeps its deletion.
        InReview(f, [&](CReviewBetsDlg& review, QListWidget& list, QPushButton& remove) {
            ASSERT_EQ(list.count(), 1);
            ClickLine(list, 0);
            QTest::mouseClick(&remove, Qt::LeftButton);
            EXPECT_EQ(list.count(), 0);
            QTest::keyClick(&review, Qt::Key_Escape);
        });
        EXPECT_EQ(f.Label(1094), QStringLiteral("1000"));
        EXPECT_FALSE(f.Enabled(kView)); // nothing left to review
        ExpectBound(f);
        f.Click({Digit(2), Digit(0), kShow, kRunnerIds[1], kBuy});
    });
    EXPECT_EQ(f.sink.Count(SoundEffect::Delete), 2);

    // Only the last Show bet reaches the race's pools.
    f.model.Close(*f.state);
    EXPECT_EQ(f.state->players[3].balance, 980);
    EXPECT_DOUBLE_EQ(f.state->pools.typePool[BetTypeCode(BetType::Win)][0], 0.0);
    EXPECT_DOUBLE_EQ(f.state->pools.typePool[BetTypeCode(BetType::Show)][1], 20.0);
}

TEST(BettingWindowDlgLook, CaptionFontPlacementAndSizeFitTheScreen)
{
    Fixture f({{0, "Maggie"}, {1, "Tom"}, {2, "Ann"}, {3, "Joe"}}, 10000, 12);
    const QRect area = f.dialog.screen()->availableGeometry();
    QPoint placed;
    QSize size;
    f.RunWith(
        [&] {
            placed = f.dialog.pos();
            size = f.dialog.size();
            auto* line = f.dialog.findChild<QLineEdit*>(QStringLiteral("betting_6536"));
            ASSERT_NE(line, nullptr);
            EXPECT_TRUE(line->isReadOnly()); // shown, never typed into
            EXPECT_TRUE(QFontInfo(line->font()).fixedPitch() && QFontInfo(line->font()).bold());
            // A line of the longest usual fields is not cut off.
            EXPECT_LE(QFontMetrics(line->font()).horizontalAdvance(QString(46, QLatin1Char('M'))),
                      line->contentsRect().width());
        },
        area.topLeft() + QPoint(4, 20));
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("Betting Window"));
    EXPECT_EQ(placed, area.topLeft() + QPoint(4, 20));
    // Up to medium screens the window keeps to the smallest layout; on large
    // ones it may grow, never past the screen.
    if (SizeClassForScreenWidth(f.dialog.screen()->geometry().width()) != SizeClass::Large) {
        EXPECT_TRUE(size.width() <= 640 && size.height() <= 480) << size.width() << "x" << size.height();
    }
    EXPECT_TRUE(size.width() <= area.width() && size.height() <= area.height());

    // Asked to open too low and too far right, it is moved back onto the screen.
    // (Where nothing fits below, the compact arrangement is taken.)
    f.RunWith(
        [&] {
            placed = f.dialog.pos();
            size = f.dialog.size();
        },
        area.bottomRight());
    EXPECT_TRUE(area.contains(QRect(placed, size)));
}

} // namespace
} // namespace galloria
