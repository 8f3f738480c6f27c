#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tests/support/LinkTestSupport.h"
#include "serial/SerialPort.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortLatency.h"

namespace velmora {
namespace {

using testing::ScratchFolder;

// A pseudo-terminal opened for real; the serial ioctls and sysfs are played
// by the test, as a USB adapter's driver would answer them.
class AdapterSystem : public PortSystem {
public:
    int GetSerial(int, serial_struct* info) override {
        if (!serialOk) return -1;
        *info = serial_struct{};
        info->flags = static_cast<int>(flags);
        return 0;
    }
    int SetSerial(int, const serial_struct* info) override {
        setCalls.push_back(static_cast<unsigned>(info->flags));
        if (!serialOk || refuseMode) return -1;
        flags = static_cast<unsigned>(info->flags);
        if (modeLowersTimer && (flags & ASYNC_LOW_LATENCY) && files.count(timerPath)) {
            files[timerPath] = "1";
        }
        return 0;
    }
    bool ReadSysfs(const std::string& path, std::string* text) override {
        auto it = files.find(path);
        if (it == files.end()) return false;
        *text = it->second + "\n";
        return true;
    }
    bool WriteSysfs(const std::string& path, const std::string& text) override {
        if (!timerWritable || !files.count(path)) return false;
        files[path] = text;
        return true;
    }

    bool serialOk = true;
    bool refuseMode = false;
    bool modeLowersTimer = false;
    bool timerWritable = true;
    unsigned flags = 0;
    std::vector<unsigned> setCalls;
    std::string timerPath;
    std::map<std::string, std::string> files;
};

class Pty {
public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master_);
        ::unlockpt(master_);
        slave_ = ::ptsname(master_);
    }
    ~Pty() { ::close(master_); }
    const std::string& Slave() const { return slave_; }

private:
    int master_ = -1;
    std::string slave_;
};

TEST(PortLatency, OpenLowersWhatItCanCloseRestoresAndLateAdaptersAreToldOnce) {
    struct Case {
        const char* what = "";
        bool serialOk = false;
        bool flagAlreadySet = false;
        bool refuseMode = false;
        bool modeLowersTimer = false;
        const char* timer = nullptr;  // nullptr: no latency timer (not an FTDI chip)
        bool timerWritable = true;
        std::string timerWhileOpen{};
        std::vector<unsigned> setCallsAfterClose{};
        int lateMs = 0;
    };
    constexpr unsigned L = ASYNC_LOW_LATENCY;
    const Case cases[] = {
        {.what = "pseudo-terminal"},
        {.what = "ftdi",
         .serialOk = true,
         .timer = "16",
         .timerWhileOpen = "1",
         .setCallsAfterClose = {L, 0}},
        {.what = "already fast",
         .serialOk = true,
         .flagAlreadySet = true,
         .timer = "1",
         .timerWhileOpen = "1"},
        {.what = "no timer, mode taken", .serialOk = true, .setCallsAfterClose = {L, 0}},
        {.what = "read-only timer",
         .serialOk = true,
         .refuseMode = true,
         .timer = "16",
         .timerWritable = false,
         .timerWhileOpen = "16",
         .setCallsAfterClose = {L},
         .lateMs = 16},
        {.what = "driver lowers with mode",
         .serialOk = true,
         .modeLowersTimer = true,
         .timer = "16",
         .timerWritable = false,
         .timerWhileOpen = "1",
         .setCallsAfterClose = {L, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Pty pty;
        AdapterSystem sys;
        sys.serialOk = c.serialOk;
        sys.flags = c.flagAlreadySet ? L : 0;
        sys.refuseMode = c.refuseMode;
        sys.modeLowersTimer = c.modeLowersTimer;
        sys.timerWritable = c.timerWritable;
        sys.timerPath = LatencyTimerPath(pty.Slave());
        if (c.timer != nullptr) sys.files[sys.timerPath] = c.timer;
        SerialPort port(sys);
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(port.Open(pty.Slave()));
            if (c.timer != nullptr) {
                EXPECT_EQ(sys.files[sys.timerPath], c.timerWhileOpen);
            }
            port.Close();
            // Whatever was lowered is back as it was.
            if (c.timer != nullptr && !c.modeLowersTimer) {
                EXPECT_EQ(sys.files[sys.timerPath], c.timer);
            }
            EXPECT_EQ(sys.flags & L, c.flagAlreadySet ? L : 0u);
            if (round == 0) {
                EXPECT_EQ(sys.setCalls, c.setCallsAfterClose);
            }
            if (c.modeLowersTimer) sys.files[sys.timerPath] = c.timer;
        }
        const std::vector<std::string> told =
            c.lateMs > 0 ? std::vector<std::string>{LateAnswerText(pty.Slave(), c.lateMs)}
                         : std::vector<std::string>{};
        // Told once per port, not at every open.
        EXPECT_EQ(port.TakeNotices(), told);
    }
}

TEST(PortLatency, TimerIsFoundBelowTheInjectedSysfsRootThroughDeviceLinks) {
    ScratchFolder dir;
    Pty pty;
    const std::string name = std::filesystem::path(pty.Slave()).filename().string();
    const std::string attr = dir.Path() + "/class/tty/" + name + "/device";
    std::filesystem::create_directories(attr);
    std::ofstream(attr + "/latency_timer") << "16\n";
    // The by-id name of an adapter is a link to its tty.
    const std::string byId = dir.File("usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0");
    std::filesystem::create_symlink(pty.Slave(), byId);

    PortSystem sys(dir.Path());
    SerialPort port(sys);
    ASSERT_TRUE(port.Open(byId));
    std::string timer;
    ASSERT_TRUE(sys.ReadSysfs("class/tty/" + name + "/device/latency_timer", &timer));
    EXPECT_EQ(timer, "1");
    port.Close();
    std::ifstream(attr + "/latency_timer") >> timer;
    EXPECT_EQ(timer, "16");
    EXPECT_TRUE(port.TakeNotices().empty());
}

TEST(PortLatency, LateTextEstimatesAFullTableWrite) {
    EXPECT_EQ(LateAnswerText("/dev/ttyUSB0", 16),
              "/dev/ttyUSB0 answers late (latency timer 16 ms): a table write will take about 2 "
              "minutes; see the manual page");
    EXPECT_EQ(LateAnswerText("/dev/ttyUSB0", 4),
              "/dev/ttyUSB0 answers late (latency timer 4 ms): a table write will take about 33 "
              "seconds; see the manual page");
}

}  // namespace
}  // namespace velmora
