#include "core/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace velmora {

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char* SkipBlanksAndSign(const char* p, bool& negative) {
    while (IsBlank(*p)) ++p;
    negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    return p;
}

}  // namespace

int64_t LeadingInteger(const char* text) {
    if (text == nullptr) return 0;
    bool negative;
    const char* p = SkipBlanksAndSign(text, negative);
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    int64_t value = 0;
    for (; IsDigit(*p); ++p) {
        int digit = *p - '0';
        if (value > (kMax - digit) / 10) {
            value = kMax;
            while (IsDigit(*p)) ++p;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

double LeadingDecimal(const char* text) {
    if (text == nullptr) return 0.0;
    bool negative;
    const char* begin = SkipBlanksAndSign(text, negative);
    const char* p = begin;
    bool digits = false;
    for (; IsDigit(*p); ++p) digits = true;
    if (*p == '.') {
        for (++p; IsDigit(*p); ++p) digits = true;
    }
    if (!digits) return 0.0;
    // from_chars rather than strtod: the GUI runs under the user's locale,
    // where strtod may expect a decimal comma.
    double value = 0.0;
#if defined(__cpp_lib_to_chars)
    auto [end, ec] = std::from_chars(begin, p, value, std::chars_format::fixed);
    (void)end;
    if (ec == std::errc::result_out_of_range) value = std::numeric_limits<double>::max();
#else
    // A standard library without from_chars for doubles (the WebAssembly
    // build's, where the locale is always "C"): strtod reads the same text.
    value = std::strtod(std::string(begin, p).c_str(), nullptr);
    if (value == HUGE_VAL) value = std::numeric_limits<double>::max();
#endif
    return negative ? -value : value;
}

float DecimalTenths(const char* text) {
    // Multiplied in double and rounded once, so "28.2" lands on 282.0f and
    // not on 281.99998f, which truncation would turn into 281.
    double tenths = LeadingDecimal(text) * 10.0;
    constexpr double kMax = std::numeric_limits<float>::max();
    if (tenths > kMax) tenths = kMax;
    if (tenths < -kMax) tenths = -kMax;
    return static_cast<float>(tenths);
}

uint16_t TruncatePosition(float tenths) {
    // Positions outside 0..3600 are stored as the meter would store the
    // 16-bit value; clamping first keeps the float-to-int conversion defined.
    if (!(tenths == tenths)) return 0;
    double t = std::trunc(static_cast<double>(tenths));
    if (t > 2e9) t = 2e9;
    if (t < -2e9) t = -2e9;
    return static_cast<uint16_t>(static_cast<int32_t>(t));
}

uint16_t PositionFromText(const char* degrees, bool west) {
    float v = DecimalTenths(degrees);
    if (west) v = 3600.0f - v;
    return TruncatePosition(v);
}

}  // namespace velmora
