#pragma once

#include "game/notice_medals.h"

#include <QDialog>

#include <array>
#include <span>
#include <string_view>

class QLabel;
class QPushButton;

namespace galloria {

// The game's notice box: a few centred lines under a row of icons, with OK.
// Praise shows one to five medals, a plain notice a single notice icon.
class CNoticeDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxMedals = 5;

    explicit CNoticeDlg(QWidget* parent);

    // Fills the box and shows it modally until OK.
    void Show(std::span<const std::string_view> lines, bool praise, int amount);
    void Fill(std::span<const std::string_view> lines, bool praise, int amount);

    // What the box shows, for the tests.
    int MedalsShown() const;
    bool PlainIconShown() const;
    QString Text() const;
    QPushButton* OkButton() const { return okButton_; }

private:
    std::array<QLabel*, kMaxMedals> medals_{};
    QLabel* plainIcon_ = nullptr;
    QLabel* text_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace galloria
