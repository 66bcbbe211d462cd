#include "stable/horse_record.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace galloria {

namespace {

// Offsets of the fields in the 264-byte record.
constexpr std::size_t kSpeedAt = 30;
constexpr std::size_t kColourAt = 36;
constexpr std::size_t kLastPurseAt = 40;
constexpr std::size_t kOddsAt = 44;
constexpr std::size_t kEarningsAt = 124;
constexpr std::size_t kFinishAt = 204;
constexpr std::size_t kTimeAt = 224;
static_assert(kTimeAt + 2 * kHistoryLength == kHorseRecordSize);

void PutLittleEndian(std::uint8_t* out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetLittleEndian(const std::uint8_t* in, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(in[i]) << (8 * i);
    return value;
}

} // namespace

void EncodeHorseRecord(const HorseRecord& horse, std::uint8_t* out)
{
    std::memcpy(out, horse.name, kHorseNameSize);
    out[kSpeedAt] = horse.speed;
    out[kSpeedAt + 1] = horse.sprint;
    out[kSpeedAt + 2] = horse.stamina;
    out[kSpeedAt + 3] = horse.spontaneity;
    out[kSpeedAt + 4] = 0;
    out[kSpeedAt + 5] = 0;
    PutLittleEndian(out + kColourAt, horse.colour, 4);
    PutLittleEndian(out + kLastPurseAt, static_cast<std::uint32_t>(horse.lastPurse), 4);
    for (int i = 0; i < kHistoryLength; ++i) {
        PutLittleEndian(out + kOddsAt + 4 * i, std::bit_cast<std::uint32_t>(horse.oddsHistory[i]), 4);
        PutLittleEndian(out + kEarningsAt + 4 * i, horse.earningsHistory[i], 4);
        out[kFinishAt + i] = horse.finishHistory[i];
        PutLittleEndian(out + kTimeAt + 2 * i, horse.timeHistory[i], 2);
    }
}

HorseRecord DecodeHorseRecord(const std::uint8_t* in)
{
    HorseRecord horse{};
    std::memcpy(horse.name, in, kHorseNameSize);
    horse.speed = in[kSpeedAt];
    horse.sprint = in[kSpeedAt + 1];
    horse.stamina = in[kSpeedAt + 2];
    horse.spontaneity = in[kSpeedAt + 3];
    horse.colour = GetLittleEndian(in + kColourAt, 4);
    horse.lastPurse = static_cast<std::int32_t>(GetLittleEndian(in + kLastPurseAt, 4));
    for (int i = 0; i < kHistoryLength; ++i) {
        horse.oddsHistory[i] = std::bit_cast<float>(GetLittleEndian(in + kOddsAt + 4 * i, 4));
        horse.earningsHistory[i] = GetLittleEndian(in + kEarningsAt + 4 * i, 4);
        horse.finishHistory[i] = in[kFinishAt + i];
        horse.timeHistory[i] = static_cast<std::uint16_t>(GetLittleEndian(in + kTimeAt + 2 * i, 2));
    }
    return horse;
}

bool SetHorseName(HorseRecord& horse, std::string_view name)
{
    if (name.size() > kMaxHorseNameLength || name.find('\0') != std::string_view::npos)
        return false;
    std::fill(std::begin(horse.name), std::end(horse.name), '\0');
    std::copy(name.begin(), name.end(), horse.name);
    return true;
}

std::string_view HorseName(const HorseRecord& horse)
{
    const char* end = std::find(std::begin(horse.name), std::end(horse.name), '\0');
    return {horse.name, static_cast<std::size_t>(end - horse.name)};
}

HorseFigures FiguresOf(const HorseRecord& horse)
{
    HorseFigures figures;
    int bestTime = 1000; // times of 1000 fifths (200 seconds) or more never count
    for (int slot = 0; slot < kHistoryLength; ++slot) {
        if (horse.timeHistory[slot] != 0 && horse.timeHistory[slot] < bestTime)
            bestTime = horse.timeHistory[slot];
        figures.totalEarnings += horse.earningsHistory[slot];
        figures.hiWin = std::max(figures.hiWin, horse.earningsHistory[slot]);
        figures.firsts += horse.finishHistory[slot] == 1;
        figures.seconds += horse.finishHistory[slot] == 2;
        figures.thirds += horse.finishHistory[slot] == 3;
        figures.racesRun += horse.finishHistory[slot] != 0;
    }
    figures.bestTime = bestTime == 1000 ? 0 : bestTime;
    return figures;
}

} // namespace galloria
