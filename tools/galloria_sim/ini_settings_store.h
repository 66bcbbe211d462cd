#pragma once

#include "base/settings_store.h"

#include <filesystem>

namespace galloria::sim {

// The settings store in a small INI file ("[Section]" lines, then "key=value"
// lines), read when made and written whole after every change, so a script
// can start with settings of its own and leave them for the next one.
class IniSettingsStore final : public SettingsStore {
public:
    // Reads the file; a missing file is an empty store. Throws FieldError when
    // a file that is there cannot be read.
    explicit IniSettingsStore(std::filesystem::path path);

    int GetInt(std::string_view section, std::string_view key, int defaultValue) const override
    {
        return values_.GetInt(section, key, defaultValue);
    }
    void SetInt(std::string_view section, std::string_view key, int value) override;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const override
    {
        return values_.GetString(section, key, defaultValue);
    }
    void SetString(std::string_view section, std::string_view key, std::string_view value) override;

private:
    void Write() const;

    std::filesystem::path path_;
    MemorySettingsStore values_;
};

} // namespace galloria::sim
