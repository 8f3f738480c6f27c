#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/Cli.h"
#include "tests/cli/CliRun.h"
#include "core/SatTpFile.h"
#include "sim/MeterSim.h"
#include "sim/TableDump.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::cli {
namespace {

using ::testing::HasSubstr;
using testing::ScratchFolder;

// Runs from the test's folder: a read from the meter keeps its temporary
// file in the working folder.
class DiffCommand : public ::testing::Test {
protected:
    int Run(std::vector<std::string> args) {
        return RunCaptured(std::move(args), out, err, folder.Path());
    }
    // Saves db and returns the file's path; db becomes what the file holds.
    std::string Save(SatTpDatabase& db, const std::string& name) {
        std::string path = folder.File(name);
        EXPECT_TRUE(WriteSatTpFile(db, path.c_str()));
        ClearDatabase(db);
        EXPECT_EQ(ReadSatTpFile(db, path.c_str()), 0);
        return path;
    }

    std::ostringstream out;
    std::ostringstream err;
    ScratchFolder folder;
};

TEST_F(DiffCommand, FilesListTheDifferencesAndExitWithTheirVerdict) {
    auto db = dbtest::NewDatabase();
    dbtest::BuildSampleDatabase(*db);
    std::string a = Save(*db, "a.csv");
    db->tps[0].symbolRate = 29900;
    std::string b = Save(*db, "b.csv");

    EXPECT_EQ(Run({"diff", a, a}), kExitOk);
    EXPECT_EQ(out.str(), "0 differences\n");
    EXPECT_EQ(Run({"diff", a, b}), kExitFailed);
    EXPECT_EQ(out.str(), "~ TP  19.2E SAT-A  11362 H 22000 -> 29900\n1 difference\n");
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(Run({"diff", "--json", b, a}), kExitFailed);
    auto json = nlohmann::json::parse(out.str());
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0]["kind"], "tp");
    EXPECT_EQ(json[0]["change"], "changed");
    EXPECT_EQ(json[0]["satellite"]["name"], "SAT-A");
    EXPECT_EQ(json[0]["before"]["symbolRate"], 29900);
    EXPECT_EQ(json[0]["after"]["symbolRate"], 22000);
}

TEST_F(DiffCommand, ControlBytesOfANameAreShownEscaped) {
    auto db = dbtest::NewDatabase();
    dbtest::BuildSampleDatabase(*db);
    std::string a = Save(*db, "a.csv");
    SetSatName(db->satellites[0], "SAT\x1b[2J", 7);
    std::string b = Save(*db, "b.csv");
    EXPECT_EQ(Run({"diff", a, b}), kExitFailed);
    EXPECT_THAT(out.str(), HasSubstr("SAT\\x1b[2J"));
    EXPECT_EQ(out.str().find('\x1b'), std::string::npos);
}

TEST_F(DiffCommand, OnlyUsageErrorsPrintTheUsage) {
    auto db = dbtest::NewDatabase();
    dbtest::BuildSampleDatabase(*db);
    std::string a = Save(*db, "a.csv");
    struct Case {
        std::vector<std::string> args;
        const char* error;
        int status = kExitUsage;
    };
    const Case cases[] = {
        {.args = {"diff", a}, .error = "missing NEW\nusage: velmora-cli diff"},
        {.args = {"diff", a, a, a}, .error = "usage: velmora-cli diff"},
        {.args = {"diff", "--port", "COM1"}, .error = "missing FILE\nusage: velmora-cli diff"},
        {.args = {"diff", "--port", "COM1", a, a}, .error = "usage: velmora-cli diff"},
        {.args = {"diff", "--color", a, a}, .error = "unknown option '--color'\nusage: "},
        {.args = {"diff", a, folder.File("missing.csv")}, .error = "cannot open"},
        {.args = {"diff", "--port", folder.File("no-tty"), a},
         .error = "Connect fail",
         .status = kExitFailed},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Run(c.args), c.status) << c.args.back();
        EXPECT_THAT(err.str(), HasSubstr(c.error));
        EXPECT_EQ(out.str(), "");
        if (std::string(c.error).find("usage") == std::string::npos) {
            EXPECT_THAT(err.str(), ::testing::Not(HasSubstr("usage")));
        }
    }
}

TEST_F(DiffCommand, PortComparesTheMetersTableWithTheFileAndLeavesBothAlone) {
    auto db = dbtest::NewDatabase();
    dbtest::BuildSampleDatabase(*db);
    std::string file = Save(*db, "sattp.csv");
    const std::string fileBytes = dbtest::ReadBytes(file);
    auto onMeter = dbtest::NewDatabase();
    *onMeter = *db;
    onMeter->lnbs[2].type = 2;
    onMeter->tpCount -= 1;
    sim::MeterOptions options;
    options.tables = sim::EncodeTableDump(*onMeter);
    sim::MeterSim meter(options);
    ASSERT_TRUE(meter.Start());

    // The meter's table is the old side: the file adds what it lacks.
    EXPECT_EQ(Run({"diff", "--port", meter.SlavePath(), file}), kExitFailed) << err.str();
    EXPECT_THAT(out.str(), ::testing::StartsWith("~ LNB 3  9750/10700 -> 9750/10750\n"));
    EXPECT_THAT(out.str(), HasSubstr("\n+ TP  "));
    EXPECT_THAT(out.str(), ::testing::EndsWith("\n2 differences\n"));
    EXPECT_EQ(meter.Engine().Record().commands, std::vector<std::string>{"Read tables"});

    meter.Engine().SetFaults([] {
        sim::MeterFaults f;
        f.corruptSentFrame = 3;
        return f;
    }());
    EXPECT_EQ(Run({"diff", "--port", meter.SlavePath(), file}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("Read Failed"));
    EXPECT_EQ(out.str(), "");
    meter.Stop();
    EXPECT_EQ(dbtest::ReadBytes(file), fileBytes);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"sattp.csv"});
}

}  // namespace
}  // namespace velmora::cli
