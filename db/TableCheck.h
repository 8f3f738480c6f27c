// What is probably wrong with a table: values the edit dialogs would refuse,
// duplicates, dangling references and bytes the meter cannot show. A table
// read from the meter or from someone else's file can hold all of these; the
// window lists them with a row to select, the terminal tool prints them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "db/SatTpDatabase.h"

namespace velmora {

enum class FindingKind {
    LnbUnknownType,        // LNB type above 8
    SatellitePosition,     // position above 3599
    SatelliteNameNotUtf8,  // name bytes that are not well-formed UTF-8
    SatelliteWithoutTps,   // a satellite in use that no transponder refers to
    TpFrequencyRange,      // outside kFrequencyRule (0 included)
    TpSymbolRateRange,     // outside kSymbolRateRule (0 included)
    TpSatelliteNotInUse,   // satIndex at or beyond satCount
    TpDuplicate,           // same satellite and polarisation, within 2 MHz
};

// The table a finding points into, so a window can select that row.
enum class FindingTable { Lnb, Satellite, Tp };

struct TableFinding {
    FindingKind kind;
    FindingTable table;
    int index;         // 0-based row in that table
    int earlierTp;     // the earlier transponder a duplicate repeats; -1 otherwise
    std::string text;  // one line, UTF-8: "TP 12: 19.2E Astra 11362 H 22000: ..."
};

// Every finding, LNBs first, then satellites, then transponders, each table
// in row order and each row's findings in the order of FindingKind. Counts
// outside their arrays are clamped, so any bytes are safe to check. Linear
// in the number of transponders.
std::vector<TableFinding> CheckTable(const SatTpDatabase& db);

// Short stable name of a kind for machine-readable output: "lnb-type",
// "tp-duplicate", ...
const char* FindingKindName(FindingKind kind);

// "lnb", "satellite" or "tp".
const char* FindingTableName(FindingTable table);

// Length of the well-formed UTF-8 sequence at the start of s; 0 when there is none.
std::size_t Utf8SequenceLength(std::string_view s);

// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF).
bool IsUtf8(std::string_view bytes);

// A name as the window shows it, as UTF-8: the bytes themselves when they are
// UTF-8, otherwise each byte as its Latin-1 character. Control characters
// become '?' so the text stays on one line.
std::string NameAsShown(std::string_view bytes);

}  // namespace velmora
