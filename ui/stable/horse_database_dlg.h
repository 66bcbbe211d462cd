#pragma once

// The game's headers before Qt's (see varn_view.h).
#include "stable/horse_database_model.h"
#include "stable/stable_look.h"

#include <QDialog>

#include <memory>
#include <vector>

class QPushButton;
class QTableView;

namespace galloria {

class CHorseFormCard;
class HorseTableModel;

// "Sortable Race Horse Database": the game's stable as a table that sorts by
// a click on any heading (through the model's comparison, not Qt's), with
// several rows selected for deletion or for the next race, and each horse's
// form card a double-click away. It fits a 640 x 480 screen and grows with
// larger ones.
class CHorseDatabaseDlg : public QDialog {
    Q_OBJECT
public:
    CHorseDatabaseDlg(QWidget* parent, Stable& gameStable);
    ~CHorseDatabaseDlg() override;

    HorseDatabaseModel& Model() { return model_; }

    // Shows the dialog modally on the model as the game has opened it.
    void Run();
    // The table from the model (Run does this first).
    void ShowModel();
    // Sizes the dialog for a screen of this size: as large as the columns
    // want, never larger than the screen.
    void FitScreen(const QSize& available);

    // The rows selected, in any order.
    std::vector<int> SelectedRows() const;

    StableAsk ask;

    QTableView* Table() const { return table_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* EnterButton() const { return enter_; }
    QPushButton* OkButton() const { return ok_; }
    CHorseFormCard* FormCard() const { return formCard_.get(); }

    // The form card of a row's horse, as a double-click opens it.
    void OpenFormCard(int row);

private:
    void SortBy(int column);
    void DeleteSelected();
    void EnterSelected();
    // The widest text a column may have to show.
    QString WidestText(int column) const;
    // The columns' widths within `room` pixels, and what the dialog needs
    // around them.
    std::vector<int> ColumnWidths(int room) const;
    int ExtraWidth() const;

    HorseDatabaseModel model_;
    HorseTableModel* tableModel_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* enter_ = nullptr;
    QPushButton* ok_ = nullptr;
    std::unique_ptr<CHorseFormCard> formCard_;
    double scale_ = 1.0;
};

} // namespace galloria
