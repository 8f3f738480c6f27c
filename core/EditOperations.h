// The table edits behind the form's TP, SAT and LNB buttons. They change the
// database and return what they changed; dialogs collect their inputs and the
// session its questions beforehand. Whether the tables differ from the file is
// the session's history's to say, not theirs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"

namespace velmora {

// What an edit changed, for the session to show: the edits take the table
// indexes they act on and ask nothing; the session asks its questions first.
struct EditChange {
    enum class Kind {
        None,        // nothing changed (nothing to act on, or refused)
        SatAdded,    // satellite `index` was appended
        SatChanged,  // satellite `index` changed in place
        TpAdded,     // a transponder was put in at table index `index`; those behind moved up one
        TpChanged,   // transponder `index` changed in place
        TpRemoved,   // transponder `index` went; those behind moved down one
        TpsRemoved,  // several transponders went
        LnbChanged,  // LNB `index` changed
        Tables,      // satellites renumbered: the tree and the list are shown anew
    };
    Kind kind = Kind::None;
    int index = -1;
    // Tables: the satellite the tree chooses afterwards, -1 for all of them.
    int chosenSatellite = -1;
    // Why nothing was changed, a sentence for the user; empty otherwise.
    std::string refusal;
};

struct SatAddInput {
    std::string name;       // bytes; cut to 16
    std::string longitude;  // decimal degrees text
    int hemisphere = 0;     // 0 East, 1 West
    int lnb = 0;            // 0..15
};

struct TpInput {
    int satellite = 0;  // add only
    int lnb = 0;        // 0..15
    std::string frequency;
    std::string symbolRate;
    int polarisation = 0;  // 0 vertical, 1 horizontal
    int unique = 0;        // 0 no, 1 yes
};

struct LnbInput {
    int type = 0;    // 0..8, 0 offered as "5150"
    int power = 0;   // 0..3
    int dish = 0;    // 0..1
    int sw = 0;      // 0..2
    int input = 0;   // 0..15 inputs 1..16, 16 Burst A, 17 Burst B
    int tone = 0;    // 0..2
};

struct TpSortSettings {
    int firstSatellite = 0;
    int direction = 0;  // 0 West->East, 1 East->West
    int key1 = 0;       // 0 Frequency, 1 Symbolrate, 2 Pol
    int key2 = 1;
};

EditChange AddSatellite(SatTpDatabase& db, const SatAddInput& in);
// Deletes satellite satIndex and its transponders; later satellites move down one.
EditChange DeleteSatellite(SatTpDatabase& db, int satIndex);
// Adds the transponder after its satellite's own, or refuses (a duplicate, no
// satellite, a full table).
EditChange AddTp(SatTpDatabase& db, const TpInput& in);
// Why no transponder can be added now (no satellite, a full table), or empty.
std::string AddTpRefusal(const SatTpDatabase& db);
EditChange EditTp(SatTpDatabase& db, int tpIndex, const TpInput& in);
// The distinct transponders of these list rows, ascending.
std::vector<int> TpsOfRows(const SatTpDatabase& db, const std::vector<int>& rows, int satFilter);
// Deletes these transponders (distinct table indexes); one is TpRemoved.
EditChange DeleteTps(SatTpDatabase& db, const std::vector<int>& tpIndexes);
// Changes satellite satIndex in place: name, position and LNB.
EditChange EditSatellite(SatTpDatabase& db, int satIndex, const SatAddInput& in);
// lnbIndex is clamped to the table's 16 LNBs.
EditChange EditLnb(SatTpDatabase& db, int lnbIndex, const LnbInput& in);
// Sorts the transponders and orders the satellites by them; the change
// chooses where chosenSatellite (-1: none) went.
EditChange SortTps(SatTpDatabase& db, const TpSortSettings& settings, int chosenSatellite);

// Negative when a goes first, positive when b goes first, 0 when equal.
int CompareTps(const SatTpDatabase& db, const TpSortSettings& settings, const TpRecord& a,
               const TpRecord& b);

// The question texts of the deletes (two trailing blanks included).
std::string DeleteTpQuestion(const TpRecord& tp);
std::string DeleteTpsQuestion(int count);
std::string DeleteSatelliteQuestion(const SatTpDatabase& db, int satIndex);

}  // namespace velmora
