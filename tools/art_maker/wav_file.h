#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace galloria::art {

// Mono 16-bit PCM sound as the game's wave files hold it.
struct PcmSound {
    int sampleRate = 22050;
    std::vector<std::int16_t> samples;
};

// The RIFF/WAVE image of a sound: a 44-byte header, then the samples, all
// little-endian whatever the machine.
std::string WaveFileBytes(const PcmSound& sound);
bool WriteWaveFile(const std::filesystem::path& path, const PcmSound& sound);

// Reads back what WaveFileBytes writes (and any plain mono 16-bit PCM file
// with the canonical header); none for anything else.
bool ParseWaveFile(const std::string& bytes, PcmSound& sound);

} // namespace galloria::art
