// velmora-cli batch on a production line, against simulated meters: several
// ports at once, Ctrl+C across them, one meter after another on one port,
// and the report's lines.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <fstream>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <thread>

#include "cli/Cli.h"
#include "tests/cli/CliRun.h"
#include "sim/BootMeterSim.h"
#include "sim/FirmwareSample.h"
#include "sim/MeterSim.h"
#include "sim/MeterSlot.h"
#include "sim/TableDump.h"
#include "core/SatTpFile.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::cli {
namespace {

using ::testing::ContainsRegex;
using ::testing::HasSubstr;
using Bytes = std::vector<uint8_t>;

std::string Example(const char* name) {
    return std::string(VELMORA_SOURCE_DIR "/examples/") + name;
}

// Presses Ctrl+C (or sends another signal) from another thread once a
// condition holds; the line's own handler is installed by then.
class CtrlC {
public:
    explicit CtrlC(std::function<bool()> when, int signal = SIGINT)
        : signal_(signal), previous_(std::signal(signal, [](int) {})), thread_([this, when] {
              while (!done_ && !when()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
              if (!done_) ::kill(::getpid(), signal_);
          }) {}
    ~CtrlC() {
        done_ = true;
        thread_.join();
        std::signal(signal_, previous_);
    }

private:
    int signal_;
    std::atomic<bool> done_{false};
    void (*previous_)(int);
    std::thread thread_;
};

class ProductionLine : public ::testing::Test {
protected:
    ProductionLine() {
        boot.productId = 0x440;
        boot.flashSize = 0x10000;
        firmware = sim::SampleFirmware(3000, 7);
        hex = folder.File("rav32izazud_line.hex");
        sim::WriteIntelHexFile(hex, firmware);
        report = folder.File("line.jsonl");
    }
    void StartMeters(int count, int failing = -1) {
        for (int i = 0; i < count; ++i) {
            BootloaderEngineOptions own = boot;
            own.uniqueId[11] = static_cast<uint8_t>(i);
            if (i == failing) own.nackWriteNumber = 3;
            meters.push_back(std::make_unique<sim::BootMeterSim>(own));
            ASSERT_TRUE(meters.back()->Start());
        }
    }
    std::vector<std::string> Ports() {
        std::vector<std::string> args;
        for (auto& m : meters) args.insert(args.end(), {"--port", m->SlavePath()});
        return args;
    }
    int Run(std::vector<std::string> args) {
        args.insert(args.begin(), "batch");
        return RunCaptured(std::move(args), out, err);
    }
    bool HoldsFirmware(const Bytes& flash) {
        return std::equal(firmware.begin(), firmware.end(), flash.begin());
    }
    std::vector<nlohmann::json> ReportLines() {
        std::vector<nlohmann::json> lines;
        std::ifstream in(report);
        for (std::string line; std::getline(in, line);)
            lines.push_back(nlohmann::json::parse(line, nullptr, false));
        return lines;
    }

