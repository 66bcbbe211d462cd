#pragma once

#include "race/race_scene_layout.h"

#include <QRect>

namespace galloria {

// A scene box (right and bottom exclusive) as a QRect.
inline QRect ToQRect(const SceneRect& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

} // namespace galloria
