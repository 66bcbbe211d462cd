// The game's dialogs and help window, driven as a player would: each modal
// dialog is answered from inside its own event loop.

#include "game/about_dlg.h"
#include "game/enter_names_dlg.h"
#include "game/extra_info_dlg.h"
#include "game/help_window.h"
#include "game/notice_dlg.h"
#include "game/notice_medals.h"
#include "game/odds_progress_dlg.h"
#include "game/options_dlg.h"
#include "game/race_set_results_dlg.h"
#include "game/tip_dlg.h"

#include "screenshot.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace galloria {
namespace {

constexpr int kSmallScreenWidth = 640;
constexpr int kSmallScreenHeight = 480;

// Runs `answer` once `dialog` is up in its modal loop. If the answer leaves
// the dialog open, the test fails and the dialog is closed so nothing hangs.
void WhenShown(QWidget& dialog, std::function<void()> answer)
{
    QTimer::singleShot(0, &dialog, [&dialog, answer] {
        EXPECT_TRUE(dialog.isVisible());
        answer();
        if (dialog.isVisible()) {
            ADD_FAILURE() << dialog.windowTitle().toStdString() << " was left open";
            if (auto* modal = qobject_cast<QDialog*>(&dialog))
                modal->reject();
        }
    });
}

void ExpectFitsSmallScreen(const QWidget& widget)
{
    EXPECT_LE(widget.width(), kSmallScreenWidth) << widget.windowTitle().toStdString();
    EXPECT_LE(widget.height(), kSmallScreenHeight) << widget.windowTitle().toStdString();
    // Nothing squeezed below what its layout needs.
    EXPECT_GE(widget.width(), widget.minimumSizeHint().width()) << widget.windowTitle().toStdString();
    EXPECT_GE(widget.height(), widget.minimumSizeHint().height()) << widget.windowTitle().toStdString();
}

// Clicks near the left end: a radio button answers only on its circle and
// text, which do not reach the middle of a wide button.
void Click(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      QPoint(std::min(10, button->width() / 2), button->height() / 2));
}

