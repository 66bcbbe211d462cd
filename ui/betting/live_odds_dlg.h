#pragma once

#include "betting/live_odds_model.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;
class QTableWidget;

namespace galloria {

class RunnerChance;

// "LIVE ODDS & POOLS": the race's pools and tote odds runner by runner, with
// the simulated chance of each runner beside them. Only reads; a header click
// sorts through the model. While the chances are still being measured the
// column says so, and it fills in as soon as they are ready: the window
// looks now and then and never waits.
class CLiveOddsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLiveOddsDlg(QWidget* parent);

    // Shows the filled model modally; the Chance column follows `chance`.
    void Show(LiveOddsModel& model, const RunnerChance& chance);
    // Fills the table without showing the dialog (Show does this first).
    void Fill(LiveOddsModel& model, const RunnerChance* chance);

    QTableWidget* Table() const { return table_; }
    QPushButton* OkButton() const { return ok_; }
    // One look at the measurement, as the timer takes them.
    void PollChance();

private:
    void Refill();
    void OnHeaderClicked(int column);

    LiveOddsModel* model_ = nullptr;       // only while shown or filled
    const RunnerChance* chance_ = nullptr; // likewise
    QTableWidget* table_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
    QTimer poll_;
};

} // namespace galloria
