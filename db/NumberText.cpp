#include "db/NumberText.h"

#include <cmath>
#include <limits>

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

float LeadingDecimal(const char* text) {
    if (text == nullptr) return 0.0f;
    bool negative;
    const char* p = SkipBlanksAndSign(text, negative);
    double value = 0.0;
    for (; IsDigit(*p); ++p) value = value * 10.0 + (*p - '0');
    if (*p == '.') {
        double scale = 0.1;
        for (++p; IsDigit(*p); ++p, scale /= 10.0) value += (*p - '0') * scale;
    }
    if (value > std::numeric_limits<float>::max()) value = std::numeric_limits<float>::max();
    return static_cast<float>(negative ? -value : value);
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
    float v = LeadingDecimal(degrees) * 10.0f;
    if (west) v = 3600.0f - v;
    return TruncatePosition(v);
}

}  // namespace velmora
