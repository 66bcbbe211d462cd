#include "stable/horse_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace galloria {
namespace {

HorseRecord SampleHorse()
{
    HorseRecord horse{};
    SetHorseName(horse, "Copper Kettle");
    horse.speed = 100;
    horse.sprint = 1;
    horse.stamina = 2;
    horse.spontaneity = 3;
    horse.colour = 0x00112233;
    horse.lastPurse = -2;
    for (int i = 0; i < kHistoryLength; ++i) {
        horse.oddsHistory[i] = 1.5f + i;
        horse.earningsHistory[i] = 0xA0B0C0D0u + i;
        horse.finishHistory[i] = static_cast<std::uint8_t>(i + 1);
        horse.timeHistory[i] = static_cast<std::uint16_t>(0x0102 + i);
    }
    return horse;
}

TEST(HorseRecord, EveryFieldSitsAtItsOffsetLittleEndian)
{
    std::uint8_t bytes[kHorseRecordSize];
    std::memset(bytes, 0xEE, sizeof bytes);
    EncodeHorseRecord(SampleHorse(), bytes);

    EXPECT_EQ(std::memcmp(bytes, "Copper Kettle\0", 14), 0);
    EXPECT_EQ(bytes[30], 100);
    EXPECT_EQ(bytes[33], 3);
    EXPECT_EQ(bytes[34], 0); // padding
    EXPECT_EQ(bytes[35], 0);
    EXPECT_EQ(std::vector<int>(bytes + 36, bytes + 40), (std::vector<int>{0x33, 0x22, 0x11, 0x00}));
    EXPECT_EQ(std::vector<int>(bytes + 40, bytes + 44), (std::vector<int>{0xFE, 0xFF, 0xFF, 0xFF}));
    // 1.5f is 0x3FC00000; the last odds slot, 20.5f, is 0x41A40000.
    EXPECT_EQ(std::vector<int>(bytes + 44, bytes + 48), (std::vector<int>{0x00, 0x00, 0xC0, 0x3F}));
    EXPECT_EQ(std::vector<int>(bytes + 120, bytes + 124), (std::vector<int>{0x00, 0x00, 0xA4, 0x41}));
    EXPECT_EQ(std::vector<int>(bytes + 124, bytes + 128), (std::vector<int>{0xD0, 0xC0, 0xB0, 0xA0}));
    EXPECT_EQ(bytes[200], 0xD0 + 19);
    EXPECT_EQ(bytes[204], 1);
    EXPECT_EQ(bytes[223], 20);
    EXPECT_EQ(std::vector<int>(bytes + 224, bytes + 226), (std::vector<int>{0x02, 0x01}));
    EXPECT_EQ(std::vector<int>(bytes + 262, bytes + 264), (std::vector<int>{0x02 + 19, 0x01}));
}

TEST(HorseRecord, DecodeThenEncodeGivesTheSameBytes)
{
    std::uint8_t bytes[kHorseRecordSize];
    for (std::size_t i = 0; i < kHorseRecordSize; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 11);
    bytes[5] = 0; // a short name followed by leftover bytes, kept as read
    bytes[34] = bytes[35] = 0;
    std::uint8_t again[kHorseRecordSize];
    EncodeHorseRecord(DecodeHorseRecord(bytes), again);
    EXPECT_EQ(std::memcmp(bytes, again, kHorseRecordSize), 0);

    const HorseRecord decoded = DecodeHorseRecord(bytes);
    EXPECT_EQ(HorseName(decoded).size(), 5u);
}

TEST(HorseRecord, NamesHoldAtMost29CharactersAndAreReadWithinTheField)
{
    HorseRecord horse{};
    EXPECT_TRUE(SetHorseName(horse, std::string(29, 'a')));
    EXPECT_EQ(HorseName(horse), std::string(29, 'a'));
    EXPECT_FALSE(SetHorseName(horse, std::string(30, 'b')));
    EXPECT_EQ(HorseName(horse), std::string(29, 'a'));

    // A record from a foreign file may lack the NUL: the name stops at the field's end.
    std::memset(horse.name, 'z', sizeof horse.name);
    EXPECT_EQ(HorseName(horse), std::string(30, 'z'));
}

} // namespace
} // namespace galloria
