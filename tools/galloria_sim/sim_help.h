#pragma once

#include <string_view>

namespace galloria::sim {

// The usage of every command in one page, for galloria-sim --help.
std::string_view GeneralUsage();

// The usage of one command with what each of its options means, for
// galloria-sim COMMAND --help; empty for a word that names no command.
std::string_view CommandUsage(std::string_view command);

} // namespace galloria::sim
