#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

#include "core/NumberText.h"
#include "core/SatTpDatabase.h"
#include "core/SatTpFile.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::dbtest {
namespace {

// ---- texts ---------------------------------------------------------------

TEST(DatabaseTextTest, Positions) {
    EXPECT_EQ(FormatPosition(0), "0.0E");
    EXPECT_EQ(FormatPosition(192), "19.2E");
    EXPECT_EQ(FormatPosition(1800), "180.0E");
    EXPECT_EQ(FormatPosition(1801), "179.9W");
    EXPECT_EQ(FormatPosition(3300), "30.0W");
    EXPECT_EQ(FormatPosition(3600), "0.0W");
    PositionParts west = PositionText(3592);
    EXPECT_EQ(west.degrees, 0);
    EXPECT_EQ(west.tenth, 8);
    EXPECT_EQ(west.hemisphere, 'W');
}

TEST(DatabaseTextTest, LnbTypesAndDiseqcInputs) {
    EXPECT_EQ(LnbTypeText(0, 10600), "10600");
    EXPECT_EQ(LnbTypeText(1, 0), "9750/10600");
    EXPECT_EQ(LnbTypeText(8, 0), "10700");
    EXPECT_EQ(LnbTypeText(12, 9750), "5150");
    EXPECT_EQ(DiseqcInputText(1, 3), "4");
    EXPECT_EQ(DiseqcInputText(1, 4), "Burst A");
    EXPECT_EQ(DiseqcInputText(1, 5), "Burst B");
    EXPECT_EQ(DiseqcInputText(2, 4), "5");
    EXPECT_EQ(DiseqcInputText(0, 2), "3");
}

TEST(DatabaseTextTest, SatelliteLabels) {
    auto db = NewDatabase();
    AddSatellite(*db, "Astra 1KR", 192, 0);
    AddSatellite(*db, "Hispasat", 3300, 0);
    EXPECT_EQ(SatelliteLabel(*db, 0), "[1] 19.2E Astra 1KR");
    EXPECT_EQ(SatelliteLabel03(*db, 1), "[002] 30.0W Hispasat");
}

// ---- defaults and unused slots -------------------------------------------

// A new table's LNB list as the window shows it (type, power, dish, switch,
// input, 22 kHz) and as sattp.csv carries it ("LNBNo.,LNBFreq,DiSEqC" on the
// line of a satellite on each LNB); the meter gets the same bytes whatever
// the memory held before.
TEST(DatabaseDefaultsTest, NewTableLnbList) {
    auto db = NewDatabase();
    auto onZeroes = NewDatabase();
    std::memset(db->lnbs, 0xEE, sizeof db->lnbs);
    ApplyLnbDefaults(*db);
    ApplyLnbDefaults(*onZeroes);
    std::string shown;
    for (int i = 0; i < LNB_COUNT; ++i) {
        const LnbRecord& l = db->lnbs[i];
        shown += LnbTypeText(l.type, l.loFrequency) + " " + PowerText(l.power) + " " +
                 DishText(l.dish) + " " + DiseqcSwitchText(l.diseqcSwitch) + " " +
                 DiseqcInputText(l.diseqcSwitch, l.diseqcInput) + " " + Tone22kText(l.tone22k) +
                 "\n";
        uint8_t bytes[LNB_RECORD_SIZE], zeroes[LNB_RECORD_SIZE];
        EncodeLnb(l, bytes);
        EncodeLnb(onZeroes->lnbs[i], zeroes);
        EXPECT_EQ(std::memcmp(bytes, zeroes, sizeof bytes), 0) << "LNB " << i + 1;
        AddSatellite(*db, ("S" + std::to_string(i + 1)).c_str(), static_cast<uint16_t>(10 * i), i);
        AddTp(*db, i, 11000, 27500);
    }
    EXPECT_EQ(shown, R"(9750/10600 13/18 Fixed V1.0 1 0/22K
9750/10600 13/18 Fixed V1.0 2 0/22K
9750/10600 13/18 Fixed V1.0 3 0/22K
9750/10600 13/18 Fixed V1.0 4 0/22K
5150 13/18 Fixed V1.0 1 0/22K
5150 13/18 Fixed V1.0 2 0/22K
5150 13/18 Fixed V1.0 3 0/22K
5150 13/18 Fixed V1.0 4 0/22K
9750/10600 13/18 Fixed Off 1 0/22K
5150 13/18 Fixed Off 1 0/22K
9750/10600 13/18 Fixed V1.0 1 0/22K
9750/10600 13/18 Fixed V1.0 1 0/22K
9750/10600 13/18 Fixed V1.0 1 0/22K
9750/10600 13/18 Fixed V1.0 1 0/22K
9750/10600 13/18 Fixed V1.0 1 0/22K
9750/10600 13/18 Fixed V1.0 1 0/22K
)");
    std::string columns;
    std::istringstream lines(SatTpText(*db));
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("S", 0) != 0) continue;
        // name,longitude,LNBNo.,LNBFreq,DiSEqC,...
        std::size_t from = line.find(',', line.find(',') + 1) + 1;
        std::size_t to = line.find(',', line.find(',', line.find(',', from) + 1) + 1);
        columns += line.substr(from, to - from) + " ";
    }
    EXPECT_EQ(columns,
              "1,9750/10600,1 2,9750/10600,2 3,9750/10600,3 4,9750/10600,4 5,5150,1 6,5150,2 "
              "7,5150,3 8,5150,4 9,9750/10600, 10,5150, 11,9750/10600,1 12,9750/10600,1 "
              "13,9750/10600,1 14,9750/10600,1 15,9750/10600,1 16,9750/10600,1 ");
}

