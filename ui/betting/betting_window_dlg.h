#pragma once

#include "betting/bet.h"
#include "betting/betting_window_arrangement.h"

#include <QDialog>
#include <QPoint>
#include <QRect>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace galloria {

class BettingWindowModel;
class CReviewBetsDlg;
class SoundPlayer;
struct BetActionResult;

// The betting window: the players, one at a time, type a stake on the
// keypad, choose a type of bet and its runners, and BUY (Enter buys too and
// keeps the window open for the next bet). Every rule is the model's: each
// control is enabled, shown and labelled from it, each click goes to it, and
// the sound and message it answers are played and shown here. "View" opens
// the review list of the current player's bets; "race", Escape or the close
// box end the visit.
class CBettingWindowDlg : public QDialog {
    Q_OBJECT

public:
    CBettingWindowDlg(QWidget* parent, SoundPlayer& sounds);

    // Shows the window modally over an opened model with its top-left corner
    // at topLeft (global coordinates, moved up or left only as far as needed
    // to keep the whole window on the screen). Returns when the window
    // closes; the caller then closes the model and starts the race if
    // model.StartRaceRequested(). A model that is not open is not shown.
    // `fullFormTop` is the y just below the rows of a twelve-runner form,
    // the lowest the window ever opens on this screen; `area` is the
    // screen's available area it must fit in, empty for the area of the
    // screen that holds topLeft.
    void Run(BettingWindowModel& model, QPoint topLeft, int fullFormTop, const QRect& area = QRect());

    // Lays the window out in the arrangement it keeps for this screen (the
    // roomiest that fits on `area` below a full form's rows at fullFormTop,
    // chosen the first time and kept while area and fullFormTop stay the
    // same) and returns the frame's rectangle on the area: topLeft itself
    // when it fits, moved up or left only as far as the area needs.
    QRect Arrange(QPoint topLeft, int fullFormTop, const QRect& area);
    bool IsCompact() const { return arrangement_.compact; }
    bool IsTitled() const { return arrangement_.titled; }

private:
    struct TypeButton {
        QPushButton* button = nullptr;
        BetType type{};
        bool boxed = false;
    };

    void BuildControls();
    QPushButton* MakeButton(const QString& text, int id, bool checkable = false);
    void LayOut(bool compact);
    void ApplyArrangement(const BettingArrangement& arrangement);
    QSize MeasuredFrame();

    void Apply(const BetActionResult& result);
    void Refresh();
    void OnView();

    SoundPlayer& sounds_;
    BettingWindowModel* model_ = nullptr; // only while Run is showing it
    CReviewBetsDlg* review_ = nullptr;
    BettingArrangement arrangement_{};
    // The screen the arrangement was chosen for: its area and full form's bottom.
    QRect arrangedArea_;
    int arrangedFullFormTop_ = 0;
    QGroupBox* playerBox_ = nullptr;
    QGroupBox* amountBox_ = nullptr;
    QGroupBox* typeBox_ = nullptr;
    QGroupBox* horseBox_ = nullptr;

    QLineEdit* betLine_ = nullptr;
    QLabel* status_ = nullptr;
    std::array<QPushButton*, 4> players_{}; // one per player slot
    std::array<QLabel*, 4> balances_{};
    std::array<QPushButton*, 12> keys_{}; // in AmountKey order
    QPushButton* clear_ = nullptr;
    std::array<TypeButton, 8> types_{};
    std::array<QPushButton*, 12> runners_{}; // one per post of the largest field
    QPushButton* all_ = nullptr;
    QPushButton* long_ = nullptr;
    QPushButton* view_ = nullptr;
    QPushButton* clearAll_ = nullptr;
    QPushButton* buy_ = nullptr;
    QPushButton* race_ = nullptr;
};

} // namespace galloria
