#include "UserText.h"

#include <atomic>

namespace {

// Atomic: a text may be asked for on any thread.
std::atomic<TextTranslator> g_translator{nullptr};

} // namespace

void SetTextTranslator(TextTranslator translator) { g_translator.store(translator); }

std::string UserText(const char* context, const char* text) {
    const TextTranslator translator = g_translator.load();
    return translator ? translator(context, text) : std::string(text);
}

std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            out += values.begin()[index];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
