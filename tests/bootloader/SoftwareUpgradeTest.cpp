// The whole firmware upgrade over a pseudo-terminal: the real port, the
// bootloader client and the simulated meter started into its bootloader.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "bootloader/SerialBootPort.h"
#include "bootloader/SoftwareUpgrade.h"
#include "serial/LinkTexts.h"
#include "sim/BootMeterSim.h"
#include "sim/FirmwareSample.h"
#include "tests/support/LinkTestSupport.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;
using Bytes = std::vector<uint8_t>;

constexpr uint32_t kFlash = sim::STM32_FLASH_START;
constexpr uint32_t k64K = 0x10000;

// Keeps every progress position, not only the last.
class ProgressHost : public testing::FakeHost {
public:
    void SetProgress(int position) override {
        FakeHost::SetProgress(position);
        positions.push_back(position);
    }
    std::vector<int> positions;
};

// A meter with a 64 KB STM32F051 answering in its bootloader, and the link
// the upgrade runs on, polling every 100 us.
class Upgrade : public ::testing::Test {
protected:
    Upgrade() {
        boot.productId = 0x440;
        boot.flashSize = k64K;
        options.diagnostic = [this](const std::string& text) { diag += text; };
    }
    void StartBootloader() {
        sim = std::make_unique<sim::BootMeterSim>(boot);
        // An old firmware, so that an untouched flash can be told from an erased one.
        std::fill(sim->Engine().Bootloader().Flash().begin(),
                  sim->Engine().Bootloader().Flash().end(), 0x5A);
        std::string error;
        ASSERT_TRUE(sim->Start(&error)) << error;
        link.SetPortName(sim->SlavePath());
    }
    std::string Hex(const Bytes& image, const std::string& name = "rav32izazud_test.hex") {
        std::string path = dir.File(name);
        EXPECT_TRUE(sim::WriteIntelHexFile(path, image));
        return path;
    }
    OpResult Run(const std::string& path) { return UpgradeSoftware(link, path, options); }

    Bytes Flash() { return sim->Engine().Flash(); }
    bool FlashUntouched() {
        Bytes flash = Flash();
        return std::all_of(flash.begin(), flash.end(), [](uint8_t b) { return b == 0x5A; });
    }
    // What every way out leaves behind.
    void ExpectIdle() {
        EXPECT_FALSE(port.IsOpen());
        EXPECT_FALSE(host.flags.busyFlag);
        EXPECT_FALSE(host.flags.runFlag);
    }
    void ExpectFailure(OpResult result, const std::string& status) {
        EXPECT_EQ(result, OpResult::Failed);
        EXPECT_EQ(host.LastStatus(), status) << diag;
        EXPECT_EQ(host.flags.batchFlags & BATCH_SOFT_DONE, 0);
        if (sim) {
            EXPECT_FALSE(sim->Engine().RunningFirmware());
        }
        ExpectIdle();
    }

    BootloaderEngineOptions boot;
    BootOptions options;
    std::string diag;
    testing::ScratchFolder dir;
    ProgressHost host;
    SerialPort port;
    // Half a second before a reply counts as missing: enough for a machine
    // that runs the suite on every core, short enough for the silent line.
    MeterLink link{port, host, testing::TestLinkSettings(500us)};
    std::unique_ptr<sim::BootMeterSim> sim;
};

// ---- success ---------------------------------------------------------------

