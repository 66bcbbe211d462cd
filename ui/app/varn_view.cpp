#include "app/varn_view.h"

#include "app/game_message_box.h"
#include "app/main_frame.h"
#include "betting/bet_results_dlg.h"
#include "betting/betting_window_dlg.h"
#include "betting/live_odds_dlg.h"
#include "betting/race_money_board.h"
#include "betting/racing_form_model.h"
#include "betting/racing_form_painter.h"
#include "game/about_dlg.h"
#include "game/enter_names_dlg.h"
#include "game/extra_info_dlg.h"
#include "game/game.h"
#include "game/help_window.h"
#include "game/notice_dlg.h"
#include "game/odds_progress_dlg.h"
#include "game/options_dlg.h"
#include "game/race_payout_board.h"
#include "game/race_replay.h"
#include "game/race_set_results_dlg.h"
#include "game/race_windows.h"
#include "game/tip_dlg.h"
#include "halloffame/score_sheet.h"
#include "race/finish_margins_painter.h"
#include "race/payout_board_painter.h"
#include "race/race_loop.h"
#include "race/replay_list_dlg.h"
#include "race/replay_photos_painter.h"
#include "race/scene_rect_qt.h"
#include "stable/horse_database_dlg.h"
#include "stable/new_horse_editor_dlg.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>

namespace galloria {

namespace {

// How long a replay's finish photos stay up unless a key ends them sooner.
constexpr long long kReplayPhotosMs = 5000;

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::filesystem::path PathOf(const QString& file)
{
    return std::filesystem::path(file.toStdU16String());
}

// Makes a dialog of the view when it is first wanted.
template <typename Dialog> std::function<std::unique_ptr<Dialog>()> MadeFor(CVarnView* view)
{
    return [view] { return std::make_unique<Dialog>(view); };
}

// A stable window asks its questions in the game's message boxes.
template <typename Window>
std::unique_ptr<Window> AskingThroughView(std::unique_ptr<Window> window, CVarnView& view)
{
    window->ask = [&view](std::string_view text, MessageKind kind) { return view.ShowMessage(text, kind); };
    return window;
}

} // namespace

CVarnView::CVarnView(CMainFrame& frame, SizeClass size)
    : QWidget(&frame), frame_(frame), buffer_(size), photos_(size), scene_(size), call_(size),
      namesDlg_(MadeFor<CEnterNamesDlg>(this)), resultsDlg_(MadeFor<CRaceSetResultsDlg>(this)),
      optionsDlg_(MadeFor<COptionsDlg>(this)), noticeDlg_(MadeFor<CNoticeDlg>(this)),
      aboutDlg_(MadeFor<CAboutDlg>(this)), helpWindow_(MadeFor<CHelpWindow>(this)),
      oddsDlg_(MadeFor<COddsProgressDlg>(this)), tipDlg_(MadeFor<CTipDlg>(this)),
      extraInfoDlg_(MadeFor<CExtraInfoDlg>(this)),
      bettingDlg_([this] { return std::make_unique<CBettingWindowDlg>(this, game_->sounds); }),
      scoreSheet_(MadeFor<CScoreSheet>(this)), liveOddsDlg_(MadeFor<CLiveOddsDlg>(this)),
      betResultsDlg_(MadeFor<CBetResultsDlg>(this)), horseEditorDlg_([this] {
          return AskingThroughView(std::make_unique<CNewHorseEditorDlg>(this), *this);
      }),
      horseDatabaseDlg_([this] {
          return AskingThroughView(std::make_unique<CHorseDatabaseDlg>(this, game_->stable), *this);
      }),
      replayListDlg_(MadeFor<CReplayListDlg>(this))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted; nothing to erase
    setMinimumSize(320, 240);
    startupTimer_.setInterval(100);
    connect(&startupTimer_, &QTimer::timeout, this, &CVarnView::StepStartup);

    game_ = std::make_unique<Game>(*this, store_);
    game_->folder = ".";
}

