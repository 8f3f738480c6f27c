#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/SatTpFile.h"
#include "tests/cli/CliRun.h"
#include "tests/core/SatTpTestFiles.h"
#include "tests/support/ListServer.h"

namespace velmora::cli {
namespace {

using testing::ListServer;
using testing::ScratchFolder;

// One server for the suite: starting Python takes a while on a busy machine.
class ImportUrl : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        web = std::make_unique<ScratchFolder>();
        std::filesystem::create_directories(web->File("dvb-s"));
        server = std::make_unique<ListServer>(web->Path());
    }
    static void TearDownTestSuite() {
        server.reset();
        web.reset();
    }
    int Run(std::vector<std::string> args) { return RunCaptured(std::move(args), out, err); }
    void SetUp() override {
        ASSERT_TRUE(server->Running());
        auto db = dbtest::NewDatabase();
        dbtest::BuildSampleDatabase(*db);
        ASSERT_TRUE(WriteSatTpFile(*db, table.c_str()));
    }

    static std::unique_ptr<ScratchFolder> web;
    static std::unique_ptr<ListServer> server;
    ScratchFolder folder;
    std::string table = folder.File("sattp.csv");
    std::ostringstream out;
    std::ostringstream err;
};

std::unique_ptr<ScratchFolder> ImportUrl::web;
std::unique_ptr<ListServer> ImportUrl::server;

// The download feeds the same reader and merge as the file: every format
// gives the same table byte for byte, a dvbv5 list named by its URL's path.
TEST_F(ImportUrl, GivesTheSameTableAsTheFile) {
    struct Case {
        std::string name;
        std::string text;
    } cases[] = {
        {.name = "satellites.xml",
         .text = "<?xml version=\"1.0\"?>\n<satellites>\n"
                 "<sat name=\"13.0E Hot Bird 13B/13C/13E\" flags=\"0\" position=\"130\">\n"
                 "<transponder frequency=\"10992000\" symbol_rate=\"27500000\" "
                 "polarization=\"1\"/>\n</sat>\n</satellites>\n"},
        {.name = "0192.ini",
         .text = "[SATTYPE]\r\n1=0192\r\n2=Astra 1KR/1L/1M/1N\r\n\r\n[DVB]\r\n0=2\r\n"
                 "1=11494,H,22000,23\r\n2=11597,V,22000,56\r\n"},
        {.name = "dvb-s/Hotbird-13.0E",
         .text = "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS2\n\tFREQUENCY = 11034000\n"
                 "\tPOLARIZATION = VERTICAL\n\tSYMBOL_RATE = 27500000\n"},
    };
    for (const Case& c : cases) {
        std::string file = web->File(c.name);
        ASSERT_TRUE(dbtest::WriteBytes(file, c.text));
        std::string fromFile = folder.File("file.csv"), fromUrl = folder.File("url.csv");
        ASSERT_EQ(Run({"import", file, table, "-o", fromFile}), kExitOk) << err.str();
        ASSERT_EQ(Run({"import", server->Url("/" + c.name), table, "-o", fromUrl}), kExitOk)
            << err.str();
        EXPECT_EQ(dbtest::ReadBytes(fromUrl), dbtest::ReadBytes(fromFile)) << c.name;
        EXPECT_NE(dbtest::ReadBytes(fromUrl), dbtest::ReadBytes(table)) << c.name;
    }
}

TEST_F(ImportUrl, FailedDownloadsSayWhyAndWriteNothing) {
    ASSERT_TRUE(dbtest::WriteBytes(web->File("page.html"), "<html><body/></html>\n"));
    struct Case {
        std::vector<std::string> args;  // the path served, then options
        std::string reason;
        int status = kExitUsage;  // as for a file that cannot be opened
    } cases[] = {
        {.args = {"/missing"}, .reason = ": HTTP 404 Not Found"},
        {.args = {"/stall", "--timeout", "0.05"}, .reason = ": no data for 50 ms"},
        {.args = {"/drip", "--max-time", "0.3"},
         .reason = ": the download took longer than 300 ms"},
        {.args = {"/page.html"}, .reason = ":1: a web page, not a transponder list",
         .status = kExitFailed},
    };
    std::string merged = folder.File("merged.csv");
    for (const Case& c : cases) {
        std::string url = server->Url(c.args[0]);
        std::vector<std::string> args = {"import", url, table, "-o", merged};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        EXPECT_EQ(Run(args), c.status) << url;
        EXPECT_EQ(err.str(), "velmora-cli: " + url + c.reason + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(merged));
}

TEST_F(ImportUrl, TimeoutMustBeAPositiveNumberOfSeconds) {
    for (const std::string option : {"--timeout", "--max-time"}) {
        for (const char* bad : {"0", "-1", "x", "5s", "nan", "1e9"}) {
            EXPECT_EQ(Run({"import", server->Url("/stall"), table, "-o", table, option, bad}),
                      kExitUsage)
                << bad;
            EXPECT_THAT(err.str(), ::testing::HasSubstr(option + " wants a number of seconds"))
                << bad;
        }
    }
}

}  // namespace
}  // namespace velmora::cli
