#include "ini_settings_store.h"

#include "sim_field.h"

#include "base/file_io.h"

#include <string>

namespace galloria::sim {

namespace {

constexpr std::size_t kMaxIniBytes = 1 << 20;

} // namespace

IniSettingsStore::IniSettingsStore(std::filesystem::path path) : path_(std::move(path))
{
    std::error_code error;
    if (!std::filesystem::exists(path_, error))
        return;
    const FileRead read = ReadFileUpTo(path_, kMaxIniBytes);
    if (!read.ok())
        throw FieldError("cannot read the settings file " + path_.string());
    std::string_view text = read.bytes;
    std::string_view line;
    std::string section;
    while (NextTextLine(text, line)) {
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
        } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            values_.SetString(section, line.substr(0, equals), line.substr(equals + 1));
        }
    }
}

void IniSettingsStore::SetInt(std::string_view section, std::string_view key, int value)
{
    values_.SetInt(section, key, value);
    Write();
}

void IniSettingsStore::SetString(std::string_view section, std::string_view key, std::string_view value)
{
    values_.SetString(section, key, value);
    Write();
}

void IniSettingsStore::Write() const
{
    std::string text;
    std::string section;
    bool first = true;
    for (const auto& [key, value] : values_.Values()) {
        if (first || key.first != section) {
            section = key.first;
            text += "[" + section + "]\n";
            first = false;
        }
        text += key.second + "=" + value + "\n";
    }
    if (!ReplaceFile(path_, text))
        throw FieldError("cannot write the settings file " + path_.string());
}

} // namespace galloria::sim
