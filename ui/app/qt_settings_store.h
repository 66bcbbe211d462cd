#pragma once

#include "base/settings_store.h"

#include <QSettings>

namespace galloria {

// The game's settings in the platform's per-user store: QSettings under the
// maker "Tamberlyn" and the application "Galloria", one group per section.
// Every write is synced at once, so a crash loses nothing already chosen.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore();

    int GetInt(std::string_view section, std::string_view key, int defaultValue) const override;
    void SetInt(std::string_view section, std::string_view key, int value) override;

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const override;
    void SetString(std::string_view section, std::string_view key, std::string_view value) override;

private:
    mutable QSettings settings_;
};

} // namespace galloria
