// The game's window as a player meets it, offscreen: the menus in every
// phase, the start-up screen, a set from the names dialog to the results,
// the settings and the saved games, the game folder and the sound sink.

// The game's headers come before Qt's: Qt defines "slots" as a keyword
// macro, and the bet table has a member of that name.
#include "base/sound_effect.h"
#include "betting/bet.h"
#include "betting/racing_form_model.h"
#include "game/game.h"
#include "game/game_settings.h"
#include "game/menu_state.h"
#include "game/race_replay.h"

#include "app/back_buffer.h"
#include "app/main_frame.h"
#include "app/qt_settings_store.h"
#include "app/qt_sound_sink.h"
#include "app/skin_menu.h"
#include "betting/racing_form_painter.h"
#include "game/help_window.h"
#include "race/payout_board_painter.h"
#include "race/replay_list_dlg.h"

#include "modal_answerer.h"
#include "pixel_count.h"
#include "window_test_helpers.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>

#include <algorithm>

namespace galloria {
namespace {

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every window test runs in a game folder and a settings store of its own.
// The frame and the answerer of a set are the fixture's, so they are gone
// before the folder and the settings are.
class MainWindowTest : public GameFolderFixture {
protected:
    void TearDown() override
    {
        player.reset();
        frame.reset();
        GameFolderFixture::TearDown();
    }

    // Races run undisplayed unless a test wants to watch one: a shown race
    // takes half a minute.
    static void ViewRacesAs(ViewRaceMode mode, int speed = 5)
    {
        StoreSetting(QStringLiteral("View"), static_cast<int>(mode));
        StoreSetting(QStringLiteral("Speed"), speed);
    }

    // Opens the frame and plays the start-up screen through. A frame open
    // before is closed first, so what it saves is there for the new one.
    void OpenFrame(SizeClass size = SizeClass::Medium)
    {
        frame.reset();
        frame = std::make_unique<CMainFrame>(size);
        frame->resize(LayoutWidth(size), LayoutHeight(size) + frame->menuBar()->sizeHint().height());
        frame->show();
        for (int step = 0; step < BackBuffer::kStartupTicks && frame->View().StartupRunning(); ++step)
            frame->View().StepStartup();
    }

    // START NEW RACE SET with one player, up to the open betting window.
    void StartSet() { frame->Action(MenuCommand::StartNewRaceSet)->trigger(); }

    // Opens the frame with an answerer as its player and starts a set; true
    // when the first race is open for betting.
    bool OpenSet(SizeClass size = SizeClass::Medium)
    {
        OpenFrame(size);
        player = std::make_unique<ModalAnswerer>(frame->View());
        StartSet();
        return frame->View().GameObject().menus.Phase() == GamePhase::Betting;
    }

