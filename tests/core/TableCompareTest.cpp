#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/TableCompare.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

void AddSat(SatTpDatabase& db, const std::string& name, uint16_t position, uint8_t lnb = 0) {
    SatRecord& s = db.satellites[db.satCount++];
    SetSatName(s, name.data(), name.size());
    s.position = position;
    s.lnbIndex = lnb;
}

void AddTp(SatTpDatabase& db, int sat, uint32_t frequency, bool vertical, uint32_t symbolRate) {
    db.tps[db.tpCount++] =
        TpRecord{static_cast<uint16_t>(sat), 0,
                 static_cast<uint8_t>(vertical ? TP_FLAG_VERTICAL : 0), frequency, symbolRate};
}

// Three public satellites with a few of their well-known transponders.
std::unique_ptr<SatTpDatabase> Base() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    AddSat(*db, "Astra", 192);
    AddSat(*db, "Hot Bird", 130, 1);
    AddSat(*db, "Hispasat", 3300);
    AddTp(*db, 0, 11362, false, 22000);
    AddTp(*db, 0, 11494, false, 22000);
    AddTp(*db, 1, 10992, true, 27500);
    AddTp(*db, 1, 11034, true, 27500);
    AddTp(*db, 2, 12092, false, 27500);
    return db;
}

Lines LinesOf(const TableComparison& c) {
    Lines lines;
    for (const TableDifference& d : c.differences) lines.push_back(DifferenceLine(d));
    return lines;
}

void RemoveTp(SatTpDatabase& db, int i) {
    for (int k = i; k + 1 < db.tpCount; ++k) db.tps[k] = db.tps[k + 1];
    --db.tpCount;
}

struct Case {
    const char* name;
    std::function<void(SatTpDatabase&)> edit;
    Lines lines;
    bool orderDiffers = false;
};

class CompareTablesCase : public ::testing::TestWithParam<Case> {};

