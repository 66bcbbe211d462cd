#pragma once

#include <QDialog>

class QPushButton;

namespace galloria {

// "About Galloria": the program's name, version and maker's web address.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);

    QPushButton* CloseButton() const { return closeButton_; }

private:
    QPushButton* closeButton_ = nullptr;
};

} // namespace galloria
