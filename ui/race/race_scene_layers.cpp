// The race scene's layers: the course strip the camera scrolls over and the
// overview map's oval, kept at the back buffer's pixels.
#include "race/race_scene_painter.h"

#include "race/race_scene_layout.h"
#include "race/scene_rect_qt.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <array>

namespace galloria {

namespace {

// Leader positions at which each of the course's three lakes is in view.
constexpr std::array<int, 3> kLakeSeenFrom = {850, 4450, 9150};

QRect TrackPixels(const QTransform& toBuffer, SizeClass size)
{
    return toBuffer.mapRect(QRectF(ToQRect(SceneBoxesFor(size).track))).toAlignedRect();
}

bool HasLayer(int graphicsQuality, SceneLayer wanted)
{
    for (SceneLayer layer : SceneLayers(graphicsQuality))
        if (layer == wanted)
            return true;
    return false;
}

} // namespace

qsizetype RaceScenePainter::LayerBytes() const
{
    qsizetype bytes = courseStrip_.sizeInBytes() + mapOval_.sizeInBytes() + farGrassTexture_.sizeInBytes() +
                      dirtTexture_.sizeInBytes() + nearGrassTexture_.sizeInBytes();
    bytes += scaledShadow_.sizeInBytes();
    for (const auto& frames : scaledSprites_)
        for (const QImage& sprite : frames)
            bytes += sprite.sizeInBytes();
    return bytes;
}

void RaceScenePainter::ComposeCourse(QPainter& painter, int graphicsQuality, int leader)
{
    const QTransform toBuffer = painter.transform();
    const SceneBoxes boxes = SceneBoxesFor(size_);
    const int trackWidth = boxes.track.right - boxes.track.left;
    const int camera = CameraTravel(size_, leader);
    // The strip holds the views of cameras from stripCamera_ to one track's
    // width further on.
    if (courseStrip_.isNull() || graphicsQuality != stripQuality_ || toBuffer.m11() != stripScaleX_ ||
        toBuffer.m22() != stripScaleY_ || camera < stripCamera_ || camera > stripCamera_ + trackWidth)
        MakeCourseStrip(toBuffer, graphicsQuality, camera);

    // Copied pixel for pixel. The textures fill the rows their images cover,
    // as when they are drawn; the plain colours keep to the track's clip.
    const QRect pixels = TrackPixels(toBuffer, size_);
    painter.resetTransform();
    if (graphicsQuality == 0) {
        const int top = qRound(toBuffer.map(QPointF(0, boxes.farGrass.top)).y());
        const int bottom =
            qRound(toBuffer.map(QPointF(0, boxes.nearGrass.top)).y()) + nearGrassTexture_.height();
        painter.setClipRect(QRect(pixels.left(), top, pixels.width(), bottom - top) & pixels);
    }
    // Held inside the strip at scales below one, where rounding could reach past it.
    const int from =
        std::clamp(StripOffset(toBuffer, graphicsQuality, camera), 0, courseStrip_.width() - pixels.width());
    painter.drawImage(pixels.topLeft(), courseStrip_, QRect(from, 0, pixels.width(), pixels.height()));
}

int RaceScenePainter::StripOffset(const QTransform& toBuffer, int graphicsQuality, int camera) const
{
    if (graphicsQuality != 0)
        return qRound((camera - stripCamera_) * toBuffer.m11());
    // Where the textures start, in the strip and in the view, whole periods
    // apart: the copy lands their pixels exactly where drawing them would
    // (the period is a whole number of pixels at the usual scales), the rest
    // within a pixel.
    const int left = SceneBoxesFor(size_).track.left;
    const auto textureX = [&](int at) {
        return qRound(toBuffer.map(QPointF(left - at % kCourseTexturePeriod, 0)).x());
    };
    const int periods =
        (camera - camera % kCourseTexturePeriod - (stripCamera_ - stripCamera_ % kCourseTexturePeriod)) /
        kCourseTexturePeriod;
    return textureX(stripCamera_) + qRound(periods * kCourseTexturePeriod * toBuffer.m11()) -
           textureX(camera);
}

void RaceScenePainter::MakeCourseStrip(const QTransform& toBuffer, int graphicsQuality, int camera)
{
    const SceneBoxes boxes = SceneBoxesFor(size_);
    const int trackWidth = boxes.track.right - boxes.track.left;
    SceneBoxes wide = boxes;
    for (SceneRect* box : {&wide.track, &wide.farGrass, &wide.dirt, &wide.nearGrass})
        box->right += trackWidth;
    const QRect pixels = TrackPixels(toBuffer, size_);
    courseStrip_ = QImage(pixels.width() + qCeil(trackWidth * toBuffer.m11()) + 2, pixels.height(),
                          QImage::Format_RGB32);
    stripCamera_ = camera;
    stripQuality_ = graphicsQuality;
    stripScaleX_ = toBuffer.m11();
    stripScaleY_ = toBuffer.m22();
    const bool textured = graphicsQuality == 0;
    if (textured)
        MakeTextures(stripScaleX_, stripScaleY_);

    // Drawn as the camera at `camera` would see a track two widths wide, the
    // strip's first pixel being the track's top left one.
    QPainter painter(&courseStrip_);
    painter.setTransform(toBuffer * QTransform::fromTranslate(-pixels.left(), -pixels.top()));
    painter.setClipRect(ToQRect(wide.track));
    // The plain colours first, under the textures' edges.
    DrawGrass(painter, wide);
    DrawDirt(painter, wide);
    for (SceneLayer layer : SceneLayers(graphicsQuality)) {
        switch (layer) {
        case SceneLayer::Grass:
            if (textured)
                DrawTexturedCourse(painter, wide, camera);
            break;
        case SceneLayer::Lake:
            // Each lake where it lies along the course, whichever is in view.
            for (int seenFrom : kLakeSeenFrom) {
                const auto lake = LakeBounds(size_, seenFrom);
                const int shift = CameraTravel(size_, seenFrom) - camera;
                if (!lake || lake->right + shift < wide.track.left || lake->left + shift > wide.track.right)
                    continue;
                painter.save();
                painter.translate(shift, 0);
                DrawLake(painter, seenFrom);
                painter.restore();
            }
            break;
        case SceneLayer::FarRail:
            DrawFarRail(painter, wide, camera);
            break;
        default:
            break; // drawn each frame
        }
    }
}

void RaceScenePainter::RedrawFarRailOverFinishPost(QPainter& painter, int graphicsQuality, int leader) const
{
    const auto post = FinishPostX(size_, leader);
    if (!post || !HasLayer(graphicsQuality, SceneLayer::FarRail))
        return;
    painter.setClipRect(QRect(*post, 0, 5, LayoutHeight(size_)), Qt::IntersectClip);
    DrawFarRail(painter, SceneBoxesFor(size_), leader);
}

void RaceScenePainter::ComposeMapOval(QPainter& painter)
{
    auto* buffer = dynamic_cast<QImage*>(painter.device());
    const QTransform toBuffer = painter.transform();
    // A pixel more all round, so whatever the box's edges touch comes back.
    QRect pixels = toBuffer.mapRect(QRectF(ToQRect(SceneBoxesFor(size_).overviewMap)))
                       .toAlignedRect()
                       .adjusted(-1, -1, 1, 1);
    if (buffer != nullptr)
        pixels &= buffer->rect();
    if (mapOval_.isNull() || pixels != mapOvalPixels_) {
        // Drawn once into the buffer and kept from there.
        DrawMapOval(painter);
        if (buffer != nullptr) {
            mapOval_ = buffer->copy(pixels);
            mapOvalPixels_ = pixels;
        }
        return;
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(pixels.topLeft(), mapOval_);
    painter.restore();
}

void RaceScenePainter::MatchSpriteScale(const QTransform& toBuffer)
{
    if (toBuffer.m11() == spriteScaleX_ && toBuffer.m22() == spriteScaleY_)
        return;
    for (auto& frames : scaledSprites_)
        frames.fill(QImage());
    scaledShadow_ = QImage();
    spriteScaleX_ = toBuffer.m11();
    spriteScaleY_ = toBuffer.m22();
}

const QImage& RaceScenePainter::ScaledShadow(const QPainter& bufferPainter)
{
    MatchSpriteScale(bufferPainter.transform());
    if (scaledShadow_.isNull()) {
        scaledShadow_ =
            QImage(qCeil(kShadowSize.width() * spriteScaleX_) + 1,
                   qCeil(kShadowSize.height() * spriteScaleY_) + 1, QImage::Format_ARGB32_Premultiplied);
        scaledShadow_.fill(Qt::transparent);
        QPainter painter(&scaledShadow_);
        painter.scale(spriteScaleX_, spriteScaleY_);
        DrawShadow(painter, QPointF(0, 0));
    }
    return scaledShadow_;
}

const QImage& RaceScenePainter::ScaledSprite(const QPainter& bufferPainter, const QImage& strip, int runner,
                                             int frame)
{
    MatchSpriteScale(bufferPainter.transform());
    auto& frames = scaledSprites_[runner];
    if (scaledSpriteStrips_[runner] != strip.cacheKey()) {
        frames.fill(QImage()); // a new race's runner
        scaledSpriteStrips_[runner] = strip.cacheKey();
    }
    QImage& sprite = frames[frame];
    if (sprite.isNull()) {
        sprite = QImage(qCeil(kSpriteFrameWidth * spriteScaleX_) + 1,
                        qCeil(kSpriteDrawnHeight * spriteScaleY_) + 1, QImage::Format_ARGB32_Premultiplied);
        sprite.fill(Qt::transparent);
        QPainter painter(&sprite);
        painter.setRenderHints(bufferPainter.renderHints());
        painter.scale(spriteScaleX_, spriteScaleY_);
        painter.drawImage(QPoint(0, 0), strip,
                          QRect(kSpriteFrameWidth * frame, 0, kSpriteFrameWidth, kSpriteDrawnHeight));
    }
    return sprite;
}

} // namespace galloria
