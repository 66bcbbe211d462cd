#pragma once

#include "base/sound_effect.h"

#include <string_view>

namespace galloria {

// The platform's side of the game's sounds: plays one wave file at a time,
// asynchronously; starting one cuts off the one before. A file that cannot be
// found or played is skipped without a message.
class SoundSink {
public:
    virtual ~SoundSink() = default;

    virtual void PlayOnce(std::string_view fileName) = 0;
    virtual void PlayLoop(std::string_view fileName) = 0; // repeats until replaced or stopped
    virtual void Stop() = 0;
};

// Plays the game's sounds by number through a sink. While sound is off every
// request is ignored: the sink hears nothing at all, not even a stop.
class SoundPlayer {
public:
    explicit SoundPlayer(SoundSink& sink, bool enabled = true) : sink_(sink), enabled_(enabled) {}

    // Running loops, the two stop requests stop whatever plays, any other
    // sound with a file plays once, and a sound without a file does nothing.
    void Play(SoundEffect sound);

    // A number as the game's events ask for one; numbers that name no sound
    // play nothing.
    void Play(int soundNumber);

    // Follows the "SoundOn" setting. Turning sound off while the running
    // sound loops stops it once, so it cannot go on for ever unstoppable;
    // after that the sink hears nothing until sound is on again.
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

private:
    SoundSink& sink_;
    bool enabled_;
    bool looping_ = false; // the sink was last asked to loop and not since stopped
};

} // namespace galloria
