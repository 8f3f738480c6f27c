// Unit records of the commands that service one meter, recording switched
// on by the settings, and units sync against a server of the test's own.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/Cli.h"
#include "serial/LinkTexts.h"
#include "sim/BootMeterSim.h"
#include "sim/FirmwareSample.h"
#include "sim/MeterSim.h"
#include "sim/TableDump.h"
#include "tests/cli/CliRun.h"
#include "tests/support/PostgresCluster.h"
#include "tests/support/ScratchFolder.h"

namespace velmora::cli {
namespace {

using ::testing::HasSubstr;

std::string Example(const char* name) {
    return std::string(VELMORA_SOURCE_DIR "/examples/") + name;
}

// An environment variable set for one test and put back after it.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_) ::setenv(name_, old_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

class UnitRecords : public ::testing::Test {
protected:
    UnitRecords() {
        boot.productId = 0x440;
        boot.flashSize = 0x10000;
        hex = folder.File("rav32izazud_unit.hex");
        sim::WriteIntelHexFile(hex, sim::SampleFirmware(2000, 4));
    }
    // The records of the database, newest first.
    nlohmann::json Records(const std::string& database) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunCaptured({"units", "--record", database, "--json"}, out, err), kExitOk)
            << err.str();
        return nlohmann::json::parse(out.str(), nullptr, false);
    }

    testing::ScratchFolder folder;
    BootloaderEngineOptions boot;
    std::string hex;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(UnitRecords, EachOneMeterCommandKeepsItsStepAndWhatNamedAFailure) {
    sim::MeterSim meter;
    ASSERT_TRUE(meter.Start());
    BootloaderEngineOptions refusing = boot;
    refusing.nackWriteNumber = 3;
    sim::BootMeterSim bootloader(boot);
    sim::BootMeterSim refuser(refusing);
    ASSERT_TRUE(bootloader.Start() && refuser.Start());
    const std::string shortLogo = folder.File("stm32logo_short.bin");
    ASSERT_TRUE(sim::WriteBinaryFile(shortLogo, std::vector<uint8_t>(10)));
    struct Case {
        std::vector<std::string> args;
        const char* step;
        const char* stepResult;
        const char* reason;  // empty: passed
    };
    const std::vector<Case> cases = {
        {{"upgrade", "--port", bootloader.SlavePath(), hex}, "soft", "ok", ""},
        {{"upgrade", "--port", refuser.SlavePath(), hex}, "soft", "failed",
         "Failed to write memory !"},
        {{"write-tables", "--port", meter.SlavePath(), Example("sattp.csv")}, "tables", "ok", ""},
        // Refused before the port is opened.
        {{"write-logo", "--port", meter.SlavePath(), shortLogo}, "logo", "not run",
         TEXT_LOGO_TOO_SHORT},
        {{"write-icon", "--port", meter.SlavePath(), Example("stm32icon_sample.bin")}, "icon", "ok",
         ""},
    };
    const std::string units = folder.File("units.sqlite");
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--record", units, "--bench", "bench-3"});
        const bool passed = *c.reason == '\0';
        EXPECT_EQ(RunCaptured(args, out, err), passed ? kExitOk : kExitFailed) << err.str();
        nlohmann::json records = Records(units);
        ASSERT_FALSE(records.empty());
        const nlohmann::json& r = records[0];
        SCOPED_TRACE(r.dump());
        EXPECT_EQ(r["port"], c.args[2]);
        EXPECT_EQ(r["bench"], "bench-3");
        EXPECT_EQ(r["steps"][c.step]["result"], c.stepResult);
        EXPECT_EQ(r["ok"], passed);
        EXPECT_EQ(r["reason"], c.reason);
        if (c.args[0] == "upgrade") {
            EXPECT_EQ(r["uid"].get<std::string>().size(), 24u);
            EXPECT_EQ(r["firmware"]["name"], "rav32izazud_unit.hex");
            EXPECT_EQ(r["firmware"]["sha256"].get<std::string>().size(), 64u);
        }
        if (c.args[0] == "write-tables") {
            EXPECT_EQ(r["verify"], "ok");
            EXPECT_GT(r["tables"]["transponders"].get<int>(), 0);
        }
    }
    EXPECT_EQ(Records(units).size(), cases.size());
    EXPECT_EQ(RunCaptured({"write-logo", "--port", meter.SlavePath(), shortLogo, "--limit", "2"},
                          out, err),
              kExitUsage);
}

