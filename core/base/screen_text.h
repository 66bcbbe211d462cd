#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace galloria {

// Every text the core hands the screen is written here in English and passes
// through Tr(context, source) where it is composed. lupdate reads Tr as Qt's
// translate() and SCREEN_TEXT as QT_TRANSLATE_NOOP, so each source becomes a
// catalogue entry. The view installs the translator at start-up; without one
// (the tests, galloria-sim) every text is its English source. Whole messages
// are translated before names and amounts go into their %1, %2 ..., so each
// language keeps its own word order. What the game writes to files never
// passes through Tr: files read the same whatever the player's language.

// A text marked for translation where it is declared and translated where it
// is used, for tables and constants.
struct ScreenText {
    const char* context;
    const char* source;
};
#define SCREEN_TEXT(context, source)                                                                         \
    ::galloria::ScreenText                                                                                   \
    {                                                                                                        \
        context, source                                                                                      \
    }

// Turns a context and an English source into the player's language; the
// result is UTF-8.
using ScreenTextTranslator = std::string (*)(const char* context, const char* source);

// Installs `translator` for every later Tr; nullptr leaves texts in English.
// Set it before any thread composes texts: it is read without a lock.
void SetScreenTextTranslator(ScreenTextTranslator translator);

std::string Tr(const char* context, const char* source);
std::string Tr(ScreenText text);

// `text` with each %1 .. %9 replaced by the value of that number, wherever and
// however often it stands; a % not followed by a given number stays as it is.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values);

} // namespace galloria
