#include "betting/racing_form_painter.h"

#include "app/back_buffer.h"
#include "app/fitted_font.h"
#include "race/course_colours.h"
#include "race/runner_livery.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdint>

namespace galloria {

namespace {

// The boards' blue for the panel with its next shade for every other band,
// the general pen for the rules, the clock's yellow for the heading, yellow
// for the tipster's horse and white for the other rows.
const QColor kRowText(Qt::white);

// How a column's text sits in its band.
enum class Align { Left, Centre, Right };

// A column's x range as fractions of the inner width, so the same table
// serves the three layouts (the fonts scale with the layout width too).
struct ColumnSpan {
    double from;
    double to;
    Align align;
};
constexpr ColumnSpan kColumns[kFormColumnCount] = {
    {0.000, 0.048, Align::Centre}, // No.: the runner's cloth disc
    {0.058, 0.312, Align::Left},   // Name
    {0.318, 0.392, Align::Right},  // Odds
    {0.404, 0.544, Align::Left},   // Last Race: place, then purse
    {0.552, 0.682, Align::Right},  // Best Time
    {0.692, 0.742, Align::Centre}, // 1st
    {0.747, 0.797, Align::Centre}, // 2nd
    {0.802, 0.852, Align::Centre}, // 3rd
    {0.870, 1.000, Align::Right},  // Earnings
};
// Inside the last-race column the place is right-aligned up to this fraction
// of the inner width and the purse starts just after, so both line up.
constexpr double kLastPlaceEnd = 0.440;
constexpr double kLastPurseFrom = 0.450;

QFont FormFont(int pixelHeight, QFont::Weight weight)
{
    static const bool substitutesRegistered = (RegisterFontSubstitutes(), true);
    (void)substitutesRegistered;
    QFont font(QStringLiteral("Ariel"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setWeight(weight);
    return font;
}

Qt::Alignment QtAlign(Align align)
{
    switch (align) {
    case Align::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case Align::Right:
        break;
    }
    return Qt::AlignRight | Qt::AlignVCenter;
}

int FractionX(const RacingFormLayout& layout, double fraction)
{
    return layout.left + static_cast<int>(fraction * (layout.right - layout.left) + 0.5);
}

// Writes text into a box, shortened with an ellipsis when it would not fit,
// so no column ever runs into the next or past the panel.
void DrawFitted(QPainter& painter, const QRect& box, Qt::Alignment align, const std::string& text)
{
    const QString full = QString::fromStdString(text);
    const QString shown = painter.fontMetrics().elidedText(full, Qt::ElideRight, box.width());
    painter.drawText(box, align | Qt::TextSingleLine, shown);
}

void DrawHeading(QPainter& painter, const RacingFormModel& form, const RacingFormLayout& layout,
                 SizeClass size)
{
    painter.setFont(RacingFormHeadingFont(size));
    painter.setPen(course::kClockYellow);
    const QRect band(layout.left, layout.heading.top(), layout.right - layout.left, layout.heading.height());
    const int third = band.width() / 3;
    DrawFitted(painter, QRect(band.left(), band.top(), third, band.height()),
               Qt::AlignLeft | Qt::AlignVCenter, form.raceTitle);
    DrawFitted(painter, QRect(band.left() + third, band.top(), third, band.height()),
               Qt::AlignHCenter | Qt::AlignVCenter, form.purseLabel + " " + form.purse);
    DrawFitted(painter, QRect(band.right() - third, band.top(), third + 1, band.height()),
               Qt::AlignRight | Qt::AlignVCenter, form.raceNumber);
}

void DrawColumnHeadings(QPainter& painter, const RacingFormLayout& layout, SizeClass size)
{
    const QFont font = RacingFormBoardFont(size);
    painter.setPen(course::kClockYellow);
    const QRect band = layout.columnHeadings;
    for (int c = 0; c < kFormColumnCount; ++c) {
        const ColumnSpan& span = kColumns[c];
        const int from = FractionX(layout, span.from);
        const int to = FractionX(layout, span.to);
        const QRect box(from, band.top(), to - from, band.height());
        // A heading longer than the English one is written smaller before it
        // is shortened; the last letter's overhang needs a pixel or two more.
        const std::string heading = Tr(kFormColumnHeadings[c]);
        painter.setFont(
            FittedFont(font, QString::fromStdString(heading), box.width() - 2, font.pixelSize() * 2 / 3));
        DrawFitted(painter, box, QtAlign(span.align), heading);
    }
    painter.setPen(QPen(course::kGeneralPen, 1));
    painter.drawLine(layout.panel.left() + 1, band.bottom(), layout.panel.right() - 1, band.bottom());
}

// The runner's number on a disc of its saddle-cloth colour, as on the
// running-order board.
void DrawPostDisc(QPainter& painter, const QRect& column, int runner, SizeClass size)
{
    const int number = runner + 1;
    const int diameter = std::min(column.width(), column.height()) - 2;
    const QRect disc(column.center().x() - diameter / 2, column.center().y() - diameter / 2, diameter,
                     diameter);
    const std::uint32_t cloth = ClothColour(number);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(QColor::fromRgb(cloth));
    painter.setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 1));
    painter.drawEllipse(disc);
    painter.restore();
    QFont font = RacingFormBoardFont(size);
    font.setPixelSize(std::max(8, diameter * 7 / 10));
    painter.setFont(font);
    painter.setPen(NumberInWhite(number) ? Qt::white : Qt::black);
    painter.drawText(disc, Qt::AlignCenter | Qt::TextSingleLine, QString::number(number));
}

void DrawRow(QPainter& painter, const RacingFormModel& form, const RacingFormLayout& layout, int i,
             SizeClass size)
{
    const RacingFormRow& row = form.rows[static_cast<std::size_t>(i)];
    const QRect band = layout.RowBand(i);
    if (i % 2 == 1)
        painter.fillRect(band, course::kBoardStripe);

    DrawPostDisc(painter, layout.ColumnBand(FormColumn::Post, i), row.runner, size);

    painter.setFont(RacingFormBoardFont(size));
    painter.setPen(row.tipped ? course::kTippedYellow : kRowText);
    for (FormColumn column : {FormColumn::Name, FormColumn::Odds, FormColumn::BestTime, FormColumn::Firsts,
                              FormColumn::Seconds, FormColumn::Thirds, FormColumn::Earnings}) {
        DrawFitted(painter, layout.ColumnBand(column, i), QtAlign(kColumns[static_cast<int>(column)].align),
                   form.Cell(i, column));
    }
    // The last race's place and purse each get a sub-column, so both line up
    // down the form.
    const QRect last = layout.ColumnBand(FormColumn::LastRace, i);
    const int placeEnd = FractionX(layout, kLastPlaceEnd);
    const int purseFrom = FractionX(layout, kLastPurseFrom);
    DrawFitted(painter, QRect(last.left(), band.top(), placeEnd - last.left(), band.height()),
               Qt::AlignRight | Qt::AlignVCenter, row.lastFinish);
    DrawFitted(painter, QRect(purseFrom, band.top(), last.right() + 1 - purseFrom, band.height()),
               Qt::AlignLeft | Qt::AlignVCenter, row.lastPurse);

    if (row.tipped) {
        // A yellow outline around the whole band marks the tipster's horse at a glance.
        painter.setPen(QPen(course::kTippedYellow, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(band.adjusted(1, 1, -1, -1));
    }
}

} // namespace

QFont RacingFormHeadingFont(SizeClass size)
{
    return FormFont(BySizeClass(size, 22, 28, 34), QFont::Bold);
}

QFont RacingFormBoardFont(SizeClass size)
{
    return FormFont(BySizeClass(size, 16, 20, 24), QFont::DemiBold);
}

QRect RacingFormLayout::RowBand(int row) const
{
    return QRect(panel.left() + 2, firstRowTop + row * rowPitch, panel.width() - 4, rowPitch);
}

QRect RacingFormLayout::ColumnBand(FormColumn column, int row) const
{
    const ColumnSpan& span = kColumns[static_cast<int>(column)];
    const int from = FractionX(*this, span.from);
    const int to = FractionX(*this, span.to);
    const QRect band = RowBand(row);
    return QRect(from, band.top(), to - from, band.height());
}

RacingFormLayout LayOutRacingForm(const RacingFormModel& form, SizeClass size)
{
    // The panel spans the screen's width but for a narrow margin, from the
    // top; a full field packs its rows tighter so the betting window still
    // fits below.
    const int left = BySizeClass(size, 8, 10, 12);
    const int right = LayoutWidth(size) - left;
    const int top = BySizeClass(size, 12, 16, 22);
    const int padding = BySizeClass(size, 8, 10, 12);
    const int headingHeight = BySizeClass(size, 32, 40, 50);
    const int columnHeadingHeight = BySizeClass(size, 22, 27, 33);
    const int rowPitch = form.compact ? BySizeClass(size, 19, 24, 30) : BySizeClass(size, 22, 27, 34);
    const int bottomPadding = BySizeClass(size, 6, 8, 10);

    RacingFormLayout layout;
    layout.left = left + padding;
    layout.right = right - padding;
    layout.rowPitch = rowPitch;
    layout.heading = QRect(left, top, right - left, headingHeight);
    int y = top + headingHeight;
    if (ShowsColumnHeadings(form, size)) {
        layout.columnHeadings = QRect(left, y, right - left, columnHeadingHeight);
        y += columnHeadingHeight;
    }
    layout.firstRowTop = y;
    y += std::max(0, form.rowCount) * rowPitch + bottomPadding;
    layout.panel = QRect(left, top, right - left, y - top);
    return layout;
}

int RacingFormBottom(const RacingFormModel& form, SizeClass size)
{
    return LayOutRacingForm(form, size).panel.bottom() + 1;
}

void PaintRacingForm(QPainter& painter, const RacingFormModel& form, SizeClass size)
{
    const RacingFormLayout layout = LayOutRacingForm(form, size);
    painter.save();
    painter.setClipRect(layout.panel);
    painter.fillRect(layout.panel, course::kBoardBlue);

    DrawHeading(painter, form, layout, size);
    painter.setPen(QPen(course::kGeneralPen, 1));
    painter.drawLine(layout.panel.left() + 1, layout.heading.bottom(), layout.panel.right() - 1,
                     layout.heading.bottom());
    if (ShowsColumnHeadings(form, size))
        DrawColumnHeadings(painter, layout, size);
    for (int i = 0; i < form.rowCount && i < kMaxFieldSize; ++i)
        DrawRow(painter, form, layout, i, size);

    painter.setClipping(false);
    painter.setPen(QPen(course::kGeneralPen, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(layout.panel.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace galloria
