#include "core/TextMark.h"

namespace velmora {

std::string FillText(std::string_view templ, std::initializer_list<std::string_view> values) {
    std::string out;
    out.reserve(templ.size() + 32);
    for (size_t i = 0; i < templ.size(); ++i) {
        const char next = i + 1 < templ.size() ? templ[i + 1] : '\0';
        const size_t n = static_cast<size_t>(next - '1');
        if (templ[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out += templ[i];
        }
    }
    return out;
}

}  // namespace velmora
