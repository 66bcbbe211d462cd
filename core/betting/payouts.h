#pragma once

namespace galloria {

struct PoolBook;

// The first three runners past the post (runner indexes).
struct Podium {
    int first = 0;
    int second = 0;
    int third = 0;
};

// What a two-dollar ticket returns, stake included, for each kind of winning
// ticket of the race just run; rounded to ten cents.
struct PayoutBoard {
    double winPay = 0;
    double placePayFirst = 0;
    double showPayFirst = 0;
    double placePaySecond = 0;
    double showPaySecond = 0;
    double showPayThird = 0;
    double exactaPay = 0;
    double triactaPay = 0;
};

// The eight figures from the race's pools. There is no take: Win, Exacta and
// Triacta return the stake plus the whole pool's ratio to the winning money;
// Place and Show share out only the losing runners' money, half (a third) to
// each placed (shown) runner. The podium names three distinct runners of the
// race, whose pools seeding has made positive; a podium with a place not taken
// (a runner index outside 0..11) gives an all-zero board.
PayoutBoard ComputePayouts(const PoolBook& pools, const Podium& podium);

} // namespace galloria