TEST(DatabaseDefaultsTest, UnusedSatelliteSlots) {
    auto db = NewDatabase();
    std::memset(db->satellites, 0x41, sizeof db->satellites);
    db->satCount = 2;
    FillUnusedSatSlots(*db);
    EXPECT_EQ(db->satellites[1].name[0], 'A');  // in use: untouched
    for (int i : {2, 299}) {
        EXPECT_EQ(SatName(db->satellites[i]), "-----");
        EXPECT_EQ(db->satellites[i].lnbIndex, 0);
        EXPECT_EQ(db->satellites[i].position, 0);
    }
    db->satellites[299].position = 7;
    db->satCount = 300;
    FillUnusedSatSlots(*db);
    EXPECT_EQ(db->satellites[299].position, 7);
}

// ---- lookups -------------------------------------------------------------

TEST(DatabaseLookupTest, FindTpWithinTwoMegahertz) {
    auto db = NewDatabase();
    AddTp(*db, 1, 10000, 1);
    int tp = AddTp(*db, 1, 11000, 27500);
    AddTp(*db, 1, 11001, 27500);  // later in the table: never the answer
    EXPECT_EQ(FindTp(*db, 1, 11000, 0), tp);
    EXPECT_EQ(FindTp(*db, 1, 10998, 0), tp);
    EXPECT_EQ(FindTp(*db, 1, 11003, 0), 2);
    EXPECT_EQ(FindTp(*db, 1, 11004, 0), -1);
    EXPECT_EQ(FindTp(*db, 1, 10997, 0), -1);
    EXPECT_EQ(FindTp(*db, 1, 11000, 1), -1);
    EXPECT_EQ(FindTp(*db, 0, 11000, 0), -1);
    db->tps[tp].flags = TP_FLAG_VERTICAL | TP_FLAG_UNIQUE;
    EXPECT_EQ(FindTp(*db, 1, 11002, 1), tp);
}

TEST(DatabaseLookupTest, ListSatelliteTpsListsEveryTransponderInTableOrder) {
    auto db = NewDatabase();
    for (int i = 0; i < MAX_TPS; ++i) AddTp(*db, i % 80 == 0 ? 2 : 5, i, 1);
    std::vector<int> list = ListSatelliteTps(*db, 5);
    ASSERT_EQ(list.size(), std::size_t{MAX_TPS - 100});
    EXPECT_EQ(list[0], 1);
    for (std::size_t i = 1; i < list.size(); ++i) ASSERT_LT(list[i - 1], list[i]);
    EXPECT_EQ(ListSatelliteTps(*db, 2).size(), 100u);
    EXPECT_TRUE(ListSatelliteTps(*db, 3).empty());
}

TEST(DatabaseLookupTest, RowsOfTheFilteredList) {
    auto db = NewDatabase();
    AddTp(*db, 0, 1, 1);
    AddTp(*db, 1, 2, 1);
    AddTp(*db, 0, 3, 1);
    EXPECT_EQ(TpIndexForRow(*db, 1, 0), 2);
    EXPECT_EQ(TpIndexForRow(*db, 2, 0), -1);
    EXPECT_EQ(TpIndexForRow(*db, 0, 5), -1);
    EXPECT_EQ(TpIndexForRow(*db, 2, -1), 2);
    EXPECT_EQ(TpIndexForRow(*db, 3, -1), -1);
    EXPECT_EQ(TpIndexForRow(*db, -1, -1), -1);
    EXPECT_EQ(CountTpRows(*db, 0), 2);
    EXPECT_EQ(CountTpRows(*db, -1), 3);
}

