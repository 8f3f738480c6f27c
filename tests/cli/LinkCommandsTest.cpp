#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <sstream>
#include <thread>

#include "tests/support/LinkTestSupport.h"
#include "cli/Cli.h"
#include "sim/BootMeterSim.h"
#include "core/SatTpFile.h"
#include "tests/core/SatTpTestFiles.h"
#include "serial/LinkTexts.h"
#include "core/SatTpFile.h"
#include "serial/LinkTexts.h"

#include <nlohmann/json.hpp>

namespace velmora {
namespace {

using testing::ScratchFolder;

// Runs velmora-cli in-process from a temporary working folder.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun RunCliIn(const std::string& folder, std::vector<std::string> args) {
    args.insert(args.begin(), "velmora-cli");
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    std::ostringstream out;
    std::ostringstream err;
    cli::CliStreams io{out, err};
    auto before = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    CliRun run;
    run.status = cli::RunCli(static_cast<int>(argv.size()), argv.data(), io);
    std::filesystem::current_path(before);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::string Example(const char* name) { return std::string(VELMORA_SOURCE_DIR "/examples/") + name; }

class MeterCommands : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(meter.Start(&error)) << error;
    }
    void TearDown() override { meter.Stop(); }
    CliRun Run(std::vector<std::string> args) { return RunCliIn(dir.Path(), std::move(args)); }

    ScratchFolder dir;
    sim::MeterSim meter;
};

TEST_F(MeterCommands, WriteThenReadTablesRoundTripsTheExample) {
    CliRun write = Run({"write-tables", "--port", meter.SlavePath(), Example("sattp.csv")});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out, std::string(TEXT_WRITE_COMPLETED) + "\n");
    std::vector<uint8_t> stored = meter.Engine().Record().tables;
    ASSERT_FALSE(stored.empty());

    sim::MeterSim serving([&] {
        sim::MeterOptions o;
        o.tables = stored;
        return o;
    }());
    ASSERT_TRUE(serving.Start());
    CliRun read = Run({"read-tables", "--port", serving.SlavePath(), "-o", dir.File("copy.csv")});
    serving.Stop();
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.out, std::string(TEXT_READ_COMPLETED) + "\n");
    auto original = std::make_unique<SatTpDatabase>();
    auto copy = std::make_unique<SatTpDatabase>();
    ClearDatabase(*original);
    ClearDatabase(*copy);
    ASSERT_EQ(ReadSatTpFile(*original, Example("sattp.csv").c_str()), 0);
    ASSERT_EQ(ReadSatTpFile(*copy, dir.File("copy.csv").c_str()), 0);
    EXPECT_EQ(copy->satCount, original->satCount);
    EXPECT_EQ(copy->tpCount, original->tpCount);
}

// A satellite of 1500 transponders comes whole out of the meter, both into
// the file read-tables writes and into the backup taken before a write.
TEST_F(MeterCommands, ASatelliteOf1500TpsIsReadAndBackedUpWhole) {
    auto db = dbtest::NewDatabase();
    ApplyLnbDefaults(*db);
    int astra = dbtest::AddSatellite(*db, "Astra", 192, 0);
    for (int i = 0; i < 1500; ++i) dbtest::AddTp(*db, astra, 10700 + 3 * i, 22000);
    const std::string big = dir.File("big.csv");
    ASSERT_TRUE(WriteSatTpFile(*db, big.c_str()));
    ASSERT_EQ(Run({"write-tables", "--port", meter.SlavePath(), "--no-verify", big}).status, 0);
    CliRun backedUp = Run({"write-tables", "--port", meter.SlavePath(), "--no-verify", "--backup",
                           dir.File("backup.csv"), Example("sattp.csv")});
    EXPECT_EQ(backedUp.status, 0) << backedUp.err;
    EXPECT_EQ(dbtest::ReadBytes(dir.File("backup.csv")), dbtest::ReadBytes(big));

    ASSERT_EQ(Run({"write-tables", "--port", meter.SlavePath(), "--no-verify", big}).status, 0);
    CliRun read = Run({"read-tables", "--port", meter.SlavePath(), "-o", dir.File("copy.csv")});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(dbtest::ReadBytes(dir.File("copy.csv")), dbtest::ReadBytes(big));
}

