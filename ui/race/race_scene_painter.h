#pragma once

#include "base/size_class.h"
#include "race/race_scene_layout.h"
#include "race/runner_livery.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QTransform>

#include <array>

class QPainter;

namespace galloria {

class CRaceEngine;

// The course's textures repeat every this many layout pixels, so they can scroll.
inline constexpr int kCourseTexturePeriod = 128;

// A runner's shadow: a soft dark oval of kShadowSize under its hooves.
inline constexpr QSizeF kShadowSize(78, 8);
void DrawShadow(QPainter& painter, QPointF topLeft);

// What one frame of the race shows besides the engine's state.
struct RaceSceneFrame {
    const CRaceEngine* engine = nullptr;
    // Each runner's sprite strip (11 frames side by side); a null image draws nothing.
    std::array<const QImage*, 12> sprites{};
    std::array<int, 12> gaitPhase{};
    std::array<QString, 12> names;
    int frameCounter = 0;
    int graphicsQuality = 0; // 0 High, 1 Medium, 2 Low
    int tippedRunner = -1;
    bool homeStretch = false;
};

// Draws the race into the back buffer: the course once when the display
// starts, then the layers of each frame for the graphics quality. The
// running-order board is redrawn only when its list changes.
//
// What does not change during a race is kept in layers at the buffer's own
// pixels: the course behind the runners (grass, dirt, lakes, far rail) as a
// strip twice the track's width that the camera scrolls over, made again
// only when the camera leaves it, and the overview map's oval. A frame copies
// the visible part of those and draws what moves over them, so its cost
// hardly grows with the screen.
class RaceScenePainter {
public:
    explicit RaceScenePainter(SizeClass size);

    // The frame, grass and dirt (and the rails at High quality), with the
    // map's marker and the board put back for a new race; the layers are
    // made afresh for it.
    void SetUpCourse(QPainter& painter, int graphicsQuality);
    // One frame from the layers. The painter must draw into a QImage (the
    // back buffer) in layout coordinates.
    void DrawFrame(QPainter& painter, const RaceSceneFrame& frame);
    // The same frame with every element drawn straight into the buffer and no
    // layer made or kept: for a single frame, such as the finish photos' of a
    // race that was not shown.
    void DrawFrameUnlayered(QPainter& painter, const RaceSceneFrame& frame);
    // The bytes the layers hold now.
    qsizetype LayerBytes() const;

    // The areas a frame changes: the track (smaller below High quality) and
    // the two boxes below it, each grown by two pixels.
    QRect TrackRepaintRect() const { return trackRepaint_; }
    QRect OverviewRepaintRect() const;
    QRect RunningOrderRepaintRect() const;

private:
    // The course elements take the boxes they fill, so that the course strip
    // can draw them wider than the track.
    void DrawGrass(QPainter& painter, const SceneBoxes& boxes) const;
    void DrawDirt(QPainter& painter, const SceneBoxes& boxes) const;
    // High quality: the course's textures, made once for the buffer's
    // resolution and copied pixel for pixel, scrolling with the camera.
    void DrawTexturedCourse(QPainter& painter, const SceneBoxes& boxes, int leader);
    void MakeTextures(double scaleX, double scaleY);
    void DrawRunnerShadows(QPainter& painter, const RaceSceneFrame& frame, bool fromLayers);
    void DrawLake(QPainter& painter, int leader) const;
    void DrawFinishPostBack(QPainter& painter, int leader) const;
    void DrawFinishPostFront(QPainter& painter, int leader) const;
    void DrawFarRail(QPainter& painter, const SceneBoxes& boxes, int leader) const;
    void DrawNearRail(QPainter& painter, int leader) const;
    void DrawDistancePoles(QPainter& painter, int leader) const;
    // From the layers, each runner's sprite is copied ready scaled.
    void DrawRunners(QPainter& painter, const RaceSceneFrame& frame, bool withGate, bool fromLayers);
    void DrawGate(QPainter& painter, int leader) const;
    void DrawFrameRings(QPainter& painter) const;
    void DrawMapOval(QPainter& painter) const;
    void DrawMapMarkerAndClock(QPainter& painter, const RaceSceneFrame& frame) const;
    void DrawRunningOrder(QPainter& painter, const RaceSceneFrame& frame);

    // The frame's layers back to front. From the layers, the course strip and
    // the map's oval are copied and only what moves is drawn over them: a
    // further moving element is one more case there.
    void DrawScene(QPainter& painter, const RaceSceneFrame& frame, bool fromLayers);

    // The layers (race_scene_layers.cpp).
    // Copies the course strip's visible part into the track, making the strip
    // first when the camera has left it or the buffer's scale changed.
    void ComposeCourse(QPainter& painter, int graphicsQuality, int leader);
    void MakeCourseStrip(const QTransform& toBuffer, int graphicsQuality, int camera);
    // Where in the strip the view of `camera` starts, in pixels.
    int StripOffset(const QTransform& toBuffer, int graphicsQuality, int camera) const;
    // The finish post's back half stands behind the far rail, which the strip
    // holds: the rail is drawn again across the post's columns.
    void RedrawFarRailOverFinishPost(QPainter& painter, int graphicsQuality, int leader) const;
    // Copies the map's oval into its box, taking it from the buffer first.
    void ComposeMapOval(QPainter& painter);
    // One stride frame of a runner's sprite at the buffer's scale, drawn as
    // the buffer's painter would draw it, made when first wanted.
    const QImage& ScaledSprite(const QPainter& bufferPainter, const QImage& strip, int runner, int frame);
    // The runners' shadow likewise.
    const QImage& ScaledShadow(const QPainter& bufferPainter);
    // Forgets the scaled sprites and shadow made for another scale.
    void MatchSpriteScale(const QTransform& toBuffer);

    SizeClass size_;
    QFont headingFont_;
    QFont smallFont_;  // the board font
    QFont numberFont_; // numbers on the board's discs
    QRect trackRepaint_;
    OverviewRing ring_;     // the overview map's oval
    QPainterPath ringPath_; // its band, drawn in the dirt colour
    // The textures (far grass, dirt, near grass) at the resolution they were
    // made for, each one texture period wider than the track.
    QImage farGrassTexture_;
    QImage dirtTexture_;
    QImage nearGrassTexture_;
    double textureScaleX_ = 0;
    double textureScaleY_ = 0;
    // The course strip: the course behind the runners as seen by a camera at
    // stripCamera_, over twice the track's width, at the buffer's pixels
    // from the track's top left corner.
    QImage courseStrip_;
    int stripCamera_ = 0;
    int stripQuality_ = -1;
    double stripScaleX_ = 0;
    double stripScaleY_ = 0;
    // The map box as drawn with its oval, at the buffer's pixels.
    QImage mapOval_;
    QRect mapOvalPixels_;
    // The runners' sprites at the buffer's scale, frame by frame, with the
    // strips they were made from.
    std::array<std::array<QImage, kSpriteFrames>, 12> scaledSprites_;
    std::array<qint64, 12> scaledSpriteStrips_{};
    QImage scaledShadow_;
    double spriteScaleX_ = 0;
    double spriteScaleY_ = 0;
    std::array<int, 6> lastOrder_{};
    int lastOrderCount_ = -1;
};

} // namespace galloria
