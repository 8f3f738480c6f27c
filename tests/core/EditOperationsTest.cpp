#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/EditOperations.h"

namespace velmora {
namespace {

using Kind = EditChange::Kind;

// The change an edit returns: its kind and the index it names.
void ExpectChange(const EditChange& change, Kind kind, int index = -1) {
    EXPECT_EQ(change.kind, kind);
    EXPECT_EQ(change.index, index);
    EXPECT_EQ(change.refusal, "");
}

class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        db = std::make_unique<SatTpDatabase>();
        ClearDatabase(*db);
        ApplyLnbDefaults(*db);
    }
    int AddSat(const char* name, uint16_t position, int lnb = 0) {
        SatRecord& s = db->satellites[db->satCount];
        SetSatName(s, name, std::strlen(name));
        s.position = position;
        s.lnbIndex = static_cast<uint8_t>(lnb);
        return db->satCount++;
    }
    int AddRawTp(int sat, uint32_t freq, uint32_t sr, uint8_t flags = 0) {
        TpRecord& t = db->tps[db->tpCount];
        t = TpRecord{};
        t.satIndex = static_cast<uint16_t>(sat);
        t.frequency = freq;
        t.symbolRate = sr;
        t.flags = flags;
        return db->tpCount++;
    }
    TpInput Tp(int sat, const char* freq, int pol = 0, const char* sr = "27500", int lnb = 0) {
        TpInput in;
        in.satellite = sat;
        in.frequency = freq;
        in.symbolRate = sr;
        in.polarisation = pol;
        in.lnb = lnb;
        return in;
    }

    std::unique_ptr<SatTpDatabase> db;
};

// ---- satellite add -------------------------------------------------------

TEST_F(EditTest, AddSatelliteStoresPositionLnbAndCutName) {
    ExpectChange(AddSatellite(*db, {"Twenty-byte-name-xx", "30.0", 1, 4}), Kind::SatAdded, 0);
    ExpectChange(AddSatellite(*db, {"Astra", "19.25", 0, 0}), Kind::SatAdded, 1);
    ASSERT_EQ(db->satCount, 2);
    EXPECT_EQ(SatName(db->satellites[0]), "Twenty-byte-name");
    EXPECT_EQ(db->satellites[0].position, 3300);
    EXPECT_EQ(db->satellites[0].lnbIndex, 4);
    EXPECT_EQ(db->satellites[1].position, 192);
}

TEST_F(EditTest, AddSatelliteAtCapacityChangesNothing) {
    for (int i = 0; i < MAX_SATELLITES; ++i) AddSat("S", 10);
    ExpectChange(AddSatellite(*db, {"One too many", "5", 0, 0}), Kind::None);
    EXPECT_EQ(db->satCount, MAX_SATELLITES);
}

// ---- transponder add / edit / delete -------------------------------------

TEST_F(EditTest, AddTpRefusesDuplicatesWithinTwoMegahertz) {
    AddSat("A", 130);
    AddRawTp(0, 12000, 27500, TP_FLAG_VERTICAL);
    // Vertical, 2 MHz away: a duplicate, and the refusal names the one already there.
    EditChange refused = AddTp(*db, Tp(0, "12002", 0));
    EXPECT_EQ(refused.refusal, "This transponder is already in the table: 12000 V 27500 on 13.0E A.");
    EXPECT_EQ(refused.kind, Kind::None);
    EXPECT_NE(AddTp(*db, Tp(0, "11998", 0)).refusal, "");
    EXPECT_EQ(db->tpCount, 1);
    ExpectChange(AddTp(*db, Tp(0, "12003", 0)), Kind::TpAdded, 1);  // 3 MHz away
    ExpectChange(AddTp(*db, Tp(0, "12002", 1)), Kind::TpAdded, 2);  // other polarisation
    ASSERT_EQ(db->tpCount, 3);
    EXPECT_EQ(db->tps[1].frequency, 12003u);
    EXPECT_EQ(db->tps[2].flags, 0);
}

TEST_F(EditTest, AddTpSetsFlagsAndMovesSatelliteToLnb) {
    AddSat("A", 130, 0);
    TpInput in = Tp(0, " 11538", 0, "22000", 7);
    in.unique = 1;
    AddTp(*db, in);
    ASSERT_EQ(db->tpCount, 1);
    EXPECT_EQ(db->tps[0].flags, TP_FLAG_VERTICAL | TP_FLAG_UNIQUE);
    EXPECT_EQ(db->tps[0].frequency, 11538u);
    EXPECT_EQ(db->tps[0].symbolRate, 22000u);
    EXPECT_EQ(db->satellites[0].lnbIndex, 7);
}

TEST_F(EditTest, AddTpWithoutSatelliteOrWhenFullSaysWhy) {
    EXPECT_EQ(AddTp(*db, Tp(0, "11000")).refusal,
              "Add a satellite first: a transponder belongs to a satellite.");
    EXPECT_EQ(db->tpCount, 0);
    AddSat("A", 130);
    db->tpCount = MAX_TPS;
    EXPECT_EQ(AddTp(*db, Tp(0, "11000")).refusal,
              "The table is full: it holds 8000 transponders.");
    EXPECT_EQ(db->tpCount, MAX_TPS);
}

