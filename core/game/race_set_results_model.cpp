#include "game/race_set_results_model.h"

#include "base/screen_text.h"
namespace galloria {

std::string SetEndTitle(SetEndReason reason)
{
    switch (reason) {
    case SetEndReason::TenRacesRun:
        return Tr("RaceSetResults", "This Is The End Of The 10 Race Set.");
    case SetEndReason::Quit:
        return Tr("RaceSetResults", "Quiting Race Set.");
    case SetEndReason::NoMoneyLeft:
        return Tr("RaceSetResults", "Ending Race Set Early. No Money Left!!");
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

std::string RaceSetResultsModel::RowLabel(int row)
{
    if (row == kStartRow)
        return Tr("RaceSetResults", "Start");
    if (row == kFinishRow)
        return Tr("RaceSetResults", "Finish");
    if (row == kFirstRaceRow)
        return Tr("RaceSetResults", "Race 1");
    if (row > kFirstRaceRow && row < kFirstRaceRow + kRacesPerSet)
        return std::to_string(row - kFirstRaceRow + 1);
    return {};
}

std::string RaceSetResultsModel::ColumnHeading(int column)
{
    if (column < 0 || column >= kColumnCount)
        return {};
    return FillIn(Tr("RaceSetResults", "Player %1"), {std::to_string(column + 1)});
}

void RaceSetResultsModel::Fill(const RaceSetState& state, SetEndReason reason)
{
    title_ = SetEndTitle(reason);
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
