#include "betting/pool_book.h"

#include "base/game_random.h"

#include <algorithm>

namespace galloria {

namespace {

constexpr int kWin = BetTypeCode(BetType::Win);
constexpr int kPlace = BetTypeCode(BetType::Place);
constexpr int kShow = BetTypeCode(BetType::Show);
constexpr int kAcross = BetTypeCode(BetType::Across);
constexpr int kExacta = BetTypeCode(BetType::Exacta);
constexpr int kTriacta = BetTypeCode(BetType::Triacta);

// Seeded combination cells never fall below a dollar, so no payout divides by zero.
constexpr double kMinSeededCombination = 1.0;

void AddExactaCell(DeltaPools& delta, int first, int second, double money, bool boxed)
{
    delta.exactaPool[first][second] += money;
    if (boxed)
        delta.exactaPool[second][first] += money;
}

void AddTriactaCell(DeltaPools& delta, int first, int second, int third, double money, bool boxed)
{
    auto& cells = delta.triactaPool;
    cells[first][second][third] += money;
    if (!boxed)
        return;
    cells[first][third][second] += money;
    cells[second][first][third] += money;
    cells[second][third][first] += money;
    cells[third][first][second] += money;
    cells[third][second][first] += money;
}

// Half the stake goes to the first runner's Exacta money, half to the second
// (or spread over every other runner for a wheel); the combination cells take
// the whole stake, on each order when boxed.
void AddExacta(DeltaPools& delta, const Bet& bet, double a, int n)
{
    double* share = delta.typePool[kExacta];
    const int h1 = bet.horse[0];
    const int h2 = bet.horse[1];
    share[h1] += a / 2;
    if (!IsWheel(h2)) {
        share[h2] += a / 2;
        AddExactaCell(delta, h1, h2, a, bet.boxed);
        return;
    }
    for (int k = 0; k < n; ++k) {
        if (k == h1)
            continue;
        share[k] += a / 2 / (n - 1);
        AddExactaCell(delta, h1, k, a / (n - 1), bet.boxed);
    }
}

// A third of the stake to each named runner's Triacta money (the last third
// spread for a wheel); the cells take the whole stake, a sixth on each order
// when boxed.
void AddTriacta(DeltaPools& delta, const Bet& bet, double a, int n)
{
    double* share = delta.typePool[kTriacta];
    const int h1 = bet.horse[0];
    const int h2 = bet.horse[1];
    const int h3 = bet.horse[2];
    share[h1] += a / 3;
    share[h2] += a / 3;
    if (!IsWheel(h3)) {
        share[h3] += a / 3;
        AddTriactaCell(delta, h1, h2, h3, bet.boxed ? a / 6 : a, bet.boxed);
        return;
    }
    for (int k = 0; k < n; ++k) {
        if (k == h1 || k == h2)
            continue;
        share[k] += a / 3 / (n - 2);
        AddTriactaCell(delta, h1, h2, k, bet.boxed ? a / 6 / (n - 2) : a / (n - 2), bet.boxed);
    }
}

} // namespace

void SeedPools(PoolBook& pools, std::span<const double> fieldOdds, GameRandom& random)
{
    pools.Clear();
    const int n = static_cast<int>(std::min<std::size_t>(fieldOdds.size(), kMaxFieldSize));
    const int winPublic = (2 * random.Next()) % 10000 + 40000;
    const int placePublic = (2 * random.Next()) % 5000 + 25000;
    const int showPublic = (2 * random.Next()) % 2000 + 10000;

    for (int h = 0; h < n; ++h) {
        pools.typePool[kWin][h] = winPublic / fieldOdds[h];
        pools.typePool[kPlace][h] = placePublic / fieldOdds[h] + random.Next() % 200;
        pools.typePool[kShow][h] = showPublic / fieldOdds[h] + random.Next() % 300;
    }

    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (j == i)
                continue;
            const double pair = std::max(kMinSeededCombination, 10000 / fieldOdds[i] / fieldOdds[j]);
            pools.exactaPool[i][j] = pair;
            pools.typeTotal[kExacta] += pair;
            pools.exactaByRunner[i] += pair;
            for (int k = 0; k < n; ++k) {
                if (k == i || k == j)
                    continue;
                const double triple =
                    std::max(kMinSeededCombination, 10000 / fieldOdds[i] / fieldOdds[j] / fieldOdds[k]);
                pools.triactaPool[i][j][k] = triple;
                pools.typeTotal[kTriacta] += triple;
                pools.triactaByRunner[i] += triple;
            }
        }
    }

    // The totals are the sums of what was seeded, not the public totals drawn above.
    for (int t = 0; t <= kAcross; ++t) {
        for (int h = 0; h < n; ++h)
            pools.typeTotal[t] += pools.typePool[t][h];
    }
}

bool AddBetToPools(DeltaPools& delta, const Bet& bet, int sign, int fieldSize)
{
    if (!IsValidBet(bet, fieldSize))
        return false;
    const double a = static_cast<double>(bet.amount) * sign;
    switch (bet.type) {
    case BetType::Win:
    case BetType::Place:
    case BetType::Show:
    case BetType::Across:
        delta.typePool[BetTypeCode(bet.type)][bet.horse[0]] += a;
        break;
    case BetType::Exacta:
        AddExacta(delta, bet, a, fieldSize);
        break;
    case BetType::Triacta:
        AddTriacta(delta, bet, a, fieldSize);
        break;
    case BetType::Bad:
        break;
    }
    return true;
}

void MergeWindowPools(PoolBook& pools, const DeltaPools& delta, int fieldSize)
{
    const int n = std::clamp(fieldSize, 0, kMaxFieldSize);
    for (int h = 0; h < n; ++h) {
        for (int t = 0; t <= kAcross; ++t) {
            pools.typePool[t][h] += delta.typePool[t][h];
            pools.typeTotal[t] += delta.typePool[t][h];
        }
        pools.exactaByRunner[h] += delta.typePool[kExacta][h];
        pools.typeTotal[kExacta] += delta.typePool[kExacta][h];
        pools.triactaByRunner[h] += delta.typePool[kTriacta][h];
        pools.typeTotal[kTriacta] += delta.typePool[kTriacta][h];

        const double acrossThird = delta.typePool[kAcross][h] / 3;
        for (int t : {kWin, kPlace, kShow}) {
            pools.typePool[t][h] += acrossThird;
            pools.typeTotal[t] += acrossThird;
        }
    }

    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            pools.exactaPool[i][j] += delta.exactaPool[i][j];
            for (int k = 0; k < n; ++k)
                pools.triactaPool[i][j][k] += delta.triactaPool[i][j][k];
        }
    }
}

} // namespace galloria
