#include <gtest/gtest.h>

#include "bootloader/Bootloader.h"
#include "bootloader/SerialBootPort.h"
#include "sim/BootloaderEngine.h"
#include "tests/support/LinkTestSupport.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

// The client over the adapter, on an in-memory link whose far end is the
// simulated bootloader.
class SerialBoot : public ::testing::Test {
protected:
    void SetUp() override {
        host.flags.runFlag = 1;
        link.onWrite = [this](const uint8_t* data, std::size_t n) {
            if (silent) return;
            std::vector<uint8_t> out;
            engine.Receive(data, n, out);
            link.Feed(out);
        };
    }
    std::unique_ptr<BootloaderConnection> Connect() {
        BootOptions o;
        o.diagnostic = [this](const std::string& text) { diag += text; };
        return BootloaderConnection::Init(port, true, o);
    }

    velmora::testing::FakeHost host;
    velmora::testing::ScriptedPort link;
    BootloaderEngine engine;
    SerialBootPort port{link, host, 0us, 20ms};
    bool silent = false;
    std::string diag;
};

TEST_F(SerialBoot, WholeExchangeThroughTheRing) {
    auto c = Connect();
    ASSERT_NE(c, nullptr) << diag;
    std::vector<uint8_t> data(256, 0x3C), back(256);
    ASSERT_EQ(c->EraseAll(), BootResult::Ok);
    ASSERT_EQ(c->WriteMemory(0x08000000, data.data(), 256), BootResult::Ok);
    ASSERT_EQ(c->ReadMemory(0x08000000, back.data(), 256), BootResult::Ok);
    EXPECT_EQ(back, data);
    EXPECT_EQ(link.ReceivedCount(), 0);
    EXPECT_EQ(host.pumps, 0);  // answers were there before the first poll
}

TEST_F(SerialBoot, SilenceTimesOutAfterTheReadTimeoutWhateverThePollPeriod) {
    silent = true;
    uint8_t byte;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.read(&byte, 1), PortResult::TimedOut);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 20ms);
    EXPECT_GT(host.pumps, 0);  // the wait went through the host, where Stop is seen
}

TEST_F(SerialBoot, StopEndsTheWaitAtTheNextPoll) {
    auto c = Connect();
    ASSERT_NE(c, nullptr);
    silent = true;
    host.stopAfterPumps = 5;
    const uint8_t data[4] = {1, 2, 3, 4};
    EXPECT_EQ(c->WriteMemory(0x08000000, data, 4), BootResult::Failed);
    EXPECT_EQ(host.pumps, 5);
    EXPECT_EQ(diag, "Failed to read ACK byte\nUnexpected reply from device on command 0x31\n");
}

TEST_F(SerialBoot, PartialAnswerWaitsForTheRest) {
    silent = true;
    link.Feed({1, 2});
    host.onPump = [this] {
        if (host.pumps == 3) link.Feed({3});
    };
    uint8_t bytes[3] = {};
    ASSERT_EQ(port.read(bytes, 3), PortResult::Ok);
    EXPECT_EQ(host.pumps, 3);
    EXPECT_EQ(bytes[2], 3);
}

}  // namespace
}  // namespace velmora
