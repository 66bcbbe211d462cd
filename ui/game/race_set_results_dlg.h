#pragma once

#include "game/race_set_results_model.h"

#include <QColor>
#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

namespace galloria {

// The set's money as a line chart: each player's balance from the start
// through the races run, one colour per player with the name beside it.
class CBalanceChartView : public QWidget {
    Q_OBJECT
public:
    explicit CBalanceChartView(QWidget* parent);

    void SetChart(const BalanceChart& chart);
    const BalanceChart& Chart() const { return chart_; }
    // The colour of a player slot's line.
    static QColor SlotColour(int slot);
    // Where point `index` (0 = start) of a balance is drawn, in the widget.
    QPointF PointAt(int index, int dollars) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF PlotArea() const;

    BalanceChart chart_{};
};

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
    CBalanceChartView* ChartView() const { return chart_; }

private:
    QLabel* title_ = nullptr;
    std::array<std::array<QLabel*, RaceSetResultsModel::kColumnCount>, RaceSetResultsModel::kRowCount>
        cells_{};
    QPushButton* continueButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    CBalanceChartView* chart_ = nullptr;
};

} // namespace galloria
