#include "base/text_cut.h"

namespace galloria {

namespace {

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

constexpr int kMaxContinuationBytes = 3;

} // namespace

std::string_view CutToBytes(std::string_view text, std::size_t maxBytes)
{
    if (text.size() <= maxBytes)
        return text;
    // Back off over continuation bytes so the cut falls before the first byte
    // of the letter that does not fit.
    std::size_t cut = maxBytes;
    while (cut > 0 && IsContinuationByte(text[cut]))
        --cut;
    return text.substr(0, cut);
}

std::string_view CutToLetters(std::string_view text, int letters)
{
    std::size_t end = 0;
    for (int counted = 0; counted < letters && end < text.size(); ++counted) {
        const bool stray = IsContinuationByte(text[end]);
        ++end;
        if (stray)
            continue; // a letter of its own
        for (int extra = 0;
             extra < kMaxContinuationBytes && end < text.size() && IsContinuationByte(text[end]); ++extra)
            ++end;
    }
    return text.substr(0, end);
}

} // namespace galloria
