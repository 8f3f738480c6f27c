#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <string>
#include <vector>

#include "serial/PortNames.h"

namespace velmora {
namespace {

// A pseudo-terminal whose slave side stands in for a serial device.
struct Pty {
    Pty() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        path = ptsname(master);
    }
    ~Pty() { close(master); }
    int master;
    std::string path;
};

// Maps COM1..COM9 through the environment for one test and restores it.
class PortEnv : public ::testing::Test {
protected:
    void SetUp() override {
        for (int n = 1; n <= kPortCount; ++n) {
            std::string var = "VELMORA_COM" + std::to_string(n);
            const char* v = getenv(var.c_str());
            saved.push_back(v ? v : "");
            setenv(var.c_str(), "/nonexistent/velmora-test-port", 1);
        }
    }
    void TearDown() override {
        for (int n = 1; n <= kPortCount; ++n) {
            std::string var = "VELMORA_COM" + std::to_string(n);
            if (saved[n - 1].empty()) unsetenv(var.c_str());
            else setenv(var.c_str(), saved[n - 1].c_str(), 1);
        }
    }
    void Map(int n, const std::string& path) {
        setenv(("VELMORA_COM" + std::to_string(n)).c_str(), path.c_str(), 1);
    }
    std::vector<std::string> saved;
};

TEST_F(PortEnv, ProbeListsOpenablePortsInOrder) {
    Pty second, fourth;
    Map(2, second.path);
    Map(4, fourth.path);
    EXPECT_EQ(ProbePorts(), (std::vector<std::string>{"COM2", "COM4"}));
    // The probe closes what it opened: the ports can be taken at once.
    int fd = OpenDeviceExclusive(second.path);
    EXPECT_GE(fd, 0);
    close(fd);
}

TEST_F(PortEnv, NoPortsAndPortsInUse) {
    EXPECT_TRUE(ProbePorts().empty());
    Pty busy;
    Map(1, busy.path);
    int holder = OpenDeviceExclusive(busy.path);
    ASSERT_GE(holder, 0);
    EXPECT_EQ(OpenDeviceExclusive(busy.path), -1);
    EXPECT_TRUE(ProbePorts().empty());
    close(holder);
    EXPECT_EQ(ProbePorts(), (std::vector<std::string>{"COM1"}));
}

TEST_F(PortEnv, NamesResolveThroughEnvironmentOrAsPaths) {
    Map(3, "/dev/pts/77");
    EXPECT_EQ(ResolvePortDevice("COM3"), "/dev/pts/77");
    EXPECT_EQ(ResolvePortDevice("com3"), "/dev/pts/77");
    EXPECT_EQ(ResolvePortDevice("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(ResolvePortDevice("COM10"), "COM10");  // not a port name: taken as a path
    EXPECT_EQ(PortDevicePath(0), "");
    EXPECT_EQ(PortDevicePath(10), "");
    // A regular file is not a serial device.
    EXPECT_EQ(OpenDeviceExclusive("/etc/hostname"), -1);
    EXPECT_EQ(OpenDeviceExclusive(""), -1);
}

TEST(PortMapTest, EachDeviceUnderOneNameMappedNamesMoveNoOther) {
    using Names = std::array<std::string, kPortCount>;
    const std::vector<std::string> devices = {"/dev/ttyUSB0", "/dev/ttyS0"};
    struct Case {
        Names mapped;
        Names expected;
    };
    const Case cases[] = {
        {{}, {"/dev/ttyUSB0", "/dev/ttyS0"}},
        // A mapping of COM1 keeps COM2 where it was; the device it took the
        // name of moves to the first free name, it is not hidden.
        {{"/dev/pts/3"}, {"/dev/pts/3", "/dev/ttyS0", "/dev/ttyUSB0"}},
        {{"", "", "", "/dev/pts/3"}, {"/dev/ttyUSB0", "/dev/ttyS0", "", "/dev/pts/3"}},
        // A device that a variable names is not listed a second time.
        {{"", "/dev/ttyS0"}, {"/dev/ttyUSB0", "/dev/ttyS0"}},
        {{"", "", "/dev/ttyUSB0"}, {"", "/dev/ttyS0", "/dev/ttyUSB0"}},
    };
    for (const Case& c : cases) EXPECT_EQ(MapPortDevices(c.mapped, devices), c.expected);
}

}  // namespace
}  // namespace velmora
