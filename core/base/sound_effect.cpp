#include "base/sound_effect.h"

namespace galloria {

std::string_view SoundFileName(SoundEffect sound)
{
    switch (sound) {
    case SoundEffect::Start:
        return "Sounds/gxstart.wav";
    case SoundEffect::Pop:
        return "Sounds/gxpop.wav";
    case SoundEffect::Share:
        return "Sounds/gxshare.wav";
    case SoundEffect::Run:
        return "Sounds/gxrun.wav";
    case SoundEffect::Program:
        return "Sounds/gxprogram.wav";
    case SoundEffect::Neigh:
        return "Sounds/gxneigh.wav";
    case SoundEffect::Gate:
        return "Sounds/gxgate.wav";
    case SoundEffect::End:
        return "Sounds/gxend.wav";
    case SoundEffect::Click:
        return "Sounds/gxclick.wav";
    case SoundEffect::Buy:
        return "Sounds/gxbuy.wav";
    case SoundEffect::Cheer:
        return "Sounds/gxcheer.wav";
    case SoundEffect::Cancel:
        return "Sounds/gxcancel.wav";
    case SoundEffect::Delete:
        return "Sounds/gxdel.wav";
    case SoundEffect::Tada:
        return "Sounds/gxtada.wav";
    case SoundEffect::StopRun:
    case SoundEffect::Silence:
        break;
    }
    return {};
}

} // namespace galloria