    testing::ScratchFolder folder;
    BootloaderEngineOptions boot;
    std::vector<std::unique_ptr<sim::BootMeterSim>> meters;
    Bytes firmware;
    std::string hex;
    std::string report;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ProductionLine, FourPortsAtOnceAndTheFailingOneTouchesNoOther) {
    StartMeters(4, 2);
    std::vector<std::string> args = Ports();
    args.insert(args.end(), {"--soft", hex, "--icon", Example("stm32icon_sample.bin"), "--tables",
                             Example("sattp.csv"), "--soft-wait-ms", "1", "--step-wait-ms", "1",
                             "--report", report});
    EXPECT_EQ(Run(args), kExitFailed) << err.str();
    for (int i = 0; i < 4; ++i) {
        sim::MeterRecord record = meters[i]->Engine().Meter().Record();
        if (i == 2) {
            EXPECT_FALSE(meters[i]->Engine().RunningFirmware());
            EXPECT_TRUE(record.commands.empty());
        } else {
            EXPECT_TRUE(HoldsFirmware(meters[i]->Engine().Flash())) << i;
            EXPECT_EQ(record.commands, (std::vector<std::string>{"Write icon", "Write tables",
                                                                 "Read tables"}));
        }
        // One summary row per port, with that meter's own result.
        EXPECT_THAT(out.str(), ContainsRegex(meters[i]->SlavePath() + " +" +
                                             (i == 2 ? "SOFT ICON SAT&TP upgrade failed !"
                                                     : "All upgrade successfully ! elapse")));
    }
    // Not a terminal: a line per port and step as each ends.
    EXPECT_THAT(err.str(), ContainsRegex(meters[2]->SlavePath() + " +soft  failed"));
    EXPECT_THAT(err.str(), ContainsRegex(meters[0]->SlavePath() + " +tables  ok"));

    std::vector<nlohmann::json> lines = ReportLines();
    ASSERT_EQ(lines.size(), 4u);
    int ok = 0;
    std::set<std::string> uids;
    for (const nlohmann::json& line : lines) {
        bool failing = line["port"] == meters[2]->SlavePath();
        EXPECT_EQ(line["ok"], !failing);
        EXPECT_EQ(line["meter"], 1);
        // The chip's ID is read while the device is identified, before any write.
        uids.insert(line.value("uid", ""));
        EXPECT_EQ(line["productId"], "0x440");
        EXPECT_EQ(line["bootloaderVersion"], "3.1");
        EXPECT_EQ(line["firmwareSha256"].get<std::string>().size(), 64u);
        EXPECT_EQ(line["steps"]["soft"]["result"], failing ? "failed" : "ok");
        EXPECT_EQ(line["steps"]["tables"]["result"], failing ? "not run" : "ok");
        EXPECT_FALSE(line["steps"].contains("logo"));
        EXPECT_THAT(line["start"].get<std::string>(),
                    ::testing::MatchesRegex("....-..-..T..:..:..[+-]..:.."));
        ok += !failing;
    }
    EXPECT_EQ(ok, 3);
    EXPECT_EQ(uids, (std::set<std::string>{"3400215a3432470d20383300", "3400215a3432470d20383301",
                                           "3400215a3432470d20383302",
                                           "3400215a3432470d20383303"}));
}

// Each port reads back and backs up its own meter: nothing is shared between
// the ports' transfers, and every meter's backup is a file of its own.
TEST_F(ProductionLine, VerifiedAndBackedUpWritesOnThreePortsKeepTheirOwnTables) {
    auto old = std::make_unique<SatTpDatabase>();
    ASSERT_EQ(ReadSatTpFile(*old, Example("sattp.csv").c_str()), 0);
    auto written = std::make_unique<SatTpDatabase>(*old);
    old->satCount = 3;
    int kept = 0;
    for (int t = 0; t < old->tpCount; ++t)
        if (old->tps[t].satIndex < 3) old->tps[kept++] = old->tps[t];
    old->tpCount = kept;
    sim::MeterOptions options;
    options.tables = sim::EncodeTableDump(*old);
    std::vector<std::unique_ptr<sim::MeterSim>> running;
    std::vector<std::string> args;
    for (int i = 0; i < 3; ++i) {
        running.push_back(std::make_unique<sim::MeterSim>(options));
        ASSERT_TRUE(running.back()->Start());
        args.insert(args.end(), {"--port", running.back()->SlavePath()});
    }
    const std::string backup = folder.File("bk/meter.csv");
    args.insert(args.end(), {"--tables", Example("sattp.csv"), "--verify", "--backup", backup,
                             "--step-wait-ms", "1", "--report", report});
    for (int run = 0; run < 2; ++run) EXPECT_EQ(Run(args), kExitOk) << err.str();
    std::vector<std::string> names = testing::ScratchFolder::EntriesOf(folder.File("bk"));
    ASSERT_EQ(names.size(), 6u);
    for (auto& m : running) {
        std::string port = m->SlavePath();
        std::replace(port.begin(), port.end(), '/', '_');
        // The first run saved the old table, the second the one it wrote.
        std::vector<int> satCounts;
        for (const std::string& name : names) {
            if (name.rfind("meter-" + port + "-", 0) != 0) continue;
            auto saved = std::make_unique<SatTpDatabase>();
            ASSERT_EQ(ReadSatTpFile(*saved, (folder.File("bk/") + name).c_str()), 0);
            satCounts.push_back(saved->satCount);
        }
        std::sort(satCounts.begin(), satCounts.end());
        EXPECT_EQ(satCounts, (std::vector<int>{3, written->satCount})) << port;
    }
    EXPECT_EQ(ReportLines().size(), 6u);
}

// SIGTERM and SIGHUP end the line as Ctrl+C does: the running meters stop at
// their next wait and their report lines are written.
TEST_F(ProductionLine, TerminateSignalStopsLikeCtrlC) {
    StartMeters(2);
    std::vector<std::string> args = Ports();
    args.insert(args.end(), {"--soft", hex, "--icon", Example("stm32icon_sample.bin"),
                             "--soft-wait-ms", "20000", "--report", report});
    int status;
    {
        CtrlC term(
            [&] {
                for (auto& m : meters)
                    if (!m->Engine().RunningFirmware()) return false;
                return true;
            },
            SIGTERM);
        status = Run(args);
    }
    EXPECT_EQ(status, kExitFailed);
    std::vector<nlohmann::json> lines = ReportLines();
    ASSERT_EQ(lines.size(), 2u);
    for (const nlohmann::json& line : lines) EXPECT_EQ(line["steps"]["icon"]["result"], "not run");
}

// A port that does not exist (yet) is said once and then waited for.
TEST_F(ProductionLine, RepeatOnAMissingPortSaysSoOnceAndWaits) {
    const auto start = std::chrono::steady_clock::now();
    int status;
    {
        CtrlC press([&] {
            return std::chrono::steady_clock::now() - start > std::chrono::milliseconds(300);
        });
        status = Run({"--port", folder.File("ttyUSB9"), "--soft", hex, "--repeat",
                      "--probe-interval-ms", "20"});
    }
    EXPECT_EQ(status, kExitFailed);
    const std::string said = "the port does not open (is the adapter plugged in?)";
    std::string text = err.str();
    ASSERT_NE(text.find(said), std::string::npos) << text;
    EXPECT_EQ(text.find(said, text.find(said) + 1), std::string::npos) << text;
}

TEST_F(ProductionLine, CtrlCStopsEveryPortAtItsNextWait) {
    StartMeters(3);
    std::vector<std::string> args = Ports();
    args.insert(args.end(), {"--soft", hex, "--icon", Example("stm32icon_sample.bin"),
                             "--soft-wait-ms", "20000"});
    int status;
    auto start = std::chrono::steady_clock::now();
    {
        CtrlC press([&] {
            for (auto& m : meters)
                if (!m->Engine().RunningFirmware()) return false;
            return true;
        });
        status = Run(args);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(status, kExitFailed);
    for (auto& m : meters) {
        EXPECT_TRUE(HoldsFirmware(m->Engine().Flash()));
        EXPECT_TRUE(m->Engine().Meter().Record().commands.empty());
        EXPECT_THAT(out.str(), ContainsRegex(m->SlavePath() + " +ICON upgrade failed !"));
    }
}

// Three meters in a row on one port: each switched on in its bootloader a
// little after the one before started its firmware.
TEST_F(ProductionLine, RepeatServesOneMeterAfterAnother) {
    sim::MeterSlot slot(boot, {}, std::chrono::milliseconds(30));
    sim::PtyRunner runner(slot);
    ASSERT_TRUE(runner.Open() && runner.Start());
    EXPECT_EQ(Run({"--port", runner.SlavePath(), "--soft", hex, "--count", "3",
                   "--probe-interval-ms", "40", "--soft-wait-ms", "0", "--report", report}),
              kExitOk)
        << err.str();
    runner.Stop();
    EXPECT_EQ(slot.MetersUpgraded(), 3);
    for (const Bytes& flash : slot.UpgradedFlashes()) EXPECT_TRUE(HoldsFirmware(flash));
    for (const char* row : {"  1      All upgrade", "  2      All upgrade", "  3      All upgrade"})
        EXPECT_THAT(out.str(), HasSubstr(row));
    std::vector<nlohmann::json> lines = ReportLines();
    ASSERT_EQ(lines.size(), 3u);
    std::set<std::string> uids;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i]["ok"], true);
        EXPECT_EQ(lines[i]["meter"], i + 1);
        uids.insert(lines[i].value("uid", ""));
    }
    // Three chips, told apart by their IDs.
    EXPECT_EQ(uids.size(), 3u);
    EXPECT_EQ(uids.count(""), 0u);
}

