#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace galloria::horse {

// One picture of the sprite set: its file name under race/ and the strip.
struct HorseStrip {
    QString fileName;
    QImage image;
};

// Draws the galloping horse and its rider, all eleven frames side by side,
// and returns the pictures the game builds its runners from: the grey
// shading (alpha = the figure), the masks of the horse's coat, the saddle
// cloth and the jockey's silks, and the whole figure. Every mask is cut from
// the same drawing as the shading, so they agree pixel for pixel.
std::vector<HorseStrip> DrawHorseStrips();

} // namespace galloria::horse
