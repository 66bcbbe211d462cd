#pragma once

#include "betting/race_set_state.h"
#include "betting/racing_form_model.h"
#include "game/game_language.h"

#include <array>
#include <string>
#include <string_view>

namespace galloria {

class SettingsStore;

// Where the game's own settings live in the settings store. The personal
// details, "High" and "File" belong to the high-score export and "Result" to
// the results file; each of those reads and writes its values itself.
inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kPlayerNameKeys[kPlayerSlots] = {"Player1", "Player2", "Player3",
                                                                   "Player4"};
inline constexpr std::string_view kSortKey = "Sort";
inline constexpr std::string_view kSoundOnKey = "SoundOn";
inline constexpr std::string_view kSpeedKey = "Speed";
inline constexpr std::string_view kViewKey = "View";
inline constexpr std::string_view kGraphicKey = "Graphic";
inline constexpr std::string_view kOddsKey = "Odds";
inline constexpr std::string_view kOwnerKey = "Owner";
// Ours, beside the others: 1 shows a close finish in slow motion, 0 does not.
inline constexpr std::string_view kSlowMotionKey = "SlowMotion";
// Ours too: the code of the language chosen in the options (see game_language.h).
inline constexpr std::string_view kLanguageKey = "Language";

// The names dialog's second list entry; also what an untouched name slot holds.
inline constexpr std::string_view kNotInGameText = "Not In Game";

// How a race is shown. Stored, so the values are fixed.
enum class ViewRaceMode : int { WholeRace = 0, HomeStretch = 1, None = 2 };

// Drawing quality of the race scene. Stored, so the values are fixed.
enum class GraphicsQuality : int { High = 0, Medium = 1, Low = 2 };

inline constexpr int kMinAnimationSpeed = 1;
inline constexpr int kMaxAnimationSpeed = 10;
inline constexpr int kMinOddsAccuracy = 1;
inline constexpr int kMaxOddsAccuracy = 3;

// The user's settings as the game holds them in memory, each with the value a
// fresh installation starts with. The integers keep the stored encoding (the
// options dialog's radio buttons are bound to it): "SoundOn" and "Owner" are
// the index of the chosen button, so 0 means on.
struct GameSettings {
    // Texts last chosen or typed in the names dialog, one per player slot.
    std::array<std::string, kPlayerSlots> playerNames = {
        std::string(kNotInGameText), std::string(kNotInGameText), std::string(kNotInGameText),
        std::string(kNotInGameText)};
    int soundSetting = 0;                                    // "SoundOn": 0 on, 1 off
    int animationSpeed = 5;                                  // "Speed": 1 slower .. 10 faster
    SortOrder sortOrder = SortOrder::None;                   // "Sort"
    ViewRaceMode viewRaceMode = ViewRaceMode::WholeRace;     // "View"
    GraphicsQuality graphicsQuality = GraphicsQuality::High; // "Graphic"
    int oddsAccuracy = 3;                                    // "Odds": 1 low .. 3 high
    int ownershipSetting = 1;                                // "Owner": 0 on, 1 off
    bool slowMotionFinish = true;                            // "SlowMotion"
    GameLanguage language = GameLanguage::System;            // "Language", by code

    // The sound player and the betting window's own switch follow this.
    bool SoundEnabled() const { return soundSetting == 0; }
    // With ownership on, the horse editor and database show and edit owners.
    bool OwnersShown() const { return ownershipSetting == 0; }
    // Races simulated to refine each race's odds: none, 5 or 10.
    int OddsSimulationRuns() const;

    bool operator==(const GameSettings&) const = default;
};

// Reads every setting, taking the default for any value that is missing, and
// brings stored values the game could not use back into range (see the
// comment at the reader).
GameSettings LoadSettings(const SettingsStore& store);

// Which settings a save writes. The names are saved when a set starts and the
// options when the options dialog is confirmed; keeping them apart means
// neither save overwrites the other's values with an older copy.
enum class SettingsGroup { Names, Options, All };

void SaveSettings(const GameSettings& settings, SettingsStore& store,
                  SettingsGroup which = SettingsGroup::All);

} // namespace galloria
