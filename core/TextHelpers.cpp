#include "core/TextHelpers.h"

namespace velmora {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view s) {
    if (s.empty()) return 0;
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    auto within = [&](std::size_t i, unsigned lo, unsigned hi) {
        return i < s.size() && byte(i) >= lo && byte(i) <= hi;
    };
    unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return within(1, 0x80, 0xBF) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        unsigned lo = lead == 0xE0 ? 0xA0 : 0x80;  // overlong
        unsigned hi = lead == 0xED ? 0x9F : 0xBF;  // surrogates
        return within(1, lo, hi) && within(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        unsigned lo = lead == 0xF0 ? 0x90 : 0x80;  // overlong
        unsigned hi = lead == 0xF4 ? 0x8F : 0xBF;  // above U+10FFFF
        return within(1, lo, hi) && within(2, 0x80, 0xBF) && within(3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

bool IsUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        std::size_t n = Utf8SequenceLength(bytes);
        if (n == 0) return false;
        bytes.remove_prefix(n);
    }
    return true;
}

std::string Utf8WithReplacements(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        std::size_t n = Utf8SequenceLength(bytes);
        if (n == 0) {
            out += kReplacement;
            n = 1;
        } else {
            out += bytes.substr(0, n);
        }
        bytes.remove_prefix(n);
    }
    return out;
}

std::string NameAsShown(std::string_view bytes) {
    bool utf8 = IsUtf8(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (IsControl(b) || (!utf8 && b >= 0x80 && b < 0xA0)) {
            out += '?';
        } else if (utf8 || b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::size_t Utf8CutBefore(std::string_view text, std::size_t limit) {
    if (limit >= text.size()) return text.size();
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return cut;
}

std::string HexText(std::string_view bytes, std::string_view separator, HexCase letters) {
    const char* digits = letters == HexCase::Upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * (2 + separator.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (i > 0) out += separator;
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

}  // namespace velmora
