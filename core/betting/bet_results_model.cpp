#include "betting/bet_results_model.h"

#include "base/sort_key.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace galloria {

namespace {

constexpr BetResultsModel::ColumnSpec kColumns[BetResultsModel::kColumnCount] = {
    {SCREEN_TEXT("BetResults", "Name"), 100, false},  {SCREEN_TEXT("BetResults", "Type"), 93, false},
    {SCREEN_TEXT("BetResults", "Horse 1"), 65, true}, {SCREEN_TEXT("BetResults", "2"), 55, true},
    {SCREEN_TEXT("BetResults", "3"), 55, true},       {SCREEN_TEXT("BetResults", "Bet"), 70, true},
    {SCREEN_TEXT("BetResults", "Winning"), 75, true}, {SCREEN_TEXT("BetResults", "%"), 75, true}};

std::string DollarText(long long amount)
{
    std::string text = "$";
    text += std::to_string(amount);
    return text;
}

} // namespace

const BetResultsModel::ColumnSpec& BetResultsModel::ColumnOf(int column)
{
    return kColumns[std::clamp(column, 0, kColumnCount - 1)];
}

std::string BetResultsModel::TypeText(const Bet& bet)
{
    const std::string word = BetTypeScreenText(bet.type);
    if (bet.type == BetType::Exacta || bet.type == BetType::Triacta)
        return bet.boxed ? FillIn(Tr("BetResults", "%1 Box"), {word}) : word + " ";
    return word;
}

std::string BetResultsModel::LegText(const Bet& bet, int leg)
{
    if (leg < 0 || leg >= LegCount(bet.type) || leg >= 3)
        return " ";
    const HorseSelector selector = bet.horse[leg];
    if (selector >= 0 && selector < kMaxFieldSize)
        return std::to_string(selector + 1);
    if (IsWheel(selector))
        return HorseSelectorScreenText(selector);
    return " "; // a leg no field has, as from a damaged file
}

void BetResultsModel::Fill(const RaceSetState& state)
{
    lines_.clear();
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        const PlayerSlot& player = state.players[slot];
        long long betSum = 0;
        long long wonSum = 0;
        for (const Bet& bet : player.bets.Bought()) {
            if (bet.amount == 0)
                continue;
            std::array<std::string, kColumnCount> line;
            line[kName] = player.name;
            line[kType] = TypeText(bet);
            for (int leg = 0; leg < 3; ++leg)
                line[kHorse1 + leg] = LegText(bet, leg);
            line[kBet] = DollarText(bet.amount);
            line[kWinning] = DollarText(bet.won);
            const long long percent = static_cast<long long>(bet.won) * 100 / bet.amount;
            line[kPercent] = std::string(1, '%').append(std::to_string(percent));
            lines_.push_back(std::move(line));
            betSum += bet.amount;
            wonSum += bet.won;
        }
        Summary& summary = summaries_[slot];
        summary = Summary{};
        if (!player.InGame())
            continue;
        summary.name = player.name + ":";
        summary.bet = DollarText(betSum);
        summary.won = DollarText(wonSum);
        summary.net = DollarText(wonSum - betSum);
        summary.newBalance = DollarText(player.balance);
    }
    order_.resize(lines_.size());
    std::iota(order_.begin(), order_.end(), 0);
    sortColumn_ = -1;
    ascending_ = true;
}

const std::string& BetResultsModel::Cell(int line, int column) const
{
    static const std::string kEmpty;
    if (line < 0 || line >= LineCount() || column < 0 || column >= kColumnCount)
        return kEmpty;
    return lines_[order_[line]][column];
}

int BetResultsModel::CompareCells(std::string_view a, std::string_view b, int column, bool ascending)
{
    const int raw = PaddedForSorting(a).compare(PaddedForSorting(b));
    const int cmp = raw < 0 ? -1 : (raw > 0 ? 1 : 0);
    if (column == kName)
        return ascending ? cmp : -cmp;
    return ascending ? -cmp : cmp;
}

void BetResultsModel::SortBy(int column)
{
    if (column < 0 || column >= kColumnCount)
        return;
    if (column == sortColumn_) {
        ascending_ = !ascending_;
    } else {
        sortColumn_ = column;
        ascending_ = true;
    }
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        return CompareCells(lines_[a][column], lines_[b][column], column, ascending_) < 0;
    });
}

} // namespace galloria
