#pragma once

#include "game/game_language.h"

#include <QString>

namespace galloria {

// Makes the game speak `chosen` (System: the locale's language when the game
// speaks it): installs its built-in catalogue for Qt's tr() and hands the
// core a translator, so both halves of the window speak the same language.
// English installs nothing: the sources are English. Returns the language
// now spoken. Call it before the first window is made.
GameLanguage InstallGameLanguage(GameLanguage chosen);

// Installs the catalogue built in as :/i18n/<name>.qm ("galloria_de") for
// tr() and the core, in place of any before; false, and English, when the
// program holds no such catalogue.
bool InstallCatalogue(const QString& name);

// The language InstallGameLanguage made the game speak (English before).
GameLanguage SpokenGameLanguage();

// The help page `page` ("index.html") in the spoken language, as a qrc URL
// text; English pages for English and for a page not translated.
QString HelpPageUrl(const QString& page);

} // namespace galloria
