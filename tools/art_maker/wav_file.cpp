#include "wav_file.h"

#include <fstream>

namespace galloria::art {

namespace {

void PutU16(std::string& out, std::uint32_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void PutU32(std::string& out, std::uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

std::uint32_t GetU16(const std::string& in, std::size_t at)
{
    return static_cast<std::uint8_t>(in[at]) |
           (static_cast<std::uint32_t>(static_cast<std::uint8_t>(in[at + 1])) << 8);
}

std::uint32_t GetU32(const std::string& in, std::size_t at)
{
    return GetU16(in, at) | (GetU16(in, at + 2) << 16);
}

constexpr std::uint32_t kHeaderSize = 44;
constexpr std::uint32_t kBytesPerSample = 2;

} // namespace

std::string WaveFileBytes(const PcmSound& sound)
{
    const auto dataSize = static_cast<std::uint32_t>(sound.samples.size() * kBytesPerSample);
    std::string out;
    out.reserve(kHeaderSize + dataSize);
    out += "RIFF";
    PutU32(out, 36 + dataSize);
    out += "WAVE";
    out += "fmt ";
    PutU32(out, 16);                                                             // fmt chunk size
    PutU16(out, 1);                                                              // PCM
    PutU16(out, 1);                                                              // mono
    PutU32(out, static_cast<std::uint32_t>(sound.sampleRate));                   // frames per second
    PutU32(out, static_cast<std::uint32_t>(sound.sampleRate) * kBytesPerSample); // bytes per second
    PutU16(out, kBytesPerSample);                                                // block align
    PutU16(out, 16);                                                             // bits per sample
    out += "data";
    PutU32(out, dataSize);
    for (const std::int16_t sample : sound.samples) {
        PutU16(out, static_cast<std::uint16_t>(sample));
    }
    return out;
}

bool WriteWaveFile(const std::filesystem::path& path, const PcmSound& sound)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    const std::string bytes = WaveFileBytes(sound);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool ParseWaveFile(const std::string& bytes, PcmSound& sound)
{
    if (bytes.size() < kHeaderSize || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0 ||
        bytes.compare(12, 4, "fmt ") != 0 || bytes.compare(36, 4, "data") != 0) {
        return false;
    }
    if (GetU32(bytes, 4) != bytes.size() - 8 || GetU32(bytes, 16) != 16 || GetU16(bytes, 20) != 1 ||
        GetU16(bytes, 22) != 1 || GetU16(bytes, 34) != 16 || GetU16(bytes, 32) != kBytesPerSample) {
        return false;
    }
    const std::uint32_t rate = GetU32(bytes, 24);
    const std::uint32_t dataSize = GetU32(bytes, 40);
    if (GetU32(bytes, 28) != rate * kBytesPerSample || dataSize != bytes.size() - kHeaderSize ||
        dataSize % kBytesPerSample != 0) {
        return false;
    }
    sound.sampleRate = static_cast<int>(rate);
    sound.samples.resize(dataSize / kBytesPerSample);
    for (std::size_t i = 0; i < sound.samples.size(); ++i) {
        sound.samples[i] = static_cast<std::int16_t>(GetU16(bytes, kHeaderSize + i * kBytesPerSample));
    }
    return true;
}

} // namespace galloria::art
