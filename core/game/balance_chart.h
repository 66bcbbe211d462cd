#pragma once

#include "betting/race_set_state.h"

#include <array>
#include <string>
#include <vector>

namespace galloria {

// The set's money as a picture: one line per player in the game, from the
// balance at the start of the set (point 0) through the balance after each
// race run (point r after race r); races not run have no point.
struct BalanceChart {
    struct Line {
        int slot = 0; // the player's slot, which picks the line's colour
        std::string name;
        std::vector<int> points;
    };
    std::vector<Line> lines; // slot order, players in the game only
    int racesRun = 0;
    // The vertical scale: from low to high in steps of `step` dollars, a
    // round step (1, 2 or 5 times a power of ten) that gives at most eight
    // intervals and holds every point.
    int low = 0;
    int high = 0;
    int step = 1;
};

// Races of the set that were run and paid: up to the current race when it
// was settled, up to the one before it otherwise (a set quit before its race).
int RacesRunInSet(const RaceSetState& state);

// The chart of the set as it ended.
BalanceChart BalanceChartOf(const RaceSetState& state);

// A round scale holding min..max (see BalanceChart); a flat or empty range
// still gets one step.
void ScaleBalanceChart(BalanceChart& chart, int min, int max);

// Whether line `index` runs along an earlier line for at least one race (the
// same balances at both ends of it): it is drawn dashed so that the line
// under it shows through.
bool RunsAlongEarlierLine(const BalanceChart& chart, std::size_t index);

// A mark's text on the chart's scale, short enough for its margin and in
// one unit for the whole scale: dollars ("$500", "$2500"), thousands when
// the scale reaches $10,000 in whole thousands ("$8k", "$20k"), millions
// when it reaches a million in tenths of one ("$0.5M", "$1.5M").
std::string ChartMoneyLabel(int dollars, const BalanceChart& scale);

} // namespace galloria
