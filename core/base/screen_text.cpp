#include "screen_text.h"

#include <atomic>

namespace galloria {

namespace {

std::atomic<ScreenTextTranslator> installedTranslator{nullptr};

} // namespace

void SetScreenTextTranslator(ScreenTextTranslator translator)
{
    installedTranslator.store(translator, std::memory_order_release);
}

std::string Tr(const char* context, const char* source)
{
    const ScreenTextTranslator translator = installedTranslator.load(std::memory_order_acquire);
    return translator != nullptr ? translator(context, source) : std::string(source);
}

std::string Tr(ScreenText text)
{
    return Tr(text.context, text.source);
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values)
{
    std::string filled;
    filled.reserve(text.size() + 16 * values.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool isPlace =
            text[at] == '%' && at + 1 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9';
        const std::size_t number = isPlace ? static_cast<std::size_t>(text[at + 1] - '1') : values.size();
        if (number < values.size()) {
            filled += values.begin()[number];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

} // namespace galloria