void Retype(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

// Expects `dialog` to wear `caption` (unless null) and shows it through
// `show` twice: closed with `ok` it must answer as accepted, closed with
// `cancel` (Escape where that is null) as not. Open, it fits the smallest screen.
void ExpectOkAndCancel(QDialog& dialog, const char* caption, QAbstractButton* ok, QAbstractButton* cancel,
                       const std::function<bool()>& show, const char* screenshot = nullptr)
{
    if (caption != nullptr) {
        EXPECT_EQ(dialog.windowTitle(), caption);
    }
    WhenShown(dialog, [&] {
        ExpectFitsSmallScreen(dialog);
        if (screenshot != nullptr)
            SaveScreenshot(dialog, screenshot);
        Click(ok);
    });
    EXPECT_TRUE(show()) << dialog.windowTitle().toStdString();
    WhenShown(dialog, [&] { cancel != nullptr ? Click(cancel) : QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(show()) << dialog.windowTitle().toStdString();
}

RaceSetState FullSet()
{
    RaceSetState state;
    const char* names[] = {"Anna", "Ben", "Carla", "Dmitri"};
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        PlayerSlot& player = state.players[slot];
        player.name = names[slot];
        player.startBalance = 10000;
        for (int race = 0; race < kRacesPerSet; ++race)
            player.balanceAfterRace[race] = 10000 + (slot + 1) * (race + 1) * 1234;
        player.balance = player.balanceAfterRace[kRacesPerSet - 1];
    }
    state.raceIndex = kRacesPerSet - 1;
    return state;
}

// Every cell of the dialog's grid shows the model's text.
void ExpectCellsShow(const CRaceSetResultsDlg& dialog, const RaceSetResultsModel& model)
{
    for (int row = 0; row < RaceSetResultsModel::kRowCount; ++row) {
        for (int column = 0; column < RaceSetResultsModel::kColumnCount; ++column) {
            EXPECT_EQ(dialog.CellLabel(row, column)->text().toStdString(), model.Cell(row, column))
                << "row " << row << " column " << column;
        }
    }
}

PersonalDetails SomeDetails()
{
    return {"Ada", "Lovelace", "London", "England", "ada@example.org"};
}

class GameDialogs : public ::testing::Test {
protected:
    QWidget view; // stands in for the game's view, the dialogs' parent
};

TEST_F(GameDialogs, EveryDialogHasItsCaptionAnswersOkAndCancelAndFits)
{
    CEnterNamesDlg names(&view);
    PlayerNamesModel namesModel;
    namesModel.Open({"Anna", "", "", ""});
    ExpectOkAndCancel(names, "Enter Name(s)", names.PlayButton(), names.CancelButton(),
                      [&] { return names.Ask(namesModel); });

    CRaceSetResultsDlg results(&view);
    RaceSetResultsModel resultsModel;
    resultsModel.Fill(FullSet(), SetEndReason::TenRacesRun);
    ASSERT_TRUE(resultsModel.CanContinue());
    ExpectOkAndCancel(results, "Results For The Current Race Set", results.ContinueButton(),
                      results.StopButton(), [&] { return results.Show(resultsModel); });

    COptionsDlg options(&view);
    ExpectOkAndCancel(options, "Game Options", options.SaveButton(), options.CancelButton(),
                      [&] { return options.Ask(GameSettings{}).saved.has_value(); });

    CNoticeDlg notice(&view);
    const std::string_view lines[] = {"One", "Two", "Three", "Four"};
    bool medals = true; // first with medals, then as a plain notice
    ExpectOkAndCancel(notice, nullptr, notice.OkButton(), nullptr, [&] {
        notice.Show(lines, medals, medals ? 40000 : 0);
        medals = false;
        return notice.result() == QDialog::Accepted;
    });

    CAboutDlg about(&view);
    const auto labels = about.findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel* label) { return label->text() == "v1.5.11"; }));
    ExpectOkAndCancel(
        about, "About Galloria", about.CloseButton(), nullptr,
        [&] { return about.exec() == QDialog::Accepted; }, "about.png");

    CExtraInfoDlg details(&view);
    ExpectOkAndCancel(
        details, "Extra Info", details.OkButton(), details.CancelButton(),
        [&] {
            const auto answer = details.Ask(SomeDetails());
            EXPECT_TRUE(!answer || *answer == SomeDetails()) << "OK answers with the details as shown";
            return answer.has_value();
        },
        "details.png");

    // The tip has OK alone.
    CTipDlg tip(&view);
    EXPECT_EQ(tip.windowTitle(), "Psssst ....");
    const QString text = "Gallant Lad is the cat's meow. Read my lips! Dis one's gonna win!";
    WhenShown(tip, [&] {
        EXPECT_EQ(tip.Text(), text);
        ExpectFitsSmallScreen(tip);
        SaveScreenshot(tip, "tip.png");
        Click(tip.OkButton());
    });
    tip.Show(text);
    EXPECT_EQ(tip.result(), QDialog::Accepted);

    // The odds progress and the help are not modal. The bar follows the
    // simulation, never past its end, and starts over when opened again; a
    // late report while closed does not bring it back.
    COddsProgressDlg progress(&view);
    OddsProgress& face = progress;
    for (int opening = 0; opening < 2; ++opening) {
        face.Open(kOddsProgressRange);
        EXPECT_TRUE(progress.isVisible() && !progress.isModal());
        EXPECT_EQ(progress.Range(), kOddsProgressRange);
        EXPECT_EQ(progress.Position(), 0);
        ExpectFitsSmallScreen(progress);
        face.SetPosition(6);
        EXPECT_EQ(progress.Position(), 6);
        SaveScreenshot(progress, "progress.png");
        face.SetPosition(kOddsProgressRange + 5);
        EXPECT_EQ(progress.Position(), kOddsProgressRange);
        face.Close();
        face.SetPosition(3);
        EXPECT_FALSE(progress.isVisible());
    }

    CHelpWindow help(&view);
    EXPECT_EQ(help.windowTitle(), "Galloria Help");
    help.ShowContents();
    EXPECT_TRUE(help.isVisible());
    ExpectFitsSmallScreen(help);
    help.close();
}

