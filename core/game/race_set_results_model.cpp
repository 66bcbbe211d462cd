#include "game/race_set_results_model.h"

namespace galloria {

std::string_view SetEndTitle(SetEndReason reason)
{
    switch (reason) {
    case SetEndReason::TenRacesRun:
        return "This Is The End Of The 10 Race Set.";
    case SetEndReason::Quit:
        return "Quiting Race Set.";
    case SetEndReason::NoMoneyLeft:
        return "Ending Race Set Early. No Money Left!!";
    }
    return {};
}

SetEndReason SetEndReasonOf(bool quitRequested, int raceIndex)
{
    if (quitRequested)
        return SetEndReason::Quit;
    if (raceIndex == kRacesPerSet - 1)
        return SetEndReason::TenRacesRun;
    return SetEndReason::NoMoneyLeft;
}

std::string_view RaceSetResultsModel::RowLabel(int row)
{
    static constexpr std::string_view kRaceLabels[kRacesPerSet] = {"Race 1", "2", "3", "4", "5",
                                                                   "6",      "7", "8", "9", "10"};
    if (row == kStartRow)
        return "Start";
    if (row == kFinishRow)
        return "Finish";
    if (row >= kFirstRaceRow && row < kFirstRaceRow + kRacesPerSet)
        return kRaceLabels[row - kFirstRaceRow];
    return {};
}

std::string RaceSetResultsModel::ColumnHeading(int column)
{
    if (column < 0 || column >= kColumnCount)
        return {};
    return "Player " + std::to_string(column + 1);
}

void RaceSetResultsModel::Fill(const RaceSetState& state, SetEndReason reason)
{
    title_ = std::string(SetEndTitle(reason));
    for (auto& row : cells_)
        row.fill(std::string());

    bool moneyLeft = false;
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        const PlayerSlot& player = state.players[slot];
        if (!player.InGame())
            continue;
        cells_[kNameRow][slot] = player.name;
        cells_[kStartRow][slot] = std::to_string(player.startBalance);
        for (int race = 0; race < kRacesPerSet; ++race)
            cells_[kFirstRaceRow + race][slot] = std::to_string(player.balanceAfterRace[race]);
        cells_[kFinishRow][slot] = std::to_string(player.balance);
        moneyLeft = moneyLeft || player.balance > 0;
    }
    canContinue_ = reason == SetEndReason::TenRacesRun && moneyLeft;
    chart_ = BalanceChartOf(state);
}

const std::string& RaceSetResultsModel::Cell(int row, int column) const
{
    static const std::string kEmpty;
    if (row < 0 || row >= kRowCount || column < 0 || column >= kColumnCount)
        return kEmpty;
    return cells_[row][column];
}

} // namespace galloria