CVarnView::~CVarnView()
{
    startupTimer_.stop();
    game_->sounds.Play(SoundEffect::Silence);
    // The dialogs first: the betting window holds the game's sound player,
    // the horse database its stable.
    replayListDlg_.reset();
    betResultsDlg_.reset();
    liveOddsDlg_.reset();
    scoreSheet_.reset();
    horseDatabaseDlg_.reset();
    horseEditorDlg_.reset();
    bettingDlg_.reset();
    extraInfoDlg_.reset();
    tipDlg_.reset();
    oddsDlg_.reset();
    helpWindow_.reset();
    aboutDlg_.reset();
    noticeDlg_.reset();
    optionsDlg_.reset();
    resultsDlg_.reset();
    namesDlg_.reset();
    game_.reset();
}

void CVarnView::FirstUpdate()
{
    game_->FirstUpdate();
}

void CVarnView::RunCommand(MenuCommand command)
{
    // A command never has the start-up screen painted over it.
    if (command != MenuCommand::HelpContents && command != MenuCommand::About) {
        startupTimer_.stop();
        buffer_.FinishStartup();
    }
    Game& game = *game_;
    if (replay_) {
        // A key bound to a command is a key too: it stops the replay.
        replay_->Stop();
        return;
    }
    switch (command) {
    case MenuCommand::StartNewRaceSet:
        game.StartNewRaceSet();
        break;
    case MenuCommand::ContinueLastSet:
        game.ContinueLastSet();
        break;
    case MenuCommand::Open:
        game.OpenUnfinishedGame();
        break;
    case MenuCommand::Save:
        game.SaveUnfinishedGame();
        break;
    case MenuCommand::PauseRace:
        game.PauseRace();
        break;
    case MenuCommand::QuitRaceSet:
        game.QuitRaceSet();
        break;
    case MenuCommand::Exit:
        // EXIT is asked for: it closes without the close box's question.
        frame_.CloseWithoutAsking();
        break;
    case MenuCommand::GameOptions:
        game.GameOptions();
        break;
    case MenuCommand::BettingWindow:
        game.OpenBettingWindow();
        break;
    case MenuCommand::TrackRacingForm:
    case MenuCommand::SummaryRacingForm:
        game.ShowRacingForm();
        break;
    case MenuCommand::ReplayRace:
        ReplayRace();
        break;
    case MenuCommand::RaceOrNextRace:
        game.RaceOrNextRace();
        break;
    case MenuCommand::FinishResults:
        game.FinishResults();
        break;
    case MenuCommand::HelpContents:
        helpWindow_->ShowContents();
        break;
    case MenuCommand::About:
        aboutDlg_->exec();
        break;
    case MenuCommand::ShowNextPhoto:
        ShowNextPhoto();
        break;
    case MenuCommand::HallOfFame:
        game.sounds.Play(SoundEffect::Pop);
        scoreSheetModel_.Open(game.hallOfFame);
        scoreSheet_->Show(scoreSheetModel_);
        break;
    case MenuCommand::LiveOdds:
        FillLiveOdds(liveOddsModel_, game);
        game.sounds.Play(SoundEffect::Pop);
        liveOddsDlg_->Show(liveOddsModel_, game.chance);
        break;
    case MenuCommand::HowDidIDo:
        betResultsModel_.Fill(game.state);
        game.sounds.Play(SoundEffect::Pop);
        betResultsDlg_->Show(betResultsModel_);
        break;
    case MenuCommand::AddHorse:
        game.OpenNewHorseEditor(horseEditorDlg_->Model());
        horseEditorDlg_->Run();
        break;
    case MenuCommand::ListHorses:
        game.OpenHorseDatabase(horseDatabaseDlg_->Model());
        horseDatabaseDlg_->Run();
        break;
    }
    Repaint();
}

void CVarnView::StartStartup()
{
    buffer_.RestartStartup();
    buffer_.gameScreenShown = false;
    startupTimer_.start();
}

