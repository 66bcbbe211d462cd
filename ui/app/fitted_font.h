#pragma once

#include <QFont>
#include <QString>

namespace galloria {

// `font` (sized in pixels) made smaller a pixel at a time, down to
// minPixels, until `text` fits in `width` pixels; as it is when the text
// fits. Keeps a longer translation whole in a control or column laid out for
// the English text.
QFont FittedFont(QFont font, const QString& text, int width, int minPixels = 8);

} // namespace galloria
