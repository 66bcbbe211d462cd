#pragma once

// The game's headers before Qt's (see varn_view.h).
#include "stable/new_horse_editor_model.h"
#include "stable/stable_look.h"

#include <QColor>
#include <QDialog>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace galloria {

// "New Horse Editor": the name, four sliders with their values, the owner
// (typed owners accepted), the colour with "Change" and a galloping preview
// of the horse in that colour. OK adds the horse and clears the form for the
// next; the dialog stays open until Cancel. Every rule is the model's.
class CNewHorseEditorDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNewHorseEditorDlg(QWidget* parent);
    ~CNewHorseEditorDlg() override;

    NewHorseEditorModel& Model() { return *model_; }

    // Shows the dialog modally on the model as the game has opened it.
    void Run();
    // The controls from the model (Run does this first).
    void ShowModel();

    StableAsk ask;
    // Picks a colour starting at the given one; none when cancelled. Unset,
    // the standard colour dialog is used.
    std::function<std::optional<QColor>(const QColor&)> chooseColour;

    QLineEdit* NameBox() const { return name_; }
    QSlider* Slider(int index) const { return sliders_[static_cast<std::size_t>(index)]; }
    QLabel* ValueBox(int index) const { return values_[static_cast<std::size_t>(index)]; }
    QComboBox* OwnerBox() const { return owner_; }
    QLabel* ColourBox() const { return colourBox_; }
    QLabel* Preview() const { return preview_; }
    QPushButton* ChangeButton() const { return change_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QLabel* JoinedLine() const { return joined_; }

public Q_SLOTS:
    void reject() override;

private:
    void PressOk();
    void ChangeColour();
    void ShowColour();
    void StepPreview();
    void ClearJoined();

    std::unique_ptr<NewHorseEditorModel> model_;
    QLineEdit* name_ = nullptr;
    std::array<QSlider*, NewHorseEditorModel::kSliderCount> sliders_{};
    std::array<QLabel*, NewHorseEditorModel::kSliderCount> values_{};
    QComboBox* owner_ = nullptr;
    QLabel* colourBox_ = nullptr;
    QLabel* preview_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* joined_ = nullptr; // where the last horse joined, until the next edit
    QImage strip_;             // the horse in its colour, all gallop frames
    int frame_ = 0;
    QTimer gallop_;
};

} // namespace galloria
