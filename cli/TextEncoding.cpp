#include "cli/TextEncoding.h"

namespace velmora::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of s, 0 if none.
std::size_t SequenceLength(std::string_view s) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    auto within = [&](std::size_t i, unsigned lo, unsigned hi) {
        return i < s.size() && byte(i) >= lo && byte(i) <= hi;
    };
    unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return within(1, 0x80, 0xBF) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        // No overlong forms (E0) and no surrogates (ED).
        unsigned lo = lead == 0xE0 ? 0xA0 : 0x80;
        unsigned hi = lead == 0xED ? 0x9F : 0xBF;
        return within(1, lo, hi) && within(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        // Nothing overlong (F0) and nothing above U+10FFFF (F4).
        unsigned lo = lead == 0xF0 ? 0x90 : 0x80;
        unsigned hi = lead == 0xF4 ? 0x8F : 0xBF;
        return within(1, lo, hi) && within(2, 0x80, 0xBF) && within(3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

}  // namespace

std::string Utf8WithReplacements(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        std::size_t n = SequenceLength(bytes);
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

std::string HexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

}  // namespace velmora::cli
