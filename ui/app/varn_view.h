#pragma once

// The game's headers before Qt's: Qt's keyword macros (slots) would
// otherwise rewrite the game's member names.
#include "betting/bet_results_model.h"
#include "betting/live_odds_model.h"
#include "game/game_host.h"
#include "game/menu_state.h"
#include "halloffame/hall_of_fame_sheet_model.h"

#include "app/back_buffer.h"
#include "app/on_demand.h"
#include "app/qt_settings_store.h"
#include "app/qt_sound_sink.h"
#include "race/finish_photo_album.h"
#include "race/race_call_painter.h"
#include "race/race_scene_painter.h"
#include "race/runner_sprites.h"

#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

namespace galloria {

class CAboutDlg;
class CBetResultsDlg;
class CBettingWindowDlg;
class CEnterNamesDlg;
class CExtraInfoDlg;
class CHelpWindow;
class CLiveOddsDlg;
class CHorseDatabaseDlg;
class CMainFrame;
class CNewHorseEditorDlg;
class CNoticeDlg;
class COddsProgressDlg;
class COptionsDlg;
class CRaceSetResultsDlg;
class CReplayListDlg;
class CScoreSheet;
class CTipDlg;
class Game;
class RaceReplayShow;
struct RaceRecord;

// The game's view: it owns the Game and is its host. It shows the game's
// boxes and dialogs (each made once and kept), paints the back buffer scaled
// to fit the window, runs the start-up screen on a 100 ms timer and turns
// the menu commands into the game's commands. It holds no rule of the game.
class CVarnView : public QWidget, public GameHost {
    Q_OBJECT
public:
    CVarnView(CMainFrame& frame, SizeClass size);
    ~CVarnView() override;

    // The view's first update: the game loads its settings and enters the
    // no-set menus, and the start-up screen begins.
    void FirstUpdate();

    // A menu command, as the frame's items and keys send them.
    void RunCommand(MenuCommand command);

    Game& GameObject() const { return *game_; }
    const BackBuffer& Buffer() const { return buffer_; }
    // One step of the start-up screen, as its timer gives them.
    void StepStartup();
    bool StartupRunning() const { return buffer_.StartupRunning(); }
    // The replay on screen; none at other times.
    const RaceReplayShow* Replay() const { return replay_; }
    // Where the betting window opens: under the racing form's rows.
    QPoint BettingWindowPosition() const;
    // The y on the screen just below a twelve-runner form: the betting
    // window's arrangement is chosen to fit there, so it never changes with
    // the field.
    int FullFormBettingTop() const;

    // GameHost
    MessageAnswer ShowMessage(std::string_view text, MessageKind kind) override;
    void ShowNotice(std::span<const std::string_view> lines, bool praise, int amount) override;
    bool AskPlayerNames(PlayerNamesModel& names) override;
    bool ShowRaceSetResults(const RaceSetResultsModel& results) override;
    OptionsAnswer AskOptions(const GameSettings& settings) override;
    void ShowTip(std::string_view text) override;
    void RunBettingWindow(BettingWindowModel& window) override;
    std::optional<PersonalDetails> AskPersonalDetails(const PersonalDetails& stored) override;
    std::optional<std::filesystem::path> ChooseSaveFile(std::string_view proposedName) override;
    std::optional<std::filesystem::path> ChooseOpenFile() override;
    void ApplyMenus(const MenuModel& menus) override;
    void SetWindowTitle(std::string_view title) override;
    void ShowRacingForm() override;
    void Repaint() override;
    void BuildRunnerSprites() override;
    void ReleaseRunnerSprites() override;
    void CreatePhotos() override;
    void ReleasePhotos() override;
    void CaptureFinishPhotos(int newTopThree) override;
    void AnimateRace() override;
    OddsProgress* OddsProgressDisplay() override;
    SoundSink& Sounds() override { return sink_; }

    // The file dialogs' filters, in the order offered.
    static QStringList GameFileFilters();

    // The window is being closed: during a race the program ends (the race
    // loop sees it); between races of a set, when `ask`, the player is asked
    // first. True when the close may go ahead now.
    bool AcceptClose(bool ask);
    const FinishPhotoAlbum& Photos() const { return photos_; }
    // The STABLE menu's windows.
    CNewHorseEditorDlg& HorseEditor();
    CHorseDatabaseDlg& HorseDatabase();
    CReplayListDlg& ReplayList();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateBuffer();
    void StartStartup();
    RaceSceneFrame SceneFrame() const;
    // Draws the race's current frame into the back buffer, from the scene's
    // layers or, for a single frame of a race not shown, drawn whole without
    // making them.
    void DrawRaceFrame(bool fromLayers = true);
    // The part of the window a race frame changes.
    QRegion RaceFrameRegion() const;
    // REPLAY A RACE: the race chosen is shown again, then the screen the
    // player was on comes back as it was.
    void ReplayRace();
    void ShowReplay(const RaceRecord& record);
    // A replay run to its end shows its three photos until a key or a while.
    void ShowReplayPhotos(int raceIndex);
    void ShowNextPhoto();

    CMainFrame& frame_;
    QtSettingsStore store_;
    QtSoundSink sink_;
    BackBuffer buffer_;
    QTimer startupTimer_;
    std::optional<GamePhase> shownPhase_; // the menus last applied

    // The race on screen: the sprites of its runners, its finish photos, the
    // scene drawn each frame, and what the screen shows after it.
    RunnerSprites sprites_;
    FinishPhotoAlbum photos_;
    RaceScenePainter scene_;
    RaceCallPainter call_;
    RaceReplayShow* replay_ = nullptr; // the replay on screen, if any
    bool closeAfterReplay_ = false;    // the window was closed during a replay
    bool courseSetUp_ = false;         // the scene's course is in the back buffer
    bool raceOnScreen_ = false;        // frames of the race reach the screen
    bool payoutBoardWanted_ = false;
    // The racing form is the screen shown, drawn in this order.
    bool formShown_ = false;
    SortOrder formSort_{};
    bool quitDuringRace_ = false;

    std::unique_ptr<Game> game_; // after the store and the sink it uses
    // The dialogs, each made when first wanted and kept between showings;
    // after the game, whose sound player the betting window holds.
    OnDemand<CEnterNamesDlg> namesDlg_;
    OnDemand<CRaceSetResultsDlg> resultsDlg_;
    OnDemand<COptionsDlg> optionsDlg_;
    OnDemand<CNoticeDlg> noticeDlg_;
    OnDemand<CAboutDlg> aboutDlg_;
    OnDemand<CHelpWindow> helpWindow_;
    OnDemand<COddsProgressDlg> oddsDlg_;
    OnDemand<CTipDlg> tipDlg_;
    OnDemand<CExtraInfoDlg> extraInfoDlg_;
    OnDemand<CBettingWindowDlg> bettingDlg_;
    // The windows read between races, each with the copy it shows.
    OnDemand<CScoreSheet> scoreSheet_;
    OnDemand<CLiveOddsDlg> liveOddsDlg_;
    OnDemand<CBetResultsDlg> betResultsDlg_;
    HallOfFameSheetModel scoreSheetModel_;
    LiveOddsModel liveOddsModel_;
    BetResultsModel betResultsModel_;
    // The STABLE menu's windows; the database works on the game's stable.
    OnDemand<CNewHorseEditorDlg> horseEditorDlg_;
    OnDemand<CHorseDatabaseDlg> horseDatabaseDlg_;
    OnDemand<CReplayListDlg> replayListDlg_;
};

} // namespace galloria
