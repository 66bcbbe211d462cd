#pragma once

// Counting the pixels of a picture that pass a test, for the drawing tests.

#include <QImage>
#include <QRect>

namespace galloria {

// How many pixels of `image` inside `area` `test` holds for; `test` takes a QRgb.
template <typename Test> int CountPixels(const QImage& image, const QRect& area, Test test)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

} // namespace galloria
