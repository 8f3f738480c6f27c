#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "tests/support/LinkTestSupport.h"
#include "serial/SerialPort.h"
#include "serial/LinkTexts.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortNames.h"

extern char** environ;

namespace velmora {
namespace {

using testing::FakeHost;
using testing::ScratchFolder;

// Refuses every open with a chosen errno, as the kernel would.
class RefusingSystem : public PortSystem {
public:
    // No adapters in sysfs, whatever this machine has plugged in.
    RefusingSystem() : PortSystem("/nonexistent/sys", "/nonexistent") {}
    int OpenDevice(const std::string&) override {
        errno = err;
        return -1;
    }
    std::string DeviceGroup(const std::string&) override { return group; }
    std::string DeviceHolder(const std::string&) override {
        ++holderLookups;
        return holder;
    }

    int err = 0;
    std::string group = "dialout";
    std::string holder;
    int holderLookups = 0;
};

const std::string kDev = "/dev/ttyUSB0";

TEST(PortOpenFailure, EachErrnoGivesItsReasonUnderConnectFail) {
    const std::string denied =
        "You are not allowed to use /dev/ttyUSB0: add yourself to the group "
        "'dialout' (sudo usermod -aG dialout $USER) and log in again";
    const std::string gone = "/dev/ttyUSB0 is gone: is the cable plugged in?";
    struct Case {
        int err = 0;
        std::string group{};   // of the device
        std::string holder{};  // the program that has it open, when known
        std::string reason{};
    };
    const Case cases[] = {
        {.err = EACCES, .group = "dialout", .reason = denied},
        {.err = EPERM, .group = "dialout", .reason = denied},
        // The group a user must join is the device's own, except root's.
        {.err = EACCES,
         .group = "uucp",
         .reason = "You are not allowed to use /dev/ttyUSB0: add yourself to the group "
                   "'uucp' (sudo usermod -aG uucp $USER) and log in again"},
        {.err = EACCES, .group = "root", .reason = denied},
        {.err = EBUSY, .group = "dialout", .reason = "/dev/ttyUSB0 is in use by another program"},
        {.err = EWOULDBLOCK,
         .group = "dialout",
         .holder = "minicom (pid 812)",
         .reason = "/dev/ttyUSB0 is in use by another program (minicom (pid 812))"},
        // ModemManager lets go by itself; the user needs to know that.
        {.err = EBUSY,
         .group = "dialout",
         .holder = "ModemManager (pid 812)",
         .reason = "/dev/ttyUSB0 is busy: ModemManager is probing it; the package's udev rule "
                   "keeps it away, or wait 10 s"},
        {.err = ENOENT, .reason = gone},
        {.err = ENODEV, .reason = gone},
        {.err = ENXIO, .reason = gone},
        {.err = ENOTTY, .reason = "/dev/ttyUSB0 is not a serial port"},
        {.err = EIO, .reason = "/dev/ttyUSB0 cannot be opened: " + std::string(std::strerror(EIO))},
    };
    for (const Case& c : cases) {
        RefusingSystem sys;
        sys.err = c.err;
        sys.group = c.group;
        sys.holder = c.holder;
        SerialPort port(sys);
        FakeHost host;
        MeterLink link(port, host);
        link.SetPortName(kDev);
        EXPECT_FALSE(link.OpenLink()) << c.err;
        ASSERT_EQ(host.messages.size(), 1u) << c.err;
        EXPECT_EQ(host.messages[0], std::string(TEXT_CONNECT_FAIL) + "\n" + c.reason) << c.err;
        // Only a busy port is worth the walk through /proc.
        EXPECT_EQ(sys.holderLookups, c.err == EBUSY || c.err == EWOULDBLOCK ? 1 : 0) << c.err;
    }
}

TEST(PortOpenFailure, RealOpenSetsErrnoForAbsentNonTerminalAndBusyDevices) {
    ScratchFolder dir;
    const std::string plain = dir.File("plain");
    ::close(::open(plain.c_str(), O_CREAT | O_WRONLY, 0600));
    errno = 0;
    EXPECT_EQ(OpenDeviceExclusive(dir.File("absent")), -1);
    EXPECT_EQ(errno, ENOENT);
    errno = 0;
    EXPECT_EQ(OpenDeviceExclusive(plain), -1);
    EXPECT_EQ(errno, ENOTTY);

    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ::grantpt(master);
    ::unlockpt(master);
    const std::string slave = ::ptsname(master);
    int first = OpenDeviceExclusive(slave);
    ASSERT_GE(first, 0);
    errno = 0;
    EXPECT_EQ(OpenDeviceExclusive(slave), -1);
    EXPECT_EQ(errno, EBUSY);
    PortSystem::Default().CloseDevice(first);
    ::close(master);
}

TEST(PortOpenFailure, HolderIsTheOtherProcessThatHasTheDeviceOpen) {
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ::grantpt(master);
    ::unlockpt(master);
    const std::string slave = ::ptsname(master);
    EXPECT_EQ(PortSystem::Default().DeviceHolder(slave), "");

    // A child inherits an open descriptor of the slave and sleeps on it.
    int held = ::open(slave.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(held, 0);
    pid_t child = 0;
    char sleepName[] = "sleep";
    char seconds[] = "30";
    char* argv[] = {sleepName, seconds, nullptr};
    ASSERT_EQ(::posix_spawnp(&child, "sleep", nullptr, nullptr, argv, environ), 0);
    ::close(held);
    std::string holder;
    for (int i = 0; i < 200 && holder.find("sleep") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        holder = PortSystem::Default().DeviceHolder(slave);
    }
    EXPECT_EQ(holder, "sleep (pid " + std::to_string(child) + ")");
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(master);
}

TEST(PortOpenFailure, UnmappedComNameSaysWhichVariableNamesIt) {
    EXPECT_EQ(PortUnmappedText("com4"),
              "COM4 has no device: is the cable plugged in? (VELMORA_COM4 may name its path)");
}

}  // namespace
}  // namespace velmora
