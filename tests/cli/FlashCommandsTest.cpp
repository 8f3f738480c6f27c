// velmora-cli upgrade, flash-image and batch: exit statuses and outputs,
// the upgrade and the batch against the simulated meter in its bootloader.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <thread>

#include "cli/Cli.h"
#include "tests/cli/CliRun.h"
#include "service/FactoryImage.h"
#include "sim/BootMeterSim.h"
#include "sim/FirmwareSample.h"
#include "sim/TableDump.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::cli {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;
using Bytes = std::vector<uint8_t>;

std::string Example(const char* name) {
    return std::string(VELMORA_SOURCE_DIR "/examples/") + name;
}

class FlashCommands : public ::testing::Test {
protected:
    FlashCommands() {
        boot.productId = 0x440;
        boot.flashSize = 0x10000;
        firmware = sim::SampleFirmware(2000, 4);
        hex = folder.File("rav32izazud_cli.hex");
        sim::WriteIntelHexFile(hex, firmware);
    }
    void StartMeter() {
        meter = std::make_unique<sim::BootMeterSim>(boot);
        ASSERT_TRUE(meter->Start());
    }
    const std::string& Port() { return meter->SlavePath(); }
    // Runs in the scratch folder, where flash-image writes by default.
    int Run(std::vector<std::string> args) {
        return RunCaptured(std::move(args), out, err, folder.Path());
    }
    bool FlashHoldsTheFirmware() {
        Bytes flash = meter->Engine().Flash();
        return std::equal(firmware.begin(), firmware.end(), flash.begin());
    }

    testing::ScratchFolder folder;
    BootloaderEngineOptions boot;
    std::unique_ptr<sim::BootMeterSim> meter;
    Bytes firmware;
    std::string hex;
    std::ostringstream out;
    std::ostringstream err;
};

// ---- upgrade -------------------------------------------------------------

TEST_F(FlashCommands, UpgradeWritesTheFirmwareAndStartsIt) {
    StartMeter();
    EXPECT_EQ(Run({"upgrade", "--port", Port(), hex}), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "Software upgrade success ! \n");
    EXPECT_TRUE(FlashHoldsTheFirmware());
    EXPECT_TRUE(meter->Engine().RunningFirmware());
}

TEST_F(FlashCommands, UpgradeFailuresExitWithOne) {
    boot.nackWriteNumber = 3;
    StartMeter();
    EXPECT_EQ(Run({"upgrade", "--port", Port(), hex}), kExitFailed);
    EXPECT_EQ(out.str(), "Failed to write memory !\n");

    // A file that cannot be opened is 2, as for every command.
    EXPECT_EQ(Run({"upgrade", "--port", Port(), folder.File("rav32izazud_none.hex")}), kExitUsage);
    EXPECT_EQ(out.str(), "File open failed ! \n");
    EXPECT_EQ(Run({"upgrade", "--port", folder.File("no-tty"), hex}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("Connect fail \n"));
}

// The file is loaded as the upgrade loads it: a refused one ends the command
// with its reason before any port is opened.
TEST_F(FlashCommands, RefusedFirmwareFileEndsBeforeAnyPortIsOpened) {
    StartMeter();
    std::string cut = folder.File("rav32izazud_cut.hex");
    std::string text = sim::EncodeIntelHex(firmware);
    ASSERT_TRUE(dbtest::WriteBytes(cut, text.substr(0, text.rfind(":00000001FF"))));
    std::string zero = folder.File("rav32izazud_zero.hex");
    std::filesystem::create_symlink("/dev/zero", zero);
    const std::string cutWhy = "velmora-cli: " + cut + ":127: no end-of-file record\n";
    const struct {
        std::vector<std::string> args;
        std::string out, err;
        int status = kExitFailed;
    } cases[] = {
        {.args = {"upgrade", "--port", Port(), cut}, .out = "File open failed ! \n", .err = cutWhy},
        {.args = {"upgrade", "--port", Port(), zero},
         .out = "File open failed ! \n",
         .err = "velmora-cli: " + zero + " is not a regular file\n",
         .status = kExitUsage},
        {.args = {"batch", "--port", Port(), "--soft", cut}, .out = "", .err = cutWhy},
        {.args = {"batch", "--port", Port(), "--soft", cut, "--count", "2"},
         .out = "",
         .err = cutWhy},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.args), c.status) << c.args[0];
        EXPECT_EQ(out.str(), c.out);
        EXPECT_EQ(err.str(), c.err);
    }
    EXPECT_EQ(meter->Engine().BootCounts().pcBytes, 0);
}

