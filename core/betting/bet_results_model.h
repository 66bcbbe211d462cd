#pragma once

#include "base/screen_text.h"
#include "betting/race_set_state.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace galloria {

// "Bet Results For Last Completed Race": every bet of every player in the race
// just settled with what it won, and each player's sums for the race. The
// model holds copies of the names, balances and bets taken when it is filled.
class BetResultsModel {
public:
    enum Column : int { kName = 0, kType, kHorse1, kHorse2, kHorse3, kBet, kWinning, kPercent, kColumnCount };
    struct ColumnSpec {
        ScreenText heading;
        int width; // pixels in the 640 x 480 layout
        bool alignRight;
    };
    static const ColumnSpec& ColumnOf(int column);

    // One player's line under the list; all texts empty for a slot not in the game.
    struct Summary {
        std::string name; // "Ann:"
        std::string bet;  // "$%d" of the stakes
        std::string won;  // "$%d" of the winnings
        std::string net;  // "$%d" of won - bet: a loss reads "$-40"
        std::string newBalance;
    };

    // Copies names, balances and bets and builds one line per bought bet, player
    // by player in purchase order, and the four summaries.
    void Fill(const RaceSetState& state);

    int LineCount() const { return static_cast<int>(order_.size()); }
    const std::string& Cell(int line, int column) const;
    // The line's index in purchase order (its item data), as the list shows it.
    int LineIndex(int line) const { return order_.at(line); }
    const Summary& SummaryOf(int slot) const { return summaries_.at(slot); }

    // A header click: sorts the lines by the texts of the column (see
    // CompareCells); a click on the column last sorted reverses it.
    void SortBy(int column);
    int SortColumn() const { return sortColumn_; }
    bool Ascending() const { return ascending_; }

    // The list's order of two cell texts: each text shorter than ten characters
    // is padded on the left with '/' to ten, the two are compared byte by byte,
    // and the result is taken as it is for the Name column when ascending and
    // reversed for every other column (so a first click on an amount sorts
    // from the highest text down). Negative: a comes first.
    static int CompareCells(std::string_view a, std::string_view b, int column, bool ascending);

    // The type text of a bet ("Win" .. "Across", "Exacta Box", "Triacta ") and
    // the text of leg `leg` (0..2): the runner's number, "All", "Long", or " "
    // past the type's legs.
    static std::string TypeText(const Bet& bet);
    static std::string LegText(const Bet& bet, int leg);

private:
    std::vector<std::array<std::string, kColumnCount>> lines_;
    std::vector<int> order_;
    std::array<Summary, kPlayerSlots> summaries_{};
    int sortColumn_ = -1;
    bool ascending_ = true;
};

} // namespace galloria
