#include "race/race_call_painter.h"

#include "race/course_colours.h"

#include <QFontMetrics>
#include <QPainter>

namespace galloria {

namespace {

// The smallest the call's letters get before a long call is cut short.
constexpr int kSmallestPixelSize = 11;

} // namespace

RaceCallPainter::RaceCallPainter(SizeClass size) : size_(size), font_(QStringLiteral("Ariel"))
{
    font_.setWeight(QFont::DemiBold);
}

QRect RaceCallPainter::StripRect(SizeClass size)
{
    // From the left of the running-order box to the right of the overview
    // map, in the space between them and the layout's bottom edge.
    return BySizeClass(size, QRect(QPoint(40, 435), QPoint(588, 468)),
                       QRect(QPoint(50, 543), QPoint(735, 586)), QRect(QPoint(64, 693), QPoint(941, 748)));
}

void RaceCallPainter::Draw(QPainter& painter, const QString& call)
{
    if (shown_ == call)
        return;
    shown_ = call;
    const QRect strip = StripRect(size_);
    painter.save();
    painter.fillRect(strip, course::kBoardBlue);
    painter.setPen(course::kGeneralPen);
    painter.drawRect(strip.adjusted(0, 0, -1, -1));
    // Two lines at most: the letters shrink for a long call, and a call
    // that still does not fit is cut short with an ellipsis.
    const QRect text = strip.adjusted(10, 2, -10, -2);
    QFont font = font_;
    int pixels = BySizeClass(size_, 15, 19, 23);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (;; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(text, flags, call);
        if (pixels <= kSmallestPixelSize ||
            (needed.height() <= text.height() && needed.width() <= text.width()))
            break;
    }
    painter.setFont(font);
    painter.setPen(course::kClockYellow);
    const QString shown = QFontMetrics(font).elidedText(call, Qt::ElideRight, text.width() * 2);
    painter.drawText(text, flags, shown);
    painter.restore();
}

} // namespace galloria