TEST_F(EditTest, EditTpChangesOnlyWhatTheDialogOwns) {
    AddSat("A", 130);
    AddSat("B", 192);
    AddRawTp(0, 10000, 1000);
    AddRawTp(1, 11000, 2000, TP_FLAG_UNIQUE | 0x40);
    AddRawTp(1, 12000, 3000);
    ExpectChange(EditTp(*db, 2, Tp(0, "12500", 1, "30000", 3)), Kind::TpChanged, 2);
    EXPECT_EQ(db->tps[2].frequency, 12500u);
    EXPECT_EQ(db->tps[2].symbolRate, 30000u);
    EXPECT_EQ(db->tps[2].flags, 0);
    EXPECT_EQ(db->tps[2].satIndex, 1);
    EXPECT_EQ(db->satellites[1].lnbIndex, 3);

    // Bits the dialog does not own stay as they were.
    EditTp(*db, 1, Tp(0, "11000", 0, "2000"));
    EXPECT_EQ(db->tps[1].flags, 0x40 | TP_FLAG_VERTICAL);
}

TEST_F(EditTest, EditsOfNothingChangeNothing) {
    AddSat("A", 130);
    AddRawTp(0, 11000, 27500);
    const auto before = std::make_unique<SatTpDatabase>(*db);
    for (const EditChange& change :
         {EditTp(*db, -1, Tp(0, "1")), EditTp(*db, 1, Tp(0, "1")), DeleteTps(*db, {}),
          DeleteTps(*db, {-1, 1}), DeleteSatellite(*db, -1), DeleteSatellite(*db, 1),
          EditSatellite(*db, 1, {"X", "1.0", 0, 0})}) {
        ExpectChange(change, Kind::None);
    }
    EXPECT_EQ(std::memcmp(before.get(), db.get(), sizeof *before), 0);
}

TEST_F(EditTest, DeleteTpsKeepOrderAndTellOneFromSeveral) {
    AddSat("A", 130);
    AddSat("B", 192);
    for (int i = 0; i < 5; ++i) AddRawTp(i % 2, 10000 + i, 27500, i == 2 ? TP_FLAG_VERTICAL : 0);
    // Filtered to A the rows are tps 0, 2, 4; a row past the end names none.
    EXPECT_EQ(TpsOfRows(*db, {2, 1, 1, 7}, 0), (std::vector<int>{2, 4}));
    EXPECT_EQ(DeleteTpQuestion(db->tps[2]), "Delete the transponder 10002 V 27500?");
    ExpectChange(DeleteTps(*db, {2}), Kind::TpRemoved, 2);
    ASSERT_EQ(db->tpCount, 4);
    const uint32_t expected[] = {10000, 10001, 10003, 10004};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(db->tps[i].frequency, expected[i]);
    ExpectChange(DeleteTps(*db, {0, 3}), Kind::TpsRemoved);
    EXPECT_EQ(db->tpCount, 2);
    EXPECT_EQ(db->tps[1].frequency, 10003u);
}

// ---- satellite delete ----------------------------------------------------

TEST_F(EditTest, DeleteSatelliteRenumbersLaterSatellitesAndTheirTps) {
    for (int i = 0; i < 5; ++i) AddSat(("S" + std::to_string(i)).c_str(), static_cast<uint16_t>(10 + 100 * i));
    for (int i = 0; i < 10; ++i) AddRawTp(i % 5, 10000 + i, 1000);
    EXPECT_EQ(DeleteSatelliteQuestion(*db, 2),
              "Delete the satellite [003] 21.0E S2 and its transponders?");
    const EditChange change = DeleteSatellite(*db, 2);
    ExpectChange(change, Kind::Tables);
    EXPECT_EQ(change.chosenSatellite, -1);
    ASSERT_EQ(db->satCount, 4);
    EXPECT_EQ(SatName(db->satellites[2]), "S3");
    ASSERT_EQ(db->tpCount, 8);
    const uint16_t sats[] = {0, 1, 2, 3, 0, 1, 2, 3};
    const uint32_t freqs[] = {10000, 10001, 10003, 10004, 10005, 10006, 10008, 10009};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(db->tps[i].satIndex, sats[i]) << i;
        EXPECT_EQ(db->tps[i].frequency, freqs[i]) << i;
    }
}

TEST_F(EditTest, DeleteSatelliteQuestionUsesPaddedLabel) {
    AddSat("Alpha", 3300);
    EXPECT_EQ(DeleteSatelliteQuestion(*db, 0),
              "Delete the satellite [001] 30.0W Alpha and its transponders?");
}

// ---- LNB edit ------------------------------------------------------------