// [production] record= in the window's settings file records as --record does.
TEST_F(UnitRecords, TheSettingsSwitchRecordingOn) {
    ScopedVariable config("XDG_CONFIG_HOME", folder.File("config"));
    ScopedVariable data("XDG_DATA_HOME", folder.File("data"));
    std::filesystem::create_directories(folder.File("config/velmora"));
    sim::MeterSim meter;
    ASSERT_TRUE(meter.Start());
    const std::string named = folder.File("named.sqlite");
    const std::string own = folder.File("data/velmora/units.sqlite");
    struct Case {
        std::string settings;
        std::string database;  // empty: none made
    };
    const std::vector<Case> cases = {
        {"[meter]\nrecord=" + folder.File("wrong.sqlite") + "\n[production]\nbench=b\n", ""},
        {"[production]\nrecord = \"" + named + "\"\n", named},
        {"[production]\r\nrecord=on\r\n", own},
        {"[production]\nrecord=off\n", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settings);
        std::error_code ec;
        std::filesystem::remove(named, ec);
        std::filesystem::remove(own, ec);
        testing::Spit(folder.File("config/velmora/velmora.conf"), c.settings);
        EXPECT_EQ(RunCaptured({"write-icon", "--port", meter.SlavePath(),
                               Example("stm32icon_sample.bin")},
                              out, err),
                  kExitOk)
            << err.str();
        EXPECT_FALSE(std::filesystem::exists(folder.File("wrong.sqlite")));
        for (const std::string& database : {named, own})
            EXPECT_EQ(std::filesystem::exists(database), database == c.database) << database;
        if (!c.database.empty()) {
            EXPECT_EQ(Records(c.database).size(), 1u);
        }
    }
}

// A server out of reach stops no bench: the records wait in the bench's
// own file, and units sync sends each of them to the server once.
TEST_F(UnitRecords, UnitsSyncSendsTheRecordsAServerMissedOnce) {
    VELMORA_POSTGRES_CLUSTER(server);
    std::string error;
    const std::string url = server->NewDatabase(&error);
    ASSERT_FALSE(url.empty()) << error;
    ScopedVariable data("XDG_DATA_HOME", folder.File("data"));
    ASSERT_TRUE(server->Stop(&error)) << error;
    std::vector<std::unique_ptr<sim::BootMeterSim>> meters;
    std::vector<std::string> args = {"batch", "--soft", hex, "--soft-wait-ms", "1",
                                     "--record", url};
    for (uint8_t i = 0; i < 2; ++i) {
        BootloaderEngineOptions own = boot;
        own.uniqueId[11] = i;
        meters.push_back(std::make_unique<sim::BootMeterSim>(own));
        ASSERT_TRUE(meters.back()->Start());
        args.insert(args.end(), {"--port", meters.back()->SlavePath()});
    }
    EXPECT_EQ(RunCaptured(args, out, err), kExitOk) << err.str();
    EXPECT_THAT(err.str(), HasSubstr("until velmora-cli units sync sends them"));
    EXPECT_EQ(RunCaptured({"units", "sync", "--record", url}, out, err), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("cannot reach the database server"));
    const bool started = server->Start(&error);
    ASSERT_TRUE(started) << error;
    for (const char* sent : {"2 records sent\n", "0 records sent\n"}) {
        EXPECT_EQ(RunCaptured({"units", "sync", "--record", url}, out, err), kExitOk) << err.str();
        EXPECT_EQ(out.str(), sent);
    }
    nlohmann::json records = Records(url);
    ASSERT_EQ(records.size(), 2u);
    ASSERT_EQ(RunCaptured({"units", "--record", url, "--uid", records[1]["uid"].get<std::string>(),
                           "--csv"}, out,
                          err),
              kExitOk);
    EXPECT_THAT(out.str(), HasSubstr(records[1]["id"].get<std::string>()));
    EXPECT_EQ(Records(folder.File("data/velmora/units.sqlite")).size(), 2u);
}

}  // namespace
}  // namespace velmora::cli