// ---- byte layouts --------------------------------------------------------

TEST(DatabaseLayoutTest, RecordsAreLittleEndian) {
    LnbRecord lnb{3, 1, 0, 2, 7, 2, 0x99, 0x55, 0x01020304};
    uint8_t l[LNB_RECORD_SIZE];
    EncodeLnb(lnb, l);
    const uint8_t lExpected[] = {3, 1, 0, 2, 7, 2, 0x99, 0, 4, 3, 2, 1};
    EXPECT_EQ(std::memcmp(l, lExpected, sizeof l), 0);
    LnbRecord lnbBack = DecodeLnb(l);
    EXPECT_EQ(lnbBack.loFrequency, 0x01020304u);
    EXPECT_EQ(lnbBack.reserved, 0x99);
    EXPECT_EQ(lnbBack.padding, 0);

    SatRecord sat{};
    std::memcpy(sat.name, "ABCDEFGHIJKLMNOP", 16);
    sat.lnbIndex = 0xF3;  // a meter's high bits travel back unchanged
    sat.position = 3300;
    uint8_t s[SAT_RECORD_SIZE];
    EncodeSat(sat, s);
    EXPECT_EQ(std::memcmp(s, "ABCDEFGHIJKLMNOP\0\xF3\xE4\x0C", SAT_RECORD_SIZE), 0);
    s[16] = 'X';  // a meter's unterminated name still ends at 16
    SatRecord satBack = DecodeSat(s);
    EXPECT_EQ(SatName(satBack), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(satBack.name[16], '\0');
    EXPECT_EQ(satBack.position, 3300);

    TpRecord tp{0x0102, 0x77, 0x03, 11362, 22000};
    uint8_t t[TP_RECORD_SIZE];
    EncodeTp(tp, t);
    const uint8_t tExpected[] = {2, 1, 0x77, 3, 0x62, 0x2C, 0, 0, 0xF0, 0x55, 0, 0};
    EXPECT_EQ(std::memcmp(t, tExpected, sizeof t), 0);
    TpRecord tpBack = DecodeTp(t);
    EXPECT_EQ(std::memcmp(&tpBack, &tp, sizeof tp), 0);
}

// ---- number rule ---------------------------------------------------------

TEST(NumberTextTest, Integers) {
    EXPECT_EQ(LeadingInteger("  +42abc"), 42);
    EXPECT_EQ(LeadingInteger("-7"), -7);
    EXPECT_EQ(LeadingInteger("x1"), 0);
    EXPECT_EQ(LeadingInteger(""), 0);
    EXPECT_EQ(LeadingInteger(nullptr), 0);
    EXPECT_EQ(LeadingInteger("- 5"), 0);
    EXPECT_EQ(LeadingInteger("99999999999999999999999"), INT64_MAX);
    EXPECT_EQ(LeadingU32("4294967297"), 1u);
    EXPECT_EQ(LeadingU32("-1"), 0xFFFFFFFFu);
}

TEST(NumberTextTest, DecimalsAndPositions) {
    EXPECT_DOUBLE_EQ(LeadingDecimal(" 19.2E"), 19.2);
    EXPECT_DOUBLE_EQ(LeadingDecimal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingDecimal("5."), 5.0);
    EXPECT_DOUBLE_EQ(LeadingDecimal("-1.5"), -1.5);
    EXPECT_DOUBLE_EQ(LeadingDecimal("1e5"), 1.0);  // no exponent
    EXPECT_DOUBLE_EQ(LeadingDecimal("."), 0.0);
    EXPECT_DOUBLE_EQ(LeadingDecimal("1,5"), 1.0);
    EXPECT_EQ(DecimalTenths(std::string(60, '9').c_str()), 3.40282347e38f);
    // Every tenth must survive the single-precision step exactly.
    for (int tenths = 0; tenths <= 3600; ++tenths) {
        std::string text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        ASSERT_EQ(PositionFromText(text.c_str(), false), tenths) << text;
        ASSERT_EQ(PositionFromText(text.c_str(), true), 3600 - tenths) << text;
    }
    EXPECT_EQ(PositionFromText("19.25", false), 192);
    EXPECT_EQ(PositionFromText("-1.0", false), static_cast<uint16_t>(-10));
}

}  // namespace
}  // namespace velmora::dbtest
