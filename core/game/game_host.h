#pragma once

#include "game/game_settings.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace galloria {

class BettingWindowModel;
class MenuModel;
class OddsProgress;
class PlayerNamesModel;
class RaceSetResultsModel;
class SoundSink;
struct PersonalDetails;

// The four kinds of message box the game shows.
enum class MessageKind : int {
    RetryCancel = 1, // stop icon
    Information = 2, // OK only
    OkCancel = 3,    // question icon
    YesNoCancel = 4, // question icon
};

// The button that closed a message box; Retry answers as Ok.
enum class MessageAnswer { Ok, Yes, No, Cancel };

// What the options dialog was left with: the settings to keep when "Save New
// Settings" closed it, and whether the hall of fame is to be emptied (asked
// and confirmed inside the dialog, and done whichever button closed it).
struct OptionsAnswer {
    std::optional<GameSettings> saved;
    bool resetRequested = false;
};

// The face of the user interface that the game drives: the window in the game
// itself, a script in the tests and the simulator. Each dialog is one call
// that takes the dialog's model and returns when the dialog is closed.
class GameHost {
public:
    virtual ~GameHost() = default;

    virtual MessageAnswer ShowMessage(std::string_view text, MessageKind kind) = 0;
    // The notice box of four lines; with `praise` it shows one to five
    // medals, more for a larger `amount`.
    virtual void ShowNotice(std::span<const std::string_view> lines, bool praise, int amount) = 0;

    // The names dialog, filled from the model; false when it was cancelled.
    virtual bool AskPlayerNames(PlayerNamesModel& names) = 0;
    // The race-set results; true for "Continue Racing".
    virtual bool ShowRaceSetResults(const RaceSetResultsModel& results) = 0;
    // The options dialog, opened on the settings as loaded.
    virtual OptionsAnswer AskOptions(const GameSettings& settings) = 0;
    // The tipster's whisper.
    virtual void ShowTip(std::string_view text) = 0;
    // The betting window, modal until the model is closed by the dialog or
    // asks for the race; the game closes the model if the host has not.
    virtual void RunBettingWindow(BettingWindowModel& window) = 0;
    // The personal details of the high-score export; none when cancelled.
    virtual std::optional<PersonalDetails> AskPersonalDetails(const PersonalDetails& stored) = 0;

    // The save and open file dialogs; none when cancelled.
    virtual std::optional<std::filesystem::path> ChooseSaveFile(std::string_view proposedName) = 0;
    virtual std::optional<std::filesystem::path> ChooseOpenFile() = 0;

    virtual void ApplyMenus(const MenuModel& menus) = 0;
    virtual void SetWindowTitle(std::string_view title) = 0;
    virtual void ShowRacingForm() = 0;
    virtual void Repaint() = 0;

    // The race on screen. BuildRunnerSprites before a race is shown, Release
    // after; photos are made for each race and released at the next one.
    virtual void BuildRunnerSprites() = 0;
    virtual void ReleaseRunnerSprites() = 0;
    virtual void CreatePhotos() = 0;
    virtual void ReleasePhotos() = 0;
    // Finishers have reached the line this tick (the engine's newTopThree):
    // the host draws the frame so that their photos are taken, shown or not.
    virtual void CaptureFinishPhotos(int newTopThree) = 0;
    // Shows the running race frame by frame through Game::AdvanceRaceFrame
    // until the race is over or the player cancels the display; the game
    // finishes the race undisplayed from wherever the host stopped.
    virtual void AnimateRace() = 0;

    virtual OddsProgress* OddsProgressDisplay() = 0;
    virtual SoundSink& Sounds() = 0;
};

} // namespace galloria
