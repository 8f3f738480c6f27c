// Lenient number parsing shared by the file reader and the edit dialogs:
// leading blanks and a sign are accepted, reading stops at the first
// character that does not fit, and text without digits gives 0.
#pragma once

#include <cstdint>

namespace velmora {

// Integer value of the leading number; saturates instead of overflowing.
int64_t LeadingInteger(const char* text);

// As LeadingInteger, wrapped to 32 bits the way the meter's fields store it.
inline uint32_t LeadingU32(const char* text) {
    return static_cast<uint32_t>(LeadingInteger(text));
}

// Leading decimal number ("19.2" from "19.2E"): digits, a point and a
// fraction, no exponent; correctly rounded and independent of the C locale.
double LeadingDecimal(const char* text);

// Ten times the leading decimal number, kept in single precision as the
// position is before truncation ("19.2E" gives 192.0f). Huge values clamp to
// the float range.
float DecimalTenths(const char* text);

// Truncates a position in tenths toward zero into the 16-bit field.
uint16_t TruncatePosition(float tenths);

// A position in tenths of a degree from a decimal text and a West flag,
// truncated toward zero: "30.0" West gives 3300, "19.25" East gives 192.
uint16_t PositionFromText(const char* degrees, bool west);

}  // namespace velmora
