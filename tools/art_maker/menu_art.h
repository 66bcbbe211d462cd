#pragma once

#include "game/menu_state.h"

#include <QImage>

#include <string>
#include <vector>

namespace galloria::art {

inline constexpr int kMenuGlyphSize = 20;

// The menu items drawn with a small picture at their left, in menu order.
std::vector<MenuCommand> MenuCommandsWithGlyphs();

// "menu_<command id>.png".
std::string MenuGlyphFileName(MenuCommand command);

// The 20 x 20 picture of an item, on a transparent ground.
QImage MakeMenuGlyph(MenuCommand command);

} // namespace galloria::art
