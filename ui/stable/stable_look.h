#pragma once

// The game's headers before Qt's (see varn_view.h).
#include "game/game_host.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <functional>
#include <string_view>

class QWidget;

namespace galloria {

// How the stable windows ask and tell: the view passes its own message boxes,
// tests pass a script. Unset, a plain box of the game's kind is shown.
using StableAsk = std::function<MessageAnswer(std::string_view text, MessageKind kind)>;
MessageAnswer AskWith(const StableAsk& ask, QWidget* parent, std::string_view text, MessageKind kind);

// The betting window's track green, cream and gold, with the controls of the
// stable windows (sliders, combo boxes, tables) added in the same colours.
QString StableStyleSheet(double scale);

// A stored horse colour (0x00BBGGRR) as a Qt colour, and back.
QColor ColourOfHorse(std::uint32_t colour);
std::uint32_t HorseColourOf(const QColor& colour);

QString StableText(std::string_view text);

} // namespace galloria