TEST_F(Upgrade, ThousandBytesTakeFourBlocksAndStartTheFirmware) {
    StartBootloader();
    Bytes image = sim::SampleFirmware(1000);
    ASSERT_EQ(Run(Hex(image)), OpResult::Completed) << diag;

    EXPECT_EQ(host.statuses,
              (std::vector<std::string>{
                  "Device initialize ...", "Erasing memory ...", "Write 0x08000100 (25.60%)   ",
                  "Write 0x08000200 (51.20%)   ", "Write 0x08000300 (76.80%)   ",
                  "Write 0x080003e8 (100.00%)   ", "Software upgrade success ! "}));
    EXPECT_EQ(host.positions, (std::vector<int>{26, 52, 77, 101, 101}));
    EXPECT_EQ(host.phases,
              (std::vector<std::pair<std::string, int>>{{"Device initialize ...", 101}}));
    EXPECT_EQ(host.flags.batchFlags.load(), BATCH_SOFT_DONE);

    Bytes flash = Flash();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), flash.begin()));
    EXPECT_TRUE(
        std::all_of(flash.begin() + 1000, flash.end(), [](uint8_t b) { return b == 0xFF; }));
    BootloaderEngineStats stats = sim->Engine().BootStats();
    EXPECT_EQ(stats.massErases, 1);
    EXPECT_EQ(stats.writes, 4);
    EXPECT_EQ(stats.reads, 4);
    EXPECT_TRUE(sim->Engine().RunningFirmware());
    EXPECT_EQ(sim->Engine().Bootloader().GoAddress(), kFlash);
    EXPECT_EQ(diag, "");
    ExpectIdle();
}

// Both erase commands, with the bootloader reporting BUSY while it erases.
class UpgradeErase : public Upgrade, public ::testing::WithParamInterface<uint8_t> {};

TEST_P(UpgradeErase, BusyBeforeTheEraseAckIsWaitedOut) {
    boot.eraseCommand = GetParam();
    boot.busyBeforeEraseAck = 3;
    StartBootloader();
    Bytes image = sim::SampleFirmware(3000, 7);
    ASSERT_EQ(Run(Hex(image)), OpResult::Completed) << diag;
    Bytes flash = Flash();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), flash.begin()));
    EXPECT_EQ(flash[3000], 0xFF);
}

INSTANTIATE_TEST_SUITE_P(EraseCommands, UpgradeErase, ::testing::Values(0x43, 0x44),
                         [](const auto& info) {
                             return info.param == 0x43 ? "Standard" : "Extended";
                         });

TEST_F(Upgrade, LengthNotAWholeNumberOfWordsIsPaddedAndVerifiedPadded) {
    StartBootloader();
    Bytes image = sim::SampleFirmware(1001, 3);
    ASSERT_EQ(Run(Hex(image)), OpResult::Completed) << diag;
    EXPECT_EQ(host.statuses[host.statuses.size() - 2], "Write 0x080003e9 (100.00%)   ");
    Bytes flash = Flash();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), flash.begin()));
    EXPECT_EQ(Bytes(flash.begin() + 1001, flash.begin() + 1004), (Bytes{0xFF, 0xFF, 0xFF}));
}

TEST_F(Upgrade, ImageFillingTheWholeFlashIsWritten) {
    StartBootloader();
    Bytes image = sim::SampleFirmware(k64K, 9);
    ASSERT_EQ(Run(Hex(image)), OpResult::Completed) << diag;
    EXPECT_EQ(Flash(), image);
    EXPECT_EQ(sim->Engine().BootStats().writes, 256);
}

// ---- verification retries --------------------------------------------------

// The second block begins with five erased bytes, so the first bit the
// marginal cells leave set is at offset 5 of that block.
Bytes ImageWithErasedHeadInBlockTwo() {
    Bytes image = sim::SampleFirmware(1000, 5);
    std::fill(image.begin() + 256, image.begin() + 261, 0xFF);
    image[261] = 0x00;
    return image;
}

TEST_F(Upgrade, BlockThatDiffersIsWrittenAgainUpToTenTimes) {
    boot.weakBlockAddress = kFlash + 0x100;
    boot.weakWrites = 10;
    StartBootloader();
    Bytes image = ImageWithErasedHeadInBlockTwo();
    ASSERT_EQ(Run(Hex(image)), OpResult::Completed) << diag;
    EXPECT_TRUE(std::equal(image.begin(), image.end(), Flash().begin()));
    EXPECT_EQ(sim->Engine().BootStats().writes, 4 + 10);
    EXPECT_EQ(sim->Engine().BootStats().massErases, 1);  // retries write again without erasing
}

