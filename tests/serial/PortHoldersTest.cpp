#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "serial/SerialPort.h"
#include "serial/PortHolders.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::Spit;

// A machine in a scratch folder: /proc, /dev, the lock folder and sysfs.
struct FakeMachine {
    FakeMachine() : system(dir.File("sys"), dir.Path()) {
        for (const char* folder : {"proc", "dev", "run/lock", "sys/bus/usb/devices", "usr/bin"}) {
            fs::create_directories(dir.File(folder));
        }
    }
    // flags: the open flags as fdinfo shows them; empty for no fdinfo.
    void Process(int pid, const std::string& name, const std::string& openDevice = "",
                 const std::string& flags = "") {
        const std::string proc = dir.File("proc/" + std::to_string(pid));
        fs::create_directories(proc + "/fd");
        Spit(proc + "/comm", name + "\n");
        if (!openDevice.empty()) fs::create_symlink(openDevice, proc + "/fd/5");
        if (!flags.empty()) {
            fs::create_directories(proc + "/fdinfo");
            Spit(proc + "/fdinfo/5", "pos:\t0\nflags:\t" + flags + "\nmnt_id:\t25\n");
        }
    }
    void Device(const std::string& name) { Spit(dir.File("dev/" + name), ""); }
    // A USB device; tty names the port folder below its interface, if any.
    void UsbDevice(const std::string& id, const std::string& vendor, const std::string& product,
                   const std::string& tty) {
        const std::string usb = dir.File("sys/bus/usb/devices/" + id);
        fs::create_directories(usb + "/" + id + ":1.0");
        Spit(usb + "/idVendor", vendor + "\n");
        Spit(usb + "/idProduct", product + "\n");
        if (!tty.empty()) fs::create_directories(usb + "/" + id + ":1.0/" + tty);
    }

    ScratchFolder dir;
    PortSystem system;
};

TEST(PortHolders, OnlyModemManagerOrALiveLockMakeAPortBusy) {
    FakeMachine m;
    for (const char* tty : {"ttyUSB0", "ttyUSB1", "ttyUSB2", "ttyUSB3", "ttyUSB4"}) m.Device(tty);
    m.Process(812, "ModemManager", "/dev/ttyUSB0");
    m.Process(900, "minicom", "/dev/ttyUSB1");
    // A second holder of ttyUSB0 that is not the one to name.
    m.Process(901, "cat", "/dev/ttyUSB0");
    Spit(m.dir.File("run/lock/LCK..ttyUSB2"), "       900\n");
    Spit(m.dir.File("run/lock/LCK..ttyUSB3"), "      4242\n");  // its process is gone
    struct Case {
        std::string device;
        std::string reason;
    };
    const Case cases[] = {
        {.device = "/dev/ttyUSB0",
         .reason = "/dev/ttyUSB0 is busy: ModemManager is probing it; the package's udev rule "
                   "keeps it away, or wait 10 s"},
        {.device = "/dev/ttyUSB1", .reason = ""},
        {.device = "/dev/ttyUSB2", .reason = "/dev/ttyUSB2 is locked by another program (pid 900)"},
        {.device = "/dev/ttyUSB3", .reason = ""},
        {.device = "/dev/ttyUSB4", .reason = ""},
    };
    for (const Case& c : cases) EXPECT_EQ(PortBusyReason(m.system, c.device), c.reason) << c.device;
    EXPECT_EQ(m.system.DeviceHolder("/dev/ttyUSB0"), "ModemManager (pid 812)");
}

TEST(PortHolders, TheProgramTalkingOnThePortIsNamedNotTheOneKeepingItOpen) {
    FakeMachine m;
    m.Device("ttyUSB0");
    m.Process(700, "velmora-metersim", "/dev/ttyUSB0", "0100000");  // read only
    m.Process(701, "velmora-cli", "/dev/ttyUSB0", "0104002");       // read and write
    EXPECT_EQ(m.system.DeviceHolder("/dev/ttyUSB0"), "velmora-cli (pid 701)");
    m.Process(702, "minicom", "/dev/ttyUSB0", "02");
    EXPECT_EQ(m.system.DeviceHolder("/dev/ttyUSB0"), "velmora-cli (pid 701) and minicom (pid 702)");
}

TEST(PortHolders, AdapterWithoutPortIsBlamedOnBrlttyOnlyWhenBrlttyIsThere) {
    const std::string ch340 =
        "A CH340 USB serial adapter is plugged in but has no port: brltty (a braille display "
        "service) claimed it; remove brltty with 'sudo apt remove brltty' or, if a braille "
        "display needs it, run 'sudo systemctl mask brltty-udev.service' and plug the adapter "
        "in again";
    enum class Brltty { Absent, Running, Installed };
    struct Case {
        std::string vendor;
        std::string product;
        std::string tty;  // the port below the device, if it got one
        Brltty brltty = Brltty::Absent;
        std::vector<std::string> texts{};
    };
    const Case cases[] = {
        {.vendor = "1a86",
         .product = "7523",
         .tty = "",
         .brltty = Brltty::Running,
         .texts = {ch340}},
        {.vendor = "1a86",
         .product = "7523",
         .tty = "",
         .brltty = Brltty::Installed,
         .texts = {ch340}},
        {.vendor = "1a86", .product = "7523", .tty = "ttyUSB0", .brltty = Brltty::Running},
        {.vendor = "1a86", .product = "7523", .tty = "", .brltty = Brltty::Absent},
        // A mouse is no adapter.
        {.vendor = "046d", .product = "c077", .tty = "", .brltty = Brltty::Running},
    };
    for (const Case& c : cases) {
        FakeMachine m;
        m.UsbDevice("1-2", c.vendor, c.product, c.tty);
        if (c.brltty == Brltty::Running) m.Process(640, "brltty");
        if (c.brltty == Brltty::Installed) Spit(m.dir.File("usr/bin/brltty"), "");
        EXPECT_EQ(ClaimedAdapterTexts(m.system), c.texts) << c.vendor << ":" << c.product;
    }
}

TEST(PortHolders, ConnectFailOfAPortWithoutDeviceNamesTheClaimedAdapter) {
    FakeMachine m;
    m.UsbDevice("3-1", "1a86", "7523", "");
    m.Process(640, "brltty");
    SerialPort port(m.system);
    EXPECT_FALSE(port.Open(m.dir.File("dev/ttyUSB0")));
    const std::string reason = port.OpenFailureReason();
    EXPECT_NE(reason.find("is gone: is the cable plugged in?\nA CH340 USB serial adapter"),
              std::string::npos)
        << reason;
}

}  // namespace
}  // namespace velmora
