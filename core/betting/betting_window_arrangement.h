#pragma once

#include <functional>

namespace galloria {

// How the betting window lays out its controls. The roomy arrangement has the
// keypad of a calculator (7 8 9 / 4 5 6 / 1 2 3 / 0 00 000) and the types in
// two columns; the compact one packs the keypad into three rows with the
// zeros down a fourth column and the types into three columns. Group titles
// ("Player", "Amount", ...) are kept wherever they fit.
struct BettingArrangement {
    double scale = 1.0; // against the 640 x 480 layout
    bool compact = false;
    bool titled = true;

    friend bool operator==(const BettingArrangement&, const BettingArrangement&) = default;
};

// The arrangement the window keeps for a whole session on one screen: the
// roomiest that fits below the rows of a twelve-runner form, so its keys
// never move from race to race whatever the field. Tried roomiest first:
// roomy, compact with titles, compact without, each at the screen's own
// scale and then at the smallest; when none fits, the smallest of all.
// `fits` says whether an arrangement fits below a full form.
BettingArrangement ChooseBettingArrangement(double screenScale,
                                            const std::function<bool(const BettingArrangement&)>& fits);

} // namespace galloria