TEST_F(EditTest, EditLnbMapsBurstChoicesOnlyForCommittedSwitch) {
    ExpectChange(EditLnb(*db, 3, {2, 3, 0, 1, 17, 2}), Kind::LnbChanged, 3);
    EXPECT_EQ(db->lnbs[3].diseqcInput, 5);
    EXPECT_EQ(DiseqcInputText(db->lnbs[3].diseqcSwitch, db->lnbs[3].diseqcInput), "Burst B");
    EXPECT_EQ(db->lnbs[3].type, 2);
    EXPECT_EQ(db->lnbs[3].power, 3);
    EXPECT_EQ(db->lnbs[3].tone22k, 2);
    EditLnb(*db, 3, {2, 3, 0, 2, 17, 2});
    EXPECT_EQ(db->lnbs[3].diseqcInput, 17);
    EXPECT_EQ(DiseqcInputText(2, 17), "18");
}

TEST_F(EditTest, EditLnbTypeZeroResetsFrequencyAndRowIsClamped) {
    db->lnbs[15].type = 0;
    db->lnbs[15].loFrequency = 5750;
    ExpectChange(EditLnb(*db, 40, {0, 1, 0, 0, 0, 1}), Kind::LnbChanged, 15);
    EXPECT_EQ(db->lnbs[15].loFrequency, 5150u);
}

// ---- sort ----------------------------------------------------------------

std::vector<std::string> SatOrder(const SatTpDatabase& db) {
    std::vector<std::string> names;
    for (int i = 0; i < db.satCount; ++i) names.push_back(SatName(db.satellites[i]));
    return names;
}

TEST_F(EditTest, SortOrdersSatellitesAroundTheArcBothWays) {
    const char* names[] = {"13E", "19E", "30W", "5E"};
    const uint16_t pos[] = {130, 192, 3300, 50};
    for (int round = 0; round < 2; ++round) {
        SetUp();
        // Start from a shuffled table so the sort has work to do.
        const int order[] = {3, 1, 0, 2};
        for (int k : order) AddSat(names[k], pos[k]);
        for (int s = 0; s < 4; ++s) AddRawTp(s, 11000, 27500);
        TpSortSettings settings;
        settings.firstSatellite = 2;  // 13.0E
        settings.direction = round;
        // The chosen satellite, 13.0E, goes first either way.
        const EditChange change = SortTps(*db, settings, 2);
        ExpectChange(change, Kind::Tables);
        EXPECT_EQ(change.chosenSatellite, 0);
        if (round == 0) {
            EXPECT_EQ(SatOrder(*db), (std::vector<std::string>{"13E", "19E", "30W", "5E"}));
        } else {
            EXPECT_EQ(SatOrder(*db), (std::vector<std::string>{"13E", "5E", "30W", "19E"}));
        }
        for (int t = 0; t < 4; ++t) EXPECT_EQ(db->tps[t].satIndex, t);
    }
}

TEST_F(EditTest, SortByPolThenFrequencyAndEmptySatelliteGoesLast) {
    AddSat("A", 100);
    AddSat("Empty", 50);
    AddSat("B", 200);
    AddRawTp(2, 11000, 1);
    AddRawTp(0, 12000, 1, TP_FLAG_UNIQUE);
    AddRawTp(0, 11500, 1, TP_FLAG_VERTICAL);
    AddRawTp(0, 10700, 1, 0);
    AddRawTp(0, 10800, 1, TP_FLAG_VERTICAL);
    AddRawTp(0, 10000, 1, TP_FLAG_UNIQUE | TP_FLAG_VERTICAL);
    TpSortSettings settings;
    settings.key1 = 2;
    settings.key2 = 0;
    EXPECT_EQ(SortTps(*db, settings, -1).chosenSatellite, -1);
    EXPECT_EQ(SatOrder(*db), (std::vector<std::string>{"A", "B", "Empty"}));
    const uint32_t freqs[] = {10700, 10800, 11500, 12000, 10000, 11000};
    const uint16_t sats[] = {0, 0, 0, 0, 0, 1};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(db->tps[i].frequency, freqs[i]) << i;
        EXPECT_EQ(db->tps[i].satIndex, sats[i]) << i;
    }
}

TEST_F(EditTest, CompareTpsTieBreakersFollowTheKeyPairs) {
    AddSat("A", 100);
    TpRecord a{0, 0, 1, 11000, 27500};
    TpRecord b{0, 0, 0, 11000, 27500};
    TpRecord c{0, 0, 0, 11001, 27500};
    TpSortSettings s;
    s.key1 = 0;
    s.key2 = 1;  // frequency, symbol rate, then flags
    EXPECT_GT(CompareTps(*db, s, a, b), 0);
    s.key2 = 2;  // frequency, flags: nothing after
    EXPECT_GT(CompareTps(*db, s, a, b), 0);
    s.key1 = 1;  // symbol rate, flags, then frequency
    EXPECT_LT(CompareTps(*db, s, b, c), 0);
    s.key1 = 2;
    s.key2 = 1;  // flags, symbol rate: frequency does not count
    EXPECT_EQ(CompareTps(*db, s, b, c), 0);
    s.key1 = 0;
    s.key2 = 0;
    EXPECT_EQ(CompareTps(*db, s, a, b), 0);
}

}  // namespace
}  // namespace velmora
