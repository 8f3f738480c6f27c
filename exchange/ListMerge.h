// Merging a transponder list into the meter's table: values rounded to the
// table's units, satellites matched by position and band, duplicates left
// out by the table's own 2 MHz rule, and the table's capacity respected.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"
#include "exchange/TransponderList.h"

namespace velmora {

enum class Band { Ku, C, Ka };

// Where one band of a source satellite goes: a table satellite's index, or
// one of these.
inline constexpr int kTargetNew = -1;        // a new satellite, even beside a match
inline constexpr int kTargetAutomatic = -2;  // the match by position and band, else new

// One target per band, indexed by Band.
using BandTargets = std::array<int, 3>;
inline constexpr BandTargets kAutomaticTargets = {kTargetAutomatic, kTargetAutomatic,
                                                  kTargetAutomatic};

struct MergeOptions {
    // One entry per source satellite, true for those to merge; empty: all.
    std::vector<bool> selected;
    // Delete a matched satellite's transponders before adding the source's.
    bool replace = false;
    // LNB indexes (0..15) of new satellites; -1 takes the default: LNB 1 for
    // Ku, the first LNB record of the band for C and Ka (LNB 1 when the table
    // has none).
    int kuLnb = -1;
    int cBandLnb = -1;
    int kaBandLnb = -1;
    // Per source satellite: the table satellite each band goes into; missing
    // entries, and indexes that name no satellite of the table, are automatic.
    std::vector<BandTargets> targets;
    // Automatic targets take the nearest table satellite of the band within
    // 1.0 degree (NearbySatellites) instead of only one at the same position.
    bool matchNearby = false;
    // Per source satellite: the name its new satellites get instead of the
    // list's (made a table name as the list's is); empty or missing: the list's.
    std::vector<std::string> names;
};

struct MergeCounts {
    int matched = 0;            // source satellites (one per band) that matched one in the table
    int satellitesAdded = 0;
    int transpondersAdded = 0;
    int duplicates = 0;         // within 2 MHz of one already there
    int replaced = 0;           // deleted by replace
    int leftOut = 0;            // no room in the table
    int invalid = 0;            // out of range or no usable polarisation

    bool operator==(const MergeCounts&) const = default;
};

// "matched M, added S satellites and T transponders, D duplicates skipped,
// R replaced, F left out (table full), I invalid": the one sentence the CLI
// prints and the import dialog previews.
std::string MergeSummary(const MergeCounts& counts);

// A source transponder in the table's units, or false when it is unusable:
// a frequency outside kFrequencyRule (3000..30000 MHz, nothing the meter's
// C, Ku and Ka LNBs receive), a symbol rate outside 100..70000 kS/s or no known polarisation.
bool TableTransponder(const SourceTp& source, uint32_t& frequencyMhz, uint32_t& symbolRateKs,
                      bool& vertical);

// The bands of a source satellite's valid transponders (C below 5000 MHz, Ka
// from 17300 MHz, Ku between), in the order of each band's first one. The
// merge takes every band as a source satellite of its own.
std::vector<Band> SourceBands(const SourceSatellite& sat);
// The band of a table satellite, judged by its LNB record (a record with
// type 0 and no local oscillator counts as Ku); a satellite on a Ku LNB whose
// transponders are all Ka-band is a Ka one.
Band TableBand(const SatTpDatabase& db, int satIndex);

// Index of the first table satellite with this position and band; -1: none.
int MatchingSatellite(const SatTpDatabase& db, int position, Band band);

// The table satellites of the band within 1.0 degree of position, nearest
// first: "0.8W Thor" of a list and "1.0W Thor" of the table are one cluster.
std::vector<int> NearbySatellites(const SatTpDatabase& db, int position, Band band);

// The LNB new satellites of the band get by default: LNB 1 (index 0) for
// Ku, the first record of the band for C and Ka, 0 when there is none.
int DefaultLnb(const SatTpDatabase& db, Band band);

// The name a new satellite of the band gets: the source name without its
// leading position text and band word ("C-band", "Ku band"), commas and
// line ends as blanks, cut on a UTF-8 character boundary so that the band's
// ending (" C", " Ka"; none for Ku) fits in 16 bytes. The ending is left out
// when the name's last word already is it ("Galaxy13_C").
std::string TableSatelliteName(const SourceSatellite& sat, Band band);

// A source satellite (one band of it) that went into a satellite the table
// had or the same merge added.
struct MergeMatch {
    std::size_t source = 0;  // index in the list
    int target = 0;          // satellite index
};

// Merges the chosen satellites of list into db and returns the counts; the
// matches go to *matches when given.
MergeCounts MergeTransponderList(SatTpDatabase& db, const SourceList& list,
                                 const MergeOptions& options,
                                 std::vector<MergeMatch>* matches = nullptr);

// The counts the merge would give, worked out on a copy; db is unchanged.
MergeCounts PreviewMerge(const SatTpDatabase& db, const SourceList& list,
                         const MergeOptions& options);

}  // namespace velmora
