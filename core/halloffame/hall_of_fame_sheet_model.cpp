#include "halloffame/hall_of_fame_sheet_model.h"

#include <algorithm>

namespace galloria {

namespace {

// The title of each page's value column.
constexpr ScreenText kMoney = SCREEN_TEXT("HallOfFame", "MONEY");
constexpr ScreenText kPercent = SCREEN_TEXT("HallOfFame", "PERCENT");

constexpr HallOfFameSheetModel::PageLayout kPages[HallOfFameSheetModel::kPageCount] = {
    {SCREEN_TEXT("HallOfFame", "Top"),
     SCREEN_TEXT("HallOfFame", "TOP MONEY EARNER - Unlimited Number Of Races"), kMoney, true},
    {SCREEN_TEXT("HallOfFame", "Win Bets"),
     SCREEN_TEXT("HallOfFame", "MONEY EARNED ON THE NOSE (bets to win)"), kMoney, true},
    {SCREEN_TEXT("HallOfFame", "Place Bets"), SCREEN_TEXT("HallOfFame", "MONEY WON FROM PLACE BETS"), kMoney,
     true},
    {SCREEN_TEXT("HallOfFame", "Show Bets"), SCREEN_TEXT("HallOfFame", "MONEY WON ON SHOW BETS"), kMoney,
     true},
    {SCREEN_TEXT("HallOfFame", "Across"), SCREEN_TEXT("HallOfFame", "BEST RESULT FROM ACROSS BETS"), kMoney,
     true},
    {SCREEN_TEXT("HallOfFame", "Exactas"), SCREEN_TEXT("HallOfFame", "MONEY WON ON EXACTA WAGERS"), kMoney,
     true},
    {SCREEN_TEXT("HallOfFame", "Triactas"), SCREEN_TEXT("HallOfFame", "MONEY WON ON TRIACTA WAGERS"), kMoney,
     true},
    {SCREEN_TEXT("HallOfFame", "Team"),
     SCREEN_TEXT("HallOfFame", "GREATEST COMBINED WINNINGS OF TWO OR MORE PLAYERS"), kMoney, false},
    {SCREEN_TEXT("HallOfFame", "% Won"),
     SCREEN_TEXT("HallOfFame", "BEST PERCENTAGE:  WINNING BETS TO TOTAL BETS (10 bet minimum)"), kPercent,
     true},
    {SCREEN_TEXT("HallOfFame", "Day"),
     SCREEN_TEXT("HallOfFame", "MOST MONEY EARNED TODAY IN ANY RACING SERIES"), kMoney, true},
    {SCREEN_TEXT("HallOfFame", "Month"),
     SCREEN_TEXT("HallOfFame", "MOST MONEY EARNED THIS MONTH IN A SERIES OF RACES"), kMoney, true},
    {SCREEN_TEXT("HallOfFame", "Web Ten"),
     SCREEN_TEXT("HallOfFame", "TOP MONEY EARNER IN FIRST 10 RACES (this can be posted on website)"), kMoney,
     true},
};

const std::string kDateIndent(7, ' ');
const std::string kValueIndent(10, ' ');

// The value a slot's latest result puts into a list: the list's own
// candidate, except Day and Month, which rank the money won in the set.
std::string_view CandidateValue(const ScoreRow& results, int list)
{
    if (list == kDayList || list == kMonthList)
        return results[kTopList].value.View();
    return results[list].value.View();
}

} // namespace

const HallOfFameSheetModel::PageLayout& HallOfFameSheetModel::Page(int page)
{
    return kPages[std::clamp(page, 0, kPageCount - 1)];
}

void HallOfFameSheetModel::Open(HallOfFame& hallOfFame)
{
    hallOfFame.Load();
    Fill(hallOfFame);
}

void HallOfFameSheetModel::Fill(const HallOfFame& hallOfFame)
{
    for (int list = 0; list < kPageCount; ++list) {
        if (list == kTeamList)
            FillTeamPage(hallOfFame);
        else
            FillPage(list, hallOfFame);
    }
}

void HallOfFameSheetModel::FillPage(int list, const HallOfFame& hallOfFame)
{
    PageRows& page = pages_[list];
    page.selected.clear();
    std::array<bool, kScoreRowCount> marked{};
    // Each slot of the latest set marks the first entry from the top that is
    // its own (same name, same value) and not already another slot's, so two
    // identical players mark two rows.
    for (const ScoreRow& results : hallOfFame.results) {
        const std::string_view name = results[kTopList].name.View();
        if (name.empty())
            continue; // a slot not in the set has earned nothing
        const std::string_view value = CandidateValue(results, list);
        for (int row = 0; row < kScoreRowCount; ++row) {
            const ScoreEntry& entry = hallOfFame.table[row][list];
            if (!marked[row] && entry.name.View() == name && entry.value.View() == value) {
                marked[row] = true;
                break;
            }
        }
    }
    for (int row = 0; row < kScoreRowCount; ++row) {
        const ScoreEntry& entry = hallOfFame.table[row][list];
        page.date[row] = kDateIndent;
        page.date[row] += entry.date.View();
        page.name[row] = "    ";
        page.name[row] += marked[row] ? kMarker : kNoMarker;
        page.name[row] += entry.name.View();
        page.value[row] = kValueIndent;
        page.value[row] += entry.value.View();
        page.races[row] = std::string(entry.races.View());
        if (marked[row])
            page.selected.push_back(row);
    }
}

void HallOfFameSheetModel::FillTeamPage(const HallOfFame& hallOfFame)
{
    PageRows& page = pages_[kTeamList];
    page.selected.clear();
    const std::string_view teamValue = hallOfFame.results[0][kTeamList].value.View();
    bool found = false;
    for (int row = 0; row < kScoreRowCount; ++row) {
        const ScoreEntry& entry = hallOfFame.table[row][kTeamList];
        page.date[row] = kDateIndent;
        page.date[row] += entry.date.View();
        page.name[row] = std::string(1, ' ').append(entry.name.View());
        page.value[row] = kValueIndent;
        page.value[row] += entry.value.View();
        page.races[row].clear();
        // The latest team's entry is selected, without an arrow.
        if (!found && !teamValue.empty() && entry.value.View() == teamValue) {
            page.selected.push_back(row);
            found = true;
        }
    }
}

} // namespace galloria
