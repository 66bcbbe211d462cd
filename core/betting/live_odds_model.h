#pragma once

#include "base/screen_text.h"
#include "betting/pool_book.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace galloria {

class RunnerChance;

// "LIVE ODDS & POOLS": the current race's pools runner by runner with the
// odds the Win, Place and Show pools imply, a totals line, and beside the
// tote odds each runner's chance measured by simulation. The model holds a
// copy of the pools taken when it is filled, never the live ones.
class LiveOddsModel {
public:
    enum Column : int {
        kNumber = 0,
        kName,
        kWin,
        kWinOdds,
        kPlace,
        kPlaceOdds,
        kShow,
        kShowOdds,
        kExacta,
        kTriacta,
        kChance,
        kColumnCount
    };
    struct ColumnSpec {
        ScreenText heading;
        int width; // pixels in the 640 x 480 layout
        bool alignRight;
    };
    static const ColumnSpec& ColumnOf(int column);

    // Copies the runners' names, the runner count and the seven pool rows
    // (Win .. Across by runner, then the Exacta and Triacta money by runner),
    // and builds every line in runner order.
    void Fill(std::span<const std::string> runnerNames, int runnerCount, const PoolBook& pools);
    // Rewrites the Chance column from the measurement; true when a text changed.
    bool RefreshChance(const RunnerChance& chance);

    // Runner lines then the "Totals" line, which always stays last.
    int LineCount() const { return static_cast<int>(order_.size()) + (runnerCount_ > 0 ? 1 : 0); }
    const std::string& Cell(int line, int column) const;
    // The runner a line shows; -1 for the totals line.
    int RunnerOfLine(int line) const;

    // A header click: sorts the runner lines by the column. The first click on
    // "#" or Name sorts up (1 first, A first), on an amount or the chance from
    // the largest down, on an "Odds" column from the shortest price; a second
    // click on the same column reverses.
    void SortBy(int column);
    int SortColumn() const { return sortColumn_; }

    // The seven copied rows and their totals, for the checks of the copy.
    double Pool(int row, int runner) const { return pools_[row][runner]; }
    double Total(int row) const { return totals_[row]; }

private:
    double SortKey(int runner, int column) const;

    int runnerCount_ = 0;
    std::array<std::array<double, kMaxFieldSize>, 7> pools_{};
    std::array<double, 7> totals_{};
    std::array<double, kMaxFieldSize> chanceShare_{};                              // -1 while unknown
    std::array<std::array<std::string, kColumnCount>, kMaxFieldSize + 1> cells_{}; // by runner; last: totals
    std::vector<int> order_; // runner of each runner line
    int sortColumn_ = -1;
    bool ascending_ = true;
};

} // namespace galloria
