#include "base/settings_store.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

TEST(MemorySettingsStore, KeepsValuesBySectionAndConvertsLikeThePlatformStore)
{
    MemorySettingsStore store;
    SettingsStore& settings = store;
    EXPECT_EQ(settings.GetInt("Settings", "Speed", 5), 5);
    EXPECT_EQ(settings.GetString("Settings", "Player1", "Not In Game"), "Not In Game");

    settings.SetInt("Size", "File", 7);
    EXPECT_EQ(settings.GetInt("Size", "File", 0), 7);
    EXPECT_EQ(settings.GetInt("Settings", "File", -1), -1);
    EXPECT_EQ(settings.GetString("Size", "File", ""), "7");

    settings.SetString("Settings", "Odds", "2");
    settings.SetString("Settings", "Sort", "2x");
    EXPECT_EQ(settings.GetInt("Settings", "Odds", 3), 2);
    EXPECT_EQ(settings.GetInt("Settings", "Sort", 0), 0); // not a number: the default
}

} // namespace
} // namespace galloria
