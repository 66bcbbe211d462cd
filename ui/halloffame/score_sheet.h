#pragma once

#include "halloffame/hall_of_fame_sheet_model.h"

#include <QDialog>

#include <array>

class QLabel;
class QListWidget;
class QFont;
class QPushButton;
class QTabWidget;

namespace galloria {

// One page of the sheet: the list's heading, its column titles and four
// side-by-side columns (date, name, value, races), scrolled together.
class CScorePage : public QWidget {
    Q_OBJECT
public:
    CScorePage(int list, QWidget* parent);

    void Fill(const HallOfFameSheetModel::PageRows& rows);

    QListWidget* Column(int column) const { return columns_[column]; }
    const QLabel* Heading() const { return heading_; }
    // Shows the titles and lists in font, each list tall enough for its rows.
    void SetListFont(const QFont& font);

private:
    bool team_ = false; // the Team page: a wider name and no races column
    QLabel* heading_ = nullptr;
    std::array<QLabel*, 4> titles_{};
    std::array<QListWidget*, 4> columns_{}; // date, name, value, races (none on the Team page)
};

// "High Scores": the hall of fame's twelve lists as tabbed pages, with the
// entries the latest set earned marked and selected. Only reads.
class CScoreSheet : public QDialog {
    Q_OBJECT
public:
    explicit CScoreSheet(QWidget* parent);

    // Shows the filled model modally, on the first page.
    void Show(const HallOfFameSheetModel& model);
    // Fills the pages without showing the sheet (Show does this first).
    void Fill(const HallOfFameSheetModel& model);
    // Gives every page the largest list font that lets the sheet show all
    // twenty rows of each list within room (Show fits the screen's room).
    void FitListsTo(QSize room);

    QTabWidget* Tabs() const { return tabs_; }
    CScorePage* Page(int page) const { return pages_[page]; }
    QPushButton* OkButton() const { return ok_; }

private:
    QTabWidget* tabs_ = nullptr;
    std::array<CScorePage*, HallOfFameSheetModel::kPageCount> pages_{};
    QPushButton* ok_ = nullptr;
};

} // namespace galloria
