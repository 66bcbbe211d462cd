#pragma once

#include <QPointF>

#include <array>

namespace galloria::horse {

// One leg's joints in sprite pixels: from the pivot under the body (elbow
// or stifle) through the knee or hock and the fetlock down to the toe.
struct LegPose {
    QPointF pivot;
    QPointF joint;
    QPointF fetlock;
    QPointF toe;
    bool onGround = false;
};

// Where everything of horse and rider stands in one frame of the gallop.
// Body-fixed parts are drawn in the horse's own coordinates and moved by
// `bodyOffset` (whole pixels, so the saddle cloth stays crisp) and tipped
// by `pitch` about the saddle; the neck swings by `neckAngle` about its base.
struct GallopPose {
    QPointF bodyOffset;
    double pitch = 0;     // radians, positive tips the nose down
    double neckAngle = 0; // radians, positive lowers the head
    double tailAngle = 0; // radians, positive lifts the tail
    QPointF riderOffset;  // the jockey rides the bounce with soft knees
    // Near fore, far fore, near hind, far hind.
    std::array<LegPose, 4> legs;
};

inline constexpr int kNearFore = 0;
inline constexpr int kFarFore = 1;
inline constexpr int kNearHind = 2;
inline constexpr int kFarHind = 3;

// The ground line the hooves stand on: the last drawn row of the sprite.
inline constexpr double kGroundY = 48.0;

// The pose of stride frame 0..10. The saddle's rise and shift follow the
// number placement of the runner livery, so the cloth drawn here and the
// number written on it later move together.
GallopPose PoseOfFrame(int frame);

// The saddle's rise (pixels up) and shift (pixels right) in a frame.
QPointF SaddleOffset(int frame);

} // namespace galloria::horse
