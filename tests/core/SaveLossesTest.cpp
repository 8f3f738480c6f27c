#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/InputFile.h"
#include "core/InputRules.h"
#include "core/SaveLosses.h"
#include "core/SatTpFile.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::dbtest {
namespace {

using Losses = std::vector<std::string>;

// The sample with SAT-E (no transponders) given one, so the file keeps it all.
std::unique_ptr<SatTpDatabase> Keepable() {
    auto db = NewDatabase();
    BuildSampleDatabase(*db);
    AddTp(*db, 4, 11000, 27500);
    return db;
}

TEST(SaveLossesTest, AWholeTableLosesNothingEvenInAnotherOrder) {
    auto db = Keepable();
    EXPECT_EQ(DescribeSaveLosses(*db), Losses{});
    std::swap(db->tps[0], db->tps[5]);  // interleaved satellites are only an order
    EXPECT_EQ(DescribeSaveLosses(*db), Losses{});
    // However many transponders a satellite holds, the file lists them all.
    for (int i = 0; i < 1500; ++i) AddTp(*db, 1, 10000 + 2 * i, 27500);
    EXPECT_EQ(DescribeSaveLosses(*db), Losses{});
}

TEST(SaveLossesTest, EachKindOfLossIsNamed) {
    struct Case {
        const char* what;
        void (*change)(SatTpDatabase&);
        Losses expected;
    };
    const Case cases[] = {
        {"LNB settings", [](SatTpDatabase& db) { db.lnbs[3].power = 2; db.lnbs[3].dish = 1; },
         {"the power and dish settings of LNB 4"}},
        {"empty satellites", [](SatTpDatabase& db) { db.tpCount -= 1; },
         {"1 satellite without transponders (SAT-E)"}},
        {"comma in a name", [](SatTpDatabase& db) { SetSatName(db.satellites[0], "A,B", 3); },
         {"the commas and line ends in the names of A,B (written as blanks)"}},
        {"position beyond a circle", [](SatTpDatabase& db) { db.satellites[3].position = 4000; },
         {"the values of 1 transponder (out of the file's range)"}},
    };
    for (const Case& c : cases) {
        auto db = Keepable();
        c.change(*db);
        EXPECT_EQ(DescribeSaveLosses(*db), c.expected) << c.what;
    }
    EXPECT_EQ(SaveLossQuestion({"a", "b"}), "sattp.csv cannot keep: a; b. Save anyway ?");
}

TEST(ReadReasonTest, RefusalsSayWhy) {
    testing::ScratchFolder folder;
    ASSERT_TRUE(WriteBytes(folder.File("logo.bin"), std::string(100, '\x01')));
    auto db = NewDatabase();
    std::string why;
    EXPECT_EQ(ReadSatTpFile(*db, folder.File("logo.bin").c_str(), &why), -1);
    EXPECT_EQ(why, "is not a sattp.csv table: no header line");
    EXPECT_EQ(ReadSatTpFile(*db, folder.Path().c_str(), &why), -1);
    EXPECT_EQ(why, "is a folder");
    EXPECT_EQ(ReadSatTpFile(*db, folder.File("none.csv").c_str(), &why), -1);
    EXPECT_EQ(why, "cannot be read: No such file or directory");
    // A device never ends; a file over the limit is refused before it is read.
    EXPECT_EQ(ReadSatTpFile(*db, "/dev/zero", &why), -1);
    EXPECT_EQ(why, "is not a regular file");
    std::string big = "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization\n";
    big.resize(SATTP_FILE_MAX_BYTES + 1, '\n');
    ASSERT_TRUE(WriteBytes(folder.File("big.csv"), big));
    EXPECT_EQ(ReadSatTpFile(*db, folder.File("big.csv").c_str(), &why), -1);
    EXPECT_EQ(why, "is larger than 4 MB (4194305 bytes)");
}

TEST(InputRulesTest, DialogValuesAreDigitsInRange) {
    struct Case {
        const char* text;
        const NumberRule& rule;
        bool ok;
    };
    const Case cases[] = {
        {"11362", kFrequencyRule, true},   {"12abc3", kFrequencyRule, false},
        {"", kFrequencyRule, false},       {"0", kFrequencyRule, false},
        {"30001", kFrequencyRule, false},  {"2999", kFrequencyRule, false},  {"99999999999", kSymbolRateRule, false},
        {"99", kSymbolRateRule, false},    {"70000", kSymbolRateRule, true},
        {"180.0", kLongitudeRule, true},   {"999.9", kLongitudeRule, false},
        {"19.25", kLongitudeRule, false},  {"1.2.3", kLongitudeRule, false},
        {"000.0", kLongitudeRule, true},   {"-5", kLongitudeRule, false},
    };
    for (const Case& c : cases) EXPECT_EQ(CheckNumber(c.text, c.rule).empty(), c.ok) << c.text;
    EXPECT_EQ(CheckNumber("x", kFrequencyRule),
              "Frequency: enter a whole number from 3000 to 30000 MHz.");
    EXPECT_EQ(CheckNumber("x", kLongitudeRule),
              "Longitude: enter a number from 0.0 to 180.0 degrees, with at most one decimal.");
    EXPECT_FALSE(CheckSatelliteName("").empty());
}

}  // namespace
}  // namespace velmora::dbtest
