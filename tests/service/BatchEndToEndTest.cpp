// The patch-up batch against the simulated meter started into its
// bootloader: the firmware first, then after GO the icon, the logo and the
// tables over the meter protocol, each step opening the port afresh. The
// steps are the ones the window and velmora-cli run (LinkBatchSteps).
#include <gtest/gtest.h>

#include <map>

#include "service/BatchUpgrade.h"
#include "bootloader/SoftwareUpgrade.h"
#include "serial/LinkTexts.h"
#include "sim/BootMeterSim.h"
#include "sim/FirmwareSample.h"
#include "sim/TableDump.h"
#include "tests/support/LinkTestSupport.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

std::string Example(const char* name) {
    return std::string(VELMORA_SOURCE_DIR "/examples/") + name;
}

Bytes FileBytes(const std::string& path) {
    Bytes bytes;
    EXPECT_TRUE(sim::ReadBinaryFile(path, bytes)) << path;
    return bytes;
}

// Switches the meter's faults on for one step only, the way a meter that
// misbehaves in the middle of a batch would.
class StepFaults : public BatchSteps {
public:
    StepFaults(BatchSteps& steps, sim::MeterEngine& meter) : steps_(steps), meter_(meter) {}
    bool Ticked(BatchStep step) override { return steps_.Ticked(step); }
    bool Ready(BatchStep step) override { return steps_.Ready(step); }
    void Run(BatchStep step) override {
        ran.push_back(step);
        meter_.SetFaults(faults[step]);
        steps_.Run(step);
    }
    std::map<BatchStep, sim::MeterFaults> faults;
    std::vector<BatchStep> ran;

private:
    BatchSteps& steps_;
    sim::MeterEngine& meter_;
};

class BatchEndToEnd : public ::testing::Test {
protected:
    BatchEndToEnd() {
        boot.productId = 0x440;
        boot.flashSize = 0x10000;
        timing.afterSoft = 5ms;
        timing.afterUpload = 1ms;
        timing.slice = 1ms;
        // Three seconds pass between the start and the report.
        timing.now = [this] {
            std::time_t now = clock;
            clock += 3;
            return now;
        };
        bootOptions.diagnostic = [this](const std::string& text) { diag += text; };
        testing::FillSmallTable(host.Database());
        firmware = sim::SampleFirmware(1500, 21);
        softFile = dir.File("rav32izazud_batch.hex");
        sim::WriteIntelHexFile(softFile, firmware);
    }
    void StartMeter(bool inBootloader = true) {
        if (inBootloader) {
            upgradable = std::make_unique<sim::BootMeterSim>(boot);
            ASSERT_TRUE(upgradable->Start());
            link.SetPortName(upgradable->SlavePath());
        } else {
            plain = std::make_unique<sim::MeterSim>();
            ASSERT_TRUE(plain->Start());
            link.SetPortName(plain->SlavePath());
        }
    }
    sim::MeterEngine& Meter() {
        return upgradable ? upgradable->Engine().Meter() : plain->Engine();
    }
    void TickAll() { patchSoft = patchIcon = patchLogo = patchSatTp = 1; }

    std::string Run() {
        const BatchChoice choice{patchSoft, patchIcon, patchLogo, patchSatTp,
                                 softPath,  iconPath,  logoPath};
        LinkBatchSteps steps(link, choice, bootOptions);
        StepFaults faulty(steps, Meter());
        faulty.faults = faults;
        std::string report = RunBatch(host, faulty, timing);
        ran = faulty.ran;
        return report;
    }
    std::vector<std::string> MeterCommands() { return Meter().Record().commands; }
    void ExpectIdle() {
        EXPECT_FALSE(port.IsOpen());
        EXPECT_FALSE(host.flags.busyFlag);
        EXPECT_FALSE(host.flags.runFlag);
        EXPECT_FALSE(host.flags.batchRunning);
    }

