#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <cstring>
#include <memory>
#include <string>

#include "core/MessageText.h"

#include "exchange/ListMerge.h"
#include "exchange/SatellitesXmlWriter.h"

namespace velmora {
namespace {

constexpr int kKuLnb = 0;  // defaults: LNB 1 is 9750/10600
constexpr int kCLnb = 4;   // the first record with a 5150 LO

std::unique_ptr<SatTpDatabase> EmptyTable() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    FillUnusedSatSlots(*db);
    return db;
}

int AddSat(SatTpDatabase& db, const char* name, int position, int lnb) {
    SatRecord& s = db.satellites[db.satCount];
    s = SatRecord{};
    SetSatName(s, name, std::strlen(name));
    s.position = static_cast<uint16_t>(position);
    s.lnbIndex = static_cast<uint8_t>(lnb);
    return db.satCount++;
}

void AddTp(SatTpDatabase& db, int sat, uint32_t mhz, bool vertical) {
    db.tps[db.tpCount++] = TpRecord{static_cast<uint16_t>(sat), 0,
                                    static_cast<uint8_t>(vertical ? TP_FLAG_VERTICAL : 0), mhz,
                                    27500};
}

SourceTp Tp(uint64_t khz, SourcePol pol = SourcePol::H, uint64_t sr = 27500000) {
    return SourceTp{khz, sr, pol, 0};
}

SourceSatellite Sat(std::string name, int position, std::vector<SourceTp> tps) {
    SourceSatellite s;
    s.name = std::move(name);
    s.position = s.givenPosition = position;
    s.tps = std::move(tps);
    return s;
}

SourceList List(std::vector<SourceSatellite> sats) {
    SourceList l;
    l.format = ListFormat::SatellitesXml;
    l.satellites = std::move(sats);
    return l;
}

// ---- values and names ----------------------------------------------------

TEST(ListMerge, ValuesRoundHalvesUpAndPolarisationsFold) {
    struct Case {
        SourceTp tp;
        bool valid = false;
        uint32_t mhz = 0;
        uint32_t ks = 0;
        bool vertical = false;
    } cases[] = {
        {.tp = Tp(11459500), .valid = true, .mhz = 11460, .ks = 27500},
        {.tp = Tp(11459499, SourcePol::V),
         .valid = true,
         .mhz = 11459,
         .ks = 27500,
         .vertical = true},
        {.tp = Tp(3880000, SourcePol::L, 27499500), .valid = true, .mhz = 3880, .ks = 27500},
        {.tp = Tp(2999500, SourcePol::R, 99500),
         .valid = true,
         .mhz = 3000,
         .ks = 100,
         .vertical = true},
        {.tp = Tp(30000499, SourcePol::H, 70000499), .valid = true, .mhz = 30000, .ks = 70000},
        // S-band and lower, and a dvbv5 frequency written in MHz.
        {.tp = Tp(2999499)},
        {.tp = Tp(12207)},
        {.tp = Tp(30000500)},
        {.tp = Tp(11459000, SourcePol::H, 99499)},
        {.tp = Tp(11459000, SourcePol::H, 80000)},
        {.tp = Tp(11459000, SourcePol::H, 70000500)},
        {.tp = Tp(11459000, SourcePol::Missing)},
        {.tp = Tp(11459000, SourcePol::Unknown)},
        {.tp = Tp(UINT64_MAX)},
    };
    for (const Case& c : cases) {
        uint32_t mhz = 0, ks = 0;
        bool vertical = false;
        EXPECT_EQ(TableTransponder(c.tp, mhz, ks, vertical), c.valid)
            << c.tp.frequency << ' ' << c.tp.symbolRate;
        if (!c.valid) continue;
        EXPECT_EQ(mhz, c.mhz);
        EXPECT_EQ(ks, c.ks);
        EXPECT_EQ(vertical, c.vertical);
    }
}

TEST(ListMerge, NewSatelliteNames) {
    struct Case {
        const char* source;
        Band band;
        const char* table;
    } cases[] = {
        {.source = "19.2E Astra 1N/1P", .band = Band::Ku, .table = "Astra 1N/1P"},
        {.source = "18.0W C-band Intelsat 37e", .band = Band::C, .table = "Intelsat 37e C"},
        {.source = "177.0W C-band NSS 9", .band = Band::C, .table = "NSS 9 C"},
        {.source = "26.0E C-band", .band = Band::C, .table = "C-band C"},
        {.source = "25.5E ka BAND  Yahsat", .band = Band::Ka, .table = "Yahsat Ka"},
        {.source = "13.0E Ku-band Hot Bird", .band = Band::Ku, .table = "Hot Bird"},
        // The word is dropped, the band comes from the transponders.
        {.source = "5.0E S-band x", .band = Band::Ku, .table = "x"},
        {.source = "C-bandit", .band = Band::Ku, .table = "C-bandit"},
        {.source = "Galaxy13_C", .band = Band::C, .table = "Galaxy13_C"},
        {.source = "Yahsat-KA", .band = Band::Ka, .table = "Yahsat-KA"},
        {.source = "26.0E C-band Badr, Arabsat", .band = Band::C, .table = "Badr  Arabsat C"},
        {.source = "Intelsat 901 at 27.5W", .band = Band::C, .table = "Intelsat 901 a C"},
        {.source = "Intelsat 901 at 27.5W", .band = Band::Ka, .table = "Intelsat 901 Ka"},
        {.source = "13E", .band = Band::Ku, .table = "13E"},
        {.source = "Line\r\nend", .band = Band::Ku, .table = "Line  end"},
        // 15 ASCII bytes then a two-byte character: cut before it.
        {.source = "0.8W Thor 5/6/7 and 1\xC3\xA9", .band = Band::Ku, .table = "Thor 5/6/7 and 1"},
        {.source = "Hispasat \xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", .band = Band::Ku,
         .table = "Hispasat \xC3\xA9\xC3\xA9\xC3\xA9"},
        {.source = "Hispasat \xC3\xA9\xC3\xA9\xC3\xA9", .band = Band::Ka,
         .table = "Hispasat \xC3\xA9\xC3\xA9 Ka"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TableSatelliteName(Sat(c.source, 0, {}), c.band), c.table) << c.source;
    }
}

// ---- matching, bands and new satellites ----------------------------------

TEST(ListMerge, CBandAndKuAtOnePositionStayApart) {
    auto db = EmptyTable();
    int ku = AddSat(*db, "Badr Ku", 260, kKuLnb);
    MergeCounts counts = MergeTransponderList(
        *db,
        List({Sat("26.0E C-band Badr", 260, {Tp(3880000), Tp(4000000, SourcePol::R)}),
              Sat("26.0E Badr", 260, {Tp(11900000)}),
              Sat("25.5E Ka-band", 255, {Tp(19700000), Tp(20200000)})}),
        {});
    EXPECT_EQ(counts, (MergeCounts{.matched = 1, .satellitesAdded = 2, .transpondersAdded = 5}));
    ASSERT_EQ(db->satCount, 3);
    EXPECT_EQ(SatName(db->satellites[1]), "Badr C");
    EXPECT_EQ(SatName(db->satellites[2]), "Ka-band Ka");
    EXPECT_EQ(db->satellites[1].lnbIndex, kCLnb);
    EXPECT_EQ(db->satellites[1].position, 260);
    EXPECT_EQ(db->satellites[2].lnbIndex, kKuLnb);
    EXPECT_EQ(db->tps[2].satIndex, ku);
    EXPECT_EQ(db->tps[2].frequency, 11900u);
    EXPECT_EQ(db->tps[0].flags, 0);
    EXPECT_EQ(db->tps[1].flags, TP_FLAG_VERTICAL);
}

// A dvbv5 list names no band: its C-band transponders must not end up on a
// Ku LNB beside the Ku ones.
TEST(ListMerge, EachBandOfOneSourceSatelliteMergesOnItsOwn) {
    SourceSatellite badr = Sat("26.0E Badr", 260, {Tp(11900000), Tp(20200000), Tp(3800000),
                                                   Tp(3944000), Tp(1000), Tp(12000000)});
    EXPECT_EQ(SourceBands(badr), (std::vector<Band>{Band::Ku, Band::Ka, Band::C}));
    auto db = EmptyTable();
    int ku = AddSat(*db, "Badr", 260, kKuLnb);
    MergeCounts counts = MergeTransponderList(*db, List({badr}), {});
    EXPECT_EQ(
        counts,
        (MergeCounts{.matched = 1, .satellitesAdded = 2, .transpondersAdded = 5, .invalid = 1}));
    ASSERT_EQ(db->satCount, 3);
    EXPECT_EQ(SatName(db->satellites[1]), "Badr Ka");
    EXPECT_EQ(db->satellites[1].lnbIndex, kKuLnb);
    EXPECT_EQ(SatName(db->satellites[2]), "Badr C");
    EXPECT_EQ(db->satellites[2].lnbIndex, kCLnb);
    EXPECT_EQ(db->satellites[2].position, 260);
    int perSat[3] = {};
    for (int t = 0; t < db->tpCount; ++t) ++perSat[db->tps[t].satIndex];
    EXPECT_EQ(perSat[ku], 2);
    EXPECT_EQ(perSat[1], 1);
    EXPECT_EQ(perSat[2], 2);
    // Every part that meets its table satellite counts as matched; the Ka
    // satellite on a Ku LNB is known by its transponders, so the same list
    // again adds nothing.
    counts = MergeTransponderList(*db, List({badr}), {});
    EXPECT_EQ(counts, (MergeCounts{.matched = 3, .duplicates = 5, .invalid = 1}));
    // A Ka LNB of the user's choice, or the table's first Ka record by default.
    for (int chosen : {-1, 11}) {
        auto fresh = EmptyTable();
        fresh->lnbs[6] = LnbRecord{0, 1, 0, 0, 0, 0, 0, 0, 19250};
        MergeOptions options;
        options.kaBandLnb = chosen;
        MergeTransponderList(*fresh, List({badr}), options);
        EXPECT_EQ(fresh->satellites[1].lnbIndex, chosen < 0 ? 6 : chosen);
        EXPECT_EQ(TableBand(*fresh, 1), Band::Ka);
    }
}

TEST(ListMerge, TableBandFollowsTheLnbRecord) {
    auto db = EmptyTable();
    struct Case {
        uint8_t type;
        uint32_t lo;
        Band band;
    } cases[] = {{4, 0, Band::C},      {5, 0, Band::C},     {0, 5150, Band::C},
                 {0, 5999, Band::C},   {0, 0, Band::Ku},    {0, 6000, Band::Ku}, {0, 15000, Band::Ka},
                 {1, 20000, Band::Ku}, {9, 5150, Band::Ku}};
    AddSat(*db, "x", 0, 0x32);  // the high bits of the LNB byte are not the record
    for (const Case& c : cases) {
        db->lnbs[2].type = c.type;
        db->lnbs[2].loFrequency = c.lo;
        EXPECT_EQ(TableBand(*db, 0), c.band) << int{c.type} << ' ' << c.lo;
    }
}

TEST(ListMerge, SeveralListsOfOnePositionMergeIntoOneNewSatellite) {
    auto db = EmptyTable();
    MergeOptions options;
    options.kuLnb = 8;
    MergeCounts counts = MergeTransponderList(
        *db,
        List({Sat("19.2E Astra 1KR", 192, {Tp(11494000), Tp(11495000)}),  // second: duplicate
              Sat("Empty", 100, {Tp(0)}),                                 // nothing valid: not added
              Sat("19.2E Astra 1N", 192, {Tp(11494000, SourcePol::V), Tp(11523000)})}),
        options);
    EXPECT_EQ(counts, (MergeCounts{.matched = 1,
                                   .satellitesAdded = 1,
                                   .transpondersAdded = 3,
                                   .duplicates = 1,
                                   .invalid = 1}));
    ASSERT_EQ(db->satCount, 1);
    EXPECT_EQ(db->satellites[0].lnbIndex, 8);
    EXPECT_EQ(db->tpCount, 3);
}

TEST(ListMerge, OnlyTheSelectedSatellites) {
    auto db = EmptyTable();
    MergeOptions options;
    options.selected = {false, true};
    MergeCounts counts = MergeTransponderList(
        *db, List({Sat("a", 10, {Tp(11000000)}), Sat("b", 20, {Tp(12000000)})}), options);
    EXPECT_EQ(counts.satellitesAdded, 1);
    EXPECT_EQ(db->satellites[0].position, 20);
}

TEST(ListMerge, NearbySatellitesAreTheBandsClusterNearestFirst) {
    auto db = EmptyTable();
    int thor = AddSat(*db, "Thor", 3590, kKuLnb);      // 1.0W
    AddSat(*db, "Amos", 40, kKuLnb);                   // 4.0E: too far
    int thorC = AddSat(*db, "Thor C", 3592, kCLnb);    // same place, C band
    int eastOf = AddSat(*db, "East of 0", 1, kKuLnb);  // 0.1E, across 0.0
    struct Case {
        int position;
        Band band;
        std::vector<int> found;
    };
    const Case cases[] = {
        {.position = 3592, .band = Band::Ku, .found = {thor, eastOf}},  // 0.8W
        {.position = 3592, .band = Band::C, .found = {thorC}},
        {.position = 1800, .band = Band::Ku, .found = {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NearbySatellites(*db, c.position, c.band), c.found) << c.position;
}

TEST(ListMerge, TheUsersTargetAndNameWinOverTheMatch) {
    auto db = EmptyTable();
    int thor = AddSat(*db, "Thor", 3590, kKuLnb);
    int astra = AddSat(*db, "Astra", 192, kKuLnb);
    MergeOptions options;
    options.targets = {{thor, kTargetAutomatic, kTargetAutomatic},  // 0.8W into 1.0W
                       {kTargetNew, kTargetNew, kTargetNew},        // beside its match
                       {250, 250, 250}};                            // no such satellite
    options.names = {"", "Astra 2nd", ""};
    MergeCounts counts = MergeTransponderList(
        *db,
        List({Sat("0.8W", 3592, {Tp(10778000)}), Sat("19.2E Astra", 192, {Tp(11494000)}),
              Sat("19.2E Astra", 192, {Tp(11600000)})}),
        options);
    EXPECT_EQ(counts.matched, 2);
    EXPECT_EQ(counts.satellitesAdded, 1);
    ASSERT_EQ(db->satCount, 3);
    EXPECT_STREQ(db->satellites[2].name, "Astra 2nd");
    int perSat[3] = {};
    for (int t = 0; t < db->tpCount; ++t) ++perSat[db->tps[t].satIndex];
    EXPECT_EQ(perSat[thor], 1);
    EXPECT_EQ(perSat[astra], 1);  // the stale index fell back to the match
    EXPECT_EQ(perSat[2], 1);
}

// ---- duplicates and replace ----------------------------------------------

TEST(ListMerge, DuplicatesWithinTwoMegahertzOfTheSamePolarisation) {
    auto db = EmptyTable();
    int astra = AddSat(*db, "Astra", 192, kKuLnb);
    AddTp(*db, astra, 11494, false);
    MergeCounts counts = MergeTransponderList(
        *db,
        List({Sat("Astra", 192,
                  {Tp(11496000), Tp(11492000), Tp(11497000), Tp(11494000, SourcePol::V)})}),
        {});
    EXPECT_EQ(counts, (MergeCounts{.matched = 1, .transpondersAdded = 2, .duplicates = 2}));
    EXPECT_EQ(db->tps[1].frequency, 11497u);
    EXPECT_EQ(db->tps[2].flags, TP_FLAG_VERTICAL);
}

TEST(ListMerge, ReplaceClearsAMatchedSatelliteOnceAndKeepsTheOthersInOrder) {
    auto db = EmptyTable();
    int hotbird = AddSat(*db, "Hot Bird", 130, kKuLnb);
    int astra = AddSat(*db, "Astra", 192, kKuLnb);
    AddTp(*db, astra, 10000, false);
    AddTp(*db, hotbird, 11000, false);
    AddTp(*db, astra, 10100, false);
    AddTp(*db, hotbird, 11100, true);
    MergeOptions options;
    options.replace = true;
    MergeCounts counts = MergeTransponderList(
        *db,
        List({Sat("13.0E Hot Bird 13B", 130, {Tp(11000000), Tp(12000000)}),
              Sat("13.0E Hot Bird 13C", 130, {Tp(12500000)})}),
        options);
    EXPECT_EQ(counts, (MergeCounts{.matched = 2, .transpondersAdded = 3, .replaced = 2}));
    ASSERT_EQ(db->tpCount, 5);
    uint32_t expected[] = {10000, 10100, 11000, 12000, 12500};
    for (int t = 0; t < 5; ++t) EXPECT_EQ(db->tps[t].frequency, expected[t]);
    EXPECT_EQ(SatName(db->satellites[hotbird]), "Hot Bird");
}

// ---- capacity ------------------------------------------------------------

TEST(ListMerge, FullTablesLeaveOutWholeSatellitesAndSingleTransponders) {
    auto db = EmptyTable();
    for (int s = 0; s < MAX_SATELLITES; ++s) AddSat(*db, "s", s, kKuLnb);
    MergeCounts counts = MergeTransponderList(
        *db, List({Sat("new", 1000, {Tp(11000000), Tp(12000000), Tp(0)}),
                   Sat("old", 5, {Tp(11000000)})}),
        {});
    EXPECT_EQ(counts,
              (MergeCounts{.matched = 1, .transpondersAdded = 1, .leftOut = 2, .invalid = 1}));
    EXPECT_EQ(db->satCount, MAX_SATELLITES);

    db = EmptyTable();
    int sat = AddSat(*db, "s", 10, kKuLnb);
    for (int t = 0; t < MAX_TPS - 1; ++t) AddTp(*db, sat, 5000 + 5 * (t % 1500), false);
    counts = MergeTransponderList(
        *db, List({Sat("s", 10, {Tp(13000000), Tp(5000000), Tp(14000000)}),
                   Sat("new", 20, {Tp(11000000)})}),
        {});
    EXPECT_EQ(counts,
              (MergeCounts{.matched = 1, .transpondersAdded = 1, .duplicates = 1, .leftOut = 2}));
    EXPECT_EQ(db->tpCount, MAX_TPS);
    EXPECT_EQ(db->satCount, 1);
}

// ---- export --------------------------------------------------------------

TEST(SatellitesXmlWriter, ExportReadsBackToTheSameTable) {
    auto db = EmptyTable();
    int badr = AddSat(*db, "Badr & \"Arab\"", 260, kCLnb);
    int west = AddSat(*db, "Hispasat\xE9", 3300, kKuLnb);
    AddSat(*db, "no transponders", 450, kKuLnb);
    AddTp(*db, west, 11000, true);
    AddTp(*db, badr, 3880, false);
    AddTp(*db, west, 12000, false);
    std::string xml = SatellitesXml(*db);
    EXPECT_NE(xml.find("<sat name=\"26.0E Badr &amp; &quot;Arab&quot;\" flags=\"0\" "
                       "position=\"260\">"),
              std::string::npos);
    EXPECT_NE(xml.find("name=\"30.0W Hispasat\xC3\xA9\" flags=\"0\" position=\"-300\""),
              std::string::npos);
    EXPECT_NE(xml.find("<transponder frequency=\"11000000\" symbol_rate=\"27500000\" "
                       "polarization=\"1\" fec_inner=\"0\"/>"),
              std::string::npos);
    EXPECT_EQ(xml.find("no transponders"), std::string::npos);

    SourceList list;
    ListError error;
    ASSERT_TRUE(ParseTransponderList(xml, "out.xml", {}, list, error)) << ErrorText(error);
    auto back = EmptyTable();
    MergeCounts counts = MergeTransponderList(*back, list, {});
    EXPECT_EQ(counts, (MergeCounts{.satellitesAdded = 2, .transpondersAdded = 3}));
    ASSERT_EQ(back->satCount, 2);
    EXPECT_EQ(back->satellites[0].position, 260);
    EXPECT_EQ(back->satellites[1].position, 3300);
    EXPECT_EQ(SatName(back->satellites[0]), "Badr & \"Arab\" C");
    for (int t = 0; t < 3; ++t) {
        const TpRecord& a = back->tps[t];
        int original = FindTp(*db, a.satIndex == 0 ? badr : west, a.frequency,
                              a.flags & TP_FLAG_VERTICAL);
        ASSERT_GE(original, 0);
        EXPECT_EQ(db->tps[original].frequency, a.frequency);
        EXPECT_EQ(db->tps[original].symbolRate, a.symbolRate);
    }
}

// Names typed on the meter or read from old tables may hold anything; the
// file must parse with a strict reader all the same.
TEST(SatellitesXmlWriter, NamesOnlyEverGiveCharactersXmlAllows) {
    auto db = EmptyTable();
    const char* names[] = {"a\xEF\xBF\xBE\xEF\xBF\xBF", "b\x01\x1b\x7f\t\n", "c\xff\xed\xa0\xa1"};
    for (const char* name : names) AddTp(*db, AddSat(*db, name, 100, kKuLnb), 11000, false);
    std::string xml = SatellitesXml(*db);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8));
    int sats = 0;
    for (pugi::xml_node sat : doc.child("satellites").children("sat")) {
        std::string name = sat.attribute("name").value();
        ++sats;
        // Well-formed UTF-8 without control characters, U+FFFE or U+FFFF.
        EXPECT_EQ(EscapeControls(name), name);
        EXPECT_EQ(name.find("\xEF\xBF\xBE"), std::string::npos);
        EXPECT_EQ(name.find("\xEF\xBF\xBF"), std::string::npos);
    }
    EXPECT_EQ(sats, 3);
}

}  // namespace
}  // namespace velmora
