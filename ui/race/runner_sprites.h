#pragma once

#include <QImage>

#include <array>
#include <cstdint>
#include <span>

namespace galloria {

// The strip of one runner: eleven gallop frames of the horse in its coat
// (`horseColour` as the stable stores it, 0x00BBGGRR), with the saddle cloth
// and number of runner `number` (1..12) and the jockey in the number's
// second colour; transparent around the figure. A number outside 1..12 is
// taken as the nearest of them. The picture comes from the
// art built into the program (":/race/*.png"); without it the strip is
// empty (all transparent), so a missing picture never stops a race.
QImage BuildRunnerSprite(std::uint32_t horseColour, int number);

// The runners' strips of one race: made when the race is prepared, drawn
// by the race scene every frame, released when the race ends.
class RunnerSprites {
public:
    // Makes a strip for runner k (number k + 1) of every colour given; at
    // most twelve. Any strips of an earlier race are replaced.
    void Build(std::span<const std::uint32_t> colours);
    void Release();
    bool Made() const { return made_; }
    int Count() const { return count_; }
    // The strip of runner 0..Count() - 1; an empty picture for any other.
    const QImage& Strip(int runner) const;

private:
    std::array<QImage, 12> strips_;
    int count_ = 0;
    bool made_ = false;
};

} // namespace galloria
