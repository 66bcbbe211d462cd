#include "betting/race_set_state.h"

#include <algorithm>

namespace galloria {

void RaceProgram::Clear()
{
    std::ranges::fill(runnerCount, 0);
    std::ranges::fill(purse, 0);
    for (int race = 0; race < kRacesPerSet; ++race) {
        std::ranges::fill(runners[race], -1);
        std::ranges::fill(morningLineOdds[race], 0.0);
    }
}

int RaceProgram::FieldSize(int race) const
{
    if (race < 0 || race >= kRacesPerSet)
        return 0;
    return std::clamp(runnerCount[race], 0, kMaxFieldSize);
}

std::span<double> RaceProgram::FieldOdds(int race)
{
    if (FieldSize(race) == 0)
        return {};
    return std::span<double>(morningLineOdds[race]).first(static_cast<std::size_t>(FieldSize(race)));
}

std::span<const double> RaceProgram::FieldOdds(int race) const
{
    if (FieldSize(race) == 0)
        return {};
    return std::span<const double>(morningLineOdds[race]).first(static_cast<std::size_t>(FieldSize(race)));
}

void RaceSetState::ResetRaceSet()
{
    raceCounter = -1;
    for (PlayerSlot& player : players) {
        // A slot not in the game holds no money: a player who left the
        // game must not leave dollars behind in an empty seat.
        player.balance = player.InGame() ? player.startBalance : 0;
        player.statistics = BetStatistics{};
        player.bets.Clear();
    }
    pools.Clear();
    for (auto& raceOdds : program.morningLineOdds)
        std::ranges::fill(raceOdds, 0.0);
    nextRaceArmed = false;
    raceRunning = false;
}

} // namespace galloria
