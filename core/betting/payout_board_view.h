#pragma once

#include <span>
#include <string>
#include <vector>

namespace galloria {

struct PayoutBoard;

// What the payout board shows after a race: the finishing list with the
// prices of the first three and the Exacta and Triacta lines.
struct PayoutBoardRow {
    std::string place; // "1" ..
    std::string name;
    std::string owner;   // empty unless ownership is shown
    bool placed = false; // in the first three: written in white
    bool tipped = false; // the tipster's horse: its name in yellow
    std::string win;     // "%7.2f" figures, empty where the place pays none
    std::string place2;
    std::string show;
};

struct PayoutBoardView {
    std::vector<PayoutBoardRow> rows;
    std::string exactaLine;
    std::string triactaLine;
};

// Builds the board from the runners by place (runner indexes), their names
// and owners by runner (owners may be empty: ownership off), the tipster's
// runner and the race's figures.
PayoutBoardView BuildPayoutBoardView(std::span<const int> runnerByPlace, std::span<const std::string> names,
                                     std::span<const std::string> owners, int tippedRunner,
                                     const PayoutBoard& payouts);

} // namespace galloria