    std::unique_ptr<CMainFrame> frame;
    std::unique_ptr<ModalAnswerer> player;
};

// The menu bar shows what the game's menu state says, item by item.
void ExpectMenusFollow(const CMainFrame& frame, const MenuModel& menus)
{
    for (MenuCommand command : kMenuCommands) {
        const QAction* action = frame.Action(command);
        ASSERT_NE(action, nullptr) << static_cast<int>(command);
        EXPECT_EQ(action->isEnabled(), menus.IsItemEnabled(command)) << action->text().toStdString();
    }
    for (MenuPopup popup : kMenuPopups)
        EXPECT_EQ(frame.Popup(popup)->menuAction()->isEnabled(), menus.IsPopupEnabled(popup))
            << frame.Popup(popup)->title().toStdString();
    EXPECT_EQ(frame.Action(MenuCommand::RaceOrNextRace)->text(), Text(menus.RaceText()));
}

// Makes the frame the active window, so its keys reach it.
bool Activate(CMainFrame& frame)
{
    // Window events still queued from closed dialogs are let through first,
    // so none of them takes the activation away again.
    QApplication::sendPostedEvents();
    QApplication::processEvents();
    frame.activateWindow();
    QApplication::setActiveWindow(&frame);
    frame.View().setFocus();
    QApplication::processEvents();
    return QApplication::activeWindow() == &frame;
}

// Pixels of a colour close to yellow inside `rect`.
int YellowPixels(const QImage& image, const QRect& rect)
{
    return CountPixels(image, rect,
                       [](QRgb c) { return qRed(c) > 180 && qGreen(c) > 180 && qBlue(c) < 100; });
}

// The share of pixels in `rect` that differ between two pictures.
double ChangedShare(const QImage& before, const QImage& after, const QRect& rect)
{
    const QRect inside = rect.intersected(before.rect()).intersected(after.rect());
    if (inside.isEmpty())
        return 0.0;
    int changed = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            changed += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
    }
    return static_cast<double>(changed) / (inside.width() * inside.height());
}

TEST_F(MainWindowTest, MenuBarHasEveryItemOfTheGameInOrder)
{
    OpenFrame();
    QStringList bar;
    for (const QAction* action : frame->menuBar()->actions())
        bar << action->text();
    EXPECT_EQ(bar, (QStringList{"&GAME", "&STABLE", "&TRACK", "   &RACE!   ", "&SUMMERY", "&HELP"}));
    EXPECT_EQ(frame->menuBar()->actions().at(kRaceItemPosition), frame->Action(MenuCommand::RaceOrNextRace));
    EXPECT_EQ(frame->Action(MenuCommand::RaceOrNextRace)->menu(), nullptr) << "RACE! is a plain item";

    struct Item {
        const char* text;
        int id;
    };
    const std::vector<std::pair<MenuPopup, std::vector<Item>>> expected = {
        {MenuPopup::Game,
         {{"START &NEW RACE SET", 32828},
          {"CONTINUE LAST SET", 32833},
          {"&OPEN...", 57601},
          {"&SAVE...", 57604},
          {"&PAUSE RACE", 32829},
          {"&QUIT THIS RACE SET", 32830},
          {"E&XIT", 57665}}},
        {MenuPopup::Stable,
         {{"&GAME OPTIONS...", 32817},
          {"&ADD A HORSE TO THE STABLE...", 32818},
          {"&LIST ALL HORSES...", 32819},
          {"&BETTING HALL OF FAME...", 32827}}},
        {MenuPopup::Track,
         {{"&BETTING WINDOW...", 32820},
          {"&LIVE ODDS && POOLS...", 32821},
          {"&RACING FORM", 32822},
          {"RE&PLAY A RACE...", 32834}}},
        {MenuPopup::Summary,
         {{"&SHOW NEXT PHOTO", 32823},
          {"&FINISH RESULTS", 32824},
          {"&HOW DID I DO?...", 32825},
          {"&RACING FORM", 32826}}},
        {MenuPopup::Help, {{"&GOTO HELP CONTENTS...", 57670}, {"&ABOUT GALLORIA...", 57664}}},
    };
    for (const auto& [popup, items] : expected) {
        const QList<QAction*> actions = frame->Popup(popup)->actions();
        ASSERT_EQ(actions.size(), static_cast<qsizetype>(items.size()))
            << frame->Popup(popup)->title().toStdString();
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(actions[i]->text(), QString::fromLatin1(items[i].text));
            EXPECT_EQ(actions[i]->data().toInt(), items[i].id);
            EXPECT_EQ(frame->Action(static_cast<MenuCommand>(items[i].id)), actions[i]);
        }
    }
}

TEST_F(MainWindowTest, PopupsHaveTheirWidthsHeightsAndColours)
{
    OpenFrame();
    // The offscreen screen has 96 dots per inch: the widths are unscaled.
    ASSERT_EQ(frame->logicalDpiY(), 96);
    const std::pair<MenuPopup, int> widths[] = {{MenuPopup::Game, 210},
                                                {MenuPopup::Stable, 260},
                                                {MenuPopup::Track, 200},
                                                {MenuPopup::Summary, 200},
                                                {MenuPopup::Help, 220}};
    for (const auto& [popup, width] : widths) {
        CSkinMenu* menu = frame->Popup(popup);
        menu->ensurePolished();
        menu->sizeHint(); // lays the items out
        for (QAction* action : menu->actions())
            EXPECT_EQ(menu->actionGeometry(action).size(), QSize(width, 30)) << action->text().toStdString();
    }

    // The GAME popup with OPEN selected: ivory items, the selected one framed
    // in navy and filled with lavender.
    CSkinMenu* game = frame->Popup(MenuPopup::Game);
    QAction* open = frame->Action(MenuCommand::Open);
    game->setActiveAction(open);
    const QImage picture = game->grab().toImage();
    SaveScreenshot(picture, "menu_game.png");
    const QRect selected = game->actionGeometry(open);
    const QRect other = game->actionGeometry(frame->Action(MenuCommand::StartNewRaceSet));
    const int textX = SkinMenuStyle::kBitmapColumn + 4;
    const auto at = [&](int x, int y) {
        return picture.pixelColor(x * picture.width() / game->width(), y * picture.height() / game->height());
    };
    EXPECT_EQ(at(other.right() - 3, other.top() + 3), SkinMenuStyle::ItemColour());
    EXPECT_EQ(at(selected.right() - 3, selected.center().y()), SkinMenuStyle::SelectedFillColour());
    EXPECT_EQ(at(textX + 2, selected.top()), SkinMenuStyle::SelectedFrameColour());
    EXPECT_EQ(at(2, other.center().y()), game->palette().color(QPalette::Button)) << "the bitmap column";

    // The bar in the same ivory, with its titles written.
    QMenuBar* bar = frame->menuBar();
    const QImage barPicture = bar->grab().toImage();
    SaveScreenshot(barPicture, "menu_bar.png");
    EXPECT_EQ(barPicture.pixelColor(barPicture.width() - 4, barPicture.height() / 3),
              SkinMenuStyle::ItemColour());
    const QRect gameTitle = bar->actionGeometry(game->menuAction());
    const auto dark = [](QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}) < 100; };
    EXPECT_GT(CountPixels(barPicture, gameTitle, dark), 10) << "the GAME title is written";
}

