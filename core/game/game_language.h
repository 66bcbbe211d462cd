#pragma once

#include <array>
#include <string>
#include <string_view>

namespace galloria {

// The languages the game speaks, and "whatever the system speaks". Stored
// under "Language" by code, so the list can grow in any order.
enum class GameLanguage { System, English, Spanish, German, French };

inline constexpr std::array<GameLanguage, 5> kGameLanguages = {GameLanguage::System, GameLanguage::English,
                                                               GameLanguage::Spanish, GameLanguage::German,
                                                               GameLanguage::French};

// "system", "en", "es", "de", "fr": the stored value, and the catalogue's
// and the help pages' suffix.
std::string_view LanguageCode(GameLanguage language);

// The language of a stored code; anything else is System.
GameLanguage LanguageFromCode(std::string_view code);

// How the options dialog lists a language: each in its own tongue, so a
// player lost in a foreign one still finds theirs; System in the one spoken.
std::string LanguageChoiceText(GameLanguage language);

// The language the game speaks: the chosen one, or for System the language
// of the locale name ("de_DE", "es-MX", "fr") when the game speaks it, and
// English when it does not.
GameLanguage SpokenLanguage(GameLanguage chosen, std::string_view localeName);

} // namespace galloria
