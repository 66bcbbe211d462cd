#include "betting/live_odds_model.h"

#include "betting/odds.h"
#include "betting/runner_chance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace galloria {

namespace {

constexpr LiveOddsModel::ColumnSpec kColumns[LiveOddsModel::kColumnCount] = {
    {SCREEN_TEXT("LiveOdds", "#"), 25, true},      {SCREEN_TEXT("LiveOdds", "Name"), 130, false},
    {SCREEN_TEXT("LiveOdds", "Win"), 60, true},    {SCREEN_TEXT("LiveOdds", "Odds"), 50, true},
    {SCREEN_TEXT("LiveOdds", "Place"), 60, true},  {SCREEN_TEXT("LiveOdds", "Odds"), 50, true},
    {SCREEN_TEXT("LiveOdds", "Show"), 60, true},   {SCREEN_TEXT("LiveOdds", "Odds"), 50, true},
    {SCREEN_TEXT("LiveOdds", "Exacta"), 60, true}, {SCREEN_TEXT("LiveOdds", "Triacta"), 60, true},
    {SCREEN_TEXT("LiveOdds", "Chance"), 80, true}};

constexpr int kTotalsLine = kMaxFieldSize;
// What a cell without a figure shows.
const std::string kDash = "-";

// Pools are shown in whole dollars, truncated.
std::string Dollars(double amount)
{
    if (!std::isfinite(amount))
        return "0";
    const double clamped = std::clamp(amount, -2.0e9, 2.0e9);
    return std::to_string(static_cast<long long>(clamped));
}

// The pool figure of a runner: the type's total over the runner's money,
// divided by 1, 2 or 3 for Win, Place and Show. A runner without money in
// the pool (only possible through a damaged file) has the longest price.
double PoolFigure(double total, double pool, int k)
{
    if (!(pool > 0.0))
        return std::numeric_limits<double>::infinity();
    return total / pool / k;
}

// The price text of a pool; "-" for a pool without money, which has no price.
std::string PriceText(double total, double pool, int k)
{
    if (!(pool > 0.0))
        return "-";
    return FormatOdds(PoolFigure(total, pool, k));
}

} // namespace

const LiveOddsModel::ColumnSpec& LiveOddsModel::ColumnOf(int column)
{
    return kColumns[std::clamp(column, 0, kColumnCount - 1)];
}

void LiveOddsModel::Fill(std::span<const std::string> runnerNames, int runnerCount, const PoolBook& pools)
{
    runnerCount_ = std::clamp(runnerCount, 0, kMaxFieldSize);
    for (int row = 0; row < 5; ++row)
        std::copy(std::begin(pools.typePool[row]), std::end(pools.typePool[row]), pools_[row].begin());
    std::copy(std::begin(pools.exactaByRunner), std::end(pools.exactaByRunner), pools_[5].begin());
    std::copy(std::begin(pools.triactaByRunner), std::end(pools.triactaByRunner), pools_[6].begin());
    for (int row = 0; row < 7; ++row)
        totals_[row] = std::accumulate(pools_[row].begin(), pools_[row].begin() + runnerCount_, 0.0);

    for (auto& line : cells_)
        line.fill(std::string());
    chanceShare_.fill(-1.0);
    for (int h = 0; h < runnerCount_; ++h) {
        auto& line = cells_[h];
        line[kNumber] = std::to_string(h + 1);
        line[kName] = h < static_cast<int>(runnerNames.size()) ? runnerNames[h] : std::string();
        line[kWin] = Dollars(pools_[1][h]);
        line[kWinOdds] = PriceText(totals_[1], pools_[1][h], 1);
        line[kPlace] = Dollars(pools_[2][h]);
        line[kPlaceOdds] = PriceText(totals_[2], pools_[2][h], 2);
        line[kShow] = Dollars(pools_[3][h]);
        line[kShowOdds] = PriceText(totals_[3], pools_[3][h], 3);
        line[kExacta] = Dollars(pools_[5][h]);
        line[kTriacta] = Dollars(pools_[6][h]);
        line[kChance] = kDash;
    }
    auto& totals = cells_[kTotalsLine];
    totals[kNumber] = kDash;
    totals[kName] = Tr("LiveOdds", "Totals");
    totals[kWin] = Dollars(totals_[1]);
    totals[kPlace] = Dollars(totals_[2]);
    totals[kShow] = Dollars(totals_[3]);
    totals[kExacta] = Dollars(totals_[5]);
    totals[kTriacta] = Dollars(totals_[6]);
    for (const int column : {kWinOdds, kPlaceOdds, kShowOdds, kChance})
        totals[column] = kDash;

    order_.resize(runnerCount_);
    std::iota(order_.begin(), order_.end(), 0);
    sortColumn_ = -1;
    ascending_ = true;
}

bool LiveOddsModel::RefreshChance(const RunnerChance& chance)
{
    bool changed = false;
    const bool done = chance.CurrentStatus() == RunnerChance::Status::Done && chance.Result().runs > 0;
    for (int h = 0; h < runnerCount_; ++h) {
        std::string text = ChanceText(chance, h);
        chanceShare_[h] = done && h < chance.FieldSize()
                              ? static_cast<double>(chance.Result().wins[h]) / chance.Result().runs
                              : -1.0;
        if (text != cells_[h][kChance]) {
            cells_[h][kChance] = std::move(text);
            changed = true;
        }
    }
    return changed;
}

const std::string& LiveOddsModel::Cell(int line, int column) const
{
    static const std::string kEmpty;
    if (column < 0 || column >= kColumnCount || line < 0 || line >= LineCount())
        return kEmpty;
    const int runner = RunnerOfLine(line);
    return cells_[runner < 0 ? kTotalsLine : runner][column];
}

int LiveOddsModel::RunnerOfLine(int line) const
{
    if (line >= 0 && line < static_cast<int>(order_.size()))
        return order_[line];
    return -1;
}

double LiveOddsModel::SortKey(int runner, int column) const
{
    switch (column) {
    case kWin:
        return pools_[1][runner];
    case kWinOdds:
        return PoolFigure(totals_[1], pools_[1][runner], 1);
    case kPlace:
        return pools_[2][runner];
    case kPlaceOdds:
        return PoolFigure(totals_[2], pools_[2][runner], 2);
    case kShow:
        return pools_[3][runner];
    case kShowOdds:
        return PoolFigure(totals_[3], pools_[3][runner], 3);
    case kExacta:
        return pools_[5][runner];
    case kTriacta:
        return pools_[6][runner];
    case kChance:
        return chanceShare_[runner];
    default:
        return runner;
    }
}

void LiveOddsModel::SortBy(int column)
{
    if (column < 0 || column >= kColumnCount)
        return;
    if (column == sortColumn_) {
        ascending_ = !ascending_;
    } else {
        sortColumn_ = column;
        // Up for the number, the name and the prices; down for money and chance.
        ascending_ = column == kNumber || column == kName || column == kWinOdds || column == kPlaceOdds ||
                     column == kShowOdds;
    }
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        if (column == kName) {
            const int cmp = cells_[a][kName].compare(cells_[b][kName]);
            return ascending_ ? cmp < 0 : cmp > 0;
        }
        const double ka = SortKey(a, column);
        const double kb = SortKey(b, column);
        return ascending_ ? ka < kb : ka > kb;
    });
}

} // namespace galloria
