#pragma once

#include "betting/odds_simulation.h"
#include "game/game_host.h"
#include "game/sound_player.h"
#include "halloffame/high_score_export.h"

#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace galloria {

// A host without a window, for the tests and the simulator: the players'
// answers are set up in advance and everything the game shows is recorded.
// Races are animated only through the `animate` hook; otherwise the game
// runs them undisplayed.
class HeadlessHost : public GameHost, public SoundSink {
public:
    // The names typed into the names dialog, slot by slot; an empty text
    // leaves the slot out. Cancelled when namesCancelled is set.
    std::array<std::string, 4> playerNames{};
    bool namesCancelled = false;
    // Answers to message boxes, taken in order; when none is queued, OK (or
    // Yes) is pressed, and Cancel where the choice is Retry or Cancel.
    std::deque<MessageAnswer> answers;
    // "Continue Racing" at the end of a set, while this many sets remain.
    int continueSets = 0;
    // Buys bets in the open betting window; the window is closed afterwards.
    std::function<void(BettingWindowModel&)> bettor;
    // The save and open dialogs return these; none cancels.
    std::optional<std::filesystem::path> saveFile;
    std::optional<std::filesystem::path> openFile;
    std::optional<PersonalDetails> personalDetails;
    // Shows a race frame by frame when set (with the game's AdvanceRaceFrame);
    // unset, races are never animated.
    std::function<void()> animate;
    // The options dialog's answer.
    OptionsAnswer options;

    // What the game showed.
    std::vector<std::string> messages;
    std::vector<std::array<std::string, 4>> namesShown; // the boxes' texts each time the dialog opened
    std::vector<std::string> notices;                   // lines joined by '\n'
    std::vector<std::string> tips;
    std::vector<std::string> setTitles;
    std::vector<std::string> titles;
    std::vector<std::string> sounds; // "once FILE", "loop FILE", "stop"
    int photosCaptured = 0;
    int racesShown = 0;

    MessageAnswer ShowMessage(std::string_view text, MessageKind kind) override;
    void ShowNotice(std::span<const std::string_view> lines, bool praise, int amount) override;
    bool AskPlayerNames(PlayerNamesModel& names) override;
    bool ShowRaceSetResults(const RaceSetResultsModel& results) override;
    OptionsAnswer AskOptions(const GameSettings&) override { return options; }
    void ShowTip(std::string_view text) override;
    void RunBettingWindow(BettingWindowModel& window) override;
    std::optional<PersonalDetails> AskPersonalDetails(const PersonalDetails& stored) override;
    std::optional<std::filesystem::path> ChooseSaveFile(std::string_view proposedName) override;
    std::optional<std::filesystem::path> ChooseOpenFile() override;
    void ApplyMenus(const MenuModel&) override {}
    void SetWindowTitle(std::string_view title) override { titles.emplace_back(title); }
    void ShowRacingForm() override {}
    void Repaint() override {}
    void BuildRunnerSprites() override {}
    void ReleaseRunnerSprites() override {}
    void CreatePhotos() override {}
    void ReleasePhotos() override {}
    void CaptureFinishPhotos(int newTopThree) override { photosCaptured += newTopThree > 0; }
    void AnimateRace() override
    {
        ++racesShown;
        if (animate)
            animate();
    }
    OddsProgress* OddsProgressDisplay() override { return nullptr; }
    SoundSink& Sounds() override { return *this; }

    void PlayOnce(std::string_view fileName) override { sounds.push_back("once " + std::string(fileName)); }
    void PlayLoop(std::string_view fileName) override { sounds.push_back("loop " + std::string(fileName)); }
    void Stop() override { sounds.emplace_back("stop"); }

private:
    MessageAnswer NextAnswer(MessageKind kind);
};

} // namespace galloria
