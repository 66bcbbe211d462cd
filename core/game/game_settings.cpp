#include "game/game_settings.h"

#include "base/settings_store.h"
#include "game/player_names_model.h"

#include <algorithm>

namespace galloria {

namespace {

// A choice among `count` options stored as its index; anything else is
// unknown and reads as the default, since the nearest index would be an
// arbitrary choice the player never made.
template <typename Enum>
Enum ReadChoice(const SettingsStore& store, std::string_view key, Enum fallback, int count)
{
    const int value = store.GetInt(kSettingsSection, key, static_cast<int>(fallback));
    return value >= 0 && value < count ? static_cast<Enum>(value) : fallback;
}

// An on/off radio pair stored as the index of the chosen button. Only 0 means
// on, so any other number reads as off (1), as the game has always taken it.
int ReadOnOff(const SettingsStore& store, std::string_view key, int fallback)
{
    return store.GetInt(kSettingsSection, key, fallback) == 0 ? 0 : 1;
}

// A slider value: one outside the slider's range is held to its nearer end,
// which keeps the player's direction (a speed of 50 was meant fast).
int ReadSlider(const SettingsStore& store, std::string_view key, int fallback, int low, int high)
{
    return std::clamp(store.GetInt(kSettingsSection, key, fallback), low, high);
}

} // namespace

int GameSettings::OddsSimulationRuns() const
{
    switch (oddsAccuracy) {
    case 2:
        return 5;
    case 3:
        return 10;
    default:
        return 0;
    }
}

GameSettings LoadSettings(const SettingsStore& store)
{
    const GameSettings defaults;
    GameSettings settings;
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        // A name box holds no more than a name's length, so a longer stored
        // text (other than a list entry's) is cut where the box would cut it.
        settings.playerNames[slot] =
            NameBoxText(store.GetString(kSettingsSection, kPlayerNameKeys[slot], defaults.playerNames[slot]));
    }
    settings.soundSetting = ReadOnOff(store, kSoundOnKey, defaults.soundSetting);
    settings.animationSpeed =
        ReadSlider(store, kSpeedKey, defaults.animationSpeed, kMinAnimationSpeed, kMaxAnimationSpeed);
    settings.sortOrder = ReadChoice(store, kSortKey, defaults.sortOrder, 5);
    settings.viewRaceMode = ReadChoice(store, kViewKey, defaults.viewRaceMode, 3);
    settings.graphicsQuality = ReadChoice(store, kGraphicKey, defaults.graphicsQuality, 3);
    settings.oddsAccuracy =
        ReadSlider(store, kOddsKey, defaults.oddsAccuracy, kMinOddsAccuracy, kMaxOddsAccuracy);
    settings.ownershipSetting = ReadOnOff(store, kOwnerKey, defaults.ownershipSetting);
    // A check box of ours: stored as 1 for on, so only 0 turns it off.
    settings.slowMotionFinish = store.GetInt(kSettingsSection, kSlowMotionKey, 1) != 0;
    settings.language =
        LanguageFromCode(store.GetString(kSettingsSection, kLanguageKey, LanguageCode(defaults.language)));
    return settings;
}

void SaveSettings(const GameSettings& settings, SettingsStore& store, SettingsGroup which)
{
    if (which != SettingsGroup::Options) {
        for (int slot = 0; slot < kPlayerSlots; ++slot)
            store.SetString(kSettingsSection, kPlayerNameKeys[slot], settings.playerNames[slot]);
    }
    if (which != SettingsGroup::Names) {
        store.SetInt(kSettingsSection, kSortKey, static_cast<int>(settings.sortOrder));
        store.SetInt(kSettingsSection, kSoundOnKey, settings.soundSetting);
        store.SetInt(kSettingsSection, kSpeedKey, settings.animationSpeed);
        store.SetInt(kSettingsSection, kViewKey, static_cast<int>(settings.viewRaceMode));
        store.SetInt(kSettingsSection, kGraphicKey, static_cast<int>(settings.graphicsQuality));
        store.SetInt(kSettingsSection, kOddsKey, settings.oddsAccuracy);
        store.SetInt(kSettingsSection, kOwnerKey, settings.ownershipSetting);
        store.SetInt(kSettingsSection, kSlowMotionKey, settings.slowMotionFinish ? 1 : 0);
        store.SetString(kSettingsSection, kLanguageKey, LanguageCode(settings.language));
    }
}

} // namespace galloria
