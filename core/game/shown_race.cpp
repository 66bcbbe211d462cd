#include "game/shown_race.h"

#include "game/game.h"
#include "race/race_call_sheet.h"
#include "race/race_scene_layout.h"

namespace galloria {

double ShownFramePeriod(int animationSpeed, bool slowMotion)
{
    return FramePeriodSeconds(animationSpeed) * (slowMotion ? kSlowMotionFactor : 1);
}

bool LiveRace::AdvanceFrame()
{
    return game_.state.raceRunning && game_.AdvanceRaceFrame();
}

bool LiveRace::Stopped() const
{
    return game_.RaceDisplayCancelled();
}

int LiveRace::FrameCounter() const
{
    return game_.frameCounter;
}

double LiveRace::FramePeriod() const
{
    const bool slow =
        game_.settings.slowMotionFinish && SlowMotionTick(game_.raceCalls, false, game_.engine.tickCount);
    return ShownFramePeriod(game_.settings.animationSpeed, slow);
}

SoundPlayer& LiveRace::Sounds()
{
    return game_.sounds;
}

} // namespace galloria
