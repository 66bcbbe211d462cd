#include "halloffame/fixed_text.h"

namespace galloria {

std::string_view CutToBytes(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    // Back off over continuation bytes (10xxxxxx) so the cut falls before the
    // first byte of the letter that does not fit.
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0u) == 0x80u)
        --cut;
    return text.substr(0, cut);
}

} // namespace galloria
