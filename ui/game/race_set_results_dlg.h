#pragma once

#include "game/race_set_results_model.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace galloria {

// "Results For The Current Race Set": each player's money race by race, with
// the choice to go on to a new set or stop.
class CRaceSetResultsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRaceSetResultsDlg(QWidget* parent);

    // Shows the grid; true for "Continue Racing", which is offered only when
    // the results allow it.
    bool Show(const RaceSetResultsModel& results);

    // Fills the texts without showing the dialog (Show does this first).
    void Fill(const RaceSetResultsModel& results);

    const QLabel* CellLabel(int row, int column) const { return cells_[row][column]; }
    const QLabel* TitleLabel() const { return title_; }
    QPushButton* ContinueButton() const { return continueButton_; }
    QPushButton* StopButton() const { return stopButton_; }

private:
    QLabel* title_ = nullptr;
    std::array<std::array<QLabel*, RaceSetResultsModel::kColumnCount>, RaceSetResultsModel::kRowCount>
        cells_{};
    QPushButton* continueButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
};

} // namespace galloria
