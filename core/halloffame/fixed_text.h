#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "base/text_cut.h"

namespace galloria {

// A NUL-terminated text in a field of N bytes, as stored in the game's binary
// files. It always holds at most N - 1 bytes of text followed by zeros, so the
// field can be written as it is and two equal texts are equal byte for byte.
template <std::size_t N> class FixedText {
public:
    static_assert(N >= 2, "a field needs room for at least one character and its NUL");
    static constexpr std::size_t kSize = N;
    static constexpr std::size_t kMaxLength = N - 1;

    FixedText() = default;
    explicit FixedText(std::string_view text) { Set(text); }

    // Stores `text`, cut to fit the field.
    void Set(std::string_view text)
    {
        const std::string_view kept = CutToBytes(text, kMaxLength);
        bytes_.fill('\0');
        kept.copy(bytes_.data(), kept.size());
    }

    // Takes a field as found in a file: the text ends at the first NUL, and a
    // field without one keeps its first N - 1 bytes.
    void SetFromStoredField(const char* field)
    {
        std::size_t length = 0;
        while (length < kMaxLength && field[length] != '\0')
            ++length;
        bytes_.fill('\0');
        std::copy(field, field + length, bytes_.data());
    }

    std::string_view View() const { return std::string_view(bytes_.data()); }
    const std::array<char, N>& Bytes() const { return bytes_; }

    bool operator==(const FixedText&) const = default;

private:
    std::array<char, N> bytes_{};
};

} // namespace galloria