TEST_F(GameDialogs, NamesDialogTurnsTypedAndPickedNamesIntoTheModelsAnswerAndCancelKeepsTheModel)
{
    CEnterNamesDlg dialog(&view);
    PlayerNamesModel model;
    const std::array<std::string, kPlayerSlots> opened = {"Anna", "Not In Game", "", "Ben"};
    model.Open(opened);

    // Typing, then Cancel: the model keeps its names. A list entry's text
    // cannot be typed past: it is not a name.
    WhenShown(dialog, [&] {
        Retype(dialog.NameBox(0)->lineEdit(), "Zed");
        QLineEdit* notInGame = dialog.NameBox(1)->lineEdit();
        notInGame->setFocus();
        notInGame->end(false);
        QTest::keyClicks(notInGame, "x");
        EXPECT_EQ(notInGame->text(), "Not In Game");
        Click(dialog.CancelButton());
    });
    EXPECT_FALSE(dialog.Ask(model));
    EXPECT_EQ(model.Text(0), "Anna");
    EXPECT_EQ(model.Selection(1), kNotInGameEntry);

    WhenShown(dialog, [&] {
        // The next opening shows the model, not the typing before the
        // cancel: typed names as text, list entries selected and shown
        // whole, not cut to ten letters.
        for (int slot = 0; slot < kPlayerSlots; ++slot)
            EXPECT_EQ(dialog.NameBox(slot)->currentText().toStdString(), opened[slot]) << "slot " << slot;
        EXPECT_EQ(dialog.NameBox(1)->currentIndex(), kNotInGameEntry);

        Retype(dialog.NameBox(0)->lineEdit(), "Zoe");
        // Typing stops at ten letters.
        Retype(dialog.NameBox(2)->lineEdit(), "Bartholomew99");
        EXPECT_EQ(dialog.NameBox(2)->currentText(), "Bartholome");
        // Picking "Not In Game" takes Ben out.
        dialog.NameBox(3)->setCurrentIndex(kNotInGameEntry);
        // Picking an entry and then typing over it makes the text a name.
        dialog.NameBox(1)->setCurrentIndex(kBlankEntry);
        Retype(dialog.NameBox(1)->lineEdit(), "Max");
        SaveScreenshot(dialog, "names.png");
        Click(dialog.PlayButton());
    });
    ASSERT_TRUE(dialog.Ask(model));

    const PlayerNamesAnswer answer = model.Play();
    ASSERT_TRUE(answer.Accepted()) << answer.refusal;
    EXPECT_EQ(answer.playerCount, 3);
    EXPECT_EQ(answer.names, (std::array<std::string, kPlayerSlots>{"Zoe", "Max", "Bartholome", ""}));
    EXPECT_EQ(model.Selection(3), kNotInGameEntry);
}

