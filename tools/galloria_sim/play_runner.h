#pragma once

#include "play_host.h"
#include "play_script.h"

#include "betting/bet.h"
#include "game/game.h"
#include "game/menu_state.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace galloria {
class SettingsStore;
}

namespace galloria::sim {

// What the game showed, counted since the script began.
enum class ShownKind { Messages, Notices, SetResults, BettingWindows, Sounds };

// A bet as a script names it: the player, the amount, the type and its legs.
struct ScriptBet {
    std::string player;
    int amount = 0;
    BetType type = BetType::Win;
    bool boxed = false;
    std::vector<HorseSelector> legs;
};

// Plays a script's steps against the real game in a game folder, as a player
// at the window would: every command goes through the model calls the
// window's controls make, and is refused where the window would refuse it.
// It prints the transcript and counts the expectations that failed.
class PlayRunner {
public:
    PlayRunner(std::filesystem::path folder, SettingsStore& store, std::ostream& out);
    ~PlayRunner();

    // Runs every step; the exit status: 0 when every expectation held, 1 otherwise.
    int Run(std::span<const PlayStep> steps);

    // The commands.
    void Seed(std::uint32_t seed);
    void QueueNames(std::optional<std::array<std::string, 4>> names) { host_.QueueNames(std::move(names)); }
    void QueueAnswer(MessageAnswer answer) { host_.QueueAnswer(answer); }
    void QueueSetResults(bool continueRacing) { host_.QueueSetResults(continueRacing); }
    void Menu(MenuCommand command, const std::optional<std::string>& file);
    void Bet(const ScriptBet& bet);
    void ReviewDelete(const std::string& player, int line);
    void Options(const std::map<std::string, int>& values, bool reset);
    void AddHorse(const std::string& name, const std::array<int, 4>& values, const std::string& owner);
    void DeleteHorses(const std::vector<int>& numbers);
    void EnterHorses(const std::vector<int>& numbers);
    void Restart();
    void Print();

    // The expectations: each compares what the game shows with the script.
    void Expect(bool held, const std::string& expected, const std::string& got);
    Game& game() { return *game_; }
    const PlayHost& host() const { return host_; }
    const SettingsStore& store() const { return store_; }
    const std::filesystem::path& folder() const { return folder_; }
    // The slot of a player in the game by name; none when nobody has it.
    std::optional<int> SlotOf(const std::string& name) const;
    // The player's winnings in the race last settled.
    std::optional<int> LastPayout(const std::string& name) const;
    // The stable's size as the horse database would show it now.
    int StableSize();
    int ShownCount(ShownKind kind) const;

private:
    using FileStamps = std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>>;

    void StartGame();
    void RunStep(const PlayStep& step);
    void AtBettingWindow(BettingWindowModel& window);
    void BuyAtWindow(BettingWindowModel& window, const ScriptBet& bet);
    void DeleteAtWindow(BettingWindowModel& window, const std::string& player, int line);
    bool ChoosePlayerAtWindow(BettingWindowModel& window, const std::string& player);
    void Refused(const std::string& why);
    void PrintRaceFinish();
    FileStamps StampFiles() const;
    void PrintFilesWritten(const FileStamps& before);

    std::filesystem::path folder_;
    SettingsStore& store_;
    std::ostream& out_;
    PlayHost host_;
    std::unique_ptr<Game> game_;
    std::optional<std::uint32_t> seed_;

    std::span<const PlayStep> steps_;
    std::size_t next_ = 0; // the step to run next
    // The window step being run when the window is opened for it.
    const PlayStep* windowStep_ = nullptr;
    int failures_ = 0;
    int bettingWindows_ = 0;
};

} // namespace galloria::sim