TEST_F(MeterCommands, SampleLogoAndIconUploadByteForByte) {
    EXPECT_EQ(Run({"write-logo", "--port", meter.SlavePath(), Example("stm32logo_sample.bin")}).status, 0);
    EXPECT_EQ(Run({"write-icon", "--port", meter.SlavePath(), Example("stm32icon_sample.bin")}).status, 0);
    std::vector<uint8_t> logo;
    std::vector<uint8_t> icon;
    ASSERT_TRUE(sim::ReadBinaryFile(Example("stm32logo_sample.bin"), logo));
    ASSERT_TRUE(sim::ReadBinaryFile(Example("stm32icon_sample.bin"), icon));
    EXPECT_EQ(meter.Engine().Record().logo, logo);
    EXPECT_EQ(meter.Engine().Record().icon, icon);
}

TEST_F(MeterCommands, UsageErrorsExitWith2AndSendNothing) {
    const std::string port = meter.SlavePath();
    EXPECT_EQ(Run({"read-tables", "-o", "x.csv"}).status, 2);
    EXPECT_EQ(Run({"write-tables", "--port", port}).status, 2);
    EXPECT_EQ(Run({"delete-icons", "--port", port}).status, 2);
    EXPECT_EQ(Run({"ports", "extra"}).status, 2);
    CliRun wrongName = Run({"write-logo", "--port", port, Example("sattp.csv")});
    EXPECT_EQ(wrongName.status, 2);
    EXPECT_NE(wrongName.err.find("stm32logo"), std::string::npos);
    EXPECT_TRUE(meter.Engine().Record().commands.empty());
}

TEST_F(MeterCommands, FailuresExitWith1AndShowTheMessageBoxAsALine) {
    CliRun noPort = Run({"write-tables", "--port", dir.File("no-tty"), Example("sattp.csv")});
    EXPECT_EQ(noPort.status, 1);
    // Every line on standard error is the tool's, the reason's line too.
    EXPECT_EQ(noPort.err, "velmora-cli: " + std::string(TEXT_CONNECT_FAIL) + "\nvelmora-cli: " +
                              dir.File("no-tty") + " is gone: is the cable plugged in?\n");
    EXPECT_EQ(noPort.out, "");

    ASSERT_TRUE(sim::WriteBinaryFile(dir.File("stm32logo_short.bin"), std::vector<uint8_t>(10)));
    CliRun shortLogo = Run({"write-logo", "--port", meter.SlavePath(), dir.File("stm32logo_short.bin")});
    EXPECT_EQ(shortLogo.status, 1);
    EXPECT_EQ(shortLogo.err, "velmora-cli: " + std::string(TEXT_LOGO_TOO_SHORT) + "\n");

    CliRun deleted = Run({"delete-icons", "--port", meter.SlavePath(), "--yes"});
    EXPECT_EQ(deleted.status, 0);
    EXPECT_EQ(deleted.out, std::string(TEXT_DELETE_COMPLETED) + "\n");
    // The question is printed with the answer --yes gave.
    EXPECT_EQ(deleted.err, "velmora-cli: " + std::string(TEXT_DELETE_ICONS_QUESTION) + " yes\n");
}