TEST_F(FlashCommands, UpgradeUsageErrorsTouchNothing) {
    StartMeter();
    std::string wrongName = folder.File("finder.hex");
    sim::WriteIntelHexFile(wrongName, firmware);
    EXPECT_EQ(Run({"upgrade", "--port", Port(), wrongName}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("must begin with \"rav32izazud\""));
    EXPECT_EQ(Run({"upgrade", hex}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("usage: velmora-cli upgrade --port P FILE.hex"));
    EXPECT_EQ(Run({"upgrade", "--port", Port()}), kExitUsage);
    EXPECT_EQ(Run({"upgrade", "--port", Port(), hex, hex}), kExitUsage);
    EXPECT_EQ(meter->Engine().BootCounts().pcBytes, 0);
}

// ---- flash-image ---------------------------------------------------------

TEST_F(FlashCommands, FlashImageWritesFlash1MBinByDefault) {
    std::vector<std::string> args = {"flash-image",
                                     "--db",
                                     Example("sattp.csv"),
                                     "--logo",
                                     Example("stm32logo_sample.bin"),
                                     "--icon",
                                     Example("stm32icon_sample.bin")};
    EXPECT_EQ(Run(args), kExitOk) << err.str();
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(std::filesystem::file_size(folder.File("Flash1M.bin")), FACTORY_IMAGE_SIZE);

    // --tables, as batch takes the table, builds the same image.
    args[1] = "--tables";
    args.insert(args.end(), {"-o", folder.File("other.bin")});
    EXPECT_EQ(Run(args), kExitOk) << err.str();
    Bytes first, second;
    ASSERT_TRUE(sim::ReadBinaryFile(folder.File("Flash1M.bin"), first));
    ASSERT_TRUE(sim::ReadBinaryFile(folder.File("other.bin"), second));
    EXPECT_EQ(first, second);
}

TEST_F(FlashCommands, FlashImageRefusals) {
    std::string db = Example("sattp.csv");
    std::string logo = Example("stm32logo_sample.bin");
    std::string icon = Example("stm32icon_sample.bin");
    // Names the window would refuse.
    EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", icon, "--icon", icon}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("must begin with \"stm32logo\""));
    EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", logo, "--icon", logo}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("must begin with \"stm32icon\""));
    EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", logo}), kExitUsage);
    EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", logo, "--icon", icon, "extra"}),
              kExitUsage);

    EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", folder.File("stm32logo_gone.bin"), "--icon",
                   icon}),
              kExitUsage);
    EXPECT_EQ(err.str(), "velmora-cli: cannot open " + folder.File("stm32logo_gone.bin") +
                             ": No such file or directory\n");
    const std::string lost = folder.File("no/such/Flash1M.bin");
    EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", logo, "--icon", icon, "-o", lost}),
              kExitFailed);
    EXPECT_EQ(err.str(), "velmora-cli: Create Flash1M.bin error !\nvelmora-cli: cannot write " +
                             lost + ": No such file or directory\n");
    EXPECT_EQ(Run({"flash-image", "--db", folder.File("none.csv"), "--logo", logo, "--icon", icon}),
              kExitUsage);
    const std::string logoFolder = folder.File("stm32logo_folder");
    std::filesystem::create_directory(logoFolder);
    EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", logoFolder, "--icon", icon}), kExitUsage);
    EXPECT_EQ(err.str(), "velmora-cli: " + logoFolder + " is a folder\n");
    std::string empty = folder.File("empty.csv");
    ASSERT_TRUE(dbtest::WriteBytes(empty,
                                   "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,"
                                   "polarization,unique\r\n"));
    EXPECT_EQ(Run({"flash-image", "--db", empty, "--logo", logo, "--icon", icon}), kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("holds no satellites or transponders"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("Flash1M.bin")));

    // A dangling link as the output stays a link.
    const std::string dangling = folder.File("dangling.bin");
    std::filesystem::create_symlink("nowhere/Flash1M.bin", dangling);
    EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", logo, "--icon", icon, "-o", dangling}),
              kExitFailed);
    EXPECT_THAT(err.str(), HasSubstr("cannot write " + dangling +
                                     ": is a link that leads nowhere (No such file or directory)"));
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));

    // Parts of files: named, with what is missing, and no image.
    const std::string cutLogo = folder.File("stm32logo_cut.bin");
    const std::string cutIcon = folder.File("stm32icon_cut.bin");
    ASSERT_TRUE(sim::WriteBinaryFile(cutIcon, Bytes{0x40, 2, 3, 0, 0, 0}));
    for (std::size_t size : {0, 100}) {
        ASSERT_TRUE(sim::WriteBinaryFile(cutLogo, Bytes(size, 7)));
        EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", cutLogo, "--icon", icon}), kExitFailed);
        EXPECT_EQ(err.str(), "velmora-cli: Logo file too short ! " + cutLogo + " holds " +
                                 std::to_string(size) + " bytes; a logo takes 153604.\n");
    }
    EXPECT_EQ(Run({"flash-image", "--db", db, "--logo", logo, "--icon", cutIcon}), kExitFailed);
    EXPECT_EQ(err.str(), "velmora-cli: Icon file too short ! " + cutIcon +
                             " holds 6 bytes; its header announces 1546.\n");
    EXPECT_FALSE(std::filesystem::exists(folder.File("Flash1M.bin")));
}

