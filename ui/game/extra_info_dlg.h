#pragma once

#include "halloffame/high_score_export.h"

#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;

namespace galloria {

// "Extra Info": the player's personal details for the high-score file. OK is
// offered only once all five boxes are filled in.
class CExtraInfoDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFieldCount = 5;

    explicit CExtraInfoDlg(QWidget* parent);

    // Opens filled with `stored`; the five texts on OK, none on Cancel.
    std::optional<PersonalDetails> Ask(const PersonalDetails& stored);

    QLineEdit* Field(int index) const { return fields_[index]; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

private:
    void Load(const PersonalDetails& details);
    PersonalDetails Read() const;
    void UpdateOk();

    // First name, last name, town or city, country, e-mail address.
    std::array<QLineEdit*, kFieldCount> fields_{};
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace galloria
