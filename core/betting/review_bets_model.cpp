#include "betting/review_bets_model.h"

#include "base/screen_text.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace galloria {

namespace {

// Money sums stay within whole 32-bit dollars even for a table read from a
// damaged file, instead of wrapping round to a negative balance.
int SaturatingSum(int a, int b)
{
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<int>(std::clamp<std::int64_t>(sum, INT_MIN, INT_MAX));
}

} // namespace

void AddDeltaPools(DeltaPools& into, const DeltaPools& from)
{
    for (int t = 0; t < kBetTypeCount; ++t) {
        for (int h = 0; h < kMaxFieldSize; ++h)
            into.typePool[t][h] += from.typePool[t][h];
    }
    for (int i = 0; i < kMaxFieldSize; ++i) {
        for (int j = 0; j < kMaxFieldSize; ++j) {
            into.exactaPool[i][j] += from.exactaPool[i][j];
            for (int k = 0; k < kMaxFieldSize; ++k)
                into.triactaPool[i][j][k] += from.triactaPool[i][j][k];
        }
    }
}

void ReviewBetsModel::Open(const BetTable& bets, int runnerCount)
{
    open_ = true;
    bets_ = bets;
    runnerCount_ = runnerCount;
    refund_ = 0;
    selected_ = -1;
    delta_.Clear();
}

std::vector<std::string> ReviewBetsModel::Lines() const
{
    std::vector<std::string> lines;
    for (const Bet& bet : bets_.Bought())
        lines.push_back(bet.description);
    return lines;
}

void ReviewBetsModel::Select(int line)
{
    selected_ = open_ && line >= 0 && line < LineCount() ? line : -1;
}

bool ReviewBetsModel::CanDeleteBet() const
{
    return open_ && selected_ >= 0 && selected_ < LineCount();
}

BetActionResult ReviewBetsModel::DeleteBet()
{
    if (!CanDeleteBet()) {
        selected_ = -1;
        return {.message = open_ && LineCount() > 0
                               ? Tr("BettingWindow", "Click on a bet first, then on DELETE BET.")
                               : std::string()};
    }

    std::optional<Bet> removed = bets_.RemoveAt(selected_);
    selected_ = -1;
    refund_ = SaturatingSum(refund_, removed->amount);
    // A bet that does not fit the field never reached the pools, so there is
    // nothing to take out for it; the stake comes back all the same.
    AddBetToPools(delta_, *removed, -1, runnerCount_);
    return {.applied = true, .sound = SoundEffect::Delete};
}

bool ReviewBetsModel::CloseInto(BetTable& table, int& balance, DeltaPools& windowDelta)
{
    if (!open_)
        return false;
    table = bets_;
    balance = SaturatingSum(balance, refund_);
    AddDeltaPools(windowDelta, delta_);
    open_ = false;
    selected_ = -1;
    bets_.Clear();
    refund_ = 0;
    delta_.Clear();
    return true;
}

} // namespace galloria