TEST_F(MeterCommands, WriteTablesVerifiesUnlessToldNotAndBacksUpOnRequest) {
    const std::string backup = dir.File("old/meter.csv");
    CliRun clean = Run({"write-tables", "--port", meter.SlavePath(), "--verify", "--backup", backup,
                        Example("sattp.csv")});
    EXPECT_EQ(clean.status, 0) << clean.err;
    EXPECT_EQ(clean.out, std::string(TEXT_WRITE_COMPLETED) + "\n");
    EXPECT_TRUE(std::filesystem::exists(backup));

    meter.Engine().SetFaults([] {
        sim::MeterFaults f;
        f.storeFlipTp = 1;
        return f;
    }());
    CliRun flipped = Run({"write-tables", "--port", meter.SlavePath(), Example("sattp.csv")});
    EXPECT_EQ(flipped.status, 1);
    EXPECT_EQ(flipped.out, std::string(TEXT_VERIFY_FAILED) + "\n");
    EXPECT_EQ(flipped.err.rfind("velmora-cli: Verify failed: 1 TP differs, first TP 1 (", 0), 0u)
        << flipped.err;
    CliRun unchecked =
        Run({"write-tables", "--port", meter.SlavePath(), "--no-verify", Example("sattp.csv")});
    EXPECT_EQ(unchecked.status, 0) << unchecked.err;
    EXPECT_EQ(unchecked.out, std::string(TEXT_WRITE_COMPLETED) + "\n");
    EXPECT_EQ(Run({"write-tables", "--port", meter.SlavePath(), "--backup", Example("sattp.csv")}).status, 2);
}

// A write that broke off after a backup names the command that writes the
// backup back, quoted for the shell, and that command does it.
TEST_F(MeterCommands, ABrokenOffWriteNamesTheCommandThatWritesTheBackupBack) {
    ASSERT_EQ(Run({"write-tables", "--port", meter.SlavePath(), Example("sattp.csv")}).status, 0);
    const std::vector<uint8_t> before = meter.Engine().Record().tables;
    sim::MeterFaults refuse;
    refuse.refuseReceivedFrame = 5;
    meter.Engine().SetFaults(refuse);
    const std::string backup = dir.File("old tables/meter.csv");
    CliRun broken = Run({"write-tables", "--port", meter.SlavePath(), "--backup", backup,
                         Example("sattp.csv")});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("\nvelmora-cli: To write the backup back to the meter: velmora-cli "
                              "write-tables --port " +
                              meter.SlavePath() + " '" + backup + "'\n"),
              std::string::npos)
        << broken.err;

    meter.Engine().SetFaults({});
    CliRun back = Run({"write-tables", "--port", meter.SlavePath(), backup});
    EXPECT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(meter.Engine().Record().tables, before);
}

