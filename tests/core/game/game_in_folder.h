#pragma once

#include "base/settings_store.h"
#include "game/game.h"
#include "game/headless_host.h"
#include "halloffame/temp_folder.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>

namespace galloria::testing {

// Presses the digits of amount on the keypad.
inline void TypeAmount(BettingWindowModel& window, int amount)
{
    static constexpr AmountKey kDigits[] = {
        AmountKey::Zero, AmountKey::One, AmountKey::Two,   AmountKey::Three, AmountKey::Four,
        AmountKey::Five, AmountKey::Six, AmountKey::Seven, AmountKey::Eight, AmountKey::Nine};
    for (char digit : std::to_string(amount))
        window.PressKey(kDigits[digit - '0']);
}

// Buys a Win on `runner` for `player` as the keypad does; true when the bet was taken.
inline bool BuyWin(BettingWindowModel& window, int player, int amount, int runner)
{
    window.ChoosePlayer(player);
    TypeAmount(window, amount);
    window.ChooseType(BetType::Win, false);
    window.ChooseRunner(runner);
    return window.Buy().applied;
}

// A game in a folder of its own with the starting stable, a counter for a
// clock and a host that answers OK to everything. The odds accuracy is 1
// unless told: no simulated races, so the tests run faster.
class GameInFolder {
public:
    explicit GameInFolder(int oddsAccuracy = 1)
    {
        std::filesystem::create_directories(folder.Path() / "data");
        std::filesystem::copy_file(GALLORIA_STARTING_STABLE, folder.Path() / "data" / "Stable.dat");
        std::filesystem::copy_file(GALLORIA_STARTING_STABLE, folder.Path() / "data" / "BackUp.dat");
        store.SetInt("Settings", "Odds", oddsAccuracy);
        MakeGame();
    }

    // A new game on the same folder and settings, as when the program starts again.
    void MakeGame()
    {
        game = std::make_unique<Game>(host, store);
        game->folder = folder.Path();
        game->seedClock = [this] { return clock += clockStep; };
        game->hallOfFame.clock = [] {
            return LocalDateTime{.year = 2026, .month = 12, .day = 7, .hour = 9, .minute = 5};
        };
        game->FirstUpdate();
    }

    void StartSet(std::array<std::string, 4> names)
    {
        host.playerNames = std::move(names);
        game->StartNewRaceSet();
    }

    // RACE! and then Next Race, as the player clicks them, `races` times.
    void RunAndMoveOn(int races = 1)
    {
        for (int race = 0; race < races; ++race) {
            game->RaceOrNextRace();
            game->RaceOrNextRace();
        }
    }

    TempFolder folder;
    HeadlessHost host;
    MemorySettingsStore store;
    std::unique_ptr<Game> game;
    std::uint32_t clock = 0;
    std::uint32_t clockStep = 1;
};

} // namespace galloria::testing
