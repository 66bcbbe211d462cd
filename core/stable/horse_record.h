#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace galloria {

constexpr std::size_t kHorseRecordSize = 264; // bytes of one record in a stable file
constexpr int kHistoryLength = 20;            // races remembered per horse
constexpr std::size_t kHorseNameSize = 30;    // name field, NUL included
constexpr std::size_t kMaxHorseNameLength = kHorseNameSize - 1;

// One horse: its name, colour, four characteristics (0..100 each) and the
// history of its last 20 races, slot 0 the most recent. The four history
// arrays stay aligned slot for slot. Statistics are derived from the history
// when the stable is loaded and are not kept here.
struct HorseRecord {
    char name[kHorseNameSize]; // NUL-terminated; bytes after the NUL are kept as read
    std::uint8_t speed;
    std::uint8_t sprint;
    std::uint8_t stamina;
    std::uint8_t spontaneity;
    std::uint32_t colour;                          // 0x00BBGGRR
    std::int32_t lastPurse;                        // dollars of the last race run; 0 for a new horse
    float oddsHistory[kHistoryLength];             // rating odds after each race; 0 = no race
    std::uint32_t earningsHistory[kHistoryLength]; // dollars won in each race
    std::uint8_t finishHistory[kHistoryLength];    // place (1 = first) in each race; 0 = no race
    std::uint16_t timeHistory[kHistoryLength];     // finishing time in fifths; 0 = no time
};

// The record as the 264 bytes of the stable file, little-endian field by
// field (the two padding bytes after the characteristics are written as zero).
void EncodeHorseRecord(const HorseRecord& horse, std::uint8_t* out);
HorseRecord DecodeHorseRecord(const std::uint8_t* in);

// Sets the name; false (and the record untouched) when it has more than 29
// characters or contains a NUL.
bool SetHorseName(HorseRecord& horse, std::string_view name);

// The name up to its NUL, never past the 30 bytes of the field.
std::string_view HorseName(const HorseRecord& horse);

// What a horse's last twenty races add up to: the stable's statistics, the
// horse database and the form card all show these.
struct HorseFigures {
    int bestTime = 0; // fastest non-zero time below 1000 fifths; 0 = no time
    int firsts = 0;
    int seconds = 0;
    int thirds = 0;
    std::uint32_t totalEarnings = 0;
    std::uint32_t hiWin = 0; // largest single win
    int racesRun = 0;
};
HorseFigures FiguresOf(const HorseRecord& horse);

} // namespace galloria
