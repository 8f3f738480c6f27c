#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/LinkTestSupport.h"
#include "serial/SerialPort.h"
#include "serial/LinkTexts.h"

namespace velmora {
namespace {


// A pseudo-terminal pair; the test keeps a slave descriptor open, as the
// simulator does, so settings persist between opens of the port.
class Pty {
public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master_);
        ::unlockpt(master_);
        slave_ = ::ptsname(master_);
        hold_ = ::open(slave_.c_str(), O_RDWR | O_NOCTTY);
    }
    ~Pty() {
        CloseMaster();
        if (hold_ >= 0) ::close(hold_);
    }
    const std::string& Slave() const { return slave_; }
    int Master() const { return master_; }
    void CloseMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }
    termios Settings() const {
        termios t{};
        ::tcgetattr(hold_, &t);
        return t;
    }
    // Bytes the line holds that no one has read yet.
    int Waiting() const {
        int n = 0;
        ::ioctl(hold_, FIONREAD, &n);
        return n;
    }

private:
    int master_ = -1;
    int hold_ = -1;
    std::string slave_;
};

// The real calls, of which single ones can be made to fail.
class FaultySystem : public PortSystem {
public:
    int GetAttr(int fd, termios* t) override {
        if (failGetAttr) return -1;
        return PortSystem::GetAttr(fd, t);
    }
    int SetAttr(int fd, const termios* t) override {
        if (refuseSetAttr) return -1;
        return PortSystem::SetAttr(fd, t);
    }
    int CreateWakeEvent() override { return failWakeEvent ? -1 : PortSystem::CreateWakeEvent(); }

    bool failGetAttr = false;
    bool refuseSetAttr = false;
    bool failWakeEvent = false;
};

void ExpectFraming(const termios& t, bool odd, bool twoStop, bool parityEnable) {
    EXPECT_EQ(::cfgetospeed(&t), static_cast<speed_t>(B115200));
    EXPECT_EQ(::cfgetispeed(&t), static_cast<speed_t>(B115200));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ((t.c_cflag & PARENB) != 0, parityEnable);
    EXPECT_EQ((t.c_cflag & PARODD) != 0, odd);
    EXPECT_EQ((t.c_cflag & CSTOPB) != 0, twoStop);
    EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | IXANY | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
}

// ---- framing ----

// The settings in effect, as tcgetattr reports them. A pseudo-terminal keeps
// the parity kind and the stop bits but drops the parity enable, which is
// no error.
TEST(ComPortFraming, Meter8O2AfterOpenBootloader8E1AfterSwitchAnd8O2AfterReopen) {
    Pty pty;
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.Slave()));
    ExpectFraming(pty.Settings(), true, true, false);
    ASSERT_TRUE(port.ApplyBootloaderFraming());
    ExpectFraming(pty.Settings(), false, false, false);
    port.Close();
    // Reopening lands on 8O2 whatever the port held before: twice, so the
    // second open finds what it asks for already there.
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(port.Open(pty.Slave())) << round;
        ExpectFraming(pty.Settings(), true, true, false);
        port.Close();
    }
    EXPECT_TRUE(port.TakeNotices().empty());
}

TEST(ComPortFraming, UnreadableStateIsReportedAndTheFramingStillApplied) {
    Pty pty;
    FaultySystem sys;
    sys.failGetAttr = true;
    SerialPort port(sys);
    ASSERT_TRUE(port.Open(pty.Slave()));
    EXPECT_EQ(port.TakeNotices(), std::vector<std::string>{TEXT_GET_COMM_STATE_ERROR});
    ExpectFraming(pty.Settings(), true, true, false);
    port.Close();
}

TEST(ComPortFraming, RefusedSettingsFailOpenAndCloseTheDevice) {
    Pty pty;
    FaultySystem sys;
    sys.refuseSetAttr = true;
    SerialPort port(sys);
    EXPECT_FALSE(port.Open(pty.Slave()));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.TakeNotices(), std::vector<std::string>{TEXT_SET_COMM_STATE_ERROR});
    // The device was released.
    SerialPort other;
    EXPECT_TRUE(other.Open(pty.Slave()));
    other.Close();
}

TEST(ComPortFraming, RefusedBootloaderFramingKeepsThePortOpenWithMeterFraming) {
    Pty pty;
    FaultySystem sys;
    SerialPort port(sys);
    ASSERT_TRUE(port.Open(pty.Slave()));
    sys.refuseSetAttr = true;
    EXPECT_FALSE(port.ApplyBootloaderFraming());
    EXPECT_EQ(port.TakeNotices(), std::vector<std::string>{TEXT_SET_COMM_STATE_ERROR});
    EXPECT_TRUE(port.IsOpen());
    ExpectFraming(pty.Settings(), true, true, false);
    port.Close();
}