void CVarnView::StepStartup()
{
    if (!buffer_.StepStartup())
        startupTimer_.stop();
    Repaint();
}

void CVarnView::UpdateBuffer()
{
    if (game_->state.raceRunning)
        return; // the race loop draws its own frames
    // A new order chosen in the options re-sorts the form on screen at once.
    if (formShown_ && formSort_ != game_->settings.sortOrder)
        ShowRacingForm();
    if (buffer_.racingFormWanted)
        formSort_ = game_->settings.sortOrder;
    const bool board = payoutBoardWanted_;
    if (board)
        buffer_.tilesWanted = true;
    buffer_.Update([this](QPainter& painter) {
        const Game& game = *game_;
        const RacingFormModel form =
            BuildRacingForm(game.state, game.stable, game.settings.sortOrder, game.tippedRunner);
        PaintRacingForm(painter, form, buffer_.Size());
    });
    if (!board)
        return;
    payoutBoardWanted_ = false;
    const PayoutBoardView view = RacePayoutBoard(*game_);
    QPainter painter(&buffer_.MutableImage());
    buffer_.Prepare(painter);
    PaintPayoutBoard(painter, buffer_.Size(), view, photos_.Shown());
    PaintRaceMoneyBoard(painter, buffer_.Size(), BuildRaceMoneyBoard(game_->state));
    PaintFinishMargins(painter, buffer_.Size(), game_->raceCalls.margins);
}