TEST_F(MainWindowTest, MenusFollowTheGameInEveryPhase)
{
    OpenFrame();
    CVarnView& view = frame->View();

    // The bar copies the game's menus in each phase, racing too (which items
    // a phase offers is the menu model's table and the window_menus_by_phase
    // scenario's).
    MenuModel menus;
    for (GamePhase phase : {GamePhase::NoSet, GamePhase::Betting, GamePhase::Result, GamePhase::Racing}) {
        menus.Enter(phase);
        view.ApplyMenus(menus);
        ExpectMenusFollow(*frame, menus);
    }
    menus.Enter(GamePhase::Result);
    menus.ShowRacingForm();
    view.ApplyMenus(menus);
    ExpectMenusFollow(*frame, menus);
    EXPECT_EQ(frame->Action(MenuCommand::RaceOrNextRace)->text(), QStringLiteral("&Next Race"));

    // Ctrl+O opens, but a grayed item's key does nothing.
    ModalAnswerer answerer(view);
    ASSERT_TRUE(Activate(*frame));
    menus.Enter(GamePhase::NoSet);
    view.ApplyMenus(menus);
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(answerer.windows, std::vector<std::string>{"file"});
    menus.Enter(GamePhase::Betting);
    view.ApplyMenus(menus);
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(answerer.windows.size(), 1u);

    // F1 opens the help beside the game, made when first wanted; ABOUT shows its box.
    EXPECT_EQ(frame->findChild<CHelpWindow*>(), nullptr);
    ASSERT_TRUE(Activate(*frame));
    QTest::keyClick(frame.get(), Qt::Key_F1);
    auto* help = frame->findChild<CHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    help->close();
    frame->Action(MenuCommand::About)->trigger();
    EXPECT_EQ(answerer.windows.back(), "galloria::CAboutDlg");
}

TEST_F(MainWindowTest, StartUpScreenRunsThroughTitleToPicture)
{
    frame = std::make_unique<CMainFrame>(SizeClass::Large);
    CVarnView& view = frame->View();
    ASSERT_TRUE(view.StartupRunning());

    view.StepStartup();
    const QImage title = view.Buffer().Image();
    SaveScreenshot(title, "startup_title.png");
    EXPECT_EQ(title.pixelColor(0, 0), QColor(Qt::black)) << "the title stands on black";
    EXPECT_EQ(YellowPixels(title, view.Buffer().VersionTextRect()), 0);

    for (int step = 1; step < BackBuffer::kStartupTicks - 1; ++step)
        view.StepStartup();
    EXPECT_TRUE(view.StartupRunning());
    view.StepStartup();
    EXPECT_FALSE(view.StartupRunning());
    const QImage picture = view.Buffer().Image();
    EXPECT_GT(YellowPixels(picture, view.Buffer().VersionTextRect()), 20) << "the version text";
    EXPECT_EQ(picture.size(), QSize(1024, 768));

    frame->resize(1024, 768 + frame->menuBar()->sizeHint().height());
    frame->show();
    SaveScreenshot(frame->grab().toImage(), "startup.png");

    // Shown in a window of another shape: scaled to fit, centred on black.
    frame->resize(1400, 700);
    QApplication::processEvents();
    const QImage wide = view.grab().toImage();
    const QRect target = view.Buffer().TargetRect(view.size());
    EXPECT_EQ(target.height(), view.height());
    EXPECT_NEAR(static_cast<double>(target.width()) / target.height(), 1024.0 / 768.0, 0.01);
    EXPECT_EQ(wide.pixelColor(2, wide.height() / 2), QColor(Qt::black));
}

