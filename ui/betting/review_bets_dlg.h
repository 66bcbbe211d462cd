#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace galloria {

class ReviewBetsModel;
class SoundPlayer;
struct BetActionResult;

// The review list opened by the betting window's "View": the current
// player's bought bets, one bet line each, and DELETE BET to take the
// selected one back. All rules are the model's; the dialog lists its lines,
// forwards the selection and the clicks, and plays the sounds they return.
class CReviewBetsDlg : public QDialog {
    Q_OBJECT

public:
    CReviewBetsDlg(QWidget* parent, SoundPlayer& sounds);

    // Shows the open review modally until "OK", Escape or the close box.
    // Deletions stand whichever way it is left; the caller takes them back
    // with the betting window's CloseReview. A review that is not open is
    // not shown.
    void Run(ReviewBetsModel& review);

    // Where the window's frame goes: centred over `over` (the betting
    // window's frame; the screen when empty), kept wholly on the screen.
    QPoint PlacementOver(const QRect& over) const;

private:
    void OnSelectionChanged();
    void OnDelete();
    void Apply(const BetActionResult& result);
    void FillList();
    void Refresh();
    void ApplyScale();

    SoundPlayer& sounds_;
    ReviewBetsModel* review_ = nullptr; // only while Run is showing it
    double scale_ = 0.0;

    QListWidget* list_ = nullptr;
    QLabel* hint_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace galloria