TEST_P(CompareTablesCase, ListsEachDifferenceOnceInTableOrder) {
    auto before = Base();
    auto after = Base();
    GetParam().edit(*after);
    TableComparison c = CompareTables(*before, *after);
    EXPECT_EQ(LinesOf(c), GetParam().lines);
    EXPECT_EQ(c.orderDiffers, GetParam().orderDiffers);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, CompareTablesCase,
    ::testing::Values(
        Case{"Same", [](SatTpDatabase&) {}, {}},
        Case{"TpAdded",
             [](SatTpDatabase& db) { AddTp(db, 0, 11538, true, 22000); },
             {"+ TP  19.2E Astra  11538 V 22000"}},
        Case{"TpRemoved",
             [](SatTpDatabase& db) { RemoveTp(db, 1); },
             {"- TP  19.2E Astra  11494 H 22000"}},
        Case{"SymbolRate",
             [](SatTpDatabase& db) { db.tps[2].symbolRate = 29900; },
             {"~ TP  13.0E Hot Bird  10992 V 27500 -> 29900"}},
        Case{"UniqueMark",
             [](SatTpDatabase& db) { db.tps[4].flags |= TP_FLAG_UNIQUE; },
             {"~ TP  30.0W Hispasat  12092 H 27500 -> 27500 unique"}},
        // Frequency and polarisation identify a transponder: a new one.
        Case{"Polarisation",
             [](SatTpDatabase& db) { db.tps[1].flags |= TP_FLAG_VERTICAL; },
             {"- TP  19.2E Astra  11494 H 22000", "+ TP  19.2E Astra  11494 V 22000"}},
        Case{"SatLnb",
             [](SatTpDatabase& db) { db.satellites[2].lnbIndex = 4; },
             {"~ SAT 30.0W Hispasat  LNB 1 -> LNB 5"}},
        // A satellite that moved is another satellite, with other transponders.
        Case{"SatMoved",
             [](SatTpDatabase& db) { db.satellites[2].position = 3310; },
             {"- SAT 30.0W Hispasat", "+ SAT 29.0W Hispasat", "- TP  30.0W Hispasat  12092 H 27500",
              "+ TP  29.0W Hispasat  12092 H 27500"}},
        Case{"SatAddedBetween",
             [](SatTpDatabase& db) {
                 db.satellites[3] = db.satellites[2];
                 SetSatName(db.satellites[2], "Eutelsat 7", 10);
                 db.satellites[2].position = 70;
                 db.satCount = 4;
                 db.tps[4].satIndex = 3;
             },
             {"+ SAT 7.0E Eutelsat 7"}},
        Case{"Lnb",
             [](SatTpDatabase& db) {
                 db.lnbs[2].type = 3;
                 db.lnbs[5].power = 3;
             },
             {"~ LNB 3  9750/10600 -> 9750/10750", "~ LNB 6  5150 power 13/18 -> 5150 power 18V"}},
        Case{"TpsReordered", [](SatTpDatabase& db) { std::swap(db.tps[0], db.tps[3]); }, {}, true},
        Case{"SatsReordered",
             [](SatTpDatabase& db) {
                 std::swap(db.satellites[0], db.satellites[1]);
                 for (int i = 0; i < db.tpCount; ++i) db.tps[i].satIndex ^= db.tps[i].satIndex < 2;
             },
             {},
             true},
        // Two equal transponders pair one to one; the second copy is new.
        Case{"Duplicate",
             [](SatTpDatabase& db) { AddTp(db, 1, 10992, true, 27500); },
             {"+ TP  13.0E Hot Bird  10992 V 27500"}},
        Case{"Emptied",
             [](SatTpDatabase& db) {
                 db.satCount = 1;
                 db.tpCount = 0;
             },
             {"- SAT 13.0E Hot Bird", "- SAT 30.0W Hispasat", "- TP  19.2E Astra  11362 H 22000",
              "- TP  19.2E Astra  11494 H 22000", "- TP  13.0E Hot Bird  10992 V 27500",
              "- TP  13.0E Hot Bird  11034 V 27500", "- TP  30.0W Hispasat  12092 H 27500"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CompareTables, AllSixteenLnbSlotsAreCompared) {
    auto before = Base();
    auto after = Base();
    for (int i = 0; i < LNB_COUNT; ++i) {
        after->lnbs[i].type = 0;
        after->lnbs[i].loFrequency = 9000 + i;
    }
    TableComparison c = CompareTables(*before, *after);
    ASSERT_EQ(c.differences.size(), 16u);
    EXPECT_EQ(DifferenceLine(c.differences[15]), "~ LNB 16  9750/10600 -> 9015");
    // With type 0 only the LO frequency counts; other types ignore it.
    before->lnbs[0].loFrequency = 1;
    after = Base();
    EXPECT_TRUE(CompareTables(*before, *after).Equal());
}

TEST(CompareTables, NonAsciiNamesAreMatchedAndShownAsTheirBytes) {
    auto before = Base();
    auto after = Base();
    const std::string turksat = "T\xC3\xBCrksat 4A";  // UTF-8
    const std::string latin1 = "T\xFCrksat 4A";       // the same name from an older file
    AddSat(*before, turksat, 420);
    AddSat(*after, turksat, 420);
    EXPECT_TRUE(CompareTables(*before, *after).Equal());
    SetSatName(after->satellites[3], latin1.data(), latin1.size());
    EXPECT_EQ(LinesOf(CompareTables(*before, *after)),
              (Lines{"- SAT 42.0E " + turksat, "+ SAT 42.0E " + latin1}));
}

TEST(CompareTables, DifferencesCarryTheRecordsAndCountTextAgrees) {
    auto before = Base();
    auto after = Base();
    after->tps[3].symbolRate = 30000;
    TableComparison c = CompareTables(*before, *after);
    ASSERT_EQ(c.differences.size(), 1u);
    const TableDifference& d = c.differences[0];
    EXPECT_EQ(d.kind, TableKind::Tp);
    EXPECT_EQ(d.change, DiffChange::Changed);
    EXPECT_EQ(d.oldIndex, 3);
    EXPECT_EQ(d.newIndex, 3);
    EXPECT_EQ(d.tpBefore.symbolRate, 27500u);
    EXPECT_EQ(d.tpAfter.symbolRate, 30000u);
    EXPECT_EQ(SatName(d.satAfter), "Hot Bird");
    EXPECT_EQ(DifferenceCountText(1), "1 difference");
    EXPECT_EQ(DifferenceCountText(3), "3 differences");
}

TEST(CompareTables, CountsOutsideTheLimitsAndStrayIndexesStayInside) {
    auto before = Base();
    auto after = Base();
    after->satCount = 5000;  // 297 blank slots join
    after->tps[0].satIndex = 65535;
    EXPECT_EQ(CompareTables(*before, *after).differences.size(), 297u + 2u);
    before->tpCount = -3;
    EXPECT_EQ(CompareTables(*before, *after).differences.size(), 297u + 5u);
}

}  // namespace
}  // namespace velmora
