#pragma once

#include "base/size_class.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <optional>

class QPainter;

namespace galloria {

// The race call's line: a strip of its own under the two boxes below the
// track, in every layout. It is drawn again only when the call changes.
class RaceCallPainter {
public:
    explicit RaceCallPainter(SizeClass size);

    static QRect StripRect(SizeClass size);
    // The course was set up again: the next Draw paints the strip whatever it holds.
    void Reset() { shown_.reset(); }
    void Draw(QPainter& painter, const QString& call);

private:
    SizeClass size_;
    QFont font_;
    std::optional<QString> shown_;
};

} // namespace galloria