TEST_F(MainWindowTest, CommandEndsTheStartUpScreenSoItCannotPaintOverTheGame)
{
    frame = std::make_unique<CMainFrame>(SizeClass::Medium);
    CVarnView& view = frame->View();
    view.StepStartup();
    view.StepStartup();
    ASSERT_TRUE(view.StartupRunning());

    ModalAnswerer answerer(view);
    answerer.messageAnswer = [](const QMessageBox&) { return QMessageBox::Cancel; };
    answerer.playerNames = {QString()}; // PLAY with every slot left out: no set
    frame->Action(MenuCommand::StartNewRaceSet)->trigger();
    EXPECT_FALSE(view.StartupRunning());
    EXPECT_GT(YellowPixels(view.Buffer().Image(), view.Buffer().VersionTextRect()), 20);
    EXPECT_EQ(view.GameObject().menus.Phase(), GamePhase::NoSet);
}

// One case for each layout size.
class MainWindowAtSize : public MainWindowTest, public ::testing::WithParamInterface<SizeClass> {};
INSTANTIATE_TEST_SUITE_P(EverySize, MainWindowAtSize,
                         ::testing::Values(SizeClass::Small, SizeClass::Medium, SizeClass::Large),
                         [](const auto& info) {
                             return std::string(BySizeClass(info.param, "At640", "At800", "At1024"));
                         });

TEST_P(MainWindowAtSize, NewSetReachesBettingWithTheRacingFormOnScreen)
{
    const SizeClass size = GetParam();
    OpenFrame(size);
    CVarnView& view = frame->View();
    const QImage before = view.Buffer().Image();
    QImage atBetting;
    QPoint bettingPosition;
    ModalAnswerer answerer(view);
    answerer.bettingWindowOpened = [&](const QImage& buffer) {
        atBetting = buffer;
        bettingPosition = view.BettingWindowPosition();
    };
    // The screen as a player sees it: the betting window over the form.
    answerer.onEveryWindow = [&](QWidget& window) {
        if (!ScreenshotsWanted() || !qobject_cast<CBettingWindowDlg*>(&window))
            return;
        const QRect all = frame->geometry().united(window.geometry());
        QImage screen(all.size(), QImage::Format_RGB32);
        screen.fill(Qt::black);
        QPainter painter(&screen);
        painter.drawImage(frame->geometry().topLeft() - all.topLeft(), frame->grab().toImage());
        painter.drawImage(window.geometry().topLeft() - all.topLeft(), window.grab().toImage());
        painter.end();
        SaveScreenshot(screen, QStringLiteral("betting_over_form_%1.png").arg(LayoutWidth(size)));
    };
    StartSet();

    const Game& game = view.GameObject();
    ASSERT_EQ(game.menus.Phase(), GamePhase::Betting);
    EXPECT_EQ(answerer.bettingWindows, 1);
    ExpectMenusFollow(*frame, game.menus);
    EXPECT_TRUE(frame->windowTitle().startsWith(QStringLiteral("Galloria v1.5   -   RACE 1   -   Purse $")))
        << frame->windowTitle().toStdString();

    // The form's panel was drawn into the buffer by the time the betting
    // window opened, and the window opens under its rows.
    ASSERT_FALSE(atBetting.isNull());
    const RacingFormModel form =
        BuildRacingForm(game.state, game.stable, game.settings.sortOrder, game.tippedRunner);
    const RacingFormLayout layout = LayOutRacingForm(form, size);
    EXPECT_GT(ChangedShare(before, atBetting, layout.panel), 0.3);
    EXPECT_EQ(
        bettingPosition.y(),
        view.mapToGlobal(view.Buffer().ToView(QPoint(0, RacingFormBottom(form, size)), view.size())).y());

    // A key during betting means nothing to the game.
    const size_t shown = answerer.windows.size();
    QTest::keyClick(&view, Qt::Key_A);
    EXPECT_EQ(answerer.windows.size(), shown);
    EXPECT_EQ(game.menus.Phase(), GamePhase::Betting);
}

// The set's own course (questions, notice, results, autosave) is the
// flow_whole_set_one_player scenario's; here the window follows it.
TEST_F(MainWindowTest, WholeSetOfOnePlayerEndsBackAtTheStartUpScreen)
{
    ViewRacesAs(ViewRaceMode::None);
    ASSERT_TRUE(OpenSet());
    CVarnView& view = frame->View();
    const Game& game = view.GameObject();

    QAction* race = frame->Action(MenuCommand::RaceOrNextRace);
    for (int press = 0; press < 25 && game.menus.Phase() != GamePhase::NoSet; ++press) {
        race->trigger();
        ExpectMenusFollow(*frame, game.menus);
    }
    EXPECT_EQ(player->setResults, 1);
    EXPECT_EQ(race->text(), QStringLiteral("   &RACE!   "));
    EXPECT_TRUE(view.StartupRunning());
}

