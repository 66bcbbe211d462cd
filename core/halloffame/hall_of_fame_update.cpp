// The end-of-set update of the hall of fame: each player's results become one
// candidate value per list, which enter the lists by the rule of OpenRowFor.

#include "halloffame/hall_of_fame.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace galloria {
namespace {

// Texts of a results row's entries that carry no candidate value.
constexpr std::string_view kStartDate = "00/00/0000";
constexpr std::string_view kStartName = "empty";
constexpr std::string_view kStartValue = "0";

// The % Won list is titled "(10 bet minimum)" but takes a player from 11 bets on.
constexpr std::int64_t kFewestBetsForPercentWon = 11;
// The Web Ten list measures the first ten races against the usual start money.
constexpr std::int64_t kWebTenStartMoney = 10000;
// A Web Ten value above this, placed first, calls the high-score export.
constexpr int kWebTenRecordAbove = 9999;
// The Team name takes this much of each slot's name.
constexpr std::size_t kTeamNamePart = 9;
constexpr int kMostRacesShown = 99;

// The lists a player's results enter, in the order they are merged.
constexpr int kPlayerLists[] = {kTopList,    kWinBetsList, kPlaceBetsList, kShowBetsList,
                                kAcrossList, kExactaList,  kTriactaList,   kPercentWonList,
                                kDayList,    kMonthList,   kWebTenList};

ScoreEntry StartEntry()
{
    ScoreEntry entry;
    entry.date.Set(kStartDate);
    entry.name.Set(kStartName);
    entry.value.Set(kStartValue);
    return entry;
}

std::int64_t Difference(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int64_t>(a) - b;
}

std::string PercentWonText(const SlotResultInput& slot)
{
    std::int64_t placed = 0;
    std::int64_t won = 0;
    for (std::size_t code = 0; code < slot.betsPlaced.size(); ++code) {
        placed += slot.betsPlaced[code];
        won += slot.betsWon[code];
    }
    double percent = 0.0;
    if (placed >= kFewestBetsForPercentWon)
        percent = std::clamp(static_cast<double>(won) * 100.0 / static_cast<double>(placed), 0.0, 100.0);
    char text[16];
    std::snprintf(text, sizeof text, "%4.1f", percent);
    return text;
}

// The month part of an M-D-YYYY date as the Month list compares it: its first
// two characters ("3-" or "12").
std::string_view MonthPart(std::string_view date)
{
    return date.substr(0, 2);
}

void EmptyList(ScoreTable& table, int list)
{
    for (ScoreRow& row : table)
        row[list] = VacantScoreEntry();
}

} // namespace

void HallOfFame::FillSetResultRow(int who, const SetResultInput& input)
{
    if (who == kTeam) {
        std::int64_t team = 0;
        for (const SlotResultInput& slot : input.slots) {
            if (!slot.name.empty())
                team += Difference(slot.balance, slot.startBalance);
        }
        results[0][kTeamList].value.Set(WholeNumberText(team));
        MergeIntoHallOfFame(kTeam);
        return;
    }

    const SlotResultInput& slot = input.slots.at(who);
    ScoreRow& row = results.at(who);
    row.fill(StartEntry());

    ScoreEntry& top = row[kTopList];
    top.name.Set(slot.name);
    top.value.Set(WholeNumberText(Difference(slot.balance, slot.startBalance)));
    const std::int64_t races = static_cast<std::int64_t>(input.raceCounter) + 1;
    top.races.Set(std::to_string(std::clamp<std::int64_t>(races, 0, kMostRacesShown)));

    // Lists 1..6 are the bet types of the same codes, Win to Triacta.
    for (int code = 1; code <= 6; ++code)
        row[code].value.Set(WholeNumberText(Difference(slot.amountWon[code], slot.amountBet[code])));

    row[kPercentWonList].value.Set(PercentWonText(slot));

    const std::int64_t webTen = input.firstTenEligible ? slot.settledBalance - kWebTenStartMoney : 0;
    row[kWebTenList].value.Set(WholeNumberText(webTen));
}

bool HallOfFame::MergeIntoHallOfFame(int who)
{
    StampDateTime();
    AgeDayAndMonthLists();
    bool webTenBest = false;
    if (who == kTeam)
        MergeTeam();
    else
        webTenBest = MergeSlot(who);
    Save();
    return webTenBest;
}

void HallOfFame::RecordEndOfSet(const SetResultInput& input, const WebTenBestHook& onWebTenBest)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        FillSetResultRow(slot, input);
        if (MergeIntoHallOfFame(slot) && onWebTenBest)
            onWebTenBest(slot);
    }
    if (input.playerCount > 1)
        FillSetResultRow(kTeam, input);
}

void HallOfFame::AgeDayAndMonthLists()
{
    for (const ScoreRow& row : table) {
        const std::string_view date = row[kDayList].date.View();
        if (date != today && date != kVacantText) {
            EmptyList(table, kDayList);
            break;
        }
    }
    // Only the month number is compared, so a list from the same month of an
    // earlier year stays.
    const std::string_view thisMonth = MonthPart(today);
    for (const ScoreRow& row : table) {
        const std::string_view month = MonthPart(row[kMonthList].date.View());
        if (month != thisMonth && month != MonthPart(kVacantText)) {
            EmptyList(table, kMonthList);
            break;
        }
    }
}

bool HallOfFame::MergeSlot(int slot)
{
    const ScoreRow& row = results.at(slot);
    const ScoreEntry& top = row[kTopList];
    // A slot without a player enters nothing, whatever figures it was left with.
    if (top.name.View().empty())
        return false;

    bool webTenBest = false;
    for (int list : kPlayerLists) {
        // Day and Month rank the set's money won, like Top.
        const bool ranksMoneyWon = list == kDayList || list == kMonthList;
        const FixedText<10>& candidate = ranksMoneyWon ? top.value : row[list].value;
        const int value = LeadingWholeNumber(candidate.View());
        const int at = OpenRowFor(list, value);
        if (at < 0)
            continue;
        ScoreEntry& entry = table[at][list];
        entry.date.Set(today);
        entry.name = top.name;
        entry.value = candidate;
        entry.races = top.races;
        if (list == kWebTenList && at == 0 && value > kWebTenRecordAbove)
            webTenBest = true;
    }
    return webTenBest;
}

void HallOfFame::MergeTeam()
{
    const int value = LeadingWholeNumber(results[0][kTeamList].value.View());
    const int at = OpenRowFor(kTeamList, value);
    if (at < 0)
        return;
    // Every slot takes its place in the name, so an empty one leaves a doubled
    // or trailing space.
    std::string name;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (slot > 0)
            name += ' ';
        name += CutToBytes(results[slot][kTopList].name.View(), kTeamNamePart);
    }
    ScoreEntry& entry = table[at][kTeamList];
    entry.date.Set(today);
    entry.name.Set(name);
    entry.value.Set(WholeNumberText(value));
    // The races field is left as it was: the Team list shows none.
}

int HallOfFame::OpenRowFor(int list, int candidate)
{
    // Nothing of zero or less enters, and a value equal to an entry goes above
    // it, so the newest of equal results ranks highest.
    if (candidate <= 0)
        return -1;
    for (int row = 0; row < kScoreRowCount; ++row) {
        if (LeadingWholeNumber(table[row][list].value.View()) <= candidate) {
            for (int below = kScoreRowCount - 1; below > row; --below)
                table[below][list] = table[below - 1][list];
            return row;
        }
    }
    return -1;
}

} // namespace galloria