TEST_F(Upgrade, EleventhDifferenceFailsWithTheFirstDifferingAddress) {
    boot.weakBlockAddress = kFlash + 0x100;
    boot.weakWrites = 11;
    StartBootloader();
    ExpectFailure(Run(Hex(ImageWithErasedHeadInBlockTwo())), "Failed to verify at 0x08000105");
    EXPECT_EQ(sim->Engine().BootStats().writes, 1 + 11);
}

// ---- refusals before the erase -------------------------------------------

TEST_F(Upgrade, FileThatCannotBeLoadedFailsBeforeThePortIsOpened) {
    StartBootloader();
    std::string bad = dir.File("rav32izazud_bad.hex");
    {
        std::ofstream(bad) << ":0400000001020304F3\n";  // checksum off by one
    }
    std::string missing = dir.File("rav32izazud_missing.hex");
    std::string cut = Hex(sim::SampleFirmware(1000));
    std::string text = sim::EncodeIntelHex(sim::SampleFirmware(1000));
    std::ofstream(cut, std::ios::trunc) << text.substr(0, text.rfind(":00000001FF"));
    const struct {
        std::string path, why;
    } cases[] = {
        {.path = missing, .why = missing + " cannot be read: No such file or directory"},
        {.path = "/dev/zero", .why = "/dev/zero is not a regular file"},
        {.path = bad, .why = bad + ":1: checksum 0xf3 should be 0xf2"},
        {.path = cut, .why = cut + ":65: no end-of-file record"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        host.statuses.clear();
        host.messages.clear();
        ExpectFailure(Run(c.path), "File open failed ! ");
        EXPECT_EQ(host.statuses, std::vector<std::string>{"File open failed ! "});
        EXPECT_EQ(host.messages, std::vector<std::string>{c.why});
    }
    EXPECT_EQ(sim->Engine().BootCounts().pcBytes, 0);
}

TEST_F(Upgrade, EmptyImageIsRefusedAfterIdentificationAndBeforeTheErase) {
    StartBootloader();
    ExpectFailure(Run(Hex({})), "Firmware file is empty ! ");
    EXPECT_EQ(host.statuses,
              (std::vector<std::string>{"Device initialize ...", "Firmware file is empty ! "}));
    EXPECT_GT(sim->Engine().BootCounts().pcBytes, 0);  // the device was identified
    EXPECT_EQ(sim->Engine().BootStats().massErases, 0);
    EXPECT_TRUE(FlashUntouched());
}

// The file alone cannot tell: only the product ID names the device's flash.
TEST_F(Upgrade, ImageBeyondTheDeviceFlashIsRefusedAfterIdentificationAndBeforeTheErase) {
    StartBootloader();
    const struct {
        std::size_t size;
        uint32_t at;
        std::string range;
    } cases[] = {
        {.size = k64K + 4, .at = kFlash, .range = "0x08000000-0x08010003"},
        {.size = 1000, .at = kFlash + k64K, .range = "0x08010000-0x080103e7"},
        {.size = 1000, .at = 0x08F00000, .range = "0x08f00000-0x08f003e7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.range);
        std::string path = dir.File("rav32izazud_big.hex");
        std::ofstream(path, std::ios::trunc)
            << sim::EncodeIntelHex(sim::SampleFirmware(c.size), c.at);
        host.messages.clear();
        ExpectFailure(Run(path), "Firmware larger than flash ! ");
        EXPECT_EQ(host.messages, std::vector<std::string>{path + ": the firmware at " + c.range +
                                                          " lies outside the flash of STM32F051xx"
                                                          " (0x08000000-0x0800ffff)"});
    }
    EXPECT_GT(sim->Engine().BootCounts().pcBytes, 0);  // the device was identified
    EXPECT_EQ(sim->Engine().BootStats().massErases, 0);
    EXPECT_EQ(sim->Engine().BootStats().writes, 0);
    EXPECT_TRUE(FlashUntouched());
}

TEST_F(Upgrade, UnsupportedProductIdIsDeviceNotFound) {
    boot.productId = 0x999;
    StartBootloader();
    ExpectFailure(Run(Hex(sim::SampleFirmware(1000))), "Device not found ! ");
    EXPECT_NE(diag.find("Unknown/unsupported device (Device ID: 0x999)\n"), std::string::npos)
        << diag;
    EXPECT_TRUE(FlashUntouched());
}

TEST_F(Upgrade, SilentLineIsDeviceNotFoundAfterBothInits) {
    sim::MeterSim meter;  // a meter in its normal mode ignores the bootloader's bytes
    ASSERT_TRUE(meter.Start());
    link.SetPortName(meter.SlavePath());
    ExpectFailure(Run(Hex(sim::SampleFirmware(1000))), "Device not found ! ");
    EXPECT_EQ(diag, "Failed to init device.\n");
    meter.Stop();
}

// ---- failures on the way -------------------------------------------------

TEST_F(Upgrade, RefusedEraseLeavesTheFlash) {
    boot.nackErase = true;
    StartBootloader();
    ExpectFailure(Run(Hex(sim::SampleFirmware(1000))), "Failed to erase memory !");
    EXPECT_TRUE(FlashUntouched());
}

TEST_F(Upgrade, RefusedWriteEndsTheUpgrade) {
    boot.nackWriteNumber = 3;
    StartBootloader();
    Bytes image = sim::SampleFirmware(1000);
    ExpectFailure(Run(Hex(image)), "Failed to write memory !");
    Bytes flash = Flash();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 512, flash.begin()));
    EXPECT_EQ(flash[512], 0xFF);
    EXPECT_EQ(sim->Engine().BootStats().reads, 2);
}

