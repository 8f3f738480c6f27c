// The values the edit dialogs accept. The file reader keeps its own, looser
// rules: stored files rely on them.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

struct NumberRule {
    const char* field;  // "Frequency"
    uint32_t min;       // in tenths when decimal is set
    uint32_t max;
    const char* unit;   // "MHz"
    bool decimal;       // one decimal point allowed (longitude)
};

// What the meter can tune through any LNB it knows, C-band to Ka-band: the
// TP dialogs, the table check and the list import share it.
inline constexpr NumberRule kFrequencyRule{"Frequency", 3000, 30000, "MHz", false};
inline constexpr NumberRule kSymbolRateRule{"Symbol rate", 100, 70000, "kS/s", false};
inline constexpr NumberRule kLongitudeRule{"Longitude", 0, 1800, "degrees", true};

// Empty when text is a valid value of the rule, otherwise the message that
// names the field and its range: "Frequency: enter a whole number from 3000
// to 30000 MHz."
std::string CheckNumber(const std::string& text, const NumberRule& rule);

// Empty when a satellite name has at least one character.
std::string CheckSatelliteName(const std::string& name);

}  // namespace velmora
