// The simulated bootloader against an independent client, stm32flash, over a
// pseudo-terminal; skipped where stm32flash is not installed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "bootloader/IntelHex.h"
#include "sim/BootloaderSimEngine.h"
#include "sim/PtyRunner.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

using testing::ScratchFolder;
using testing::SlurpBytes;

class Stm32flash : public ::testing::TestWithParam<uint8_t> {
protected:
    void SetUp() override {
        if (std::system("command -v stm32flash >/dev/null 2>&1") != 0) GTEST_SKIP() << "stm32flash missing";
        BootloaderEngineOptions o;
        o.eraseCommand = GetParam();
        sim = std::make_unique<sim::BootloaderSimEngine>(o);
        runner = std::make_unique<sim::PtyRunner>(*sim);
        std::string error;
        ASSERT_TRUE(runner->Open(&error) && runner->Start()) << error;
    }
    // A pseudo-terminal drops the parity bit, which stm32flash checks unless
    // told to use 8N1; the bytes are the same.
    int Run(const std::string& args) {
        std::string cmd = "timeout 60 stm32flash -b 115200 -m 8n1 " + args + " " + runner->SlavePath() +
                          " >" + dir / "log.txt" + " 2>&1";
        int rc = std::system(cmd.c_str());
        runner->Stop();
        return rc;
    }
    std::string Log() {
        auto bytes = SlurpBytes(dir / "log.txt");
        return std::string(bytes.begin(), bytes.end());
    }
    std::unique_ptr<sim::BootloaderSimEngine> sim;
    std::unique_ptr<sim::PtyRunner> runner;
    ScratchFolder dir;
};

TEST_P(Stm32flash, WritesVerifiesAndStartsTheSampleFirmware) {
    std::string hex = VELMORA_SOURCE_DIR "/examples/rav32izazud_demo.hex";
    ASSERT_EQ(Run("-w " + hex + " -v -g 0x08000000"), 0) << Log();
    auto image = FirmwareImage::Create();
    ASSERT_EQ(image->Load(hex), LoadOk);
    auto flash = sim->Engine().Flash();
    EXPECT_TRUE(std::equal(image->Bytes().begin(), image->Bytes().end(), flash.begin()));
    EXPECT_EQ(flash[image->Size()], 0xFF);
    EXPECT_TRUE(sim->Engine().GoReceived());
    EXPECT_EQ(sim->Engine().GoAddress(), 0x08000000u);
}

TEST_P(Stm32flash, ReadsFlash) {
    auto flash = sim->Engine().Flash();
    for (std::size_t i = 0; i < 1024; ++i) flash[i] = static_cast<uint8_t>(i * 3);
    ASSERT_EQ(Run("-r " + dir / "read.bin" + " -S 0x08000000:1024"), 0) << Log();
    auto read = SlurpBytes(dir / "read.bin");
    ASSERT_EQ(read.size(), 1024u);
    EXPECT_TRUE(std::equal(read.begin(), read.end(), flash.begin()));
}

INSTANTIATE_TEST_SUITE_P(EraseCommands, Stm32flash, ::testing::Values(0x43, 0x44),
                         [](const auto& info) { return info.param == 0x43 ? "Standard" : "Extended"; });

}  // namespace
}  // namespace velmora
