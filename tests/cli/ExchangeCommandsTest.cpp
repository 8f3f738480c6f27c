#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "tests/cli/CliRun.h"
#include "core/SatTpFile.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::cli {
namespace {

using ::testing::HasSubstr;
using testing::ScratchFolder;
using ::testing::StartsWith;

// 19.2E matches SAT-A of the sample (11362 H is there already); 28.2E is new.
constexpr const char* kList =
    "<?xml version=\"1.0\"?>\n<satellites>\n"
    "<sat name=\"19.2E Astra\" flags=\"0\" position=\"192\">\n"
    "<transponder frequency=\"11362500\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
    "<transponder frequency=\"11600000\" symbol_rate=\"22000000\" polarization=\"1\"/>\n"
    "<transponder frequency=\"0\" symbol_rate=\"22000000\" polarization=\"1\"/>\n"
    "</sat>\n"
    "<sat name=\"28.2E Astra 2\" flags=\"0\" position=\"282\">\n"
    "<transponder frequency=\"10714000\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
    "</sat>\n</satellites>\n";

class ExchangeCommandsTest : public ::testing::Test {
protected:
    int Run(std::vector<std::string> args) { return RunCaptured(std::move(args), out, err); }
    void SetUp() override {
        auto db = dbtest::NewDatabase();
        dbtest::BuildSampleDatabase(*db);
        ASSERT_TRUE(WriteSatTpFile(*db, table.c_str()));
        ASSERT_TRUE(dbtest::WriteBytes(list, kList));
    }

    ScratchFolder folder;
    std::string table = folder.File("sattp.csv");
    std::string list = folder.File("satellites.xml");
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ExchangeCommandsTest, ImportMergesAndReportsTheCounts) {
    std::string original = dbtest::ReadBytes(table);
    std::string merged = folder.File("merged.csv");
    ASSERT_EQ(Run({"import", list, table, "-o", merged}), kExitOk) << err.str();
    EXPECT_EQ(out.str(),
              "matched 1, added 1 satellites and 2 transponders, 1 duplicates skipped, "
              "0 replaced, 0 left out (table full), 1 invalid\n");
    EXPECT_EQ(dbtest::ReadBytes(table), original);
    auto db = dbtest::NewDatabase();
    ASSERT_EQ(ReadSatTpFile(*db, merged.c_str()), 0);
    EXPECT_EQ(db->satCount, 5);  // the writer drops SAT-E, which has no transponders
    EXPECT_EQ(db->tpCount, 7);

    // Into the table itself, only 28.2E, replacing; then as JSON.
    ASSERT_EQ(Run({"import", list, table, "-o", table, "--sat", "28.2e", "--lnb", "2", "--json"}),
              kExitOk);
    EXPECT_EQ(out.str(),
              "{\"matched\":0,\"satellitesAdded\":1,\"transpondersAdded\":1,\"duplicates\":0,"
              "\"replaced\":0,\"leftOut\":0,\"invalid\":0}\n");
    ASSERT_EQ(Run({"import", list, table, "-o", table, "--replace"}), kExitOk);
    EXPECT_THAT(out.str(), StartsWith("matched 2, added 0 satellites and 3 transponders, "
                                      "0 duplicates skipped, 3 replaced"));
}

TEST_F(ExchangeCommandsTest, ASatelliteOf1500TpsIsWrittenWhole) {
    std::string big = "<satellites><sat name=\"28.2E Astra 2\" position=\"282\">\n";
    for (int i = 0; i < 1500; ++i) {
        big += "<transponder frequency=\"" + std::to_string((10700 + 3 * (i / 2)) * 1000) +
               "\" symbol_rate=\"27500000\" polarization=\"" + std::to_string(i % 2) + "\"/>\n";
    }
    ASSERT_TRUE(dbtest::WriteBytes(list, big + "</sat></satellites>\n"));
    ASSERT_EQ(Run({"import", list, table, "-o", table}), kExitOk) << err.str();
    EXPECT_THAT(out.str(), StartsWith("matched 0, added 1 satellites and 1500 transponders,"));
    auto db = dbtest::NewDatabase();
    ASSERT_EQ(ReadSatTpFile(*db, table.c_str()), 0);
    EXPECT_EQ(ListSatelliteTps(*db, db->satCount - 1).size(), 1500u);
}

TEST_F(ExchangeCommandsTest, BadArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"import", list, table},
        {"import", list, "-o", "x.csv"},
        {"import", list, table, "-o", "x.csv", "--lnb", "17"},
        {"import", list, table, "-o", "x.csv", "--c-band-lnb", "0"},
        {"import", list, table, "-o", "x.csv", "--format", "csv"},
        {"import", list, table, "-o", "x.csv", "--sat", "19.2"},
        {"import", list, table, "-o", "x.csv", "--sat", "45.0E"},
        {"import", list, table, "-o", "x.csv", "--frobnicate"},
        {"import", list, table, "-o"},
        {"import", list, table, "-o", "x.csv", "--dry-run"},
        {"export", table},
        {"export", table, "-o", "a.xml", "extra"},
    };
    for (const auto& args : cases) {
        EXPECT_EQ(Run(args), kExitUsage) << args.back();
        EXPECT_THAT(err.str(), HasSubstr("usage: velmora-cli ")) << args.back();
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_THAT(folder.Entries(), ::testing::ElementsAre("satellites.xml", "sattp.csv"));
}

