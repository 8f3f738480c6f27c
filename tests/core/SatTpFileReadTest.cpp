#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/MessageText.h"
#include "core/SatTpFile.h"
#include "tests/core/SatTpTestFiles.h"
#include "core/SatTpFile.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::dbtest {
namespace {

const std::string kHeader =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n";

class ReadSatTpFileTest : public ::testing::Test {
protected:
    // Writes text to a file and reads it into db, what it passed over into report.
    int Read(const std::string& text) {
        std::string path = folder.File("in.csv");
        EXPECT_TRUE(WriteBytes(path, text));
        return ReadSatTpFile(*db, path.c_str(), nullptr, &report);
    }
    // Reads the header plus the given data lines.
    void ReadLines(const std::string& lines) { ASSERT_EQ(Read(kHeader + lines), 0); }

    const SatRecord& Sat(int i) const { return db->satellites[i]; }
    const TpRecord& Tp(int i) const { return db->tps[i]; }
    const LnbRecord& Lnb(int i) const { return db->lnbs[i]; }

    testing::ScratchFolder folder;
    std::unique_ptr<SatTpDatabase> db = NewDatabase();
    SatTpReadReport report;
};

using Texts = std::vector<std::string>;

// ---- header and failures -------------------------------------------------

TEST_F(ReadSatTpFileTest, FailuresLeaveTheDatabaseUntouched) {
    BuildSampleDatabase(*db);
    db->lnbs[7].reserved = 0x5A;
    auto before = NewDatabase();
    *before = *db;

    EXPECT_EQ(ReadSatTpFile(*db, nullptr), -1);
    EXPECT_EQ(ReadSatTpFile(*db, folder.File("missing.csv").c_str()), -1);
    EXPECT_EQ(ReadSatTpFile(*db, folder.Path().c_str()), -1);  // a folder
    EXPECT_EQ(Read(""), -1);
    EXPECT_EQ(Read("SAT-A,19.2E,1,9750/10600,1,11362,22000,H, ,\r\n"), -1);
    // The header must sit within one 511-byte piece of a line.
    EXPECT_EQ(Read(std::string(500, 'x') + kHeader + "A,1.0E,1,,,1,1,H,,\r\n"), -1);
    EXPECT_EQ(FirstDifference(*db, *before), "");
}

TEST_F(ReadSatTpFileTest, HeaderOnlyGivesEmptyTablesAndDefaults) {
    BuildSampleDatabase(*db);
    ASSERT_EQ(Read(kHeader), 0);

    auto expected = NewDatabase();
    ApplyLnbDefaults(*expected);
    FillUnusedSatSlots(*expected);
    EXPECT_EQ(FirstDifference(*db, *expected), "");
    EXPECT_EQ(SatName(Sat(0)), "-----");
    EXPECT_EQ(SatName(Sat(299)), "-----");
}

TEST_F(ReadSatTpFileTest, HeaderIsFoundAnywhereAndOlderEightColumnFilesRead) {
    ASSERT_EQ(Read("Orvane table export\r\n"
                   "# name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization;\n"
                   "SAT-A,19.2E,1,9750/10600,1,11362,22000,V\r\n"
                   ",,,,,11538,22000,H\n"),
              0);
    ASSERT_EQ(db->satCount, 1);
    ASSERT_EQ(db->tpCount, 2);
    EXPECT_EQ(Tp(0).flags, TP_FLAG_VERTICAL);  // "V\r\n" runs to the line end
    EXPECT_EQ(Tp(1).flags, 0);
}

// ---- lines and fields ----------------------------------------------------

TEST_F(ReadSatTpFileTest, LinesWithFewerThanSevenCommasAreIgnored) {
    ReadLines("\r\n"
              "; comment, with, a few, commas\r\n"
              "A,1.0E,1,,,100,200\r\n"        // six commas
              "B,2.0E,1,,,300,400,V\r\n");  // seven
    ASSERT_EQ(db->satCount, 1);
    EXPECT_EQ(SatName(Sat(0)), "B");
    EXPECT_EQ(Tp(0).frequency, 300u);
    // Blank lines pass in silence.
    EXPECT_EQ(report.Lines(), (Texts{"line 3: 4 columns, the header has 9; skipped",
                                     "line 4: 7 columns, the header has 9; skipped"}));
}

TEST_F(ReadSatTpFileTest, LongLinesAreReadIn511BytePieces) {
    std::string first = "A,19.2E,1,,,11362,22000,H,Y,";
    first += std::string(511 - first.size(), 'z');  // after the ninth field: ignored
    ReadLines(first + "B,13.0E,2,,,12000,27500,V, ,\r\n");
    ASSERT_EQ(db->satCount, 2);
    EXPECT_EQ(SatName(Sat(1)), "B");
    EXPECT_EQ(Sat(1).position, 130);
    EXPECT_EQ(db->tpCount, 2);
    EXPECT_EQ(report.Lines(),
              Texts{"line 2: longer than 511 bytes; the rest is read as a line of its own"});
}

TEST_F(ReadSatTpFileTest, FieldOf64BytesIgnoresTheWholeLine) {
    ReadLines(std::string(64, 'N') + ",5.0E,3,10750,2,1,1,V,Y,\r\n" +  // ignored entirely
              std::string(63, 'M') + ",6.0E,1,,,2,2,H, ,\r\n");
    ASSERT_EQ(db->satCount, 1);
    EXPECT_EQ(SatName(Sat(0)), std::string(16, 'M'));
    EXPECT_EQ(Sat(0).position, 60);
    EXPECT_EQ(Lnb(2).type, 1);  // the ignored line changed nothing
    EXPECT_EQ(report.Lines(), Texts{"line 2: name \"" + std::string(20, 'N') +
                                    "...\" is 64 bytes long (63 at most); skipped"});
}

TEST_F(ReadSatTpFileTest, WhatIsPassedOverIsReportedByLine) {
    const std::string a = "A,1.0E,1,,,100,100,H, ,\r\n";
    const std::string tp = ",,,,,200,200,H, ,\r\n";
    const std::string b = "B,2.0E,1,,,300,300,H, ,\r\n";
    struct Case {
        std::string lines;
        Texts report;
        int tpsOfA;
    } cases[] = {
        // The transponders of a skipped satellite never join the one before.
        {.lines = a + std::string(70, 'N') + ",9.0E,1,,,1,1,H, ,\r\n" + tp + tp + b,
         .report = {"line 3: name \"" + std::string(20, 'N') +
                        "...\" is 70 bytes long (63 at most); skipped",
                    "lines 4 to 5: 2 transponders of the satellite on line 3; skipped"},
         .tpsOfA = 1},
        {.lines = std::string(64, 'N') + ",9.0E,1,,,1,1,H, ,\r\n" + tp + a,
         .report = {"line 2: name \"" + std::string(20, 'N') +
                        "...\" is 64 bytes long (63 at most); skipped",
                    "line 3: 1 transponder of the satellite on line 2; skipped"},
         .tpsOfA = 1},
        // A skipped transponder line is that line only.
        {.lines = a + ",,,,,4294967297,1,H, ,\r\n" + tp,
         .report = {"line 3: frequency \"4294967297\" does not fit in 32 bits; skipped"},
         .tpsOfA = 2},
        {.lines = a + "C,3.0E,1,-2147483649,,1,1,H, ,\r\n" + tp + b,
         .report = {"line 3: LNBFreq \"-2147483649\" does not fit in 32 bits; skipped",
                    "line 4: 1 transponder of the satellite on line 3; skipped"},
         .tpsOfA = 1},
        // Quoted bytes cannot act on a terminal.
        {.lines = a + ",,,,,1,1,V\x1b]0;title\x07" + std::string(60, ' ') + ", ,\r\n",
         .report = {"line 3: polarization \"V\\x1b]0;title\\x07         ...\" is 71 bytes "
                    "long (63 at most); skipped"},
         .tpsOfA = 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.substr(0, 120));
        ReadLines(c.lines);
        EXPECT_EQ(report.Lines(), c.report);
        int tpsOfA = 0;
        for (int t = 0; t < db->tpCount; ++t) tpsOfA += SatName(Sat(Tp(t).satIndex)) == "A";
        EXPECT_EQ(tpsOfA, c.tpsOfA);
    }
}

TEST_F(ReadSatTpFileTest, NulBytesAndNegativeValuesAreReadAsBeforeAndReported) {
    using namespace std::string_literals;
    struct Case {
        std::string lines;
        Texts report;
        std::string name;
        uint16_t position;
        uint32_t frequency;
    } cases[] = {
        {"S\0T,19.2E,1,,,107\0 44,27500,H, ,\r\n"s,
         {"line 2: name \"S\\x00T\": a NUL byte ends the field",
          "line 2: frequency \"107\\x00 44\": a NUL byte ends the field"},
         "S", 192, 107},
        {"A,-19.2E,1,,,-10744,27500,H, ,\r\n",
         {"line 2: longitude \"-19.2E\" is negative; stored as position 65344",
          "line 2: frequency \"-10744\" is negative; stored as 4294956552"},
         "A", 65344, 4294956552u},
        {"A,-19.2W,1,,,1,1,H, ,\r\n", {"line 2: longitude \"-19.2W\" is negative; stored as "
                                       "position 3792"}, "A", 3792, 1},
        // Nothing to say: no digit after the sign, a NUL only where the
        // line does not read (the LNB columns of a transponder line).
        {"A,-0.0E,1,,,-0,1,H, ,\r\nA,-0.0E,1,,1\0x,2,1,H, ,\r\n"s, {}, "A", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(EscapeControls(c.lines));
        ReadLines(c.lines);
        EXPECT_EQ(report.Lines(), c.report);
        ASSERT_GE(db->tpCount, 1);
        EXPECT_EQ(SatName(Sat(0)), c.name);
        EXPECT_EQ(Sat(0).position, c.position);
        EXPECT_EQ(Tp(0).frequency, c.frequency);
    }
}

TEST_F(ReadSatTpFileTest, CarriageReturnsAloneAreReadAsOneLineAndReported) {
    std::string text = kHeader + "A,1.0E,1,,,100,100,H, ,\r,,,,,200,200,V, ,\r";
    std::replace(text.begin(), text.end(), '\n', '\r');
    ASSERT_EQ(Read(text), 0);
    EXPECT_EQ(db->tpCount, 0);
    EXPECT_EQ(report.Lines(), Texts{"no line feeds: CR-only line ends?"});
}

TEST_F(ReadSatTpFileTest, AReportListsAHundredLinesAndCountsTheRest) {
    std::string lines;
    for (int i = 0; i < 130; ++i) lines += "comment\r\n";
    ReadLines(lines);
    Texts texts = report.Lines();
    ASSERT_EQ(texts.size(), 101u);
    EXPECT_EQ(texts[99], "line 101: 1 column, the header has 9; skipped");
    EXPECT_EQ(texts[100], "... and 30 more");
    EXPECT_EQ(report.Summary(2), "line 2: 1 column, the header has 9; skipped\n"
                                 "line 3: 1 column, the header has 9; skipped\n... and 128 more");
}

TEST_F(ReadSatTpFileTest, LastFieldKeepsTheLineEndForTheLengthLimit) {
    // 62 bytes plus "\r\n" reach 64, plus "\n" only 63.
    std::string pol = "V" + std::string(61, ' ');
    ReadLines("A,1.0E,1,,,100,100," + pol + "\r\n" + "B,2.0E,1,,,200,200," + pol + "\n");
    ASSERT_EQ(db->satCount, 1);
    EXPECT_EQ(SatName(Sat(0)), "B");
    EXPECT_EQ(Tp(0).flags, TP_FLAG_VERTICAL);
    ASSERT_EQ(report.Lines().size(), 1u);
    EXPECT_EQ(report.Lines()[0].substr(0, 20), "line 2: polarization");
}

TEST_F(ReadSatTpFileTest, LeadingByteSkipping) {
    ReadLines("\x01\tA,1.0E,1,,,100,100,\x01V, ,\r\n"     // control codes: skipped
              "\xA0" "B,2.0E,1,,,200,200,\xC2\xA0V,\xFFY,\r\n"  // high bytes: kept in the name only
              "C,3.0E,1,,,300,300, V, y,\r\n"           // blanks are never skipped
              "D,4.0E,1,,,400,400,v,y,\r\n");
    ASSERT_EQ(db->satCount, 4);
    EXPECT_EQ(SatName(Sat(0)), "A");
    EXPECT_EQ(SatName(Sat(1)), "\xA0" "B");
    EXPECT_EQ(Tp(0).flags, TP_FLAG_VERTICAL);
    EXPECT_EQ(Tp(1).flags, TP_FLAG_VERTICAL | TP_FLAG_UNIQUE);
    EXPECT_EQ(Tp(2).flags, 0);
    EXPECT_EQ(Tp(3).flags, TP_FLAG_VERTICAL | TP_FLAG_UNIQUE);
}

TEST_F(ReadSatTpFileTest, NumberRuleForTpFields) {
    ReadLines("A,1.0E,1,,, +11362abc,-1,H, ,\r\n"
              ",,,,,,x,H, ,\r\n"
              ",,,,,4294967295,22000.5,H, ,\r\n");
    ASSERT_EQ(db->tpCount, 3);
    EXPECT_EQ(Tp(0).frequency, 11362u);
    EXPECT_EQ(Tp(0).symbolRate, 0xFFFFFFFFu);  // -1: as the writer prints that value
    EXPECT_EQ(Tp(1).frequency, 0u);  // an empty frequency still gives a TP
    EXPECT_EQ(Tp(1).symbolRate, 0u);
    EXPECT_EQ(Tp(2).frequency, 0xFFFFFFFFu);
    EXPECT_EQ(Tp(2).symbolRate, 22000u);
    EXPECT_EQ(Tp(0).reserved, 0);
    EXPECT_EQ(report.Lines(), Texts{});
}

// ---- longitude -----------------------------------------------------------

TEST_F(ReadSatTpFileTest, LongitudeForms) {
    struct Case {
        const char* field;
        uint16_t position;
    } cases[] = {
        {"19.2E", 192},   {"30.0W", 3300}, {"30.0w", 3300}, {"30.0W ", 300},
        {"19.25E", 192},  {"28.2E", 282},  {"0.8W", 3592},  {"180.0E", 1800},
        {"179.9W", 1801}, {"  4.8e", 48},  {"W", 0},        {"13", 130},
        {"abc", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        ReadLines(std::string("A,") + c.field + ",1,,,1,1,H, ,\r\n");
        ASSERT_EQ(db->satCount, 1);
        EXPECT_EQ(Sat(0).position, c.position);
    }
}

TEST_F(ReadSatTpFileTest, EmptyLongitudeKeepsThePreviousPosition) {
    ReadLines("A,13.0E,1,,,1,1,H, ,\r\n"
              "B,,1,,,2,2,H, ,\r\n");
    ASSERT_EQ(db->satCount, 2);
    EXPECT_EQ(Sat(1).position, 130);
}

// ---- new satellite or one more TP ----------------------------------------

TEST_F(ReadSatTpFileTest, SatelliteBoundaries) {
    struct Case {
        const char* lines;
        int satCount;
    } cases[] = {
        {"A,13.0E,1,,,1,1,H, ,\r\nB,13.0E,1,,,2,2,H, ,\r\n", 2},
        {"A,13.0E,1,,,1,1,H, ,\r\nA,13.0E,1,,,2,2,H, ,\r\n", 1},
        {"A,13.0E,1,,,1,1,H, ,\r\n,13.0E,1,,,2,2,H, ,\r\n", 1},
        {"A,13.0E,1,,,1,1,H, ,\r\nA,13.1E,1,,,2,2,H, ,\r\n", 2},
        {"A,13.0E,1,,,1,1,H, ,\r\n,,,,,2,2,H, ,\r\nB,,,,,3,3,H, ,\r\n", 2},
        {"ABCDEFGHIJKLMNOPQ,1.0E,1,,,1,1,H, ,\r\nABCDEFGHIJKLMNOPR,1.0E,1,,,2,2,H, ,\r\n", 2},
        {"A,13.0E,1,,,1,1,H, ,\r\n,13.0E,1,,,2,2,H, ,\r\nA,13.0E,1,,,3,3,H, ,\r\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        ReadLines(c.lines);
        EXPECT_EQ(db->satCount, c.satCount);
        EXPECT_EQ(db->tps[db->tpCount - 1].satIndex, c.satCount - 1);
    }
}

TEST_F(ReadSatTpFileTest, NameIsCutTo16BytesAndTerminated) {
    ReadLines("ABCDEFGHIJKLMNOPQRST,1.0E,1,,,1,1,H, ,\r\n");
    EXPECT_EQ(SatName(Sat(0)), "ABCDEFGHIJKLMNOP");
    EXPECT_EQ(Sat(0).name[16], '\0');
}

TEST_F(ReadSatTpFileTest, TpLineBeforeAnySatelliteStartsAnUnnamedOne) {
    ReadLines(",,,,,11538,22000,V,Y,\r\n");
    ASSERT_EQ(db->satCount, 1);
    EXPECT_EQ(SatName(Sat(0)), "");
    EXPECT_EQ(Sat(0).position, 0);
    EXPECT_EQ(Sat(0).lnbIndex, 0);
    EXPECT_EQ(Lnb(0).type, 0);
    EXPECT_EQ(Lnb(0).loFrequency, 5150u);
    ASSERT_EQ(db->tpCount, 1);
    EXPECT_EQ(Tp(0).flags, TP_FLAG_VERTICAL | TP_FLAG_UNIQUE);
}

// ---- LNB number, type and DiSEqC -----------------------------------------

TEST_F(ReadSatTpFileTest, LnbNumberOutOfRangeFallsBackToTheFirst) {
    ReadLines("A,1.0E,17,,,1,1,H, ,\r\n"
              "B,2.0E,0,,,1,1,H, ,\r\n"
              "C,3.0E,7,,,1,1,H, ,\r\n"
              "D,4.0E,,,,1,1,H, ,\r\n"   // repeats 7
              ",,3,,,1,1,H, ,\r\n"       // a TP line: only sets it for later lines
              "E,5.0E,,,,1,1,H, ,\r\n");
    ASSERT_EQ(db->satCount, 5);
    EXPECT_EQ(Sat(0).lnbIndex, 0);
    EXPECT_EQ(Sat(1).lnbIndex, 0);
    EXPECT_EQ(Sat(2).lnbIndex, 6);
    EXPECT_EQ(Sat(3).lnbIndex, 6);
    EXPECT_EQ(Sat(4).lnbIndex, 2);
}

TEST_F(ReadSatTpFileTest, LnbTypeTexts) {
    struct Case {
        const char* field;
        uint8_t type;
        uint32_t lo;
    } cases[] = {
        {"9750/10600", 1, 5150},  {"9750/10700", 2, 5150},  {"9750/10750", 3, 5150},
        {"5150V/5750H", 4, 5150}, {"5750V/5150H", 5, 5150}, {"11300", 6, 5150},
        {"10750", 7, 5150},       {"10700", 8, 5150},       {"5150", 0, 5150},
        {"10600", 0, 10600},      {"", 0, 5150},            {"9750/10600 ", 0, 9750},
        {"abc", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        ReadLines(std::string("A,1.0E,9,") + c.field + ",,1,1,H, ,\r\n");
        EXPECT_EQ(Lnb(8).type, c.type);
        EXPECT_EQ(Lnb(8).loFrequency, c.lo);
    }
}

TEST_F(ReadSatTpFileTest, DiseqcColumn) {
    struct Case {
        const char* field;
        uint8_t diseqcSwitch;
        uint8_t input;
    } cases[] = {
        {"5", 1, 4},      {"6", 1, 5},      {"7", 2, 6},     {"0", 1, 0},
        {"-3", 1, 0},     {"2-V1.1", 2, 1}, {"16-V1.1", 2, 15}, {"2V1.1", 2, 1},
        {"V1.1", 1, 0},   {"300", 2, 43},   {"", 0, 0},  // LNB 9 default: no switch
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        ReadLines(std::string("A,1.0E,9,,") + c.field + ",1,1,H, ,\r\n");
        EXPECT_EQ(Lnb(8).dish, 0);
        EXPECT_EQ(Lnb(8).diseqcSwitch, c.diseqcSwitch);
        EXPECT_EQ(Lnb(8).diseqcInput, c.input);
    }
}

TEST_F(ReadSatTpFileTest, LnbColumnsOfTpLinesHaveNoEffect) {
    ReadLines("A,1.0E,2,9750/10750,3,1,1,H, ,\r\n"
              ",,2,5150,6-V1.1,2,2,H, ,\r\n");
    EXPECT_EQ(Lnb(1).type, 3);
    EXPECT_EQ(Lnb(1).diseqcSwitch, 1);
    EXPECT_EQ(Lnb(1).diseqcInput, 2);
}

// ---- capacities ----------------------------------------------------------

TEST_F(ReadSatTpFileTest, StopsAt300Satellites) {
    std::string lines;
    for (int i = 0; i < 300; ++i) {
        lines += "S" + std::to_string(i) + "," + std::to_string(i) + ".0E,1,,,1000,1,H, ,\r\n";
    }
    lines += "S300,300.0E,2,11300,3,1000,1,H, ,\r\n";
    lines += ",,,,,1001,1,H, ,\r\n";
    ReadLines(lines);
    EXPECT_EQ(report.Lines(),
              Texts{"line 302: table cut at 300 satellites: 2 more lines not read"});
    EXPECT_EQ(db->satCount, 300);
    EXPECT_EQ(SatName(Sat(299)), "S299");
    EXPECT_EQ(Lnb(1).type, 1);  // LNB 2 keeps its default
    // The 300th satellite keeps its transponder; the 301st line ends the read
    // without touching its LNB record.
    EXPECT_EQ(db->tpCount, 300);
    EXPECT_EQ(Tp(299).satIndex, 299);
}

TEST_F(ReadSatTpFileTest, StopsAt8000Tps) {
    std::string lines = "A,1.0E,1,,,1,1,H, ,\r\n";
    for (int i = 1; i < 8005; ++i) lines += ",,,,," + std::to_string(i + 1) + ",1,H, ,\r\n";
    lines += "B,2.0E,1,,,1,1,H, ,\r\n";
    ReadLines(lines);
    EXPECT_EQ(report.Lines(),
              Texts{"line 8002: table cut at 8000 transponders: 6 more lines not read"});
    EXPECT_EQ(db->satCount, 1);
    EXPECT_EQ(db->tpCount, 8000);
    EXPECT_EQ(Tp(7999).frequency, 8000u);
}

// ---- the sample file -----------------------------------------------------

TEST_F(ReadSatTpFileTest, SampleFileReadsIntoTheSampleTables) {
    ASSERT_EQ(Read(kSampleFile), 0);

    auto expected = NewDatabase();
    BuildSampleDatabase(*expected);
    expected->satCount = 4;  // SAT-E had no TP
    ApplyLnbDefaults(*expected);
    expected->lnbs[2].type = 3;
    expected->lnbs[2].diseqcSwitch = 2;
    expected->lnbs[2].diseqcInput = 3;
    FillUnusedSatSlots(*expected);
    EXPECT_EQ(FirstDifference(*db, *expected), "");
    EXPECT_EQ(SatName(Sat(4)), "-----");
}

}  // namespace
}  // namespace velmora::dbtest