RaceSceneFrame CVarnView::SceneFrame() const
{
    const Game& game = *game_;
    RaceSceneFrame frame;
    frame.graphicsQuality = static_cast<int>(game.settings.graphicsQuality);
    if (replay_) {
        // A replay is shown from the gate with its own field.
        const RaceRecord& record = replay_->record;
        frame.engine = &replay_->engine;
        for (int runner = 0; runner < record.fieldSize && runner < kMaxFieldSize; ++runner) {
            frame.sprites[runner] = &sprites_.Strip(runner);
            frame.gaitPhase[runner] = record.gaitPhase[runner];
            frame.names[runner] = QString::fromStdString(record.names[runner]);
        }
        frame.frameCounter = replay_->frameCounter;
        frame.tippedRunner = record.tippedRunner;
        return frame;
    }
    frame.engine = &game.engine;
    for (int runner = 0; runner < game.CurrentFieldSize() && runner < kMaxFieldSize; ++runner) {
        frame.sprites[runner] = &sprites_.Strip(runner);
        frame.gaitPhase[runner] = game.state.gaitPhase[runner];
        const std::string_view name = game.RunnerName(runner);
        frame.names[runner] = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    frame.frameCounter = game.frameCounter;
    frame.tippedRunner = game.engine.tippedRunner;
    frame.homeStretch = game.settings.viewRaceMode == ViewRaceMode::HomeStretch;
    return frame;
}

void CVarnView::DrawRaceFrame(bool fromLayers)
{
    QPainter painter(&buffer_.MutableImage());
    buffer_.Prepare(painter);
    if (!courseSetUp_) {
        scene_.SetUpCourse(painter, static_cast<int>(game_->settings.graphicsQuality));
        call_.Reset();
        courseSetUp_ = true;
    }
    const RaceSceneFrame frame = SceneFrame();
    if (fromLayers)
        scene_.DrawFrame(painter, frame);
    else
        scene_.DrawFrameUnlayered(painter, frame);
    const RaceCallSheet& calls = replay_ ? replay_->calls : game_->raceCalls;
    const std::string_view call = calls.CallAt(frame.engine->tickCount);
    call_.Draw(painter, QString::fromUtf8(call.data(), static_cast<qsizetype>(call.size())));
}

QRegion CVarnView::RaceFrameRegion() const
{
    // Only the track, the two boxes below it and the call's line change from
    // frame to frame; the rest of the window is left as it is on the screen.
    QRegion region(buffer_.ToView(ToQRect(SceneBoxesFor(buffer_.Size()).track), size()));
    region += buffer_.ToView(scene_.OverviewRepaintRect(), size());
    region += buffer_.ToView(scene_.RunningOrderRepaintRect(), size());
    region += buffer_.ToView(RaceCallPainter::StripRect(buffer_.Size()), size());
    return region;
}

void CVarnView::ShowNextPhoto()
{
    photos_.ShowNext();
    formShown_ = false;
    game_->sounds.Play(SoundEffect::Click);
    payoutBoardWanted_ = true;
}

bool CVarnView::AcceptClose(bool ask)
{
    if (replay_) {
        // The replay stops first; the window closes once it has.
        replay_->Stop();
        closeAfterReplay_ = true;
        return false;
    }
    if (game_->state.raceRunning) {
        quitDuringRace_ = true;
        return false;
    }
    if (!ask || !AsksBeforeClosing(game_->menus.Phase()))
        return true;
    QMessageBox box(QMessageBox::Question, tr("Galloria"), Text(Tr(kCloseMidSetQuestion)),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    ApplyGameMessageLook(box);
    NameStandardButtons(box);
    return box.exec() == QMessageBox::Yes;
}

QPoint CVarnView::BettingWindowPosition() const
{
    const Game& game = *game_;
    const RacingFormModel form =
        BuildRacingForm(game.state, game.stable, game.settings.sortOrder, game.tippedRunner);
    const int left = LayOutRacingForm(form, buffer_.Size()).panel.left();
    const int bottom = RacingFormBottom(form, buffer_.Size());
    return mapToGlobal(buffer_.ToView(QPoint(left, bottom), size()));
}

int CVarnView::FullFormBettingTop() const
{
    const int bottom = RacingFormBottom(FormShapeForField(kMaxFieldSize), buffer_.Size());
    return mapToGlobal(buffer_.ToView(QPoint(0, bottom), size())).y();
}

void CVarnView::paintEvent(QPaintEvent*)
{
    UpdateBuffer();
    QPainter painter(this);
    buffer_.Present(painter, size());
}

void CVarnView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!buffer_.Resize(size(), devicePixelRatioF()))
        return;
    // The buffer now matches the window's pixels: whatever screen is up is
    // drawn again at its new resolution.
    if (game_->state.raceRunning) {
        courseSetUp_ = false;
    } else if (formShown_) {
        ShowRacingForm();
    } else if (shownPhase_ == GamePhase::Result) {
        buffer_.tilesWanted = true;
        payoutBoardWanted_ = true;
    } else if (buffer_.gameScreenShown) {
        buffer_.tilesWanted = true;
    }
    UpdateBuffer();
}

void CVarnView::keyPressEvent(QKeyEvent* event)
{
    // Any key stops a replay and pauses a running race; the game ignores it
    // at any other time.
    if (replay_)
        replay_->Stop();
    else
        game_->PauseRace();
    QWidget::keyPressEvent(event);
}

MessageAnswer CVarnView::ShowMessage(std::string_view text, MessageKind kind)
{
    // Over the window that asks (a stable window, say), so the box opens on
    // it and is the one modal window the player answers, not one beside it.
    QWidget* asking = QApplication::activeModalWidget();
    return ShowGameMessage(asking != nullptr ? asking : this, Text(text), kind);
}

void CVarnView::ShowNotice(std::span<const std::string_view> lines, bool praise, int amount)
{
    noticeDlg_->Show(lines, praise, amount);
}

bool CVarnView::AskPlayerNames(PlayerNamesModel& names)
{
    return namesDlg_->Ask(names);
}

bool CVarnView::ShowRaceSetResults(const RaceSetResultsModel& results)
{
    return resultsDlg_->Show(results);
}

OptionsAnswer CVarnView::AskOptions(const GameSettings& settings)
{
    return optionsDlg_->Ask(settings);
}

