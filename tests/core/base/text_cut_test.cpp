#include "base/text_cut.h"

#include <gtest/gtest.h>

#include <string>

namespace galloria {
namespace {

struct CutCase {
    std::string text;
    int limit;
    std::string expected;
};

TEST(TextCut, CutToBytesNeverSplitsALetter)
{
    const CutCase cases[] = {
        {"Galloria", 20, "Galloria"}, // fits: unchanged
        {"Galloria", 4, "Gall"},
        {"Zo\xC3\xAB", 3, "Zo"},                         // the two-byte e-diaeresis does not fit whole
        {"Zo\xC3\xAB", 4, "Zo\xC3\xAB"},                 // exactly fits
        {"\xE2\x82\xAC\xE2\x82\xAC", 5, "\xE2\x82\xAC"}, // a three-byte euro sign and a half
        {"\x80\x80\x80\x80", 2, ""},                     // stray continuation bytes give nothing to cut at
        {"abc", 0, ""},
    };
    for (const CutCase& c : cases)
        EXPECT_EQ(CutToBytes(c.text, static_cast<std::size_t>(c.limit)), c.expected) << c.text;
}

TEST(TextCut, CutToLettersCountsLettersNotBytes)
{
    const std::string tenUmlauts =
        "\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4";
    const CutCase cases[] = {
        {"abcdefghijk", 10, "abcdefghij"},
        {"Zo\xC3\xAB", 10, "Zo\xC3\xAB"},
        {tenUmlauts + "\xC3\xB6", 10, tenUmlauts},
        {"", 10, ""},
        {"abc", 0, ""},
        // Stray continuation bytes count a letter each, so thousands of them are
        // still cut to a short name.
        {std::string(4000, '\x80'), 10, std::string(10, '\x80')},
        {"\xC3\xA4\x80\x80\x80\x80"
         "b",
         3, "\xC3\xA4\x80\x80\x80\x80"}, // lead + 3, then a stray
        {"\xF0\x9F\x90\x8E"
         "abc",
         2,
         "\xF0\x9F\x90\x8E"
         "a"}, // a four-byte horse is one letter
    };
    for (const CutCase& c : cases)
        EXPECT_EQ(CutToLetters(c.text, c.limit), c.expected) << c.text.size();
}

} // namespace
} // namespace galloria
