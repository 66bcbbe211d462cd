#pragma once

#include "base/size_class.h"
#include "race/race_scene_layout.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QRectF>
#include <QString>

#include <array>

class QPainter;

namespace galloria {

class CRaceEngine;

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
class RaceScenePainter {
public:
    explicit RaceScenePainter(SizeClass size);

    // The frame, grass and dirt (and the rails at High quality), with the
    // map's marker and the board put back for a new race.
    void SetUpCourse(QPainter& painter, int graphicsQuality);
    void DrawFrame(QPainter& painter, const RaceSceneFrame& frame);

    // The areas a frame changes: the track (smaller below High quality) and
    // the two boxes below it, each grown by two pixels.
    QRect TrackRepaintRect() const { return trackRepaint_; }
    QRect OverviewRepaintRect() const;
    QRect RunningOrderRepaintRect() const;

private:
    void DrawGrass(QPainter& painter) const;
    void DrawDirt(QPainter& painter) const;
    // High quality: the course's textures, made once for the buffer's
    // resolution and copied pixel for pixel, scrolling with the camera.
    void DrawTexturedCourse(QPainter& painter, int leader);
    void MakeTextures(double scaleX, double scaleY);
    void DrawRunnerShadows(QPainter& painter, const RaceSceneFrame& frame) const;
    void DrawLake(QPainter& painter, int leader) const;
    void DrawFinishPostBack(QPainter& painter, int leader) const;
    void DrawFinishPostFront(QPainter& painter, int leader) const;
    void DrawFarRail(QPainter& painter, int leader) const;
    void DrawNearRail(QPainter& painter, int leader) const;
    void DrawDistancePoles(QPainter& painter, int leader) const;
    void DrawRunners(QPainter& painter, const RaceSceneFrame& frame, bool withGate) const;
    void DrawGate(QPainter& painter, int leader) const;
    void DrawFrameRings(QPainter& painter) const;
    void DrawOverviewMap(QPainter& painter, const RaceSceneFrame& frame) const;
    void DrawRunningOrder(QPainter& painter, const RaceSceneFrame& frame);

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
    std::array<int, 6> lastOrder_{};
    int lastOrderCount_ = -1;
};

} // namespace galloria
