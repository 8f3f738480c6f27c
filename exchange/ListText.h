// Text helpers shared by the line-based list readers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/TextHelpers.h"

namespace velmora::listtext {

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

inline std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

enum class Utf16 { No, LittleEndian, BigEndian };

// A UTF-16 byte-order mark at the start of the bytes.
inline Utf16 Utf16Mark(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\xFF\xFE") return Utf16::LittleEndian;
    if (bytes.substr(0, 2) == "\xFE\xFF") return Utf16::BigEndian;
    return Utf16::No;
}

inline char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

inline bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

// A value from the file as a message quotes it: in double quotes, cut after
// 40 bytes (on a character boundary) so that a huge value makes no huge
// message. Control bytes are escaped where the message is shown.
inline std::string Quoted(std::string_view value) {
    constexpr std::size_t kLongest = 40;
    if (value.size() <= kLongest) return "\"" + std::string(value) + "\"";
    return "\"" + std::string(value.substr(0, Utf8CutBefore(value, kLongest))) + "...\"";
}

// Walks the text line by line; LF and CRLF ends both work.
class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}
    bool Next(std::string_view& line) {
        if (done_) return false;
        std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) {
            line = rest_;
            done_ = true;
        } else {
            line = rest_.substr(0, end);
            rest_.remove_prefix(end + 1);
        }
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number_;
        return true;
    }
    int Number() const { return number_; }

private:
    std::string_view rest_;
    int number_ = 0;
    bool done_ = false;
};

// Digits only, nothing else; huge values saturate rather than wrap, so they
// end up as unusable values instead of small wrong ones.
inline bool ParseUnsigned(std::string_view s, uint64_t& value) {
    if (s.empty()) return false;
    uint64_t v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        uint64_t digit = static_cast<uint64_t>(c - '0');
        v = v > (UINT64_MAX - digit) / 10 ? UINT64_MAX : v * 10 + digit;
    }
    value = v;
    return true;
}

// A decimal number with up to three fraction digits, as thousandths
// ("10714.25" gives 10714250). False for anything else.
inline bool ParseThousandths(std::string_view s, uint64_t& value) {
    std::size_t point = s.find('.');
    std::string_view whole = s.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : s.substr(point + 1);
    uint64_t w = 0;
    uint64_t f = 0;
    if (!ParseUnsigned(whole, w)) return false;
    if (point != std::string_view::npos) {
        if (fraction.empty() || fraction.size() > 3 || !ParseUnsigned(fraction, f)) return false;
        for (std::size_t i = fraction.size(); i < 3; ++i) f *= 10;
    }
    value = w > (UINT64_MAX - f) / 1000 ? UINT64_MAX : w * 1000 + f;
    return true;
}

}  // namespace velmora::listtext