    BootloaderEngineOptions boot;
    BootOptions bootOptions;
    BatchTiming timing;
    std::time_t clock = 5000;
    std::string diag;
    testing::ScratchFolder dir;
    testing::FakeHost host;
    SerialPort port;
    // A reply may take a second before it counts as missing: a loaded
    // machine running the suite on every core must not fail a good batch.
    MeterLink link{port, host, testing::TestLinkSettings(1000us)};
    std::unique_ptr<sim::BootMeterSim> upgradable;
    std::unique_ptr<sim::MeterSim> plain;

    Bytes firmware;
    std::string softFile;
    int patchSoft = 0, patchIcon = 0, patchLogo = 0, patchSatTp = 0;
    std::string softPath, iconPath = Example("stm32icon_sample.bin"),
                          logoPath = Example("stm32logo_sample.bin");
    std::map<BatchStep, sim::MeterFaults> faults;
    std::vector<BatchStep> ran;
};

using S = BatchStep;
const std::vector<S> kAllSteps = {S::Soft, S::Icon, S::Logo, S::Tables};

TEST_F(BatchEndToEnd, AllFourStepsUpgradeTheMeterAndReportTheElapsedTime) {
    StartMeter();
    TickAll();
    softPath = softFile;
    EXPECT_EQ(Run(), "All upgrade successfully ! elapse 3 sec  ");
    EXPECT_EQ(ran, kAllSteps);
    EXPECT_EQ(host.flags.batchFlags.load(),
              BATCH_SOFT_DONE | BATCH_ICON_DONE | BATCH_LOGO_DONE | BATCH_TABLES_DONE);
    EXPECT_EQ(host.LastStatus(), TEXT_WRITE_COMPLETED);

    Bytes flash = upgradable->Engine().Flash();
    EXPECT_TRUE(std::equal(firmware.begin(), firmware.end(), flash.begin()));
    EXPECT_TRUE(upgradable->Engine().RunningFirmware());
    sim::MeterRecord meter = Meter().Record();
    EXPECT_EQ(meter.commands,
              (std::vector<std::string>{"Write icon", "Write logo", "Write tables"}));
    EXPECT_EQ(meter.icon, FileBytes(iconPath));
    EXPECT_EQ(meter.logo, FileBytes(logoPath));
    EXPECT_EQ(meter.tables, sim::EncodeTableDump(host.Database()));
    EXPECT_EQ(diag, "");
    ExpectIdle();
}

TEST_F(BatchEndToEnd, FailedSoftStopsTheBatchAndNamesEveryTickedStep) {
    boot.nackWriteNumber = 2;
    StartMeter();
    TickAll();
    softPath = softFile;
    EXPECT_EQ(Run(), "SOFT ICON LOGO SAT&TP upgrade failed ! ");
    EXPECT_EQ(ran, std::vector<S>{S::Soft});
    EXPECT_EQ(host.LastStatus(), "Failed to write memory !");
    EXPECT_FALSE(upgradable->Engine().RunningFirmware());
    EXPECT_TRUE(MeterCommands().empty());
    EXPECT_EQ(host.flags.batchFlags.load(), 0);
    ExpectIdle();
}

TEST_F(BatchEndToEnd, FailedIconNamesTheStepsThatNeverRan) {
    StartMeter();
    TickAll();
    softPath = softFile;
    faults[S::Icon].refuseReceivedFrame = 3;
    EXPECT_EQ(Run(), "ICON LOGO SAT&TP upgrade failed ! ");
    EXPECT_EQ(ran, (std::vector<S>{S::Soft, S::Icon}));
    EXPECT_EQ(host.LastStatus(), TEXT_WRITE_FAILED);
    EXPECT_EQ(MeterCommands(), std::vector<std::string>{"Write icon"});
    EXPECT_EQ(host.flags.batchFlags.load(), BATCH_SOFT_DONE);
    ExpectIdle();
}