TEST_F(ExchangeCommandsTest, DryRunPrintsTheChangesAndWritesNothing) {
    ASSERT_EQ(Run({"import", list, table, "--dry-run", "--replace", "--json"}), kExitOk)
        << err.str();
    auto j = nlohmann::json::parse(out.str());
    EXPECT_EQ(j["replaced"], 2);
    EXPECT_EQ(j["satellites"],
              nlohmann::json::parse(R"([
        {"name": "SAT-A", "position": "19.2E", "new": false,
         "added": ["11363 H 22000", "11600 V 22000"],
         "removed": ["11362 H 22000", "11538 V 22000 unique"], "changed": []},
        {"name": "Astra 2", "position": "28.2E", "new": true,
         "added": ["10714 H 22000"], "removed": [], "changed": []}])"));
    ASSERT_EQ(Run({"import", list, table, "--dry-run"}), kExitOk);
    EXPECT_THAT(out.str(), StartsWith("19.2E SAT-A: 1 added\n  + 11600 V 22000\n"));
    EXPECT_THAT(folder.Entries(), ::testing::ElementsAre("satellites.xml", "sattp.csv"));
}

TEST_F(ExchangeCommandsTest, CatalogListsTheScanTablesOfAFolder) {
    std::string scans = folder.File("dvb-s");
    std::filesystem::create_directory(scans);
    const std::string tp = "[CHANNEL]\nFREQUENCY = 11362000\nPOLARIZATION = HORIZONTAL\n"
                           "SYMBOL_RATE = 22000000\n";
    ASSERT_TRUE(dbtest::WriteBytes(scans + "/Hispasat-30.0W", tp));
    ASSERT_TRUE(dbtest::WriteBytes(scans + "/Astra-1KR-19.2E", tp + tp));
    ASSERT_EQ(Run({"catalog", "--json", "--dir", scans}), kExitOk) << err.str();
    EXPECT_EQ(nlohmann::json::parse(out.str()),
              nlohmann::json::array(
                  {{{"position", "19.2E"}, {"name", "Astra 1KR"}, {"transponders", 2},
                    {"path", scans + "/Astra-1KR-19.2E"}},
                   {{"position", "30.0W"}, {"name", "Hispasat"}, {"transponders", 1},
                    {"path", scans + "/Hispasat-30.0W"}}}));
    EXPECT_EQ(Run({"catalog", "--dir", folder.File("none")}), kExitUsage);  // cannot open
    EXPECT_THAT(err.str(), HasSubstr("no scan tables in " + folder.File("none")));
}

