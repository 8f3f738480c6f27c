// What a merge would change, satellite by satellite, worked out on a copy of
// the tables: the import command's --dry-run, the import dialog and the
// catalog dialog show it before anything is applied.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"
#include "exchange/ListMerge.h"
#include "exchange/TransponderList.h"

namespace velmora {

// A transponder whose symbol rate (or unique mark) the merge changes.
struct TpChange {
    std::string before;  // "12603 H 22000"
    std::string after;   // "12603 H 27500"
};

// One table satellite the merge touches; transponders as TpText gives them.
struct SatelliteChanges {
    std::string name;       // the table name's bytes
    uint16_t position = 0;  // tenths, West as 3600 - x
    bool isNew = false;
    std::vector<std::string> added;
    std::vector<std::string> removed;  // by replace
    std::vector<TpChange> changed;     // same frequency and polarisation, another rate
    // The source satellites of another position that went into it, within
    // 1.0 degree or by the user's choice: "Thor 5 0.8W".
    std::vector<std::string> matchedFrom;
};

struct MergeChanges {
    MergeCounts counts;
    // In table order, so new satellites come last; satellites whose
    // transponders stay as they were are not listed.
    std::vector<SatelliteChanges> satellites;
};

// The merge of list into a copy of db, and what it changed; db is unchanged.
MergeChanges PreviewMergeChanges(const SatTpDatabase& db, const SourceList& list,
                                 const MergeOptions& options);

// One block per satellite: "19.2E Astra 1KR: 2 added, 1 removed, 1 changed"
// followed by "  Thor 5 0.8W matched 1.0W Thor" for each of matchedFrom, then
// "  + 11362 H 22000", "  - ...", "  ~ 12603 H 22000 -> 12603 H 27500";
// "13.0E Hotbird (new): 45 added". Empty when nothing changes.
std::string SatelliteChangesText(const std::vector<SatelliteChanges>& satellites);

// The blocks followed by the MergeSummary line: what the import command's
// --dry-run prints.
std::string MergeChangesText(const MergeChanges& changes);

}  // namespace velmora
