#include "app/dialog_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace galloria {

QPoint KeptWithin(QPoint topLeft, QSize frame, const QRect& area)
{
    const int x = std::max(area.left(), std::min(topLeft.x(), area.left() + area.width() - frame.width()));
    const int y = std::max(area.top(), std::min(topLeft.y(), area.top() + area.height() - frame.height()));
    return {x, y};
}

QPoint CentredWithin(const QRect& over, QSize frame, const QRect& area)
{
    const QPoint centred(over.left() + (over.width() - frame.width()) / 2,
                         over.top() + (over.height() - frame.height()) / 2);
    return KeptWithin(centred, frame, area);
}

QSize FrameSizeOf(const QWidget& window)
{
    const QSize own = window.size();
    if (window.isVisible()) {
        const QSize frame = window.frameGeometry().size();
        // Some platforms report no decorations at all (offscreen); that is exact.
        if (frame.width() >= own.width() && frame.height() >= own.height())
            return frame;
    }
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int border = 2;
    return {own.width() + 2 * border, own.height() + titleBar + 2 * border};
}

QRect AvailableAreaAt(QPoint point, const QWidget& window)
{
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr)
        screen = window.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(point, QSize(1 << 16, 1 << 16));
}

} // namespace galloria