// Ctrl+C while serving lets the running meter finish and takes no further one.
TEST_F(ProductionLine, CtrlCEndsTheServingAfterTheRunningMeter) {
    sim::MeterSlot slot(boot, {});
    sim::PtyRunner runner(slot);
    ASSERT_TRUE(runner.Open() && runner.Start());
    int status;
    {
        std::atomic<int> cycled{1};
        CtrlC press([&] {
            // The next meter is switched on once the first runs its firmware.
            if (slot.MetersUpgraded() == 1 && cycled.exchange(2) == 1) slot.PowerCycle();
            return slot.MetersUpgraded() == 2;
        });
        status = Run({"--port", runner.SlavePath(), "--soft", hex, "--repeat",
                      "--probe-interval-ms", "40", "--soft-wait-ms", "50"});
    }
    runner.Stop();
    EXPECT_EQ(status, kExitOk) << err.str();
    EXPECT_EQ(slot.MetersUpgraded(), 2);
    EXPECT_EQ(slot.MetersSwitchedOn(), 2);
    EXPECT_THAT(out.str(), HasSubstr("  2      All upgrade successfully"));
}

// A bootloader an earlier session left synchronised takes the first INIT as
// the start of a command; the next probe completes it, is refused, and that
// refusal finds the meter all the same.
TEST_F(ProductionLine, RepeatFindsABootloaderLeftSynchronised) {
    boot.synchronised = true;
    sim::MeterSlot slot(boot, {});
    sim::PtyRunner runner(slot);
    ASSERT_TRUE(runner.Open() && runner.Start());
    EXPECT_EQ(Run({"--port", runner.SlavePath(), "--soft", hex, "--count", "1",
                   "--probe-interval-ms", "40", "--soft-wait-ms", "0"}),
              kExitOk)
        << err.str();
    runner.Stop();
    EXPECT_EQ(slot.MetersUpgraded(), 1);
}

