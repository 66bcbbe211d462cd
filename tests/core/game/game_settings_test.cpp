#include "game/game_settings.h"

#include "base/settings_store.h"

#include <gtest/gtest.h>

namespace galloria {
namespace {

GameSettings EveryValueChanged()
{
    GameSettings settings;
    settings.playerNames = {"Ann", "", "Not In Game", "Bartholome"};
    settings.soundSetting = 1;
    settings.animationSpeed = 9;
    settings.sortOrder = SortOrder::Earnings;
    settings.viewRaceMode = ViewRaceMode::None;
    settings.graphicsQuality = GraphicsQuality::Low;
    settings.oddsAccuracy = 1;
    settings.ownershipSetting = 0;
    settings.slowMotionFinish = false;
    settings.language = GameLanguage::German;
    return settings;
}

TEST(GameSettings, EmptyStoreGivesAFreshInstallation)
{
    const MemorySettingsStore store;
    const GameSettings settings = LoadSettings(store);

    EXPECT_TRUE(settings.SoundEnabled());
    EXPECT_EQ(settings.animationSpeed, 5);
    EXPECT_EQ(settings.sortOrder, SortOrder::None);
    EXPECT_EQ(settings.viewRaceMode, ViewRaceMode::WholeRace);
    EXPECT_EQ(settings.graphicsQuality, GraphicsQuality::High);
    EXPECT_EQ(settings.oddsAccuracy, 3);
    EXPECT_EQ(settings.OddsSimulationRuns(), 10);
    EXPECT_FALSE(settings.OwnersShown());
    EXPECT_TRUE(settings.slowMotionFinish);
    for (const std::string& name : settings.playerNames)
        EXPECT_EQ(name, "Not In Game");
    EXPECT_EQ(settings, GameSettings{});
}

TEST(GameSettings, EverySettingSurvivesASaveAndLoad)
{
    MemorySettingsStore store;
    const GameSettings saved = EveryValueChanged();
    SaveSettings(saved, store);
    EXPECT_EQ(LoadSettings(store), saved);

    // The keys and sections other programs and older versions read.
    EXPECT_EQ(store.GetString("Settings", "Player1", "?"), "Ann");
    EXPECT_EQ(store.GetString("Settings", "Player2", "?"), "");
    EXPECT_EQ(store.GetString("Settings", "Player4", "?"), "Bartholome");
    const std::pair<const char*, int> numbers[] = {{"SoundOn", 1}, {"Speed", 9},     {"Sort", 4},
                                                   {"View", 2},    {"Graphic", 2},   {"Odds", 1},
                                                   {"Owner", 0},   {"SlowMotion", 0}};
    for (const auto& [key, value] : numbers)
        EXPECT_EQ(store.GetInt("Settings", key, -1), value) << key;
    EXPECT_EQ(store.GetString("Settings", "Language", "?"), "de");
}

TEST(GameSettings, TheLanguageIsTheChosenOneOrTheSystemsWhenTheGameSpeaksIt)
{
    MemorySettingsStore store;
    store.SetString("Settings", "Language", "klingon");
    EXPECT_EQ(LoadSettings(store).language, GameLanguage::System);
    EXPECT_EQ(SpokenLanguage(GameLanguage::System, "de_AT"), GameLanguage::German);
    EXPECT_EQ(SpokenLanguage(GameLanguage::System, "es-MX"), GameLanguage::Spanish);
    EXPECT_EQ(SpokenLanguage(GameLanguage::System, "nl_NL"), GameLanguage::English);
    EXPECT_EQ(SpokenLanguage(GameLanguage::System, "C"), GameLanguage::English);
    EXPECT_EQ(SpokenLanguage(GameLanguage::French, "de_DE"), GameLanguage::French);
}

TEST(GameSettings, NamesAndOptionsAreSavedApart)
{
    MemorySettingsStore store;
    SaveSettings(EveryValueChanged(), store, SettingsGroup::Names);
    GameSettings loaded = LoadSettings(store);
    EXPECT_EQ(loaded.playerNames, EveryValueChanged().playerNames);
    EXPECT_EQ(loaded.animationSpeed, 5); // options untouched
    EXPECT_EQ(store.GetInt("Settings", "Speed", -1), -1);

    MemorySettingsStore other;
    SaveSettings(EveryValueChanged(), other, SettingsGroup::Options);
    loaded = LoadSettings(other);
    EXPECT_EQ(loaded.playerNames, GameSettings{}.playerNames);
    EXPECT_EQ(loaded.animationSpeed, 9);
    EXPECT_FALSE(loaded.SoundEnabled());
    EXPECT_EQ(other.GetString("Settings", "Player1", "?"), "?");
}

TEST(GameSettings, StoredValuesOutOfRangeAreBroughtIntoRange)
{
    MemorySettingsStore store;
    store.SetInt("Settings", "Speed", 50);
    store.SetInt("Settings", "Odds", -4);
    store.SetInt("Settings", "Sort", 5);
    store.SetInt("Settings", "View", -1);
    store.SetInt("Settings", "Graphic", 3);
    store.SetInt("Settings", "SoundOn", 7);
    store.SetInt("Settings", "Owner", -2);
    store.SetString("Settings", "Player3", "Maximiliana"); // eleven letters
    GameSettings settings = LoadSettings(store);
    EXPECT_EQ(settings.animationSpeed, 10);
    EXPECT_EQ(settings.oddsAccuracy, 1);
    EXPECT_EQ(settings.OddsSimulationRuns(), 0);
    EXPECT_EQ(settings.sortOrder, SortOrder::None);
    EXPECT_EQ(settings.viewRaceMode, ViewRaceMode::WholeRace);
    EXPECT_EQ(settings.graphicsQuality, GraphicsQuality::High);
    EXPECT_EQ(settings.soundSetting, 1);
    EXPECT_FALSE(settings.SoundEnabled());
    EXPECT_EQ(settings.ownershipSetting, 1);
    EXPECT_EQ(settings.playerNames[2], "Maximilian");

    store.SetInt("Settings", "Speed", 0);
    store.SetInt("Settings", "Odds", 2);
    store.SetString("Settings", "Sort", "fast"); // not a number: the default
    store.SetInt("Settings", "View", 1);
    settings = LoadSettings(store);
    EXPECT_EQ(settings.animationSpeed, 1);
    EXPECT_EQ(settings.OddsSimulationRuns(), 5);
    EXPECT_EQ(settings.sortOrder, SortOrder::None);
    EXPECT_EQ(settings.viewRaceMode, ViewRaceMode::HomeStretch);
}

} // namespace
} // namespace galloria
