#include "base/screen_text.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

TEST(ScreenText, FillInPutsEachNumberedValueWhereverItStands)
{
    EXPECT_EQ(FillIn("%2 hat mehr als %1: %2!", {"Ann", "$50"}), "$50 hat mehr als Ann: $50!");
    EXPECT_EQ(FillIn("100% of %3 and %", {"a"}), "100% of %3 and %"); // no such value: kept
}

TEST(ScreenText, TrPassesThroughTheInstalledTranslatorOnly)
{
    EXPECT_EQ(Tr("Game", "Race"), "Race");
    SetScreenTextTranslator(
        [](const char* context, const char* source) { return std::string(context) + ":" + source; });
    EXPECT_EQ(Tr(SCREEN_TEXT("Game", "Race")), "Game:Race");
    SetScreenTextTranslator(nullptr);
    EXPECT_EQ(Tr("Game", "Race"), "Race");
}

} // namespace
} // namespace galloria
