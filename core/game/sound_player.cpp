#include "game/sound_player.h"

namespace galloria {

namespace {

bool IsSoundNumber(int number)
{
    const bool numbered =
        number >= static_cast<int>(SoundEffect::Start) && number <= static_cast<int>(SoundEffect::Tada);
    return numbered || number == static_cast<int>(SoundEffect::Silence);
}

} // namespace

void SoundPlayer::Play(SoundEffect sound)
{
    if (!enabled_)
        return;
    if (sound == SoundEffect::StopRun || sound == SoundEffect::Silence) {
        sink_.Stop();
        looping_ = false;
        return;
    }
    const std::string_view file = SoundFileName(sound);
    if (file.empty())
        return;
    if (SoundLoops(sound)) {
        sink_.PlayLoop(file);
        looping_ = true;
    } else {
        sink_.PlayOnce(file);
        looping_ = false; // a new sound cuts off the loop
    }
}

void SoundPlayer::Play(int soundNumber)
{
    if (IsSoundNumber(soundNumber))
        Play(static_cast<SoundEffect>(soundNumber));
}

void SoundPlayer::SetEnabled(bool enabled)
{
    if (enabled_ && !enabled && looping_) {
        sink_.Stop();
        looping_ = false;
    }
    enabled_ = enabled;
}

} // namespace galloria
