// The batch's record: the SHA-256 of the firmware file, the local time with
// its offset, the JSON line and how it is appended.
#include <gtest/gtest.h>
#include <unistd.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <nlohmann/json.hpp>

#include "service/BatchReport.h"
#include "core/Sha256.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

TEST(Sha256, KnownDigests) {
    // FIPS 180-2 examples; the 56-byte one needs a second padding block.
    const std::pair<std::string, const char*> cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000, 'a'), "41edece42d63e8d9bf515a9ba6932e1c20cbc9f5a5d134645adb5db1b9737ea3"},
    };
    for (const auto& [text, digest] : cases) EXPECT_EQ(Sha256Hex(text), digest) << text.size();
}

TEST(Sha256, OfAFileAndOfNoFile) {
    testing::ScratchFolder dir;
    std::ofstream(dir / "f.hex", std::ios::binary) << "abc";
    EXPECT_EQ(Sha256HexOfFile(dir / "f.hex"),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256HexOfFile(dir / "missing.hex"), "");
    EXPECT_EQ(Sha256HexOfFile("/dev/zero"), "");  // would never end
}

TEST(BatchReport, LocalTimeCarriesItsOffset) {
    const std::pair<const char*, const char*> zones[] = {
        {"UTC0", "2024-03-01T12:00:00+00:00"},
        {"IST-5:30", "2024-03-01T17:30:00+05:30"},
        {"NST3:30", "2024-03-01T08:30:00-03:30"},
    };
    std::string saved = getenv("TZ") ? getenv("TZ") : "";
    for (const auto& [zone, text] : zones) {
        setenv("TZ", zone, 1);
        tzset();
        EXPECT_EQ(IsoLocalTime(1709294400), text) << zone;
    }
    if (saved.empty()) unsetenv("TZ"); else setenv("TZ", saved.c_str(), 1);
    tzset();
}

TEST(BatchReport, LineHoldsTheAskedStepsAndTheBootloadersIdentity) {
    BatchRecord r;
    r.start = 1709294400;
    r.port = "/dev/ttyUSB0";
    r.meter = 2;
    r.uniqueId = "3400215a3432470d20383352";
    r.Step(BatchStep::Soft) = {true, true, true, 12.34};
    r.Step(BatchStep::Icon) = {true, true, false, 0.5};
    r.Step(BatchStep::Tables) = {true, false, false, 0};
    r.Step(BatchStep::Logo) = {false, false, false, 0};  // not asked: not in the line
    r.productId = 0x418;
    r.bootloaderVersion = 0x22;
    r.firmwareSha256 = "ab12";
    r.result = "ICON SAT&TP upgrade failed ! ";
    std::string text = BatchReportLine(r);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    nlohmann::json line = nlohmann::json::parse(text);
    EXPECT_EQ(line["port"], "/dev/ttyUSB0");
    EXPECT_EQ(line["steps"], nlohmann::json::parse(R"({"soft": {"result": "ok", "seconds": 12.3},
        "icon": {"result": "failed", "seconds": 0.5}, "tables": {"result": "not run", "seconds": 0}})"));
    EXPECT_EQ(line["productId"], "0x418");
    EXPECT_EQ(line["bootloaderVersion"], "2.2");
    EXPECT_EQ(line["meter"], 2);
    EXPECT_EQ(line["uid"], r.uniqueId);
    EXPECT_EQ(line["firmwareSha256"], "ab12");
    EXPECT_EQ(line["result"], r.result);
    EXPECT_EQ(line["ok"], false);

    // A meter that never reached its bootloader: nulls, not made-up values.
    line = nlohmann::json::parse(BatchReportLine(BatchRecord{}));
    for (const char* key : {"productId", "bootloaderVersion", "firmwareSha256"})
        EXPECT_TRUE(line[key].is_null()) << key;
    EXPECT_FALSE(line.contains("uid"));
    EXPECT_EQ(line["meter"], 1);
}

// A pipe or a device cannot be synced; taking the line is all they can do.
TEST(BatchReport, PipesAndDevicesTakeTheLine) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::string error;
    EXPECT_TRUE(AppendReportLine("/dev/fd/" + std::to_string(ends[1]), "{\"a\":1}", &error))
        << error;
    char got[16] = {};
    EXPECT_EQ(::read(ends[0], got, sizeof got), 8);
    EXPECT_STREQ(got, "{\"a\":1}\n");
    ::close(ends[0]);
    ::close(ends[1]);
    EXPECT_TRUE(AppendReportLine("/dev/null", "{}", &error)) << error;
}

TEST(BatchReport, AppendsWholeLinesAndNeverRewrites) {
    testing::ScratchFolder dir;
    const std::string path = dir / "r.jsonl";
    std::ofstream(path) << "{\"earlier\":1}\n";
    EXPECT_TRUE(AppendReportLine(path, "{\"a\":1}"));
    EXPECT_TRUE(AppendReportLine(path, "{\"b\":2}"));
    std::ifstream in(path);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, "{\"earlier\":1}\n{\"a\":1}\n{\"b\":2}\n");

    std::string error;
    EXPECT_FALSE(AppendReportLine(dir / "no/such/r.jsonl", "{}", &error));
    EXPECT_NE(error.find("no/such/r.jsonl"), std::string::npos) << error;
}

// A disk that fills up in the middle of a line: the part written is taken
// back, so the next line that fits stands on a line of its own.
TEST(BatchReport, LineCutShortIsTakenBack) {
    testing::ScratchFolder dir;
    const std::string path = dir / "r.jsonl";
    const std::string earlier = "{\"earlier\":1}\n";
    std::ofstream(path) << earlier;
    struct rlimit before {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = before;
    small.rlim_cur = earlier.size() + 10;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    bool written = AppendReportLine(path, "{\"long\":\"" + std::string(40, 'x') + "\"}", &error);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    EXPECT_TRUE(AppendReportLine(path, "{\"b\":2}"));
    std::ifstream in(path);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, earlier + "{\"b\":2}\n");
}

TEST(BatchReport, WindowsReportSitsBesideTheTableFile) {
    EXPECT_EQ(ReportPathBeside("/data/shop/sattp.csv"), "/data/shop/patchup-report.jsonl");
    EXPECT_EQ(ReportPathBeside("sattp.csv"), "patchup-report.jsonl");
}

}  // namespace
}  // namespace velmora