TEST_F(MainWindowTest, AShownRaceDrawsTheCourseCheersOnceAndTakesThreePhotos)
{
    ViewRacesAs(ViewRaceMode::WholeRace, 10);
    ASSERT_TRUE(OpenSet(SizeClass::Large));
    CVarnView& view = frame->View();
    const Game& game = view.GameObject();

    // Looks at the screen now and then while the race runs.
    int framesSeen = 0;
    bool midRaceSaved = false;
    QTimer watcher;
    watcher.setInterval(20);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (!game.state.raceRunning)
            return;
        ++framesSeen;
        const QImage& screen = view.Buffer().Image();
        if (!midRaceSaved && game.engine.leaderPosition > 5000) {
            midRaceSaved = true;
            // The course is on the screen: most of a row across the dirt is
            // dirt coloured (textured at High, its grain stays close to the
            // colour) wherever the runners are.
            const auto dirt = [](QRgb c) {
                return std::abs(qRed(c) - 0xAA) <= 30 && std::abs(qGreen(c) - 0x5E) <= 30 && qBlue(c) <= 30;
            };
            EXPECT_GT(CountPixels(screen, QRect(100, 200, 800, 1), dirt), 400);
            SaveScreenshot(screen, "race_mid_1024.png");
        }
    });
    watcher.start();
    frame->Action(MenuCommand::RaceOrNextRace)->trigger();
    watcher.stop();

    ASSERT_EQ(game.menus.Phase(), GamePhase::Result);
    EXPECT_GT(framesSeen, 3);
    EXPECT_TRUE(midRaceSaved);
    EXPECT_TRUE(game.cheerPlayed);
    for (int slot = 0; slot < 3; ++slot) {
        const QImage& photo = view.Photos().Photo(slot);
        ASSERT_FALSE(photo.isNull());
        EXPECT_NE(photo.pixelColor(photo.width() / 2, photo.height() / 2), QColor(20, 20, 20))
            << "photo " << slot << " was taken";
    }
    SaveScreenshot(view.Buffer().Image(), "payout_board_1024.png");
}

// REPLAY A RACE after the second race: race 1 is replayed, with the menus off
// until a key stops it, and race 2's results come back as they were, the
// game's generator untouched. The second time it runs to its end.
TEST_F(MainWindowTest, AReplayRunsUntilAKeyAndLeavesTheResultsAsTheyWere)
{
    ViewRacesAs(ViewRaceMode::None, 10);
    ASSERT_TRUE(OpenSet(SizeClass::Small));
    CVarnView& view = frame->View();
    const Game& game = view.GameObject();
    frame->Action(MenuCommand::RaceOrNextRace)->trigger();
    ASSERT_EQ(game.menus.Phase(), GamePhase::Result);
    frame->Action(MenuCommand::RaceOrNextRace)->trigger(); // betting on race 2
    frame->Action(MenuCommand::RaceOrNextRace)->trigger(); // race 2 run; race 1 is replayed
    const std::uint32_t generator = game.random.state;
    const QImage winPhoto = view.Photos().Photo(0);
    const QImage results = view.Buffer().Image();

    player->onDialog = [](QDialog& dialog) {
        auto* list = qobject_cast<CReplayListDlg*>(&dialog);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->List()->count(), 2);
        EXPECT_EQ(list->List()->currentRow(), 1) << "the last race";
        SaveScreenshot(dialog, "replay_list.png");
        list->List()->setCurrentRow(0);
        list->ReplayButton()->click();
    };
    bool stopWithKey = true;
    int framesSeen = 0;
    bool slowShot = false;
    bool photosShown = false;
    int ticksOver = 0;
    QElapsedTimer sinceKey;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        const RaceReplayShow* replay = view.Replay();
        if (replay == nullptr)
            return;
        EXPECT_FALSE(frame->menuBar()->isEnabled());
        if (++framesSeen == 5)
            SaveScreenshot(view.Buffer().Image(), "replay_start_640.png");
        if (!slowShot && SlowMotionTick(replay->calls, true, replay->engine.tickCount)) {
            slowShot = true;
            SaveScreenshot(view.Buffer().Image(), "replay_slow_motion_640.png");
        }
        // Run to its end, the replay shows its photos until a key.
        if (!stopWithKey && replay->engine.raceOver && ++ticksOver == 50) {
            photosShown = true;
            SaveScreenshot(view.Buffer().Image(), "replay_photos_640.png");
            QTest::keyClick(&view, Qt::Key_Space);
        }
        if (stopWithKey && framesSeen == 20 && !sinceKey.isValid()) {
            sinceKey.start();
            QTest::keyClick(&view, Qt::Key_Space);
        }
    });
    watcher.start();
    frame->Action(MenuCommand::ReplayRace)->trigger();
    ASSERT_TRUE(sinceKey.isValid()) << "the replay was shown";
    EXPECT_LT(sinceKey.elapsed(), 1000) << "a key stops the replay at once";
    EXPECT_EQ(view.Replay(), nullptr);
    EXPECT_TRUE(frame->menuBar()->isEnabled());
    ExpectMenusFollow(*frame, game.menus);

    stopWithKey = false;
    frame->Action(MenuCommand::ReplayRace)->trigger();
    watcher.stop();
    EXPECT_TRUE(slowShot) << "the replay ran through its slow-motion finish";
    EXPECT_TRUE(photosShown);
    EXPECT_EQ(game.menus.Phase(), GamePhase::Result);
    EXPECT_EQ(game.random.state, generator);
    EXPECT_EQ(view.Photos().Photo(0), winPhoto) << "the race's own photos";
    EXPECT_EQ(view.Buffer().Image(), results) << "the results screen again";
}

