#pragma once

#include <filesystem>
#include <span>
#include <string>

namespace galloria {

class CRaceEngine;
class Stable;
struct RaceSetState;

// How a race finished, as the race engine leaves it.
struct RaceFinish {
    std::span<const int> runnerByPlace; // runner index by place, the winner first
    std::span<const int> timeByRunner;  // finishing time in fifths of a second, by runner index
};

// The finish of the race the engine has just run: its finishOrder over the
// field and its finishTime.
RaceFinish FinishOf(const CRaceEngine& engine);

// The section of the results file for the current race (state.raceIndex),
// written after settlement:
// - "Race N", the finish header and one line per place: place, post number,
//   name and time, with the prices of the payout board on the first three
//   lines only (win, place and show for the winner; place and show for the
//   second; show for the third);
// - the bets header and, for every player in the game, the name line, one line
//   per bought bet (amount, type, box mark, the three horse columns, what it
//   won) and a line with the totals of the amounts and the winnings;
// - a separator line.
// A place the finish does not fill with a runner of the field is left out.
std::string RaceReportText(const RaceSetState& state, const Stable& stable, const RaceFinish& finish);

// Adds the current race's section to the set's results file (see
// AppendToReportFile). False when nothing could be recorded.
bool AppendRaceReport(const std::filesystem::path& resultsFile, const RaceSetState& state,
                      const Stable& stable, const RaceFinish& finish);

} // namespace galloria
