#pragma once

#include "base/screen_text.h"
#include "halloffame/hall_of_fame.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace galloria {

// "High Scores": the twelve lists of the hall of fame as pages of four
// columns (date, name, value, races), with the entries the players of the
// latest set have just earned marked with an arrow and selected.
class HallOfFameSheetModel {
public:
    static constexpr int kPageCount = kScoreListCount;
    static constexpr ScreenText kTitle = SCREEN_TEXT("HallOfFame", "High Scores");
    static constexpr std::string_view kMarker = "----> ";
    static constexpr std::string_view kNoMarker = "         ";

    struct PageLayout {
        ScreenText tab;
        ScreenText heading;
        ScreenText valueTitle; // "MONEY" or "PERCENT"
        bool racesColumn;      // every page but Team
    };
    // Page p shows list p; the pages are in tab order.
    static const PageLayout& Page(int page);

    // The four columns of one page, row by row, and the rows selected in it.
    struct PageRows {
        std::array<std::string, kScoreRowCount> date;
        std::array<std::string, kScoreRowCount> name;
        std::array<std::string, kScoreRowCount> value;
        std::array<std::string, kScoreRowCount> races; // empty on the Team page
        std::vector<int> selected;                     // in row order
    };

    // The sheet's opening: reads the score file (writing a fresh one when
    // there is none) and fills every page.
    void Open(HallOfFame& hallOfFame);
    // Fills every page from the lists and the latest set's result rows.
    void Fill(const HallOfFame& hallOfFame);

    const PageRows& Rows(int page) const { return pages_.at(page); }

private:
    void FillPage(int list, const HallOfFame& hallOfFame);
    void FillTeamPage(const HallOfFame& hallOfFame);

    std::array<PageRows, kPageCount> pages_{};
};

} // namespace galloria