TEST_F(MainWindowTest, AnUnshownRaceStillTakesItsPhotosAndTheBoardStepsThroughThem)
{
    ViewRacesAs(ViewRaceMode::None);
    ASSERT_TRUE(OpenSet());
    CVarnView& view = frame->View();
    const Game& game = view.GameObject();
    // A bet bought, so the results show what the player staked and won.
    ASSERT_TRUE(
        view.GameObject().state.players[0].bets.Add({.amount = 200, .type = BetType::Show, .horse = {0}}));
    view.GameObject().state.players[0].balance -= 200;
    frame->Action(MenuCommand::RaceOrNextRace)->trigger();
    ASSERT_EQ(game.menus.Phase(), GamePhase::Result);
    SaveScreenshot(view.Buffer().Image(), "results_with_player_board.png");
    // The per-player board stands above the photo, in the boards' blue.
    const QRect moneyBoard = RaceMoneyBoardRect(SizeClass::Medium);
    EXPECT_EQ(view.Buffer().Image().pixel(moneyBoard.left() + 3, moneyBoard.top() + 3),
              QColor(0x1E, 0x3C, 0x64).rgb());
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_EQ(view.Photos().PhotoTime(slot), game.engine.finishTime[game.engine.finishOrder[slot]])
            << "photo " << slot << " has the time of the runner in that place";

    QAction* next = frame->Action(MenuCommand::ShowNextPhoto);
    std::vector<int> shown;
    for (int press = 0; press < 3; ++press) {
        next->trigger();
        shown.push_back(view.Photos().ShownSlot());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 0}));
    next->trigger();
    frame->Action(MenuCommand::SummaryRacingForm)->trigger();
    frame->Action(MenuCommand::FinishResults)->trigger();
    EXPECT_EQ(view.Photos().ShownSlot(), 0) << "FINISH RESULTS starts again at the winner";
    // Back at the results, a new window size draws the results again, not the form.
    frame->resize(frame->width() + 200, frame->height() + 150);
    QApplication::processEvents();
    view.Repaint();
    const QImage resized = view.Buffer().Image();
    SaveScreenshot(resized, "results_after_form_resized.png");
    view.GameObject().FinishResults(); // the results put up afresh at the new size
    EXPECT_EQ(resized, view.Buffer().Image());
}

