#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "tests/support/LinkTestSupport.h"
#include "serial/PortInfo.h"
#include "serial/PortNames.h"

namespace velmora {
namespace {

using testing::ScratchFolder;

TEST(PortInfo, AdapterNameFromByIdLinkDropsBusInterfaceAndSerialNumber) {
    const std::pair<const char*, const char*> cases[] = {
        {"usb-FTDI_FT232R_USB_UART_A1B2C3D4-if00-port0", "FTDI FT232R USB UART"},
        {"usb-Silicon_Labs_CP2102_USB_to_UART_Bridge_Controller_0001-if00-port0",
         "Silicon Labs CP2102 USB to UART Bridge Controller"},
        // No serial number: the last word is part of the product.
        {"usb-1a86_USB_Serial-if00-port0", "1a86 USB Serial"},
        {"usb-Prolific_PL2303-if00-port0", "Prolific PL2303"},
        {"", ""},
    };
    for (const auto& [link, adapter] : cases) EXPECT_EQ(AdapterFromById(link), adapter) << link;
}

// sysfs attributes of a USB device, as a map.
class SysfsMap : public PortSystem {
public:
    bool ReadSysfs(const std::string& path, std::string* text) override {
        auto it = files.find(path);
        if (it == files.end()) return false;
        *text = it->second;
        return true;
    }
    std::map<std::string, std::string> files;
};

struct Pty {
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master);
        ::unlockpt(master);
        path = ::ptsname(master);
        name = std::filesystem::path(path).filename().string();
    }
    ~Pty() { ::close(master); }
    int master;
    std::string path;
    std::string name;
};

TEST(PortInfo, AdapterComesFromSysfsFirstThenFromTheByIdLink) {
    Pty pty;
    ScratchFolder byId;
    std::filesystem::create_symlink(pty.path, byId.File("usb-Prolific_PL2303_X9-if00-port0"));
    const std::string device = "class/tty/" + pty.name + "/device";

    SysfsMap sys;
    EXPECT_EQ(AdapterDescription(sys, pty.path, byId.Path()), "Prolific PL2303");
    // ttyUSB: product two levels up; the manufacturer is not repeated.
    sys.files[device + "/../../product"] = "FT232R USB UART\n";
    sys.files[device + "/../../manufacturer"] = "FTDI\n";
    EXPECT_EQ(AdapterDescription(sys, pty.path, byId.Path()), "FTDI FT232R USB UART");
    sys.files[device + "/../../manufacturer"] = "FT232R\n";
    EXPECT_EQ(AdapterDescription(sys, pty.path, byId.Path()), "FT232R USB UART");
    // ttyACM: one level up.
    sys.files[device + "/../product"] = "Pico\n";
    sys.files[device + "/../manufacturer"] = "Raspberry Pi\n";
    EXPECT_EQ(AdapterDescription(sys, pty.path, byId.Path()), "Raspberry Pi Pico");

    SysfsMap none;
    EXPECT_EQ(AdapterDescription(none, pty.path, byId.Path() + "/missing"), "");
}

TEST(PortInfo, InspectTellsOpenableBusyAndAbsentPortsApartAndLeavesThemFree) {
    Pty pty;
    ScratchFolder dir;
    PortSystem& sys = PortSystem::Default();
    PortInfo free = InspectPort(sys, "COM1", pty.path, dir.Path());
    EXPECT_TRUE(free.opens);
    EXPECT_EQ(free.access, "you may use it");
    EXPECT_EQ(free.lateMs, 0);

    const int held = OpenDeviceExclusive(pty.path);
    ASSERT_GE(held, 0);
    PortInfo busy = InspectPort(sys, "COM1", pty.path, dir.Path());
    EXPECT_FALSE(busy.opens);
    EXPECT_EQ(busy.access, "in use by another program");
    sys.CloseDevice(held);

    PortInfo absent = InspectPort(sys, "COM2", dir.File("ttyUSB9"), dir.Path());
    EXPECT_FALSE(absent.opens);
    EXPECT_EQ(absent.access, "absent");
    EXPECT_TRUE(InspectPort(sys, "COM3", "", dir.Path()).access.empty());
    // The inspection released the device.
    const int again = OpenDeviceExclusive(pty.path);
    EXPECT_GE(again, 0);
    if (again >= 0) sys.CloseDevice(again);
}

}  // namespace
}  // namespace velmora
