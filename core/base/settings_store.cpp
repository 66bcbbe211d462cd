#include "base/settings_store.h"

#include <charconv>

namespace galloria {

MemorySettingsStore::Key MemorySettingsStore::MakeKey(std::string_view section, std::string_view key)
{
    return {std::string(section), std::string(key)};
}

int MemorySettingsStore::GetInt(std::string_view section, std::string_view key, int defaultValue) const
{
    const auto found = values_.find(MakeKey(section, key));
    if (found == values_.end())
        return defaultValue;
    const std::string& text = found->second;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return defaultValue;
    return value;
}

void MemorySettingsStore::SetInt(std::string_view section, std::string_view key, int value)
{
    values_[MakeKey(section, key)] = std::to_string(value);
}

std::string MemorySettingsStore::GetString(std::string_view section, std::string_view key,
                                           std::string_view defaultValue) const
{
    const auto found = values_.find(MakeKey(section, key));
    return found == values_.end() ? std::string(defaultValue) : found->second;
}

void MemorySettingsStore::SetString(std::string_view section, std::string_view key, std::string_view value)
{
    values_[MakeKey(section, key)] = std::string(value);
}

} // namespace galloria