TEST_F(MainWindowTest, TheFormReSortsAtOnceWhenItsOrderChangesAndStaysSharpWhenEnlarged)
{
    ASSERT_TRUE(OpenSet(SizeClass::Large));
    CVarnView& view = frame->View();
    Game& game = view.GameObject();

    const auto formAs = [&](SortOrder order) {
        QImage image(1024, 768, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        PaintRacingForm(painter, BuildRacingForm(game.state, game.stable, order, game.tippedRunner),
                        SizeClass::Large);
        return image;
    };
    const RacingFormLayout layout = LayOutRacingForm(
        BuildRacingForm(game.state, game.stable, SortOrder::None, game.tippedRunner), SizeClass::Large);
    const auto samePanel = [&](const QImage& a, const QImage& b) {
        for (int y = layout.panel.top(); y <= layout.panel.bottom(); y += 3)
            for (int x = layout.panel.left(); x <= layout.panel.right(); x += 3)
                if (a.pixel(x, y) != b.pixel(x, y))
                    return false;
        return true;
    };
    const SortOrder first = game.settings.sortOrder;
    const SortOrder other = first == SortOrder::Earnings ? SortOrder::Odds : SortOrder::Earnings;
    ASSERT_TRUE(samePanel(view.Buffer().Image(), formAs(first)));
    ASSERT_FALSE(samePanel(formAs(first), formAs(other))) << "the two orders differ";
    // The order saved in the options: the form on screen follows at once.
    GameSettings chosen = game.settings;
    chosen.sortOrder = other;
    game.ApplyOptions(chosen);
    view.Repaint();
    EXPECT_TRUE(samePanel(view.Buffer().Image(), formAs(other)));

    // Enlarged to 1920 x 1080, the buffer follows the window's pixels and
    // the form is drawn again at them.
    frame->resize(1920, 1080 + frame->menuBar()->height());
    QApplication::processEvents();
    EXPECT_EQ(view.Buffer().Image().size(), QSize(1440, 1080));
    SaveScreenshot(frame->grab().toImage(), "game_1920x1080.png");
    SaveScreenshot(view.Buffer().Image(), "game_1920x1080_buffer.png");
    const QImage panel = view.Buffer().LayoutPart(layout.panel);
    EXPECT_EQ(panel.pixel(layout.panel.width() / 2, 3),
              formAs(other).pixel(layout.panel.center().x(), layout.panel.top() + 3));
}

// The file dialogs of SAVE and OPEN (Ctrl+O); what the saved game holds is
// the flow_saved_game_reopens scenario's.
TEST_F(MainWindowTest, SaveAndOpenAskForAGameFileAndClosingAsksFirst)
{
    ViewRacesAs(ViewRaceMode::None);
    ASSERT_TRUE(OpenSet());
    const Game& game = frame->View().GameObject();
    frame->Action(MenuCommand::RaceOrNextRace)->trigger();

    // The proposed name is taken as it stands: the file gets the suffix.
    const QString saved = QDir::current().filePath(QStringLiteral("Saved Game.gxu"));
    player->fileAnswer = [&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.nameFilters(), CVarnView::GameFileFilters());
        EXPECT_EQ(dialog.nameFilters().constFirst(), QStringLiteral("Galloria Unfinished Games (*.gxu)"));
        EXPECT_EQ(dialog.defaultSuffix(), QStringLiteral("gxu"));
        EXPECT_FALSE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        static_cast<QDialog&>(dialog).accept(); // QFileDialog hides it
    };
    frame->Action(MenuCommand::Save)->trigger();
    ASSERT_TRUE(QFile::exists(saved)) << "found " << QDir::current().entryList().join(u' ').toStdString();

    player->messageAnswer = [](const QMessageBox& box) {
        return box.button(QMessageBox::No) ? QMessageBox::No : QMessageBox::NoButton;
    };
    frame->Action(MenuCommand::QuitRaceSet)->trigger();
    player->messageAnswer = nullptr;
    player->fileAnswer = [&](QFileDialog& dialog) {
        EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog.nameFilters(), CVarnView::GameFileFilters());
        // Typed into the name box, as the dialog's own list fills in later.
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QFileInfo(saved).fileName());
        static_cast<QDialog&>(dialog).accept(); // QFileDialog hides it
    };
    ASSERT_TRUE(Activate(*frame));
    QTest::keyClick(frame.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(game.menus.Phase(), GamePhase::Betting);

    // Closing the window between races asks first.
    QString asked;
    player->messageAnswer = [&](const QMessageBox& box) {
        asked = box.text();
        SaveScreenshot(const_cast<QMessageBox&>(box), "close_question.png");
        return QMessageBox::No;
    };
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(asked.startsWith(QStringLiteral("Quit Galloria?"))) << asked.toStdString();
    player->messageAnswer = [](const QMessageBox&) { return QMessageBox::Yes; };
    EXPECT_TRUE(frame->close());
}

