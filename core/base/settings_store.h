#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace galloria {

// The per-user store of the game's settings: integer and string values by
// section ("Settings", "Size") and key. The game uses the platform's store;
// tests and the simulator use MemorySettingsStore.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored value, or `defaultValue` when there is none or it is not a
    // whole number.
    virtual int GetInt(std::string_view section, std::string_view key, int defaultValue) const = 0;
    virtual void SetInt(std::string_view section, std::string_view key, int value) = 0;

    virtual std::string GetString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const = 0;
    virtual void SetString(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// Keeps the values in memory for as long as the object lives. Like the
// platform's store it holds each value as text, so a number stored as a string
// reads as an integer and an integer reads as its decimal text.
class MemorySettingsStore final : public SettingsStore {
public:
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const override;
    void SetInt(std::string_view section, std::string_view key, int value) override;

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const override;
    void SetString(std::string_view section, std::string_view key, std::string_view value) override;

    using Key = std::pair<std::string, std::string>; // section, key
    // Every value as text, by section and key.
    const std::map<Key, std::string>& Values() const { return values_; }

private:
    static Key MakeKey(std::string_view section, std::string_view key);

    std::map<Key, std::string> values_;
};

} // namespace galloria