TEST_F(ExchangeCommandsTest, UnreadableFilesFailAndChangeNothing) {
    std::string original = dbtest::ReadBytes(table);
    std::string broken = folder.File("broken.xml");
    ASSERT_TRUE(dbtest::WriteBytes(broken, "<satellites>\n<sat position=\"1\">\n"));
    EXPECT_EQ(Run({"import", broken, table, "-o", table}), kExitFailed);
    EXPECT_THAT(err.str(), StartsWith("velmora-cli: " + broken + ":2: not well-formed XML"));
    EXPECT_EQ(Run({"import", list, folder.File("none.csv"), "-o", table}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("cannot open"));
    EXPECT_EQ(Run({"import", list, table, "-o", folder.File("no/such/dir.csv")}), kExitFailed);
    EXPECT_EQ(Run({"export", table, "-o", folder.File("no/such/dir.xml")}), kExitFailed);
    EXPECT_EQ(err.str(), "velmora-cli: cannot write " + folder.File("no/such/dir.xml") +
                             ": No such file or directory\n");
    EXPECT_EQ(dbtest::ReadBytes(table), original);
    EXPECT_EQ(out.str(), "");
}

TEST_F(ExchangeCommandsTest, RefusedSourcesSayWhyAndWriteNothing) {
    std::string large = folder.File("large.xml");
    ASSERT_TRUE(dbtest::WriteBytes(large, ""));
    std::filesystem::resize_file(large, (16u << 20) + 1);  // sparse: takes no disk
    std::string escape = folder.File("escape.xml");
    ASSERT_TRUE(dbtest::WriteBytes(escape, "<satellites><sat position=\"1\"><transponder "
                                           "frequency=\"\x1b]0;x\x07\"/></sat></satellites>"));
    struct Case {
        std::vector<std::string> args;
        std::string error;
        int status = kExitUsage;  // cannot be opened
    } cases[] = {
        {.args = {list, "--position", "19.2E"},
         .error = list + ": a satellites.xml list carries its own positions; a position can be "
                         "given only for a dvbv5 list",
         .status = kExitFailed},
        {.args = {folder.Path()}, .error = folder.Path() + " is a folder"},
        {.args = {"/dev/null"}, .error = "/dev/null is not a regular file"},
        {.args = {large}, .error = large + " is larger than 16 MB (16777217 bytes)"},
        {.args = {escape},
         .error = escape + ":1: frequency \"\\x1b]0;x\\x07\" is not a number",
         .status = kExitFailed},
    };
    std::string out = folder.File("out.csv");
    for (const Case& c : cases) {
        std::vector<std::string> args = {"import", c.args[0], table, "-o", out};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        EXPECT_EQ(Run(args), c.status) << c.error;
        EXPECT_EQ(err.str(), "velmora-cli: " + c.error + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(ExchangeCommandsTest, ExportImportsBackIntoAnEmptyTable) {
    std::string xml = folder.File("out.xml");
    ASSERT_EQ(Run({"export", table, "-o", xml}), kExitOk) << err.str();
    EXPECT_THAT(dbtest::ReadBytes(xml), StartsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    std::string empty = folder.File("empty.csv");
    auto db = dbtest::NewDatabase();
    ApplyLnbDefaults(*db);
    ASSERT_TRUE(WriteSatTpFile(*db, empty.c_str()));
    ASSERT_EQ(Run({"import", xml, empty, "-o", empty}), kExitOk) << err.str();
    // The sample's four satellites with transponders, all five transponders.
    EXPECT_EQ(out.str(),
              "matched 0, added 4 satellites and 5 transponders, 0 duplicates skipped, "
              "0 replaced, 0 left out (table full), 0 invalid\n");
}

}  // namespace
}  // namespace velmora::cli
