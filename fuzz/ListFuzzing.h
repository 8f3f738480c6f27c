// Shared body of the transponder-list fuzz targets: parse the bytes in one
// forced format, merge what was read into a small table and check that the
// table stays well-formed; a refused input must leave no satellites behind.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "exchange/ListMerge.h"
#include "exchange/SatellitesXmlWriter.h"

namespace velmora::fuzzing {

inline void Check(bool condition) {
    if (!condition) __builtin_trap();
}

inline void CheckTable(const SatTpDatabase& db) {
    Check(db.satCount >= 0 && db.satCount <= MAX_SATELLITES);
    Check(db.tpCount >= 0 && db.tpCount <= MAX_TPS);
    for (int t = 0; t < db.tpCount; ++t) {
        Check(db.tps[t].satIndex < db.satCount);
        Check(db.tps[t].frequency != 0 && db.tps[t].symbolRate != 0);
    }
    for (int s = 0; s < db.satCount; ++s) {
        Check(db.satellites[s].lnbIndex < LNB_COUNT);
        Check(db.satellites[s].position < 3600);
        Check(db.satellites[s].name[SAT_NAME_BYTES] == '\0');
    }
}

inline const SatTpDatabase& BaseTable() {
    static SatTpDatabase db = [] {
        SatTpDatabase d;
        ClearDatabase(d);
        ApplyLnbDefaults(d);
        FillUnusedSatSlots(d);
        const struct {
            const char* name;
            uint16_t position;
            uint8_t lnb;
        } sats[] = {{"Astra", 192, 0}, {"Badr C", 260, 4}, {"Hispasat", 3300, 1}};
        for (const auto& s : sats) {
            SatRecord& r = d.satellites[d.satCount++];
            SetSatName(r, s.name, std::strlen(s.name));
            r.position = s.position;
            r.lnbIndex = s.lnb;
        }
        for (uint32_t f = 10700; f < 12750; f += 10)
            d.tps[d.tpCount++] = TpRecord{static_cast<uint16_t>(f % 3), 0, 0, f, 27500};
        return d;
    }();
    return db;
}

inline int RunOne(const uint8_t* data, size_t size, ListFormat format, const std::string& name) {
    static SatTpDatabase db;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SourceList list;
    ListError error;
    if (!ParseTransponderList(bytes, name, {format, -1}, list, error)) {
        Check(list.satellites.empty());
        Check(error.line >= 0 && !error.message.empty() && error.file == name);
        return 0;
    }
    for (const SourceSatellite& s : list.satellites) Check(s.position >= 0 && s.position < 3600);
    for (bool replace : {false, true}) {
        db = BaseTable();
        MergeOptions options;
        options.replace = replace;
        MergeCounts preview = PreviewMerge(db, list, options);
        MergeCounts counts = MergeTransponderList(db, list, options);
        Check(preview == counts);
        CheckTable(db);
        Check(db.tpCount == BaseTable().tpCount + counts.transpondersAdded - counts.replaced);
    }
    // What was merged exports to a file that reads back.
    std::string xml = SatellitesXml(db);
    SourceList back;
    Check(ParseTransponderList(xml, "export.xml", {ListFormat::SatellitesXml, -1}, back, error));
    return 0;
}

}  // namespace velmora::fuzzing
