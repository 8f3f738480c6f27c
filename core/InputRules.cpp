#include "core/InputRules.h"

namespace velmora {

namespace {

std::string RangeText(const NumberRule& rule) {
    if (!rule.decimal) {
        return std::string(rule.field) + ": enter a whole number from " + std::to_string(rule.min) +
               " to " + std::to_string(rule.max) + " " + rule.unit + ".";
    }
    auto tenths = [](uint32_t v) { return std::to_string(v / 10) + "." + std::to_string(v % 10); };
    return std::string(rule.field) + ": enter a number from " + tenths(rule.min) + " to " +
           tenths(rule.max) + " " + rule.unit + ", with at most one decimal.";
}

}  // namespace

std::string CheckNumber(const std::string& text, const NumberRule& rule) {
    // Whole part and (for decimals) tenths, counted without overflow: any
    // digit beyond what the range allows already fails.
    uint64_t whole = 0;
    int wholeDigits = 0;
    int tenthDigits = 0;
    uint64_t tenth = 0;
    bool point = false;
    for (char c : text) {
        if (c == '.' && rule.decimal && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (point) {
                tenth = static_cast<uint64_t>(c - '0');
                if (++tenthDigits > 1) return RangeText(rule);
            } else {
                whole = whole * 10 + static_cast<uint64_t>(c - '0');
                if (++wholeDigits > 9) return RangeText(rule);
            }
        } else {
            return RangeText(rule);
        }
    }
    if (wholeDigits == 0) return RangeText(rule);
    uint64_t value = rule.decimal ? whole * 10 + tenth : whole;
    if (value < rule.min || value > rule.max) return RangeText(rule);
    return {};
}

std::string CheckSatelliteName(const std::string& name) {
    if (!name.empty()) return {};
    return "Satellite: enter a name of at least one character.";
}

}  // namespace velmora
