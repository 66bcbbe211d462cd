#pragma once

#include "base/size_class.h"

class QPainter;

namespace galloria {

class FinishPhotoAlbum;

// A replay's three finish photos side by side over the track, in finishing
// order, each with the label and time it was taken with.
void PaintReplayPhotos(QPainter& painter, SizeClass size, const FinishPhotoAlbum& photos);

} // namespace galloria
