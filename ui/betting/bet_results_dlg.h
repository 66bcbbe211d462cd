#pragma once

#include "betting/bet_results_model.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QTableWidget;

namespace galloria {

// "Bet Results For Last Completed Race": every bet of every player with what
// it won, and each player's sums below. Only reads; a header click sorts the
// list through the model's comparison.
class CBetResultsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBetResultsDlg(QWidget* parent);

    void Show(BetResultsModel& model);
    // Fills the list and the sums without showing the dialog (Show does this first).
    void Fill(BetResultsModel& model);

    QTableWidget* Table() const { return table_; }
    // The summary's five texts of a player slot: name, bet, won, net, new balance.
    const QLabel* SummaryLabel(int slot, int column) const { return summary_[slot][column]; }
    QPushButton* OkButton() const { return ok_; }

private:
    void Refill();
    void OnHeaderClicked(int column);

    BetResultsModel* model_ = nullptr; // only while shown or filled
    QTableWidget* table_ = nullptr;
    std::array<std::array<QLabel*, 5>, kPlayerSlots> summary_{};
    QPushButton* ok_ = nullptr;
};

} // namespace galloria
