#pragma once

// The game's headers before Qt's (Qt's keyword macros).
#include "game/game_host.h"

#include <QString>

class QMessageBox;
class QWidget;

namespace galloria {

// Every message box, question and notice of the game goes through here, so
// they all wear the game's cream, green and gold with its gold buttons.

// Gives a message box the game's look (and keeps it on the screen when it opens).
void ApplyGameMessageLook(QMessageBox& box);

// Captions the box's standard buttons in the player's language: Qt's own
// captions would stay English. Call it once the buttons are set.
void NameStandardButtons(QMessageBox& box);

// Shows `text` with the buttons and icon of `kind`, modally over `parent`,
// and returns the answer: Ok for OK and Retry, Yes, No, or Cancel (also when
// the box is closed without a button, except that an information box then
// answers Ok).
MessageAnswer ShowGameMessage(QWidget* parent, const QString& text, MessageKind kind);

} // namespace galloria
