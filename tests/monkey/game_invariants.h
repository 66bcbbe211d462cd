#pragma once

#include "betting/race_set_state.h"
#include "game/menu_state.h"

#include <QString>

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace galloria {

class Game;

// What must hold after anything a player does, checked between the monkey's
// events. Each check gives the fault it found, or nothing.
class GameInvariants {
public:
    // No player below nothing, in the game or in the open betting window; and
    // between two looks at the same set, each player's money moved only by
    // the bets bought and what settlement says they won.
    std::optional<std::string> CheckMoney(const Game& game);

    // Every file of the game in `folder` opens in full with the game's own readers.
    static std::optional<std::string> CheckFiles(const std::filesystem::path& folder);

    // At most one chain of modal windows, each opened over the one before:
    // two modal windows side by side would fight for the player's input.
    static std::optional<std::string> CheckModalWindows();

private:
    // What the set looked like at the last look, to tell the same set going
    // on from a new, continued or opened one.
    struct Look {
        std::array<std::string, kPlayerSlots> names;
        std::array<int, kPlayerSlots> startBalance{};
        std::array<long long, kPlayerSlots> staked{}, won{};
        std::array<long long, kPlayerSlots> carry{}; // balance + open stakes + net lost - start
        int raceCounter = 0;
    };
    std::optional<Look> last_;
};

} // namespace galloria
