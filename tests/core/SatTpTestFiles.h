// Helpers of the sattp.csv tests: whole-file reads and writes, and the small
// sample database the file tests share.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"
#include "tests/support/ScratchFolder.h"

namespace velmora::dbtest {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

// The database is about 100 kB: on the heap, zero-filled as at process start.
inline std::unique_ptr<SatTpDatabase> NewDatabase() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    return db;
}

inline int AddSatellite(SatTpDatabase& db, const char* name, uint16_t position, int lnb) {
    SatRecord& s = db.satellites[db.satCount];
    SetSatName(s, name, std::strlen(name));
    s.position = position;
    s.lnbIndex = static_cast<uint8_t>(lnb);
    return db.satCount++;
}

inline int AddTp(SatTpDatabase& db, int sat, uint32_t frequency, uint32_t symbolRate,
                 uint8_t flags = 0) {
    TpRecord& t = db.tps[db.tpCount];
    t = TpRecord{};
    t.satIndex = static_cast<uint16_t>(sat);
    t.frequency = frequency;
    t.symbolRate = symbolRate;
    t.flags = flags;
    return db.tpCount++;
}

// Four LNBs, five satellites (the last without TPs) and five TPs.
inline void BuildSampleDatabase(SatTpDatabase& db) {
    ClearDatabase(db);
    ApplyLnbDefaults(db);
    db.lnbs[0].type = 1;  // V1.0 input 0 by default
    db.lnbs[1].type = 1;  // V1.0 input 1 by default
    db.lnbs[2].type = 3;
    db.lnbs[2].diseqcSwitch = 2;
    db.lnbs[2].diseqcInput = 3;
    // LNB 10 keeps its default: type 0 at 5150, no switch.
    int a = AddSatellite(db, "SAT-A", 192, 0);
    int b = AddSatellite(db, "SAT-B", 3300, 1);
    int c = AddSatellite(db, "SAT-C", 1055, 9);
    int d = AddSatellite(db, "SAT-D", 915, 2);
    AddSatellite(db, "SAT-E", 500, 0);
    AddTp(db, a, 11362, 22000);
    AddTp(db, a, 11538, 22000, TP_FLAG_VERTICAL | TP_FLAG_UNIQUE);
    AddTp(db, b, 10882, 27500, TP_FLAG_VERTICAL);
    AddTp(db, c, 3880, 27500);
    AddTp(db, d, 12000, 30000);
}

// "" when both databases hold the same records and counts, otherwise the
// first difference in words, for the failure message.
inline std::string FirstDifference(const SatTpDatabase& a, const SatTpDatabase& b) {
    auto same = [](const auto& x, const auto& y) { return std::memcmp(&x, &y, sizeof x) == 0; };
    for (int i = 0; i < LNB_COUNT; ++i) {
        const LnbRecord& x = a.lnbs[i];
        const LnbRecord& y = b.lnbs[i];
        if (same(x, y)) continue;
        char text[200];
        std::snprintf(text, sizeof text,
                      "lnb %d: type %d/%d power %d/%d dish %d/%d switch %d/%d input %d/%d "
                      "tone %d/%d reserved %d/%d lo %u/%u",
                      i, x.type, y.type, x.power, y.power, x.dish, y.dish, x.diseqcSwitch,
                      y.diseqcSwitch, x.diseqcInput, y.diseqcInput, x.tone22k, y.tone22k,
                      x.reserved, y.reserved, x.loFrequency, y.loFrequency);
        return text;
    }
    if (a.satCount != b.satCount) {
        return "satCount " + std::to_string(a.satCount) + "/" + std::to_string(b.satCount);
    }
    for (int i = 0; i < MAX_SATELLITES; ++i) {
        const SatRecord& x = a.satellites[i];
        const SatRecord& y = b.satellites[i];
        if (same(x, y)) continue;
        return "satellite " + std::to_string(i) + ": '" + SatName(x) + "' " +
               std::to_string(x.position) + " lnb " + std::to_string(x.lnbIndex) + " / '" +
               SatName(y) + "' " + std::to_string(y.position) + " lnb " +
               std::to_string(y.lnbIndex);
    }
    if (a.tpCount != b.tpCount) {
        return "tpCount " + std::to_string(a.tpCount) + "/" + std::to_string(b.tpCount);
    }
    for (int i = 0; i < a.tpCount; ++i) {
        const TpRecord& x = a.tps[i];
        const TpRecord& y = b.tps[i];
        if (same(x, y)) continue;
        return "tp " + std::to_string(i) + ": sat " + std::to_string(x.satIndex) + "/" +
               std::to_string(y.satIndex) + " freq " + std::to_string(x.frequency) + "/" +
               std::to_string(y.frequency) + " sr " + std::to_string(x.symbolRate) + "/" +
               std::to_string(y.symbolRate) + " flags " + std::to_string(x.flags) + "/" +
               std::to_string(y.flags) + " reserved " + std::to_string(x.reserved) + "/" +
               std::to_string(y.reserved);
    }
    return "";
}

inline const char* const kSampleFile =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n"
    "SAT-A,19.2E,1,9750/10600,1,11362,22000,H, ,\r\n"
    ",,,,,11538,22000,V,Y,\r\n"
    "SAT-B,30.0W,2,9750/10600,2,10882,27500,V, ,\r\n"
    "SAT-C,105.5E,10,5150,,3880,27500,H, ,\r\n"
    "SAT-D,91.5E,3,9750/10750,4-V1.1,12000,30000,H, ,\r\n";

}  // namespace velmora::dbtest
