#pragma once

#include "game/player_names_model.h"

#include <QDialog>

#include <array>

class QComboBox;
class QPushButton;

namespace galloria {

// "Enter Name(s)": four name boxes, each taking a typed name of up to ten
// letters or one of the list entries (blank, "Not In Game").
class CEnterNamesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CEnterNamesDlg(QWidget* parent);

    // Shows the model's texts and selections; on PLAY pushes what the players
    // typed or picked into the model and returns true. Cancel leaves the
    // model as it was and returns false.
    bool Ask(PlayerNamesModel& names);

    QComboBox* NameBox(int slot) const { return boxes_[slot]; }
    QPushButton* PlayButton() const { return playButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

private:
    void Load(const PlayerNamesModel& names);
    void Store(PlayerNamesModel& names) const;

    std::array<QComboBox*, kPlayerSlots> boxes_{};
    QPushButton* playButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace galloria
