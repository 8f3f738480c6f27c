#include "sim/SampleTables.h"

#include <string>

namespace velmora::sim {

void FillSampleTables(SatTpDatabase& db, int satellites, int tps) {
    ClearDatabase(db);
    ApplyLnbDefaults(db);
    for (int i = 0; i < satellites; ++i) {
        std::string name = "Satellite " + std::to_string(i);
        SetSatName(db.satellites[i], name.c_str(), name.size());
        db.satellites[i].lnbIndex = static_cast<uint8_t>(i % LNB_COUNT);
        db.satellites[i].position = static_cast<uint16_t>(i * 12 % 3600);
    }
    db.satCount = satellites;
    for (int i = 0; i < tps; ++i) {
        db.tps[i] = TpRecord{static_cast<uint16_t>(satellites > 0 ? i % satellites : 0), 0,
                             static_cast<uint8_t>(i % 2), static_cast<uint32_t>(10700 + i % 2050),
                             static_cast<uint32_t>(22000 + i % 8000)};
    }
    db.tpCount = tps;
}

}  // namespace velmora::sim
