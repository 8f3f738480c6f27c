#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "core/TableCompare.h"
#include "exchange/MergeChanges.h"

namespace velmora {
namespace {

std::unique_ptr<SatTpDatabase> TableOf(std::initializer_list<std::pair<const char*, int>> sats) {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    FillUnusedSatSlots(*db);
    for (auto [name, position] : sats) {
        SatRecord& s = db->satellites[db->satCount++];
        s = SatRecord{};
        SetSatName(s, name, std::strlen(name));
        s.position = static_cast<uint16_t>(position);
    }
    return db;
}

void AddTp(SatTpDatabase& db, int sat, uint32_t mhz, uint32_t ks) {
    db.tps[db.tpCount++] = TpRecord{static_cast<uint16_t>(sat), 0, 0, mhz, ks};
}

SourceSatellite Sat(const char* name, int position,
                    std::initializer_list<std::pair<uint64_t, uint64_t>> tps) {
    SourceSatellite s{name, position, position, 0, {}};
    for (auto [mhz, ks] : tps) s.tps.push_back(SourceTp{mhz * 1000, ks * 1000, SourcePol::H, 0});
    return s;
}

// Replace turns a matched satellite's transponders into removals, changes and
// additions; a satellite whose transponders come back as they were is not
// listed; new ones come last, West positions as West.
TEST(MergeChanges, ReplaceListsAddedRemovedChangedPerSatelliteOnACopy) {
    auto db = TableOf({{"Astra 1KR", 192}, {"Thor", 3590}});
    AddTp(*db, 0, 10714, 22000);
    AddTp(*db, 0, 11494, 22000);
    AddTp(*db, 0, 12603, 22000);
    AddTp(*db, 1, 10778, 27500);
    auto before = std::make_unique<SatTpDatabase>(*db);
    SourceList list{ListFormat::SatellitesXml,
                    {Sat("Thor", 3590, {{10778, 27500}}),
                     Sat("Astra", 192, {{11362, 22000}, {11494, 22000}, {12603, 27500}}),
                     Sat("Hispasat", 3300, {{11731, 27500}})}};
    MergeOptions options;
    options.replace = true;

    MergeChanges changes = PreviewMergeChanges(*db, list, options);

    EXPECT_TRUE(CompareTables(*before, *db).Equal());
    EXPECT_EQ(changes.counts, PreviewMerge(*db, list, options));
    EXPECT_EQ(MergeChangesText(changes),
              "19.2E Astra 1KR: 1 added, 1 removed, 1 changed\n"
              "  + 11362 H 22000\n"
              "  - 10714 H 22000\n"
              "  ~ 12603 H 22000 -> 12603 H 27500\n"
              "30.0W Hispasat (new): 1 added\n"
              "  + 11731 H 27500\n" +
                  MergeSummary(changes.counts) + "\n");
    ASSERT_EQ(changes.satellites.size(), 2u);
    EXPECT_FALSE(changes.satellites[0].isNew);
    EXPECT_TRUE(changes.satellites[1].isNew);
}

// With nearby matching the list's 0.8W goes into the table's 1.0W Thor and
// the text says so; 2.1W is too far. Without it only the same position meets.
TEST(MergeChanges, ANearbyMatchSaysWhichTableSatelliteItMet) {
    auto db = TableOf({{"Thor", 3590}});
    SourceList list{
        ListFormat::SatellitesXml,
        {Sat("0.8W Thor 5/6/7", 3592, {{10778, 27500}}), Sat("Far", 3579, {{11000, 27500}})}};
    MergeOptions options;
    options.matchNearby = true;
    EXPECT_EQ(SatelliteChangesText(PreviewMergeChanges(*db, list, options).satellites),
              "1.0W Thor: 1 added\n"
              "  Thor 5/6/7 0.8W matched 1.0W Thor\n"
              "  + 10778 H 27500\n"
              "2.1W Far (new): 1 added\n"
              "  + 11000 H 27500\n");
    EXPECT_EQ(PreviewMerge(*db, list, {}).satellitesAdded, 2);
}

TEST(MergeChanges, NamesAreEscapedInTheText) {
    auto db = TableOf({});
    SourceList list{ListFormat::SatellitesXml, {Sat("Bad\x1b]0;x\x07", 130, {{11000, 27500}})}};
    std::string text = SatelliteChangesText(PreviewMergeChanges(*db, list, {}).satellites);
    EXPECT_EQ(text.find('\x1b'), std::string::npos) << text;
    EXPECT_NE(text.find("13.0E Bad\\x1b]0;x\\x07 (new)"), std::string::npos) << text;
}

}  // namespace
}  // namespace velmora
