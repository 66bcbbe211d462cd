#include "betting/payouts.h"

#include "betting/bet.h"
#include "betting/pool_book.h"

#include <cmath>

namespace galloria {

namespace {

// Payout figures are quoted to the nearest ten cents.
double RoundToTenths(double figure)
{
    return std::trunc(figure * 10 + 0.5) * 0.1;
}

// The return of a two-dollar ticket whose winning money is `winning` in a pool
// paying out `payable`.
double TwoDollarReturn(double payable, double winning)
{
    return RoundToTenths(2 * (payable / winning + 1));
}

bool IsRunner(int runner)
{
    return runner >= 0 && runner < kMaxFieldSize;
}

} // namespace

PayoutBoard ComputePayouts(const PoolBook& pools, const Podium& podium)
{
    // A race with fewer than three finishers has no podium to pay; the board stays at zero.
    if (!IsRunner(podium.first) || !IsRunner(podium.second) || !IsRunner(podium.third))
        return {};

    const int w = podium.first;
    const int s = podium.second;
    const int t = podium.third;
    const double* win = pools.typePool[BetTypeCode(BetType::Win)];
    const double* place = pools.typePool[BetTypeCode(BetType::Place)];
    const double* show = pools.typePool[BetTypeCode(BetType::Show)];

    const double placeShare = (pools.typeTotal[BetTypeCode(BetType::Place)] - place[w] - place[s]) * 0.5;
    // Multiplied by the double nearest a third, as the figures have always been.
    const double showShare =
        (pools.typeTotal[BetTypeCode(BetType::Show)] - show[w] - show[s] - show[t]) * 0.3333333333333333;

    PayoutBoard board;
    board.winPay = TwoDollarReturn(pools.typeTotal[BetTypeCode(BetType::Win)], win[w]);
    board.placePayFirst = TwoDollarReturn(placeShare, place[w]);
    board.placePaySecond = TwoDollarReturn(placeShare, place[s]);
    board.showPayFirst = TwoDollarReturn(showShare, show[w]);
    board.showPaySecond = TwoDollarReturn(showShare, show[s]);
    board.showPayThird = TwoDollarReturn(showShare, show[t]);
    board.exactaPay = TwoDollarReturn(pools.typeTotal[BetTypeCode(BetType::Exacta)], pools.exactaPool[w][s]);
    board.triactaPay =
        TwoDollarReturn(pools.typeTotal[BetTypeCode(BetType::Triacta)], pools.triactaPool[w][s][t]);
    return board;
}

} // namespace galloria
