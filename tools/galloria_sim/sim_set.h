#pragma once

#include "sim_strategy.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace galloria {
class Game;
}

namespace galloria::sim {

// Whole race sets played headless in a game folder, as the game plays them
// with the race view set to None.
struct SetRunOptions {
    std::uint32_t seed = 0;
    std::vector<std::string> players;
    Strategy strategy = Strategy::None;
    int stake = 100;
    int sets = 1;
    int oddsAccuracy = 3;
    std::filesystem::path folder = ".";
    std::optional<std::filesystem::path> startingStable; // copied in when the folder has none
    bool json = false;
};

// Called after every race has been settled, before the next one.
using AfterRace = std::function<void(const Game& game)>;

// Fills a game folder without a stable from the stable file `startingStable`,
// as the game fills its own folder at its first start. Throws FieldError when
// there is neither.
void ProvideStable(const std::filesystem::path& folder,
                   const std::optional<std::filesystem::path>& startingStable);

// Plays the sets, printing each race's winner, prices and balances and each
// set's results; the second and later sets go on through "Continue Racing".
// Throws FieldError when the folder has no stable and none is given.
void RunSets(const SetRunOptions& options, std::ostream& out, const AfterRace& afterRace = {});

} // namespace galloria::sim
