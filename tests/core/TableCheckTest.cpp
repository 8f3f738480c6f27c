#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "core/TableCheck.h"

namespace velmora {
namespace {

// Two satellites and four transponders that are all fine: the same frequency
// in both polarisations, 3 MHz apart, and a near frequency on another
// satellite are no duplicates.
std::unique_ptr<SatTpDatabase> CleanTable() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    auto sat = [&](const char* name, uint16_t position) {
        SatRecord& s = db->satellites[db->satCount++];
        SetSatName(s, name, std::strlen(name));
        s.position = position;
    };
    sat("Astra", 192);
    sat("Hotbird", 130);
    FillUnusedSatSlots(*db);
    auto tp = [&](uint16_t s, uint32_t f, uint8_t flags, uint32_t sr) {
        db->tps[db->tpCount++] = TpRecord{s, 0, flags, f, sr};
    };
    tp(0, 11362, 0, 22000);
    tp(0, 11362, TP_FLAG_VERTICAL, 22000);
    tp(1, 11364, 0, 27500);
    tp(0, 11365, 0, 22000);
    return db;
}

// "tp 4 tp-duplicate <0 | TP 5: ...": where a finding points, and its text.
std::vector<std::string> Describe(const std::vector<TableFinding>& found) {
    std::vector<std::string> out;
    for (const TableFinding& f : found) {
        std::string line = std::string(TableKindName(f.table)) + " " + std::to_string(f.index) +
                           " " + FindingKindName(f.kind);
        if (f.earlierTp >= 0) line += " <" + std::to_string(f.earlierTp);
        out.push_back(line + " | " + f.text);
    }
    return out;
}

void AddTp(SatTpDatabase& db, uint16_t sat, uint32_t f, uint32_t sr = 27500) {
    db.tps[db.tpCount++] = TpRecord{sat, 0, 0, f, sr};
}

TEST(TableCheckTest, EachKindOfFindingPointsAtItsRow) {
    struct Case {
        const char* what;
        std::function<void(SatTpDatabase&)> change;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"clean", [](SatTpDatabase&) {}, {}},
        {"range limits are fine",
         [](SatTpDatabase& db) {
             db.tps[0].frequency = 12750;
             db.tps[0].symbolRate = 100;
             db.tps[1].frequency = 10700;
             db.tps[1].symbolRate = 70000;
             db.lnbs[2].type = 8;
             db.satellites[1].position = 3599;
         },
         {}},
        {"values outside the dialogs' ranges",
         [](SatTpDatabase& db) {
             db.tps[0].frequency = 0;
             db.tps[1].frequency = 30001;
             db.tps[2].symbolRate = 0;
             db.tps[3].symbolRate = 70001;
         },
         {"tp 0 tp-frequency | TP 1: 19.2E Astra 0 H 22000: frequency 0 is outside 3000..30000 MHz",
          "tp 1 tp-frequency | "
          "TP 2: 19.2E Astra 30001 V 22000: frequency 30001 is outside 3000..30000 MHz",
          "tp 2 tp-symbol-rate | "
          "TP 3: 13.0E Hotbird 11364 H 0: symbol rate 0 is outside 100..70000 kS/s",
          "tp 3 tp-symbol-rate | "
          "TP 4: 19.2E Astra 11365 H 70001: symbol rate 70001 is outside 100..70000 kS/s"}},
        {"duplicates name the first match in table order, not the nearest",
         [](SatTpDatabase& db) {
             AddTp(db, 0, 11364);  // 2 MHz from TP 1, 1 MHz from TP 4
             AddTp(db, 0, 11367);  // 2 MHz from TP 4 only
             AddTp(db, 0, 11368);  // 3 MHz from TP 4, 1 MHz from TP 6
         },
         {"tp 4 tp-duplicate <0 | "
          "TP 5: 19.2E Astra 11364 H 27500: duplicate of TP 1 (11362 H 22000)",
          "tp 5 tp-duplicate <3 | "
          "TP 6: 19.2E Astra 11367 H 27500: duplicate of TP 4 (11365 H 22000)",
          "tp 6 tp-duplicate <5 | "
          "TP 7: 19.2E Astra 11368 H 27500: duplicate of TP 6 (11367 H 27500)"}},
        {"duplicates at the ends of the frequency range stay apart",
         [](SatTpDatabase& db) {
             AddTp(db, 1, 0xFFFFFFFFu, 27500);
             AddTp(db, 1, 1, 27500);
             AddTp(db, 1, 0xFFFFFFFEu, 27500);
         },
         {"tp 4 tp-frequency | "
          "TP 5: 13.0E Hotbird 4294967295 H 27500: frequency 4294967295 is outside 3000..30000 MHz",
          "tp 5 tp-frequency | TP 6: 13.0E Hotbird 1 H 27500: frequency 1 is outside 3000..30000 MHz",
          "tp 6 tp-frequency | "
          "TP 7: 13.0E Hotbird 4294967294 H 27500: frequency 4294967294 is outside 3000..30000 MHz",
          "tp 6 tp-duplicate <4 | "
          "TP 7: 13.0E Hotbird 4294967294 H 27500: duplicate of TP 5 (4294967295 H 27500)"}},
        {"frequencies the satellite's LNB cannot receive",
         [](SatTpDatabase& db) {
             AddTp(db, 0, 21000);  // Ka on a universal LNB
             db.satellites[1].lnbIndex = 4;
             db.lnbs[4].type = 4;  // C-band 5150V/5750H
             AddTp(db, 1, 4200);
             AddTp(db, 1, 3399);
         },
         {"tp 2 tp-lnb | TP 3: 13.0E Hotbird 11364 H 27500: LNB 5 (5150V/5750H) receives "
          "3400..4200 MHz only",
          "tp 4 tp-lnb | TP 5: 19.2E Astra 21000 H 27500: LNB 1 (9750/10600) receives "
          "10700..12750 MHz only",
          "tp 6 tp-lnb | TP 7: 13.0E Hotbird 3399 H 27500: LNB 5 (5150V/5750H) receives "
          "3400..4200 MHz only"}},
        {"satellite not in use",
         [](SatTpDatabase& db) { db.tps[1].satIndex = 5; },
         {"tp 1 tp-satellite | "
          "TP 2: SAT 6 11362 V 22000: SAT 6 is not in use (the table has 2 satellites)"}},
        {"satellite without transponders",
         [](SatTpDatabase& db) {
             db.satCount = 3;
             SetSatName(db.satellites[2], "Eutelsat", 8);
             db.satellites[2].position = 3300;
         },
         {"sat 2 satellite-without-tps | SAT 3: 30.0W Eutelsat: no transponders"}},
        {"name in Latin-1",
         [](SatTpDatabase& db) { SetSatName(db.satellites[1], "T\xFCrksat\x01", 8); },
         {"sat 1 satellite-name | "
          "SAT 2: 13.0E T\xC3\xBCrksat?: name has bytes that are not UTF-8 "
          "(54 fc 72 6b 73 61 74 01)"}},
        {"name in UTF-8",
         [](SatTpDatabase& db) { SetSatName(db.satellites[1], "T\xC3\xBCrksat", 8); },
         {}},
        {"tables in order, a row's findings in the order of their kinds",
         [](SatTpDatabase& db) {
             db.tps[0].satIndex = 7;
             db.tps[0].symbolRate = 0;
             db.tps[0].frequency = 0;
             db.satellites[1].position = 3600;
             db.lnbs[0].type = 9;
         },
         {"lnb 0 lnb-type | LNB 1: unknown type 9 (shown as 5150)",
          "sat 1 satellite-position | "
          "SAT 2: 0.0W Hotbird: position 3600 is above 3599 tenths of a degree (shown as 0.0W)",
          "tp 0 tp-frequency | "
          "TP 1: SAT 8 0 H 0: frequency 0 is outside 3000..30000 MHz",
          "tp 0 tp-symbol-rate | "
          "TP 1: SAT 8 0 H 0: symbol rate 0 is outside 100..70000 kS/s",
          "tp 0 tp-satellite | "
          "TP 1: SAT 8 0 H 0: SAT 8 is not in use (the table has 2 satellites)"}},
    };
    for (const Case& c : cases) {
        auto db = CleanTable();
        c.change(*db);
        EXPECT_EQ(Describe(CheckTable(*db)), c.expected) << c.what;
    }
}

TEST(TableCheckTest, CountsOutsideTheArraysAreClamped) {
    auto db = CleanTable();
    db->satCount = -3;
    db->tpCount = MAX_TPS + 5;
    // No satellite in use: every transponder slot points at one that is not.
    std::vector<TableFinding> found = CheckTable(*db);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.back().index, MAX_TPS - 1);
    db->satCount = MAX_SATELLITES + 1;
    db->tpCount = -1;
    EXPECT_EQ(CheckTable(*db).size(), static_cast<std::size_t>(MAX_SATELLITES));
}

}  // namespace
}  // namespace velmora
