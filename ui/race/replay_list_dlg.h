#pragma once

#include "game/race_replay.h"

#include <QDialog>

#include <optional>
#include <span>

class QListWidget;
class QPushButton;

namespace galloria {

// REPLAY A RACE: the races of the set so far (number, winner, win price),
// the last one chosen; "Replay" answers with the race chosen.
class CReplayListDlg : public QDialog {
    Q_OBJECT
public:
    explicit CReplayListDlg(QWidget* parent);

    // The index of the race to show again in `races`; none when cancelled.
    std::optional<int> Ask(std::span<const RaceRecord> races);

    QListWidget* List() const { return list_; }
    QPushButton* ReplayButton() const { return replayButton_; }

private:
    QListWidget* list_ = nullptr;
    QPushButton* replayButton_ = nullptr;
};

} // namespace galloria