TEST(QtSettingsStoreTest, ValuesPersistBySectionAndKey)
{
    QTemporaryDir home;
    const ScopedSettingsPath settingsPath(home.path());
    {
        QtSettingsStore store;
        store.SetInt("Settings", "Sort", 3);
        store.SetString("Settings", "Player1", "Zoë");
        store.SetString("Size", "File", "7");
        store.SetString("Settings", "Speed", "fast");
        EXPECT_EQ(store.GetInt("Settings", "Sort", -1), 3);
    }
    const QtSettingsStore store;
    EXPECT_EQ(store.GetInt("Settings", "Sort", -1), 3);
    EXPECT_EQ(store.GetString("Settings", "Player1", ""), "Zoë");
    EXPECT_EQ(store.GetInt("Size", "File", 0), 7) << "a number stored as text reads as a number";
    EXPECT_EQ(store.GetString("Settings", "File", "none"), "none") << "sections are kept apart";
    EXPECT_EQ(store.GetInt("Settings", "Speed", 5), 5) << "a text that is no number reads as missing";
    EXPECT_EQ(store.GetString("Settings", "Sort", ""), "3");
    EXPECT_EQ(store.GetInt("Settings", "Missing", 42), 42);
}

class GameFolderTest : public ::testing::Test {
protected:
    void SetUp() override { startFolder_ = QDir::currentPath(); }
    void TearDown() override { QDir::setCurrent(startFolder_); }

    QTemporaryDir home_;
    QString startFolder_;
};

TEST_F(GameFolderTest, FirstStartFillsTheFolderAndLaterStartsKeepThePlayersFiles)
{
    const QString folder = home_.filePath(QStringLiteral("deep/Galloria"));
    const GameFolderResult first = PrepareGameFolder(folder);
    ASSERT_TRUE(first.entered);
    EXPECT_EQ(QDir::currentPath(), QDir(folder).canonicalPath());
    EXPECT_TRUE(first.stableCopied);
    for (const char* file : {"data/Stable.dat", "data/BackUp.dat"}) {
        const QFileInfo info(QString::fromLatin1(file));
        EXPECT_TRUE(info.exists()) << file;
        EXPECT_TRUE(info.isWritable()) << file << " must be writable for the stable to be saved";
        EXPECT_EQ(info.size(), QFileInfo(QStringLiteral(":/stable/Stable.dat")).size());
    }
    int builtInSounds = 0;
    for (int number = 1; number <= 20; ++number) {
        const std::string_view file = SoundFileName(static_cast<SoundEffect>(number));
        if (file.empty())
            continue;
        const QString target = Text(file);
        const bool builtIn = QFile::exists(QStringLiteral(":/sounds/") + QFileInfo(target).fileName());
        builtInSounds += builtIn ? 1 : 0;
        EXPECT_EQ(QFile::exists(target), builtIn) << file; // a sound not built in is skipped
    }
    EXPECT_EQ(first.soundsCopied, builtInSounds);

    // The player's stable is never replaced, nor is a lost Stable.dat
    // overwritten while the backup is there to recover it from.
    {
        QFile stable(QStringLiteral("data/Stable.dat"));
        ASSERT_TRUE(stable.open(QIODevice::WriteOnly | QIODevice::Truncate));
        stable.write("played");
    }
    const GameFolderResult second = PrepareGameFolder(folder);
    EXPECT_FALSE(second.stableCopied);
    EXPECT_EQ(QFileInfo(QStringLiteral("data/Stable.dat")).size(), 6);
    QFile::remove(QStringLiteral("data/Stable.dat"));
    PrepareGameFolder(folder);
    EXPECT_FALSE(QFile::exists(QStringLiteral("data/Stable.dat")));
}

TEST_F(GameFolderTest, FolderThatCannotBeMadeLeavesTheGameWhereItWas)
{
    QFile blocker(home_.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString before = QDir::currentPath();
    const GameFolderResult result = PrepareGameFolder(home_.filePath(QStringLiteral("file/Galloria")));
    EXPECT_FALSE(result.entered);
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_EQ(result.path, before);
}

// The game folder holds the built-in sounds.
TEST_F(MainWindowTest, TheSoundSinkSkipsMissingFilesAndEachRequestReplacesTheLast)
{
    const QString wave = QDir::current().absoluteFilePath(QStringLiteral("Sounds/gxpop.wav"));
    ASSERT_TRUE(QFile::exists(wave));
    QtSoundSink sink;
    sink.PlayOnce(wave.toStdString());
    EXPECT_EQ(sink.CurrentFile(), wave);
    sink.PlayLoop("Sounds/missing.wav");
    EXPECT_TRUE(sink.CurrentFile().isEmpty())
        << "a missing file plays nothing, and cuts off the sound before";
    sink.PlayLoop(wave.toStdString());
    EXPECT_FALSE(sink.CurrentFile().isEmpty());
    sink.Stop();
    EXPECT_TRUE(sink.CurrentFile().isEmpty());
    sink.PlayOnce("");
    EXPECT_TRUE(sink.CurrentFile().isEmpty());
}

} // namespace
} // namespace galloria
