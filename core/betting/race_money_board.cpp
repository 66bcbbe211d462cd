#include "betting/race_money_board.h"

#include "betting/race_set_state.h"

#include <algorithm>
#include <cstdint>

namespace galloria {

std::string FormatDollars(long long amount, bool signed_)
{
    const bool negative = amount < 0;
    // The magnitude as unsigned, so the most negative value cannot overflow.
    unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(amount) : static_cast<unsigned long long>(amount);
    std::string digits;
    int count = 0;
    do {
        if (count > 0 && count % 3 == 0)
            digits.push_back(',');
        digits.push_back(static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
        ++count;
    } while (magnitude > 0);
    std::reverse(digits.begin(), digits.end());
    std::string text = negative ? "-$" : (signed_ && amount > 0 ? "+$" : "$");
    return text + digits;
}

std::vector<RaceMoneyRow> BuildRaceMoneyBoard(const RaceSetState& state)
{
    std::vector<RaceMoneyRow> rows;
    for (const PlayerSlot& player : state.players) {
        if (!player.InGame())
            continue;
        RaceMoneyRow row;
        row.name = player.name;
        // Sums in 64 bits: 25 stakes near the 32-bit limit must not wrap.
        long long staked = 0;
        long long won = 0;
        const int count = std::clamp(player.bets.count, 0, kMaxBetsPerPlayer);
        for (int b = 0; b < count; ++b) {
            staked += std::max(0, player.bets.slots[b].amount);
            won += std::max(0, player.bets.slots[b].won);
        }
        row.staked = static_cast<int>(std::min<long long>(staked, INT32_MAX));
        row.won = static_cast<int>(std::min<long long>(won, INT32_MAX));
        row.net = static_cast<int>(std::clamp<long long>(won - staked, INT32_MIN, INT32_MAX));
        row.balance = player.balance;
        row.stakedText = FormatDollars(staked);
        row.wonText = FormatDollars(won);
        row.netText = FormatDollars(won - staked, true);
        row.balanceText = FormatDollars(player.balance);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace galloria
