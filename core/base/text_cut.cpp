#include "base/text_cut.h"

namespace galloria {

namespace {

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

constexpr int kMaxContinuationBytes = 3;

// Where the letter starting at `from` ends.
std::size_t LetterEnd(std::string_view text, std::size_t from)
{
    std::size_t end = from + 1;
    if (IsContinuationByte(text[from]))
        return end; // a stray continuation byte is a letter of its own
    for (int extra = 0; extra < kMaxContinuationBytes && end < text.size() && IsContinuationByte(text[end]);
         ++extra)
        ++end;
    return end;
}

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
    for (int counted = 0; counted < letters && end < text.size(); ++counted)
        end = LetterEnd(text, end);
    return text.substr(0, end);
}

std::size_t LetterCount(std::string_view text)
{
    std::size_t letters = 0;
    for (std::size_t at = 0; at < text.size(); at = LetterEnd(text, at))
        ++letters;
    return letters;
}

} // namespace galloria