void CVarnView::ShowTip(std::string_view text)
{
    tipDlg_->Show(Text(text));
}

void CVarnView::RunBettingWindow(BettingWindowModel& window)
{
    bettingDlg_->Run(window, BettingWindowPosition(), FullFormBettingTop());
}

std::optional<PersonalDetails> CVarnView::AskPersonalDetails(const PersonalDetails& stored)
{
    return extraInfoDlg_->Ask(stored);
}

QStringList CVarnView::GameFileFilters()
{
    return {tr("Galloria Unfinished Games (*.gxu)"), tr("All Files (*.*)")};
}

std::optional<std::filesystem::path> CVarnView::ChooseSaveFile(std::string_view proposedName)
{
    QFileDialog dialog(this, tr("Save As"), QDir::currentPath());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(GameFileFilters());
    dialog.setDefaultSuffix(QStringLiteral("gxu"));
    dialog.selectFile(Text(proposedName));
    // Qt asks before a file is overwritten unless told not to.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathOf(dialog.selectedFiles().constFirst());
}

std::optional<std::filesystem::path> CVarnView::ChooseOpenFile()
{
    QFileDialog dialog(this, tr("Open"), QDir::currentPath());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(GameFileFilters());
    dialog.setDefaultSuffix(QStringLiteral("gxu"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return PathOf(dialog.selectedFiles().constFirst());
}

void CVarnView::ApplyMenus(const MenuModel& menus)
{
    frame_.ApplyMenus(menus);
    const std::optional<GamePhase> phase = menus.Phase();
    if (phase != shownPhase_)
        formShown_ = false; // each phase puts its own screen up
    if (phase == GamePhase::NoSet && shownPhase_ != GamePhase::NoSet) {
        // Back to no set (and at the first update): the start-up screen again.
        StartStartup();
    } else if (phase == GamePhase::Racing && shownPhase_ != GamePhase::Racing) {
        // The form leaves the screen as the race starts: the race is drawn
        // on the background.
        buffer_.racingFormWanted = false;
        buffer_.tilesWanted = true;
        buffer_.gameScreenShown = true;
        UpdateBuffer();
    } else if (phase == GamePhase::Result) {
        // The results: the payout board with the winner's photo, also when
        // FINISH RESULTS takes the form away again.
        formShown_ = false;
        buffer_.racingFormWanted = false;
        photos_.ShowWinner();
        payoutBoardWanted_ = true;
    }
    shownPhase_ = phase;
}

void CVarnView::SetWindowTitle(std::string_view title)
{
    frame_.setWindowTitle(Text(title));
}

void CVarnView::ShowRacingForm()
{
    formShown_ = true;
    payoutBoardWanted_ = false;
    startupTimer_.stop();
    buffer_.FinishStartup();
    // The form goes on the tiled background, over whatever screen was up.
    buffer_.titleWanted = false;
    buffer_.pictureWanted = false;
    buffer_.tilesWanted = true;
    buffer_.gameScreenShown = true;
    buffer_.racingFormWanted = true;
}

void CVarnView::Repaint()
{
    UpdateBuffer();
    if (isVisible())
        repaint();
}

void CVarnView::BuildRunnerSprites()
{
    const Game& game = *game_;
    std::vector<std::uint32_t> colours;
    for (int runner = 0; runner < game.CurrentFieldSize(); ++runner)
        colours.push_back(game.RunnerColour(runner));
    sprites_.Build(colours);
}

void CVarnView::ReleaseRunnerSprites()
{
    sprites_.Release();
}

void CVarnView::CreatePhotos()
{
    photos_.Create();
    courseSetUp_ = false;
}

void CVarnView::ReleasePhotos()
{
    photos_.Release();
}

void CVarnView::CaptureFinishPhotos(int newTopThree)
{
    // The finish frame is drawn into the back buffer, shown or not, and the
    // photos are cut from it; it never reaches the screen itself.
    DrawRaceFrame(raceOnScreen_);
    for (int photo = 0; photo < newTopThree; ++photo)
        photos_.Capture(buffer_.Image(), game_->engine.raceTime);
}

void CVarnView::AnimateRace()
{
    courseSetUp_ = false;
    raceOnScreen_ = true;
    LiveRace live(*game_);
    RunRaceLoop(
        live,
        [this] {
            if (game_->engine.finishThisTick)
                return; // the photo frame stays off the screen
            DrawRaceFrame();
            repaint(RaceFrameRegion());
        },
        [this] { return quitDuringRace_; });
    raceOnScreen_ = false;
}

void CVarnView::ReplayRace()
{
    const std::span<const RaceRecord> races = game_->replays.Races();
    if (const std::optional<int> chosen = replayListDlg_->Ask(races))
        ShowReplay(races[*chosen]);
}

void CVarnView::ShowReplay(const RaceRecord& record)
{
    Game& game = *game_;
    // What the replay draws over: the results' photos and the screen shown.
    const FinishPhotoAlbum results = photos_;
    const bool formWasShown = formShown_;
    frame_.menuBar()->setEnabled(false);

    sprites_.Build(
        std::vector<std::uint32_t>(record.colours.begin(), record.colours.begin() + record.fieldSize));
    photos_.Create();
    RaceReplayShow show(record, game.settings.animationSpeed, game.settings.slowMotionFinish, game.sounds);
    replay_ = &show;
    payoutBoardWanted_ = false;
    buffer_.racingFormWanted = false;
    buffer_.tilesWanted = true;
    buffer_.gameScreenShown = true;
    UpdateBuffer();
    courseSetUp_ = false;
    raceOnScreen_ = true;
    game.sounds.Play(SoundEffect::Neigh);
    RunRaceLoop(show,
                [this] {
                    if (replay_->lastTopThree > 0) {
                        DrawRaceFrame();
                        for (int photo = 0; photo < replay_->lastTopThree; ++photo)
                            photos_.Capture(buffer_.Image(), replay_->engine.raceTime);
                    }
                    if (replay_->engine.finishThisTick)
                        return; // the photo frame stays off the screen, as in the live race
                    DrawRaceFrame();
                    repaint();
                },
                {});
    game.sounds.Play(SoundEffect::StopRun);
    if (!show.Stopped())
        ShowReplayPhotos(record.raceIndex);
    raceOnScreen_ = false;
    replay_ = nullptr;

    // Back where the player was: the next race's runners or the results.
    photos_ = results;
    if (game.menus.Phase() == GamePhase::Betting)
        BuildRunnerSprites();
    else
        sprites_.Release();
    if (formWasShown) {
        ShowRacingForm();
    } else {
        buffer_.tilesWanted = true;
        payoutBoardWanted_ = true;
    }
    frame_.menuBar()->setEnabled(true);
    Repaint();
    if (closeAfterReplay_) {
        closeAfterReplay_ = false;
        frame_.close();
    }
}

void CVarnView::ShowReplayPhotos(int raceIndex)
{
    {
        QPainter painter(&buffer_.MutableImage());
        buffer_.Prepare(painter);
        PaintReplayPhotos(painter, buffer_.Size(), photos_);
        call_.Draw(painter,
                   tr("Race %1 again: the finish photos. Press any key to go back.").arg(raceIndex + 1));
    }
    repaint();
    PumpEventsFor(kReplayPhotosMs, *replay_);
}

CReplayListDlg& CVarnView::ReplayList()
{
    return *replayListDlg_;
}

CNewHorseEditorDlg& CVarnView::HorseEditor()
{
    return *horseEditorDlg_;
}

CHorseDatabaseDlg& CVarnView::HorseDatabase()
{
    return *horseDatabaseDlg_;
}

OddsProgress* CVarnView::OddsProgressDisplay()
{
    return &*oddsDlg_;
}

} // namespace galloria
