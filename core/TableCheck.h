// What is probably wrong with a table: values the edit dialogs would refuse,
// duplicates, dangling references and bytes the meter cannot show. A table
// read from the meter or from someone else's file can hold all of these; the
// window lists them with a row to select, the terminal tool prints them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/SatTpDatabase.h"

namespace velmora {

enum class FindingKind {
    LnbUnknownType,        // LNB type above 8
    SatellitePosition,     // position above 3599
    SatelliteNameNotUtf8,  // name bytes that are not well-formed UTF-8
    SatelliteWithoutTps,   // a satellite in use that no transponder refers to
    TpFrequencyRange,      // outside kFrequencyRule (0 included)
    TpSymbolRateRange,     // outside kSymbolRateRule (0 included)
    TpOutsideLnb,          // a frequency its satellite's LNB cannot bring to the meter
    TpSatelliteNotInUse,   // satIndex at or beyond satCount
    TpDuplicate,           // same satellite and polarisation, within 2 MHz
};

struct TableFinding {
    FindingKind kind;
    TableKind table;   // the table it points into, so a window can select that row
    int index;         // 0-based row in that table
    int earlierTp;     // the earlier transponder a duplicate repeats; -1 otherwise
    std::string text;  // one line, UTF-8: "TP 12: 19.2E Astra 11362 H 22000: ..."
};

// Every finding, LNBs first, then satellites, then transponders, each table
// in row order and each row's findings in the order of FindingKind. Counts
// outside their arrays are clamped, so any bytes are safe to check. Linear
// in the number of transponders.
std::vector<TableFinding> CheckTable(const SatTpDatabase& db);

// The frequencies an LNB record brings into the meter's tuner, in MHz: Ku
// types from the low LO + 950 to the high LO + 2150 (universal 10700..12750),
// C-band types 3400..4200, an LO of its own (type 0) its 950..2150 MHz band
// above (below for a C-band LO under 6000). False for an LNB whose band is
// not known: type 0 without an LO, or a type above 8.
bool LnbReceiveRange(const LnbRecord& lnb, uint32_t& lowMhz, uint32_t& highMhz);

// Short stable name of a kind for machine-readable output: "lnb-type",
// "tp-duplicate", ...
const char* FindingKindName(FindingKind kind);

}  // namespace velmora
