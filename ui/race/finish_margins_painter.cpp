#include "race/finish_margins_painter.h"

#include "race/course_colours.h"
#include "race/race_call.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

namespace galloria {

void PaintFinishMargins(QPainter& painter, SizeClass size, const FinishMargins& margins)
{
    if (margins.units[0] < 0)
        return; // no race called yet (an opened game's results)
    const QString labels[2] = {QCoreApplication::translate("FinishMargins", "1st to 2nd"),
                               QCoreApplication::translate("FinishMargins", "2nd to 3rd")};
    // Under the photo's bottom edge, as wide as the finishing list above.
    const int rowHeight = BySizeClass(size, 18, 22, 28);
    const int photoBottom = BySizeClass(size, 356, 442, 564);
    const QRect panel(QPoint(BySizeClass(size, 16, 20, 26), photoBottom - 2 * rowHeight - 14),
                      QPoint(BySizeClass(size, 284, 356, 459), photoBottom));
    painter.save();
    painter.fillRect(panel, course::kBoardBlue);
    painter.setPen(QColor(0x53, 0x97, 0xE1));
    painter.drawRect(panel);
    QFont font(QStringLiteral("Ariel"));
    font.setPixelSize(BySizeClass(size, 12, 15, 18));
    font.setWeight(QFont::DemiBold);
    painter.setFont(font);
    int baseline = panel.top() + rowHeight + 2;
    for (int gap = 0; gap < 2; ++gap, baseline += rowHeight) {
        const std::string margin = FinishMarginText(margins.units[gap]);
        if (margin.empty())
            continue;
        painter.setPen(course::kTippedYellow);
        painter.drawText(QPoint(panel.left() + 8, baseline), labels[gap]);
        painter.setPen(Qt::white);
        painter.drawText(QRect(panel.left(), baseline - rowHeight, panel.width() - 8, rowHeight + 4),
                         Qt::AlignRight | Qt::AlignBottom, QString::fromStdString(margin));
    }
    painter.restore();
}

} // namespace galloria
