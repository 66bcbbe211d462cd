#pragma once

// The game's headers before Qt's (see varn_view.h).
#include "stable/horse_database_model.h"
#include "stable/horse_form_chart.h"

#include <QDialog>
#include <QImage>
#include <QWidget>

#include <string>

class QPushButton;

namespace galloria {

// The card itself: the horse's name, colour and picture, its four
// characteristics, its record and a chart of its last twenty races (place,
// time and odds, oldest on the left), painted in the racing form's colours.
// It is drawn at one layout size and scaled to the widget, so it reads the
// same on every screen.
class CFormCardView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kLayoutWidth = 600;
    static constexpr int kLayoutHeight = 380;

    explicit CFormCardView(QWidget* parent);

    void SetHorse(const HorseRecord& horse, int number, const std::string& owner);
    // The card painted at the layout size.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Paint(QPainter& painter) const;
    void PaintHeader(QPainter& painter) const;
    void PaintFigures(QPainter& painter) const;
    void PaintChart(QPainter& painter, const QRect& area) const;

    HorseRecord horse_{};
    HorseFigures figures_;
    HorseFormChart chart_;
    int number_ = 0;
    std::string owner_;
    QImage picture_; // one frame of the horse in its colour
};

// The form card as a small window of its own, opened by a double-click on a
// horse in the database.
class CHorseFormCard : public QDialog {
    Q_OBJECT
public:
    explicit CHorseFormCard(QWidget* parent);

    // Fills the card and shows it modally.
    void Show(const HorseRecord& horse, int number, const std::string& owner);
    void Fill(const HorseRecord& horse, int number, const std::string& owner);

    CFormCardView* View() const { return view_; }
    QPushButton* CloseButton() const { return close_; }

private:
    CFormCardView* view_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace galloria