TEST_F(BatchEndToEnd, FailedLogoStopsBeforeTheTables) {
    StartMeter();
    TickAll();
    softPath = softFile;
    faults[S::Logo].ignoreReceivedFrame = 2;
    EXPECT_EQ(Run(), "LOGO SAT&TP upgrade failed ! ");
    EXPECT_EQ(host.messages, std::vector<std::string>{TEXT_ASK_TIMEOUT});
    EXPECT_EQ(ran, (std::vector<S>{S::Soft, S::Icon, S::Logo}));
    EXPECT_EQ(MeterCommands(), (std::vector<std::string>{"Write icon", "Write logo"}));
    EXPECT_EQ(host.flags.batchFlags.load(), BATCH_SOFT_DONE | BATCH_ICON_DONE);
    ExpectIdle();
}

TEST_F(BatchEndToEnd, FailedTablesAreNamedAfterTheOthersSucceeded) {
    StartMeter();
    patchSoft = patchIcon = patchSatTp = 1;  // the logo unticked: neither run nor named
    softPath = softFile;
    faults[S::Tables].refuseReceivedFrame = 17;  // the satellite count
    EXPECT_EQ(Run(), "SAT&TP upgrade failed ! ");
    EXPECT_EQ(ran, (std::vector<S>{S::Soft, S::Icon, S::Tables}));
    EXPECT_EQ(host.LastStatus(), TEXT_WRITE_FAILED);
    EXPECT_EQ(MeterCommands(), (std::vector<std::string>{"Write icon", "Write tables"}));
    EXPECT_EQ(host.flags.batchFlags.load(), BATCH_SOFT_DONE | BATCH_ICON_DONE);
    ExpectIdle();
}

TEST_F(BatchEndToEnd, SoftTickedWithoutAFileIsSkippedAndNamed) {
    StartMeter(false);  // no firmware step, so the meter answers as itself
    patchSoft = patchIcon = 1;
    EXPECT_EQ(Run(), "SOFT upgrade failed ! ");
    EXPECT_EQ(ran, std::vector<S>{S::Icon});
    EXPECT_EQ(Meter().Record().icon, FileBytes(iconPath));
    EXPECT_EQ(host.flags.batchFlags.load(), BATCH_ICON_DONE);
}

TEST_F(BatchEndToEnd, OnlyTablesTickedWritesThem) {
    StartMeter(false);
    patchSatTp = 1;
    EXPECT_EQ(Run(), "All upgrade successfully ! elapse 3 sec  ");
    EXPECT_EQ(ran, std::vector<S>{S::Tables});
    EXPECT_EQ(Meter().Record().tables, sim::EncodeTableDump(host.Database()));
}

TEST_F(BatchEndToEnd, OnlyTablesWithEmptyTablesIsNamedWithoutRunning) {
    StartMeter(false);
    patchSatTp = 1;
    host.Database().satCount = 0;
    EXPECT_EQ(Run(), "SAT&TP upgrade failed ! ");
    EXPECT_TRUE(ran.empty());
    EXPECT_TRUE(MeterCommands().empty());
    EXPECT_EQ(host.pumps, 0);  // no step ran, so no wait either
}

TEST_F(BatchEndToEnd, StopDuringTheUpgradeEndsTheBatch) {
    StartMeter();
    TickAll();
    softPath = softFile;
    host.onPump = [this] {
        if (host.LastStatus().rfind("Write 0x", 0) == 0) {
            host.flags.runFlag = 0;  // what the Stop button does
            host.flags.batchStopRequested = host.flags.batchRunning.load();
        }
    };
    EXPECT_EQ(Run(), "SOFT ICON LOGO SAT&TP upgrade failed ! ");
    EXPECT_EQ(host.LastStatus(), "");
    EXPECT_EQ(ran, std::vector<S>{S::Soft});
    EXPECT_TRUE(MeterCommands().empty());
    EXPECT_FALSE(host.flags.batchStopRequested);
    ExpectIdle();
}

}  // namespace
}  // namespace velmora