// Every meter of the line gets a unit record, found again by its chip's ID;
// a failure keeps the message that named it.
TEST_F(ProductionLine, RecordsEveryMeterAndFindsItByItsUniqueId) {
    StartMeters(3, 1);
    const std::string units = folder.File("units.sqlite");
    std::vector<std::string> args = Ports();
    args.insert(args.end(), {"--soft", hex, "--soft-wait-ms", "1", "--record", units, "--bench",
                             "bench-7"});
    EXPECT_EQ(Run(args), kExitFailed) << err.str();
    ASSERT_EQ(RunCaptured({"units", "--record", units, "--uid", "3400215A3432470D20383302",
                           "--json"},
                          out, err),
              kExitOk)
        << err.str();
    nlohmann::json found = nlohmann::json::parse(out.str());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]["port"], meters[2]->SlavePath());
    EXPECT_EQ(found[0]["bench"], "bench-7");
    EXPECT_EQ(found[0]["firmware"]["name"], "rav32izazud_line.hex");
    EXPECT_EQ(found[0]["ok"], true);
    ASSERT_EQ(RunCaptured({"units", "--record", units, "--result", "failed", "--json"}, out, err),
              kExitOk);
    found = nlohmann::json::parse(out.str());
    ASSERT_EQ(found.size(), 1u);
    // The bootloader's refusal, not the batch's closing status.
    EXPECT_EQ(found[0]["reason"], "Failed to write memory !");
    EXPECT_EQ(RunCaptured({"units", "summary", "--record", units}, out, err), kExitOk);
    EXPECT_THAT(out.str(), HasSubstr("bench-7  serviced 3, passed 2, failed 1"));
}

// A job of N meters: the line stops after N passed, and a restarted run
// continues the count kept in the database.
TEST_F(ProductionLine, LimitStopsAfterThePassedMetersOfTheRun) {
    sim::MeterSlot slot(boot, {}, std::chrono::milliseconds(30));
    sim::PtyRunner runner(slot);
    ASSERT_TRUE(runner.Open() && runner.Start());
    const std::string units = folder.File("units.sqlite");
    for (const char* limit : {"2", "3"}) {
        EXPECT_EQ(Run({"--port", runner.SlavePath(), "--soft", hex, "--limit", limit,
                       "--probe-interval-ms", "40", "--soft-wait-ms", "0", "--record", units,
                       "--run", "job-1"}),
                  kExitOk)
            << err.str();
        EXPECT_THAT(err.str(), HasSubstr(std::string("limit reached: ") + limit));
    }
    runner.Stop();
    EXPECT_EQ(slot.MetersUpgraded(), 3);
}

TEST_F(ProductionLine, UsageErrors) {
    const std::string icon = Example("stm32icon_sample.bin");
    const std::vector<std::vector<std::string>> cases = {
        {"--port", "COM1", "--soft", hex, "--count", "0"},
        {"--port", "COM1", "--port", "COM1", "--soft", hex},
        {"--ports", "COM1,,COM2", "--soft", hex},
        {"--port", "COM1", "--soft", hex, "--report"},
        {"--port", "COM1", "--soft", hex, "--repeat", "--probe-interval-ms", "0"},
        {"--port", "COM1", "--soft", hex, "--limit", "0"},
    };
    for (const auto& args : cases) EXPECT_EQ(Run(args), kExitUsage) << ::testing::PrintToString(args);
    EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace velmora::cli
