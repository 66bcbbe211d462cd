#pragma once

#include "base/game_random.h"
#include "betting/betting_window_model.h"
#include "betting/race_set_state.h"
#include "betting/runner_chance.h"
#include "game/game_host.h"
#include "game/game_settings.h"
#include "game/menu_state.h"
#include "game/player_names_model.h"
#include "game/race_replay.h"
#include "game/race_set_results_model.h"
#include "game/sound_player.h"
#include "halloffame/hall_of_fame.h"
#include "race/race_engine.h"
#include "stable/stable.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace galloria {

class HorseDatabaseModel;
class NewHorseEditorModel;
class SettingsStore;

// The whole game: the race set, the engine, the stable, the hall of fame, the
// settings and the one random generator, with every command that drives a set
// from the names to the hall of fame. The user interface is reached only
// through the GameHost, so a set can be played in a test or the simulator
// exactly as on screen. The members are plain and read directly by the views.
// The object is large (the stable holds 2000 horses): make it on the heap.
class Game {
public:
    Game(GameHost& host, SettingsStore& store);

    RaceSetState state;
    CRaceEngine engine;
    Stable stable;
    HallOfFame hallOfFame;
    GameSettings settings;
    GameRandom random;
    SoundPlayer sounds;
    MenuModel menus;
    BettingWindowModel bettingWindow;
    PlayerNamesModel names;
    RaceSetResultsModel setResults;

    // The tipster's horse of the current race: its runner (-1 = none) and name.
    int tippedRunner = -1;
    std::string tippedHorseName;
    // Bets of all players naming each runner of the race being run.
    int betsOnRunner[kMaxFieldSize] = {};
    // The race display: frames since the start (-1 before the first), the
    // last tick's new finishers, and whether the cheer has been heard.
    int frameCounter = -1;
    int lastTopThree = 0;
    bool cheerPlayed = false;
    // The races of the set so far, to be shown again, and the calls of the
    // race being run (worked out as it starts; its margins stay for the results).
    RaceReplays replays;
    RaceCallSheet raceCalls;
    // The owner of each runner of the race just run, read from the relations
    // when it ended with ownership on; empty otherwise.
    std::vector<std::string> runnerOwners;
    // The results file of the current set, named when the set begins; empty
    // after an open until the opened game's first race is reported.
    std::filesystem::path resultsFile;

    // Each runner's chance of winning the prepared race, measured in the
    // background from the moment its tip is drawn until the race starts or
    // the set ends. Off, it is never started (the game plays the same).
    RunnerChance chance;
    bool chanceEnabled = true;

    // The game's folder; every file of the game lives under it.
    std::filesystem::path folder = ".";
    // Seeds the generator at each next-race step; the time of day in the
    // game, a counter in tests and the simulator.
    std::function<std::uint32_t()> seedClock;

    // The view's first update, and the return to no set after a set.
    void FirstUpdate();

    // The commands of the menus.
    void StartNewRaceSet();
    void RaceOrNextRace();
    void QuitRaceSet();
    void PauseRace();
    void FinishResults();
    void OpenBettingWindow();
    // RACING FORM in the TRACK or SUMMERY menu: the form on screen, with
    // FINISH RESULTS offered as the way back to the results.
    void ShowRacingForm();
    // SAVE and OPEN ask the player for a file; the automatic save after each
    // race and CONTINUE LAST SET use the automatic file without asking.
    enum class GameFile { Chosen, AutoSaved };
    void SaveUnfinishedGame(GameFile file = GameFile::Chosen);
    void OpenUnfinishedGame(GameFile file = GameFile::Chosen);
    void ContinueLastSet();
    // GAME OPTIONS: the dialog on the stored settings; new settings are kept
    // and stored when saved, and the hall of fame emptied when asked.
    void GameOptions();
    // New settings confirmed: keep and store them.
    void ApplyOptions(const GameSettings& options);

    // The STABLE menu's two windows, opened on the game's stable: the
    // database shows the stable as it stands during a set (its races so far
    // live only in memory) and reloads it from the file between sets.
    void OpenHorseDatabase(HorseDatabaseModel& database);
    void OpenNewHorseEditor(NewHorseEditorModel& editor);
    // Deletes horses by number (1-based), keeping every stable index of the
    // set and of the next race's choice on its horse. Refused (the text to
    // show) for a horse that runs in the current race or a later one of the
    // set, or while a race is run; empty when deleted.
    std::string DeleteHorses(std::span<const int> numbers);
    // A horse the editor added to the files joins the game's stable too, so
    // the end of a set, which saves the stable, keeps it.
    void AddEditedHorse(const HorseRecord& horse);
    // A set is under way: from its first race to its end.
    bool SetInProgress() const;

    // The running race, one frame: for the host's AnimateRace. Returns false
    // when there is nothing more to show: the race is over or the player
    // cancelled the display from the pause box.
    bool AdvanceRaceFrame();
    bool RaceDisplayCancelled() const { return state.pendingViewMode != -1; }

    // The steps of a set, run by the commands above.
    void AdvanceToNextRace();
    void PrepareRace();
    void RunRace();
    void EndOfRace();

    int CurrentFieldSize() const { return state.program.FieldSize(state.raceIndex); }
    int CurrentPurse() const;
    // The stable index of a runner of the current race, -1 for none.
    int StableIndexOfRunner(int runner) const;
    // The horse name of a runner of the current race, empty for none.
    std::string_view RunnerName(int runner) const;
    // The coat colour a runner of the current race is drawn in.
    std::uint32_t RunnerColour(int runner) const;
    // Gives an engine the field of the current race, as RACE! runs it; the
    // stride phases and the tipped runner are the engine's own.
    void LoadCurrentField(CRaceEngine& target) const;

private:
    void Message(std::string_view text, MessageKind kind);
    void EnterPhase(GamePhase phase);
    void BeginProgram();
    void EnterRaceSelection();
    void DrawTip();
    void OpenBettingState();
    void RunRaceDisplay();
    // The race about to start is kept for replays and its calls worked out.
    void RecordRaceForReplay();
    void FinishRaceUndisplayed();
    void EndSet();
    void RecordSetInHallOfFame();
    // The results file the next race is appended to, begun when there is none.
    const std::filesystem::path& ResultsFileInUse();
    std::uint32_t SeedFromClock() const;
    void StartRunnerChance();
    void StopRunnerChance();

    GameHost& host_;
    SettingsStore& store_;
    // The end of a quit set is entered in the hall of fame only when the
    // players asked for it.
    bool hallOfFameAtSetEnd_ = true;
    // A game was just opened with its program drawn: the next-race step
    // prepares its race, even the first of a set, without drawing again.
    bool openedGameProgramDrawn_ = false;
};

} // namespace galloria
