#include "race/payout_board_painter.h"

#include "app/fitted_font.h"

#include "betting/payout_board_view.h"
#include "betting/race_money_board.h"
#include "race/course_colours.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace galloria {

namespace {

const QColor kPlacedColour(0xFF, 0xFF, 0xFF);
const QColor kUnplacedColour(0xFA, 0xA0, 0xB4);
const QColor kOwnerColour(0x14, 0x14, 0x14);

// The figure columns of the money board.
constexpr const char* kRaceMoneyHeadings[4] = {
    QT_TRANSLATE_NOOP("PayoutBoard", "Staked"), QT_TRANSLATE_NOOP("PayoutBoard", "Won"),
    QT_TRANSLATE_NOOP("PayoutBoard", "Net"), QT_TRANSLATE_NOOP("PayoutBoard", "Balance")};
;

QFont BoardFont(int pixels, bool bold)
{
    QFont font("Ariel");
    font.setPixelSize(pixels);
    font.setWeight(bold ? QFont::Bold : QFont::DemiBold);
    return font;
}

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

void PaintPayoutBoard(QPainter& painter, SizeClass size, const PayoutBoardView& board, const QImage& photo)
{
    // The photo at the right, framed by eight rings a pixel apart.
    const QPoint photoAt = BySizeClass(size, QPoint(300, 172), QPoint(372, 212), QPoint(475, 270));
    const QRect photoRect(photoAt, BySizeClass(size, QSize(300, 184), QSize(370, 230), QSize(480, 294)));
    for (int i = 1; i <= 8; ++i) {
        const QRect ring = photoRect.adjusted(-i, -i, i - 1, i - 1);
        painter.setPen(QColor(15 + 20 * i, 120 + 12 * i, 60 + 8 * i));
        painter.drawRect(ring);
    }
    if (!photo.isNull())
        painter.drawImage(photoAt, photo);
    else
        painter.fillRect(photoRect, QColor(20, 20, 20));

    // The finishing list at the left, on a dark panel.
    const int left = BySizeClass(size, 16, 20, 26);
    const int top = BySizeClass(size, 16, 20, 26);
    const int panelRight = photoRect.left() - 16;
    const int rowHeight = BySizeClass(size, 18, 22, 28);
    const QFont font = BoardFont(BySizeClass(size, 12, 15, 18), false);
    const QFont heading = BoardFont(BySizeClass(size, 14, 17, 21), true);
    const QFont ownerFont = BoardFont(BySizeClass(size, 10, 12, 14), false);
    const QFontMetrics metrics(font);
    // The figure columns are as wide as their widest figure and the English
    // "Place", leaving the names as much room as can be had; a longer
    // translated heading is drawn smaller rather than taking the names' room.
    int figureWidth = QFontMetrics(heading).horizontalAdvance(QStringLiteral("Place")) + 10;
    for (const PayoutBoardRow& row : board.rows) {
        for (const std::string* figure : {&row.win, &row.place2, &row.show})
            figureWidth = std::max(figureWidth, metrics.horizontalAdvance(Text(*figure).trimmed()) + 12);
    }
    const int showRight = panelRight - 8;
    const int placeRight = showRight - figureWidth;
    const int winRight = placeRight - figureWidth;
    const int nameLeft = left + 8 + metrics.horizontalAdvance("00 ");
    const int nameWidth = winRight - figureWidth - nameLeft + 8;
    const int rows = static_cast<int>(board.rows.size());
    const QRect panel(QPoint(left, top), QPoint(panelRight, top + rowHeight * (rows + 1) + 12));
    painter.fillRect(panel, course::kBoardBlue);
    painter.setPen(QColor(0x53, 0x97, 0xE1));
    painter.drawRect(panel);

    painter.setFont(heading);
    painter.setPen(course::kTippedYellow);
    int y = top + rowHeight;
    const auto rightAligned = [&](const QString& text, int right, int baseline) {
        painter.drawText(QPoint(right - QFontMetrics(painter.font()).horizontalAdvance(text), baseline),
                         text);
    };
    const std::pair<QString, int> headings[3] = {
        {QCoreApplication::translate("PayoutBoard", "Win"), winRight},
        {QCoreApplication::translate("PayoutBoard", "Place"), placeRight},
        {QCoreApplication::translate("PayoutBoard", "Show"), showRight}};
    for (const auto& [title, right] : headings) {
        painter.setFont(FittedFont(heading, title, figureWidth - 10));
        rightAligned(title, right, y);
    }

    for (const PayoutBoardRow& row : board.rows) {
        y += rowHeight;
        painter.setFont(font);
        painter.setPen(row.placed ? kPlacedColour : kUnplacedColour);
        painter.drawText(QPoint(left + 8, y), Text(row.place));
        painter.setPen(row.tipped ? course::kTippedYellow : (row.placed ? kPlacedColour : kUnplacedColour));
        // The name and its owner share the name column: when both are long
        // each gets half, shortened; otherwise the shorter one whole.
        const QFontMetrics ownerMetrics(ownerFont);
        const int ownerGap = 8;
        const int ownerWanted =
            row.owner.empty() ? 0 : ownerMetrics.horizontalAdvance(Text(row.owner)) + ownerGap;
        const int ownerRoom = std::min(
            ownerWanted, std::max(nameWidth / 2, nameWidth - metrics.horizontalAdvance(Text(row.name))));
        const QString name = metrics.elidedText(Text(row.name), Qt::ElideRight, nameWidth - ownerRoom);
        painter.drawText(QPoint(nameLeft, y), name);
        if (!row.owner.empty()) {
            painter.setFont(ownerFont);
            painter.setPen(kOwnerColour);
            const int ownerLeft = nameLeft + metrics.horizontalAdvance(name) + ownerGap - 2;
            const QString owner =
                ownerMetrics.elidedText(Text(row.owner), Qt::ElideRight, ownerRoom - ownerGap);
            painter.fillRect(QRect(ownerLeft - 2, y - ownerMetrics.ascent(),
                                   ownerMetrics.horizontalAdvance(owner) + 4, ownerMetrics.height()),
                             QColor(0xE8, 0xE0, 0xC8));
            painter.drawText(QPoint(ownerLeft, y), owner);
            painter.setFont(font);
        }
        painter.setPen(kPlacedColour);
        rightAligned(Text(row.win).trimmed(), winRight, y);
        rightAligned(Text(row.place2).trimmed(), placeRight, y);
        rightAligned(Text(row.show).trimmed(), showRight, y);
    }

    // The Exacta and Triacta below the photo.
    painter.setFont(heading);
    painter.setPen(course::kTippedYellow);
    const int linesTop = photoRect.bottom() + BySizeClass(size, 28, 34, 44);
    painter.drawText(QPoint(photoRect.left(), linesTop), Text(board.exactaLine));
    painter.drawText(QPoint(photoRect.left(), linesTop + rowHeight + 4), Text(board.triactaLine));
}

QRect RaceMoneyBoardRect(SizeClass size)
{
    // Between the top of the screen and the photo's rings, as wide as them.
    return BySizeClass(size, QRect(QPoint(292, 16), QPoint(607, 150)),
                       QRect(QPoint(364, 20), QPoint(749, 190)), QRect(QPoint(467, 26), QPoint(962, 246)));
}

RaceMoneyBoardLayout LayOutRaceMoneyBoard(SizeClass size, std::span<const RaceMoneyRow> rows)
{
    RaceMoneyBoardLayout layout;
    layout.rowHeight = BySizeClass(size, 22, 28, 36);
    // As tall as its rows need, within its area.
    layout.panel = RaceMoneyBoardRect(size);
    layout.panel.setBottom(
        std::min(layout.panel.bottom(),
                 layout.panel.top() + layout.rowHeight * (static_cast<int>(rows.size()) + 1) + 12));
    layout.nameLeft = layout.panel.left() + 8;
    const int gap = BySizeClass(size, 8, 10, 12);
    // Each figure column is as wide as its widest text, the names get the
    // rest; letters shrink a little, never below a readable size, until the
    // longest name shows whole.
    const int largest = BySizeClass(size, 12, 15, 18);
    const int smallest = BySizeClass(size, 9, 11, 13);
    for (int pixels = largest; pixels >= smallest; --pixels) {
        layout.heading = BoardFont(pixels, true);
        layout.font = BoardFont(pixels, false);
        const QFontMetrics headingMetrics(layout.heading);
        const QFontMetrics metrics(layout.font);
        int right = layout.panel.right() - 8;
        for (int c = 3; c >= 0; --c) {
            layout.rights[c] = right;
            int width = headingMetrics.horizontalAdvance(
                QCoreApplication::translate("PayoutBoard", kRaceMoneyHeadings[c]));
            for (const RaceMoneyRow& row : rows) {
                const std::string* texts[4] = {&row.stakedText, &row.wonText, &row.netText, &row.balanceText};
                width = std::max(width, metrics.horizontalAdvance(Text(*texts[c])));
            }
            right -= width + gap;
        }
        layout.nameRoom = right + gap / 2 - layout.nameLeft;
        int widestName =
            headingMetrics.horizontalAdvance(QCoreApplication::translate("PayoutBoard", "This race"));
        for (const RaceMoneyRow& row : rows)
            widestName = std::max(widestName, metrics.horizontalAdvance(Text(row.name)));
        if (widestName <= layout.nameRoom)
            break;
    }
    return layout;
}

void PaintRaceMoneyBoard(QPainter& painter, SizeClass size, std::span<const RaceMoneyRow> rows)
{
    if (rows.empty())
        return;
    const RaceMoneyBoardLayout layout = LayOutRaceMoneyBoard(size, rows);
    const QRect& panel = layout.panel;
    painter.save();
    painter.fillRect(panel, course::kBoardBlue);
    painter.setPen(QColor(0x53, 0x97, 0xE1));
    painter.drawRect(panel);

    const auto drawRight = [&](const QString& text, int column, int baseline) {
        painter.drawText(
            QPoint(layout.rights[column] - QFontMetrics(painter.font()).horizontalAdvance(text), baseline),
            text);
    };

    int y = panel.top() + layout.rowHeight;
    painter.setFont(layout.heading);
    painter.setPen(course::kTippedYellow);
    painter.drawText(QPoint(layout.nameLeft, y), QCoreApplication::translate("PayoutBoard", "This race"));
    for (int c = 0; c < 4; ++c)
        drawRight(QCoreApplication::translate("PayoutBoard", kRaceMoneyHeadings[c]), c, y);
    painter.setPen(QPen(course::kGeneralPen, 1));
    painter.drawLine(panel.left() + 4, y + 5, panel.right() - 4, y + 5);

    painter.setFont(layout.font);
    const QFontMetrics metrics(layout.font);
    for (const RaceMoneyRow& row : rows) {
        y += layout.rowHeight;
        if (y > panel.bottom())
            break;
        painter.setPen(kPlacedColour);
        painter.drawText(QPoint(layout.nameLeft, y),
                         metrics.elidedText(Text(row.name), Qt::ElideRight, layout.nameRoom));
        drawRight(Text(row.stakedText), 0, y);
        drawRight(Text(row.wonText), 1, y);
        // A gain in green, a loss in the unplaced pink, nothing in white.
        painter.setPen(row.net > 0   ? QColor(0x8C, 0xF0, 0x8C)
                       : row.net < 0 ? kUnplacedColour
                                     : kPlacedColour);
        drawRight(Text(row.netText), 2, y);
        painter.setPen(course::kClockYellow);
        drawRight(Text(row.balanceText), 3, y);
    }
    painter.restore();
}

} // namespace galloria
