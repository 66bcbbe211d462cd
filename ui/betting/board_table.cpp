#include "betting/board_table.h"

#include "base/size_class.h"
#include "game/game_look.h"
#include "race/course_colours.h"

#include <algorithm>

#include <QEvent>
#include <QHeaderView>
#include <QScreen>
#include <QTableWidget>

namespace galloria {

void StyleBoardTable(QTableWidget* table)
{
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->setShowGrid(false);
    // The columns always share the width exactly (KeepColumnsFitted).
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setSectionsClickable(true);
    table->horizontalHeader()->setHighlightSections(false);
    table->setStyleSheet(
        QStringLiteral("QTableWidget { background: %1; alternate-background-color: %2; color: %3;"
                       " border: 2px solid %4; selection-background-color: %5; selection-color: %3; }"
                       "QTableWidget::item { padding: 0 4px; }"
                       "QHeaderView::section { background: %4; color: %6; font-weight: bold;"
                       " border: none; border-right: 1px solid %7; padding: 3px 4px; }")
            .arg(look::kPaper.name(), look::kCream.name(), look::kDarkTurf.name(), course::kBoardBlue.name(),
                 look::kGold.name(), course::kClockYellow.name(), course::kBoardStripe.name()));
}

QSize RoomOnScreen(const QWidget* window)
{
    const QScreen* screen = window->screen();
    if (screen == nullptr)
        return QSize(LayoutWidth(SizeClass::Small), LayoutHeight(SizeClass::Small));
    // Small and medium screens get the 640 x 480 layout, as the betting
    // window does; a large screen most of its room.
    const bool large = SizeClassForScreenWidth(screen->geometry().width()) == SizeClass::Large;
    return large ? screen->availableGeometry().size() * 0.8
                 : QSize(LayoutWidth(SizeClass::Small), LayoutHeight(SizeClass::Small));
}

void SizeForScreen(QWidget* window, QSize largest)
{
    if (window->screen() == nullptr)
        return;
    const QSize room = RoomOnScreen(window);
    const QSize least = window->minimumSizeHint();
    window->resize(std::max(least.width(), std::min(room.width(), largest.width())),
                   std::max(least.height(), std::min(room.height(), largest.height())));
}

namespace {

void FitColumns(QTableWidget* table, const std::vector<int>& widths)
{
    int designed = 0;
    for (const int width : widths)
        designed += width;
    if (designed <= 0)
        return;
    const int room = table->viewport()->width();
    const double scale = static_cast<double>(room) / designed;
    QFont font = table->font();
    const int pixels = std::clamp(static_cast<int>(12 * scale), 12, 15);
    if (font.pixelSize() != pixels) {
        font.setPixelSize(pixels);
        table->setFont(font);
        table->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 6);
    }
    int used = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const int width =
            column + 1 == widths.size() ? std::max(1, room - used) : static_cast<int>(widths[column] * scale);
        table->setColumnWidth(static_cast<int>(column), width);
        used += width;
    }
}

// Refits the columns whenever the table's viewport changes size.
class ColumnFitter : public QObject {
public:
    ColumnFitter(QTableWidget* table, std::vector<int> widths)
        : QObject(table), table_(table), widths_(std::move(widths))
    {
        table->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            FitColumns(table_, widths_);
        return QObject::eventFilter(watched, event);
    }

private:
    QTableWidget* table_;
    std::vector<int> widths_;
};

} // namespace

void KeepColumnsFitted(QTableWidget* table, std::vector<int> widths)
{
    for (std::size_t column = 0; column < widths.size(); ++column)
        table->setColumnWidth(static_cast<int>(column), widths[column]);
    new ColumnFitter(table, std::move(widths));
}

QColor MeasuredFigureColour()
{
    return course::kBoardStripe;
}

} // namespace galloria
