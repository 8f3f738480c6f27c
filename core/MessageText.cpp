#include "core/MessageText.h"

#include "core/TextHelpers.h"

namespace velmora {

namespace {

void AppendEscaped(std::string& out, unsigned char byte) {
    const char c = static_cast<char>(byte);
    out += "\\x" + HexText(std::string_view(&c, 1));
}

std::string Escape(std::string_view text, bool keepLines) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        std::size_t n = Utf8SequenceLength(text);
        auto lead = static_cast<unsigned char>(text[0]);
        auto second = n == 2 ? static_cast<unsigned char>(text[1]) : 0u;
        bool c1 = n == 2 && lead == 0xC2 && second < 0xA0;  // U+0080..U+009F
        if (keepLines && lead == '\n') {
            out += '\n';
        } else if (n == 0 || lead < 0x20 || lead == 0x7F) {
            AppendEscaped(out, lead);
            n = 1;
        } else if (c1) {
            AppendEscaped(out, lead);
            AppendEscaped(out, static_cast<unsigned char>(second));
        } else {
            out.append(text.substr(0, n));
        }
        text.remove_prefix(n);
    }
    return out;
}

}  // namespace

std::string EscapeControls(std::string_view text) { return Escape(text, false); }

std::string EscapeControlsKeepLines(std::string_view text) { return Escape(text, true); }

}  // namespace velmora
