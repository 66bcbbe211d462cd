#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace galloria {

// "Psssst ....": the tipster's picture and his whispered tip, with OK.
class CTipDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTipDlg(QWidget* parent);

    // Shows the tip modally until OK.
    void Show(const QString& text);

    QString Text() const;
    QPushButton* OkButton() const { return okButton_; }

private:
    QLabel* text_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace galloria