TEST(MeterCommandsInterrupt, CtrlCStopsAReadThatWaitsForASilentMeter) {
    sim::MeterOptions options;
    options.faults.noAnswer = true;
    sim::MeterSim meter(options);
    ASSERT_TRUE(meter.Start());
    ScratchFolder dir;
    // A press that lands just outside the command must not end the test.
    auto previous = std::signal(SIGINT, [](int) {});
    std::atomic<bool> done{false};
    std::thread presser([&] {
        // Only once the command is out is SIGINT routed to Stop.
        while (meter.Engine().Record().commands.empty() && !done) std::this_thread::yield();
        while (!done) {
            ::kill(::getpid(), SIGINT);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    CliRun run = RunCliIn(dir.Path(), {"read-tables", "--port", meter.SlavePath(), "-o", "x.csv"});
    done = true;
    presser.join();
    std::signal(SIGINT, previous);
    meter.Stop();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("stopped"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.csv")));
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

TEST(PortsCommand, FourTabSeparatedColumnsAndTheSameInJson) {
    ScratchFolder dir;
    sim::MeterSim meter;
    std::string error;
    ASSERT_TRUE(meter.Start(&error)) << error;
    std::vector<std::string> saved;
    for (int n = 1; n <= 9; ++n) {
        const std::string var = "VELMORA_COM" + std::to_string(n);
        const char* v = ::getenv(var.c_str());
        saved.push_back(v ? v : "");
        // COM3's name is no UTF-8 and holds an escape sequence.
        const std::string device = n == 1   ? meter.SlavePath()
                                   : n == 3 ? dir.File("tty\xff\x1b]0;x")
                                            : dir.File("ttyUSB7");
        ::setenv(var.c_str(), device.c_str(), 1);
    }
    CliRun text = RunCliIn(dir.Path(), {"ports"});
    CliRun json = RunCliIn(dir.Path(), {"ports", "--json"});
    for (int n = 1; n <= 9; ++n) {
        const std::string var = "VELMORA_COM" + std::to_string(n);
        if (saved[n - 1].empty()) {
            ::unsetenv(var.c_str());
        } else {
            ::setenv(var.c_str(), saved[n - 1].c_str(), 1);
        }
    }
    meter.Stop();

    EXPECT_EQ(text.status, 0);
    std::istringstream lines(text.out);
    std::string first;
    std::string second;
    std::string third;
    std::getline(lines, first);
    std::getline(lines, second);
    std::getline(lines, third);
    EXPECT_EQ(third.rfind("COM3\t" + dir.File("tty\\xff\\x1b]0;x") + "\t", 0), 0u) << third;
    EXPECT_EQ(first, "COM1\t" + meter.SlavePath() + "\topens\tyou may use it");
    EXPECT_EQ(second,
              "COM2\t" + dir.File("ttyUSB7") + "\tcannot be opened (absent or in use)\tabsent");

    EXPECT_EQ(json.status, 0);
    auto parsed = nlohmann::json::parse(json.out, nullptr, false);
    ASSERT_TRUE(parsed.is_array());
    ASSERT_EQ(parsed.size(), 9u);
    EXPECT_EQ(parsed[0]["name"], "COM1");
    EXPECT_EQ(parsed[0]["opens"], true);
    EXPECT_EQ(parsed[0]["access"], "you may use it");
    EXPECT_TRUE(parsed[0]["adapter"].is_null());
    EXPECT_EQ(parsed[1]["opens"], false);
    EXPECT_EQ(parsed[2]["device"], dir.File("tty\xef\xbf\xbd\x1b]0;x"));
    EXPECT_EQ(RunCliIn(dir.Path(), {"ports", "--yaml"}).status, 2);
}

// COM1..COM9 mapped to the given devices for one scope, the rest to a path
// that does not exist.
class ComMapping {
public:
    explicit ComMapping(const std::vector<std::string>& devices) {
        for (int n = 1; n <= 9; ++n) {
            const std::string var = "VELMORA_COM" + std::to_string(n);
            const char* v = ::getenv(var.c_str());
            saved_.emplace_back(v ? v : "");
            const std::string device =
                n <= static_cast<int>(devices.size()) ? devices[n - 1] : "/nonexistent/tty";
            ::setenv(var.c_str(), device.c_str(), 1);
        }
    }
    ~ComMapping() {
        for (int n = 1; n <= 9; ++n) {
            const std::string var = "VELMORA_COM" + std::to_string(n);
            if (saved_[n - 1].empty()) ::unsetenv(var.c_str());
            else ::setenv(var.c_str(), saved_[n - 1].c_str(), 1);
        }
    }

private:
    std::vector<std::string> saved_;
};

TEST(PortsCommand, ProbeAddsWhatAnsweredOnEachPort) {
    ScratchFolder dir;
    sim::MeterSim meter;
    sim::BootMeterSim bootloader;
    ASSERT_TRUE(meter.Start());
    ASSERT_TRUE(bootloader.Start());
    CliRun text;
    CliRun json;
    {
        ComMapping mapping({meter.SlavePath(), bootloader.SlavePath()});
        text = RunCliIn(dir.Path(), {"ports", "--probe"});
        json = RunCliIn(dir.Path(), {"ports", "--probe", "--json"});
    }
    meter.Stop();
    bootloader.Stop();
    std::istringstream lines(text.out);
    std::vector<std::string> lastColumns;
    for (std::string line; std::getline(lines, line);) {
        lastColumns.push_back(line.substr(line.rfind('\t') + 1));
    }
    ASSERT_EQ(lastColumns.size(), 9u) << text.out;
    EXPECT_EQ(lastColumns[0], "meter");
    EXPECT_EQ(lastColumns[1], "bootloader");
    EXPECT_EQ(lastColumns[2], "-");
    auto parsed = nlohmann::json::parse(json.out, nullptr, false);
    ASSERT_TRUE(parsed.is_array());
    EXPECT_EQ(parsed[0]["answers"], "meter");
    EXPECT_EQ(parsed[1]["answers"], "bootloader");
    EXPECT_TRUE(parsed[2]["answers"].is_null());
}

}  // namespace
}  // namespace velmora
