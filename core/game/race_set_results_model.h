#pragma once

#include "betting/race_set_state.h"
#include "game/balance_chart.h"

#include <array>
#include <string>
#include <string_view>

namespace galloria {

// Why a race set ended.
enum class SetEndReason { TenRacesRun, Quit, NoMoneyLeft };

// The title of the results for a reason.
std::string SetEndTitle(SetEndReason reason);

// The reason at the end of a set, as the end-of-set step finds it (the race
// index already moved back to the last race): a quit first, then a set that
// reached its tenth race, otherwise all money is gone.
SetEndReason SetEndReasonOf(bool quitRequested, int raceIndex);

// The grid that shows the players their money race by race when a set ends:
// one column per player slot and the rows name, "Start", "Race 1" ..
// "10", "Finish".
class RaceSetResultsModel {
public:
    static constexpr int kNameRow = 0;
    static constexpr int kStartRow = 1;
    static constexpr int kFirstRaceRow = 2; // race r (0..9) is row kFirstRaceRow + r
    static constexpr int kFinishRow = kFirstRaceRow + kRacesPerSet;
    static constexpr int kRowCount = kFinishRow + 1;
    static constexpr int kColumnCount = kPlayerSlots;

    // The label at the left of a row ("" for the name row and any row that is
    // not one) and the heading of a column ("Player 1" .. "Player 4").
    static std::string RowLabel(int row);
    static std::string ColumnHeading(int column);

    // Fills the grid from the set as it ended: each slot in the game shows its
    // name, start balance, balance after each race (0 for a race not run) and
    // the balance it finished with; a slot not in the game stays empty.
    void Fill(const RaceSetState& state, SetEndReason reason);

    const std::string& Title() const { return title_; }
    // An empty text for a cell outside the grid.
    const std::string& Cell(int row, int column) const;

    // "Continue Racing" is offered only after all ten races, and only while
    // a player in the game has money to go on with: a new set without money
    // would end after its first race with nothing to bet.
    bool CanContinue() const { return canContinue_; }
    // Each player's balance from the start through the races run, to draw.
    const BalanceChart& Chart() const { return chart_; }

private:
    std::string title_{};
    std::array<std::array<std::string, kColumnCount>, kRowCount> cells_{};
    bool canContinue_ = false;
    BalanceChart chart_{};
};

} // namespace galloria