// ---- batch ---------------------------------------------------------------

TEST_F(FlashCommands, BatchRunsTheGivenStepsAndPrintsTheReport) {
    StartMeter();
    EXPECT_EQ(
        Run({"batch", "--port", Port(), "--soft", hex, "--icon", Example("stm32icon_sample.bin"),
             "--tables", Example("sattp.csv"), "--soft-wait-ms", "2", "--step-wait-ms", "1"}),
        kExitOk)
        << err.str();
    EXPECT_THAT(out.str(), StartsWith("All upgrade successfully ! elapse "));
    EXPECT_TRUE(FlashHoldsTheFirmware());
    sim::MeterRecord record = meter->Engine().Meter().Record();
    // The tables are read back after their write by default.
    EXPECT_EQ(record.commands,
              (std::vector<std::string>{"Write icon", "Write tables", "Read tables"}));
    EXPECT_FALSE(record.tables.empty());
}

TEST_F(FlashCommands, BatchWithAFailedStepExitsWithOne) {
    boot.nackErase = true;
    StartMeter();
    EXPECT_EQ(Run({"batch", "--port", Port(), "--soft", hex, "--icon",
                   Example("stm32icon_sample.bin"), "--soft-wait-ms", "0"}),
              kExitFailed);
    EXPECT_EQ(out.str(), "SOFT ICON upgrade failed ! \n");
    EXPECT_TRUE(meter->Engine().Meter().Record().commands.empty());
}

TEST_F(FlashCommands, BatchUsageErrors) {
    std::string icon = Example("stm32icon_sample.bin");
    EXPECT_EQ(Run({"batch", "--port", "COM1"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("nothing to do"));
    EXPECT_EQ(Run({"batch", "--icon", icon}), kExitUsage);
    EXPECT_EQ(Run({"batch", "--port", "COM1", "--icon", Example("stm32logo_sample.bin")}),
              kExitUsage);
    EXPECT_EQ(Run({"batch", "--port", "COM1", "--soft", folder.File("v2.hex")}), kExitUsage);
    EXPECT_EQ(Run({"batch", "--port", "COM1", "--icon", icon, "--step-wait-ms", "soon"}),
              kExitUsage);
    EXPECT_EQ(Run({"batch", "--port", "COM1", "--icon", icon, "--soft-wait-ms", "-5"}), kExitUsage);
    EXPECT_EQ(Run({"batch", "--port", "COM1", "--tables", folder.File("none.csv")}), kExitUsage);
    EXPECT_EQ(out.str(), "");
}

// One Ctrl+C once the new firmware runs ends the batch in the wait that
// follows, as Stop does in the window; without that the wait would run out
// and the icon be written.
TEST_F(FlashCommands, CtrlCAfterTheFirmwareStepEndsTheBatch) {
    StartMeter();
    auto previous = std::signal(SIGINT, [](int) {});
    std::atomic<bool> done{false};
    std::thread presser([&] {
        while (!meter->Engine().RunningFirmware() && !done) std::this_thread::yield();
        if (!done) ::kill(::getpid(), SIGINT);
    });
    int status = Run({"batch", "--port", Port(), "--soft", hex, "--icon",
                      Example("stm32icon_sample.bin"), "--soft-wait-ms", "20000"});
    done = true;
    presser.join();
    std::signal(SIGINT, previous);
    EXPECT_EQ(status, kExitFailed);
    EXPECT_EQ(out.str(), "ICON upgrade failed ! \n");
    EXPECT_TRUE(FlashHoldsTheFirmware());
    EXPECT_TRUE(meter->Engine().Meter().Record().commands.empty());
}

}  // namespace
}  // namespace velmora::cli
