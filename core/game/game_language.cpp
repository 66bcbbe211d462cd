#include "game/game_language.h"

#include "base/screen_text.h"

namespace galloria {

namespace {

struct LanguageEntry {
    GameLanguage language;
    std::string_view code;
    std::string_view ownName;
};

constexpr std::array<LanguageEntry, kGameLanguages.size()> kEntries = {{
    {GameLanguage::System, "system", ""},
    {GameLanguage::English, "en", "English"},
    {GameLanguage::Spanish, "es", "Espa\xC3\xB1ol"},
    {GameLanguage::German, "de", "Deutsch"},
    {GameLanguage::French, "fr",
     "Fran\xC3\xA7"
     "ais"},
}};

const LanguageEntry& EntryOf(GameLanguage language)
{
    for (const LanguageEntry& entry : kEntries) {
        if (entry.language == language)
            return entry;
    }
    return kEntries[0];
}

} // namespace

std::string_view LanguageCode(GameLanguage language)
{
    return EntryOf(language).code;
}

GameLanguage LanguageFromCode(std::string_view code)
{
    for (const LanguageEntry& entry : kEntries) {
        if (entry.code == code)
            return entry.language;
    }
    return GameLanguage::System;
}

std::string LanguageChoiceText(GameLanguage language)
{
    if (language == GameLanguage::System)
        return Tr("Options", "System");
    return std::string(EntryOf(language).ownName);
}

GameLanguage SpokenLanguage(GameLanguage chosen, std::string_view localeName)
{
    if (chosen != GameLanguage::System)
        return chosen;
    const GameLanguage local = LanguageFromCode(localeName.substr(0, 2));
    return local == GameLanguage::System ? GameLanguage::English : local;
}

} // namespace galloria
