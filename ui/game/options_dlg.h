#pragma once

#include "game/game_host.h"
#include "game/game_settings.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace galloria {

// The game options: sound, animation speed, racing form order, how races are
// shown, graphics, odds accuracy and horse ownership, and the reset of the
// hall of fame.
class COptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit COptionsDlg(QWidget* parent);

    // Opens on `settings`. "Save New Settings" answers with the settings the
    // controls show (the names are kept as given); Cancel answers with none.
    // A reset confirmed inside the dialog is answered either way.
    OptionsAnswer Ask(const GameSettings& settings);

    // Asks whether to reset the high score lists; true for OK. By default a
    // message box; replaceable so the question can be answered without one.
    using ResetQuestion = std::function<bool(QWidget* parent)>;
    void SetResetQuestion(ResetQuestion question) { resetQuestion_ = std::move(question); }
    static bool AskResetInMessageBox(QWidget* parent);

    // The controls, for the tests and screenshots.
    QButtonGroup* SoundGroup() const { return sound_; }
    QSlider* SpeedSlider() const { return speed_; }
    QLabel* SpeedValue() const { return speedValue_; }
    QButtonGroup* SortGroup() const { return sort_; }
    QButtonGroup* ViewGroup() const { return view_; }
    QButtonGroup* GraphicsGroup() const { return graphics_; }
    QSlider* OddsSlider() const { return odds_; }
    QLabel* OddsValue() const { return oddsValue_; }
    QButtonGroup* OwnerGroup() const { return owner_; }
    QCheckBox* SlowMotionBox() const { return slowMotion_; }
    QComboBox* LanguageBox() const { return language_; }
    QLabel* LanguageNote() const { return languageNote_; }
    QPushButton* ResetButton() const { return resetButton_; }
    QPushButton* SaveButton() const { return saveButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

private:
    void Load(const GameSettings& settings);
    GameSettings Read() const;
    void AskReset();

    QButtonGroup* sound_ = nullptr;
    QSlider* speed_ = nullptr;
    QLabel* speedValue_ = nullptr;
    QButtonGroup* sort_ = nullptr;
    QButtonGroup* view_ = nullptr;
    QButtonGroup* graphics_ = nullptr;
    QSlider* odds_ = nullptr;
    QLabel* oddsValue_ = nullptr;
    QButtonGroup* owner_ = nullptr;
    QCheckBox* slowMotion_ = nullptr;
    QComboBox* language_ = nullptr;
    QLabel* languageNote_ = nullptr;
    QLabel* resetNote_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    GameSettings opened_{};
    bool resetRequested_ = false;
    ResetQuestion resetQuestion_ = &COptionsDlg::AskResetInMessageBox;
};

} // namespace galloria