TEST_F(Upgrade, RefusedReadBackEndsTheUpgrade) {
    boot.nackReadNumber = 2;
    StartBootloader();
    ExpectFailure(Run(Hex(sim::SampleFirmware(1000))), "Failed to read memory !");
    EXPECT_EQ(sim->Engine().BootStats().writes, 2);
}

// ---- stop and refusal to start -------------------------------------------

TEST_F(Upgrade, StopBetweenBlocksLeavesAnEmptyStatusAndAClosedPort) {
    StartBootloader();
    host.onPump = [this] {
        if (host.LastStatus().rfind("Write 0x08000100", 0) == 0) host.flags.runFlag = 0;
    };
    Bytes image = sim::SampleFirmware(1000);
    EXPECT_EQ(Run(Hex(image)), OpResult::Stopped);
    EXPECT_EQ(host.LastStatus(), "");
    ExpectIdle();
    Bytes flash = Flash();
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 256, flash.begin()));
    EXPECT_EQ(flash[256], 0xFF);
    EXPECT_FALSE(sim->Engine().RunningFirmware());
}

TEST_F(Upgrade, StopWhileWaitingForTheBootloaderFailsThatStep) {
    sim::MeterSim meter;
    ASSERT_TRUE(meter.Start());
    link.SetPortName(meter.SlavePath());
    host.stopAfterPumps = 5;
    ExpectFailure(Run(Hex(sim::SampleFirmware(1000))), "Device not found ! ");
    EXPECT_LT(host.pumps, 10);
    meter.Stop();
}

TEST_F(Upgrade, BusyOrUnopenablePortDoesNotStart) {
    StartBootloader();
    std::string path = Hex(sim::SampleFirmware(1000));
    host.flags.busyFlag = 1;
    EXPECT_EQ(Run(path), OpResult::NotStarted);
    EXPECT_TRUE(host.statuses.empty());
    EXPECT_FALSE(port.IsOpen());

    host.flags.busyFlag = 0;
    link.SetPortName(dir.File("no-such-device"));
    EXPECT_EQ(Run(path), OpResult::NotStarted);
    EXPECT_EQ(host.messages, std::vector<std::string>{std::string(TEXT_CONNECT_FAIL) + "\n" +
                                                      link.PortName() +
                                                      " is gone: is the cable plugged in?"});
    EXPECT_TRUE(host.statuses.empty());
    ExpectIdle();
}

}  // namespace
}  // namespace velmora
