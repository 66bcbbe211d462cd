#pragma once

#include "wav_file.h"

#include "base/sound_effect.h"

#include <optional>
#include <string>
#include <vector>

namespace galloria::art {

// Level every sound is scaled to: about -6 dB below full scale.
inline constexpr double kSoundPeak = 0.5;

// The sounds the game has a file for, in number order.
std::vector<SoundEffect> SoundsWithFiles();

// The file's own name, "gxpop.wav" for Pop (the game's folder part removed).
std::string SoundFileBaseName(SoundEffect sound);

// Synthesises one of the game's sounds; none for the stop requests.
std::optional<PcmSound> MakeSound(SoundEffect sound);

} // namespace galloria::art
