#pragma once

#include "game/sound_player.h"

namespace galloria {

class Game;

// The cheer goes up once, as the leader comes into the last stretch.
inline constexpr int kCheerPosition = 9500;

// A race on screen, live or replayed, as the race loop paces it: one frame
// per engine tick, each shown for its period.
class ShownRace {
public:
    virtual ~ShownRace() = default;
    // Steps one frame; false when there is nothing more to show.
    virtual bool AdvanceFrame() = 0;
    // The player has stopped the showing (cancelled from the pause box, or
    // a key pressed during a replay).
    virtual bool Stopped() const = 0;
    // Frames since the start: 0 is the field in the gate.
    virtual int FrameCounter() const = 0;
    // Seconds the frame just stepped stays on screen.
    virtual double FramePeriod() const = 0;
    virtual SoundPlayer& Sounds() = 0;
};

// Seconds a frame stays on screen at an animation speed, four times as long
// in a slow-motion finish.
double ShownFramePeriod(int animationSpeed, bool slowMotion);

// The game's race being run, shown as it happens.
class LiveRace : public ShownRace {
public:
    explicit LiveRace(Game& game) : game_(game) {}
    bool AdvanceFrame() override;
    bool Stopped() const override;
    int FrameCounter() const override;
    double FramePeriod() const override;
    SoundPlayer& Sounds() override;

private:
    Game& game_;
};

} // namespace galloria