TEST_F(GameDialogs, ResultsDialogShowsEveryCellAndOffersOnlyStoppingWhenTheModelSaysSo)
{
    CRaceSetResultsDlg dialog(&view);
    RaceSetResultsModel full;
    full.Fill(FullSet(), SetEndReason::TenRacesRun);
    dialog.Fill(full);
    EXPECT_EQ(dialog.TitleLabel()->text(), QString::fromStdString(full.Title()));

    // Every row carries its label, and the labels and cells line up in one grid.
    const auto labels = dialog.findChildren<QLabel*>();
    for (int row = 1; row < RaceSetResultsModel::kRowCount; ++row) {
        const QString label = QString::fromUtf8(RaceSetResultsModel::RowLabel(row).data());
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QLabel* l) {
            return l->text() == label;
        })) << label.toStdString();
    }
    WhenShown(dialog, [&] {
        // Each row's cells stand on one line.
        for (int row = 0; row < RaceSetResultsModel::kRowCount; ++row) {
            for (int column = 1; column < RaceSetResultsModel::kColumnCount; ++column)
                EXPECT_EQ(dialog.CellLabel(row, column)->y(), dialog.CellLabel(row, 0)->y()) << "row " << row;
        }
        SaveScreenshot(dialog, "results.png");
        Click(dialog.ContinueButton());
    });
    EXPECT_TRUE(dialog.Show(full));

    // A set quit after three races, the second player gone and the third
    // started with more, after the full one: every cell is written again and
    // the Continue button is off.
    RaceSetState quitState = FullSet();
    quitState.players[1].name.clear();
    quitState.players[2].startBalance = 15000;
    quitState.raceIndex = 2;
    RaceSetResultsModel quit;
    quit.Fill(quitState, SetEndReason::Quit);
    ASSERT_FALSE(quit.CanContinue());
    WhenShown(dialog, [&] {
        EXPECT_FALSE(dialog.ContinueButton()->isEnabled());
        EXPECT_TRUE(dialog.StopButton()->isEnabled());
        ExpectCellsShow(dialog, quit);
        // Neither a click on the disabled button nor Enter continues the set.
        QTest::mouseClick(dialog.ContinueButton(), Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    EXPECT_FALSE(dialog.Show(quit));
}

GameSettings SomeSettings()
{
    GameSettings settings;
    settings.playerNames = {"Anna", "Ben", "Not In Game", "Not In Game"};
    settings.soundSetting = 0;
    settings.animationSpeed = 7;
    settings.sortOrder = SortOrder::Odds;
    settings.viewRaceMode = ViewRaceMode::WholeRace;
    settings.graphicsQuality = GraphicsQuality::Medium;
    settings.oddsAccuracy = 2;
    settings.ownershipSetting = 1;
    return settings;
}

TEST_F(GameDialogs, OptionsShowTheSettingsAndSaveReturnsTheChangedOnes)
{
    COptionsDlg dialog(&view);
    const GameSettings opened = SomeSettings();

    WhenShown(dialog, [&] {
        // (Each control shows its setting: the second opening below saves them back unchanged.)
        EXPECT_EQ(dialog.OddsValue()->text(), "2");
        EXPECT_FALSE(dialog.LanguageNote()->isVisible());
        EXPECT_EQ(dialog.SpeedSlider()->minimum(), kMinAnimationSpeed);
        EXPECT_EQ(dialog.SpeedSlider()->maximum(), kMaxAnimationSpeed);
        EXPECT_EQ(dialog.OddsSlider()->minimum(), kMinOddsAccuracy);
        EXPECT_EQ(dialog.OddsSlider()->maximum(), kMaxOddsAccuracy);
        SaveScreenshot(dialog, "options.png");

        Click(dialog.SoundGroup()->button(1));
        // The value text follows the slider as it moves.
        dialog.SpeedSlider()->setFocus();
        QTest::keyClick(dialog.SpeedSlider(), Qt::Key_Right);
        QTest::keyClick(dialog.SpeedSlider(), Qt::Key_Right);
        EXPECT_EQ(dialog.SpeedValue()->text(), "9");
        Click(dialog.SortGroup()->button(static_cast<int>(SortOrder::Earnings)));
        Click(dialog.ViewGroup()->button(static_cast<int>(ViewRaceMode::HomeStretch)));
        Click(dialog.GraphicsGroup()->button(static_cast<int>(GraphicsQuality::Low)));
        dialog.OddsSlider()->setFocus();
        QTest::keyClick(dialog.OddsSlider(), Qt::Key_Left);
        EXPECT_EQ(dialog.OddsValue()->text(), "1");
        Click(dialog.OwnerGroup()->button(0));
        Click(dialog.SlowMotionBox());
        dialog.LanguageBox()->setCurrentText(QStringLiteral("Espa\u00f1ol"));
        EXPECT_TRUE(dialog.LanguageNote()->isVisible()); // it speaks it from the next start
        Click(dialog.SaveButton());
    });
    const OptionsAnswer answer = dialog.Ask(opened);

    GameSettings expected = opened;
    expected.soundSetting = 1;
    expected.animationSpeed = 9;
    expected.sortOrder = SortOrder::Earnings;
    expected.viewRaceMode = ViewRaceMode::HomeStretch;
    expected.graphicsQuality = GraphicsQuality::Low;
    expected.oddsAccuracy = 1;
    expected.ownershipSetting = 0;
    expected.slowMotionFinish = false;
    expected.language = GameLanguage::Spanish;
    ASSERT_TRUE(answer.saved.has_value());
    EXPECT_EQ(*answer.saved, expected);
    EXPECT_FALSE(answer.resetRequested);

    // The next opening shows the settings it is given, not the last edits;
    // a stored order that no button stands for is kept as it was.
    GameSettings odd = opened;
    odd.sortOrder = static_cast<SortOrder>(9);
    WhenShown(dialog, [&] {
        EXPECT_EQ(dialog.SpeedValue()->text(), "7");
        EXPECT_EQ(dialog.SortGroup()->checkedId(), -1);
        Click(dialog.SaveButton());
    });
    const OptionsAnswer unchanged = dialog.Ask(odd);
    ASSERT_TRUE(unchanged.saved.has_value());
    EXPECT_EQ(*unchanged.saved, odd);
}

TEST_F(GameDialogs, OptionsCancelReturnsNoSettingsAndAConfirmedResetEitherWay)
{
    COptionsDlg dialog(&view);

    // The reset is asked in a stop box; confirmed, it holds through Cancel...
    QString question;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenShown(dialog, [&] {
        QTimer::singleShot(0, &dialog, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            question = box->text();
            icon = box->icon();
            Click(box->button(QMessageBox::Ok));
        });
        Click(dialog.ResetButton());
        EXPECT_FALSE(dialog.ResetButton()->isEnabled());
        Click(dialog.CancelButton());
    });
    OptionsAnswer answer = dialog.Ask(SomeSettings());
    EXPECT_EQ(question, "Reset All High Score Lists?");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_FALSE(answer.saved.has_value());
    EXPECT_TRUE(answer.resetRequested);

    int asked = 0;
    bool confirm = true;
    dialog.SetResetQuestion([&](QWidget*) {
        ++asked;
        return confirm;
    });

    // ...and through Save, with the settings.
    WhenShown(dialog, [&] {
        EXPECT_TRUE(dialog.ResetButton()->isEnabled()); // a new opening asks afresh
        Click(dialog.ResetButton());
        Click(dialog.SaveButton());
    });
    answer = dialog.Ask(SomeSettings());
    EXPECT_TRUE(answer.saved.has_value());
    EXPECT_TRUE(answer.resetRequested);

    // A declined question requests nothing; changes then Cancel bring
    // nothing back.
    confirm = false;
    WhenShown(dialog, [&] {
        Click(dialog.ResetButton());
        EXPECT_TRUE(dialog.ResetButton()->isEnabled());
        Click(dialog.SoundGroup()->button(1));
        Click(dialog.CancelButton());
    });
    answer = dialog.Ask(SomeSettings());
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(answer.saved.has_value());
    EXPECT_FALSE(answer.resetRequested);
}

TEST_F(GameDialogs, NoticeShowsOneToFiveMedalsByAmount)
{
    const std::string_view lines[] = {"End of the 10th race. Review the", "results and then click NEXT RACE",
                                      "to see the final results for", "this race set."};
    CNoticeDlg notice(&view);
    // How many an amount earns is the medal rule's own test; here the dialog shows them.
    for (const int amount : {0, 15001, 30001}) {
        notice.Fill(lines, true, amount);
        EXPECT_EQ(notice.MedalsShown(), NoticeMedalCount(amount)) << "amount " << amount;
        EXPECT_FALSE(notice.PlainIconShown());
    }

    // A plain notice shows its own icon and no medal, whatever the amount.
    notice.Fill(lines, false, 40000);
    EXPECT_EQ(notice.MedalsShown(), 0);
    EXPECT_TRUE(notice.PlainIconShown());

    WhenShown(notice, [&] {
        EXPECT_EQ(notice.Text(), "End of the 10th race. Review the\nresults and then click NEXT RACE\n"
                                 "to see the final results for\nthis race set.");
        EXPECT_EQ(notice.MedalsShown(), 5);
        SaveScreenshot(notice, "notice.png");
        Click(notice.OkButton());
    });
    notice.Show(lines, true, 40000);
}

TEST_F(GameDialogs, DetailsOfferOkOnlyWhileAllFiveAreFilledIn)
{
    CExtraInfoDlg dialog(&view);
    WhenShown(dialog, [&] {
        EXPECT_FALSE(dialog.OkButton()->isEnabled());
        const QString texts[] = {"Ada", "Lovelace", "London", "England", "ada@example.org"};
        for (int field = 0; field < CExtraInfoDlg::kFieldCount; ++field) {
            EXPECT_FALSE(dialog.OkButton()->isEnabled()) << "field " << field;
            Retype(dialog.Field(field), texts[field]);
        }
        EXPECT_TRUE(dialog.OkButton()->isEnabled());
        // Emptying one box again takes OK away; Enter then does nothing.
        Retype(dialog.Field(2), "");
        EXPECT_FALSE(dialog.OkButton()->isEnabled());
        QTest::keyClick(dialog.Field(2), Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        QTest::keyClicks(dialog.Field(2), "Bath");
        EXPECT_TRUE(dialog.OkButton()->isEnabled());
        Click(dialog.OkButton());
    });
    // (Stored details open filled in, OK offered at once: the first test
    // answers them with OK.)
    const auto answer = dialog.Ask(PersonalDetails{});
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(*answer, (PersonalDetails{"Ada", "Lovelace", "Bath", "England", "ada@example.org"}));
}

TEST_F(GameDialogs, HelpLinksOnlyToPagesThatExistAndFollowsThemAndGoesBack)
{
    const QStringList pages = QDir(":/help").entryList({"*.html"}, QDir::Files);
    ASSERT_TRUE(pages.contains("index.html"));
    ASSERT_GE(pages.size(), 5);
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)"));
    QStringList linkedFromContents;
    for (const QString& page : pages) {
        QFile file(QStringLiteral(":/help/") + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        for (auto match = link.globalMatch(html); match.hasNext();) {
            const QString target = match.next().captured(1);
            if (target.isEmpty())
                continue;
            // Pages and the shared style sheet.
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target))
                << page.toStdString() << " links to " << target.toStdString();
            if (page == "index.html")
                linkedFromContents << target;
        }
    }
    // Every page can be reached from the contents.
    for (const QString& page : pages) {
        if (page != "index.html") {
            EXPECT_TRUE(linkedFromContents.contains(page)) << page.toStdString();
        }
    }

    CHelpWindow help(&view);
    help.ShowContents();
    EXPECT_EQ(help.Browser()->source(), CHelpWindow::ContentsUrl());
    EXPECT_TRUE(help.Browser()->toPlainText().contains("Contents"));

    Q_EMIT help.Browser()->anchorClicked(QUrl("odds.html"));
    EXPECT_EQ(help.Browser()->source().fileName(), "odds.html");
    EXPECT_TRUE(help.Browser()->toPlainText().contains("pari-mutuel", Qt::CaseInsensitive));
    SaveScreenshot(help, "help.png");

    help.Browser()->backward();
    EXPECT_EQ(help.Browser()->source(), CHelpWindow::ContentsUrl());

    // A page that is not there says so instead of showing an empty window,
    // and its link back still works.
    Q_EMIT help.Browser()->anchorClicked(QUrl("no_such_page.html"));
    EXPECT_TRUE(help.Browser()->toPlainText().contains("not found", Qt::CaseInsensitive));
    Q_EMIT help.Browser()->anchorClicked(QUrl("qrc:/help/index.html"));
    EXPECT_EQ(help.Browser()->source(), CHelpWindow::ContentsUrl());
    help.close();
}

} // namespace
} // namespace galloria
