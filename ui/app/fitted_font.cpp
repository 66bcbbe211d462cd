#include "app/fitted_font.h"

#include <QFontMetrics>

namespace galloria {

QFont FittedFont(QFont font, const QString& text, int width, int minPixels)
{
    while (font.pixelSize() > minPixels && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

} // namespace galloria