// ---- open and close ----

// What the line held before the open is no answer to anything the port sent.
TEST(ComPortOpen, BytesWaitingBeforeTheOpenAreDropped) {
    Pty pty;
    SerialPort port;
    ASSERT_TRUE(port.Open(pty.Slave()));  // leaves the line raw, without echo
    port.Close();
    const uint8_t stale[] = {0x11, 0x22, 0x33};
    ASSERT_EQ(::write(pty.Master(), stale, sizeof stale), 3);
    for (int i = 0; i < 1000 && pty.Waiting() < 3; ++i) ::usleep(1000);
    ASSERT_EQ(pty.Waiting(), 3);

    ASSERT_TRUE(port.Open(pty.Slave()));
    const uint8_t fresh = 0x77;
    ASSERT_EQ(::write(pty.Master(), &fresh, 1), 1);
    ASSERT_TRUE(port.WaitForData([&] { return port.ReceivedCount() >= 1; }, std::chrono::seconds(10)));
    EXPECT_EQ(port.PopReceived(), 0x77);
    EXPECT_EQ(port.ReceivedCount(), 0);
    port.Close();
}

TEST(ComPortOpen, PortHeldByAnotherOpenerFailsWithoutMessage) {
    Pty pty;
    SerialPort first;
    SerialPort second;
    ASSERT_TRUE(first.Open(pty.Slave()));
    EXPECT_FALSE(second.Open(pty.Slave()));
    EXPECT_FALSE(second.IsOpen());
    first.Close();
    EXPECT_TRUE(second.Open(pty.Slave()));
    second.Close();
    EXPECT_TRUE(second.TakeNotices().empty());
}

// The port has no one to tell: the reason is its answer, and nothing else
// waits to be shown.
TEST(ComPortOpen, MissingDeviceOrEmptyNameFailsWithItsReason) {
    SerialPort port;
    EXPECT_FALSE(port.Open("/dev/velmora-no-such-port"));
    EXPECT_EQ(port.OpenFailureReason(),
              "/dev/velmora-no-such-port is gone: is the cable plugged in?");
    EXPECT_FALSE(port.Open(""));
    EXPECT_FALSE(port.OpenFailureReason().empty());
    EXPECT_TRUE(port.TakeNotices().empty());
}

TEST(ComPortOpen, ThreadEventFailureLeavesADeafOpenPort) {
    Pty pty;
    FaultySystem sys;
    sys.failWakeEvent = true;
    SerialPort port(sys);
    ASSERT_TRUE(port.Open(pty.Slave()));
    EXPECT_EQ(port.TakeNotices(), std::vector<std::string>{TEXT_THREAD_EVENT_ERROR});
    EXPECT_FALSE(port.Receiving());
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.IsOpen());
}

// ---- receive thread ----

// A port opened on a pseudo-terminal with the real receive thread.
class ComPortReceive : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(port.Open(pty.Slave())); }

    Pty pty;
    SerialPort port;
};

TEST_F(ComPortReceive, BytesFromTheLineReachRingAndLatch) {
    const uint8_t bytes[] = {0xCC, 0x10, 0x20};
    ASSERT_EQ(::write(pty.Master(), bytes, sizeof bytes), 3);
    ASSERT_TRUE(port.WaitForData([&] { return port.ReceivedCount() >= 3; }, std::chrono::seconds(10)));
    EXPECT_EQ(port.replyByte.load(), 0xCC);
    EXPECT_EQ(port.PopReceived(), 0xCC);
    EXPECT_EQ(port.PopReceived(), 0x10);
    EXPECT_EQ(port.PopReceived(), 0x20);

    // And the other way.
    const uint8_t out[] = {0x5A, 0xA5};
    ASSERT_TRUE(port.Write(out, 2));
    uint8_t got[2] = {};
    pollfd p{pty.Master(), POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 10000), 1);
    ASSERT_EQ(::read(pty.Master(), got, 2), 2);
    EXPECT_EQ(got[0], 0x5A);
    EXPECT_EQ(got[1], 0xA5);
    port.Close();
}

TEST_F(ComPortReceive, CloseEndsTheThreadWhileItWaits) {
    EXPECT_TRUE(port.Receiving());
    // Nothing is on the line, so the thread is blocked in its wait.
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.Receiving());
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(ComPortReceive, CloseAfterTheLineHungUp) {
    pty.CloseMaster();
    // The thread notices the hang-up and waits only for Close from then on.
    EXPECT_FALSE(port.WaitForData([] { return false; }, std::chrono::milliseconds(20)));
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.Receiving());
}

}  // namespace
}  // namespace velmora
