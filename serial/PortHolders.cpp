#include "serial/PortHolders.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "serial/LinkTexts.h"
#include "serial/PortDiagnosis.h"

namespace velmora {

namespace {

namespace fs = std::filesystem;

bool AllDigits(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

std::string FirstLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
    return line;
}

// Whether the open file behind /proc/PID/fdinfo/FD may be written: its
// "flags:" line holds the open flags in octal. An unreadable one counts as
// written, as it did before the flags were looked at.
bool OpenForWriting(const fs::path& fdinfo) {
    std::ifstream in(fdinfo);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("flags:", 0) != 0) continue;
        const unsigned long flags = std::strtoul(line.c_str() + 6, nullptr, 8);
        return (flags & O_ACCMODE) != O_RDONLY;
    }
    return true;
}

// The path the kernel shows in /proc/N/fd for device: links resolved, and
// inside a fake tree without the tree's root.
std::string KernelPath(const PortSystem& system, const std::string& device) {
    std::error_code ec;
    const fs::path real = fs::canonical(system.Path(device), ec);
    if (ec) return device;
    if (system.Path("").empty()) return real.string();
    const fs::path root = fs::canonical(system.Path(""), ec);
    if (ec) return device;
    return "/" + real.lexically_relative(root).string();
}

struct KnownAdapter {
    const char* vendor;
    const char* product;  // nullptr: any product of the vendor
    const char* name;
};

// The USB serial adapters meters come with.
constexpr KnownAdapter kKnownAdapters[] = {
    {.vendor = "0403", .product = nullptr, .name = "FTDI"},
    {.vendor = "1a86", .product = "7523", .name = "CH340"},
    {.vendor = "1a86", .product = "5523", .name = "CH341"},
    {.vendor = "10c4", .product = "ea60", .name = "CP210x"},
    {.vendor = "067b", .product = nullptr, .name = "PL2303"},
};

const char* KnownAdapterName(const std::string& vendor, const std::string& product) {
    for (const KnownAdapter& a : kKnownAdapters) {
        if (vendor == a.vendor && (a.product == nullptr || product == a.product)) return a.name;
    }
    return nullptr;
}

// Whether a tty lies below the USB device's folder (its interfaces hold
// ttyUSB0, or tty/ttyACM0). Links are not followed: sysfs is full of them.
bool HasTty(const fs::path& usbDevice) {
    std::error_code ec;
    fs::recursive_directory_iterator it(usbDevice, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it.depth() > 3) {
            it.disable_recursion_pending();
            continue;
        }
        if (it->path().filename().string().rfind("tty", 0) == 0) return true;
    }
    return false;
}

bool BrlttyInstalled(const PortSystem& system) {
    std::error_code ec;
    for (const char* path : {"/usr/bin/brltty", "/usr/lib/udev/rules.d/85-brltty.rules",
                             "/lib/udev/rules.d/85-brltty.rules"}) {
        if (fs::exists(system.Path(path), ec)) return true;
    }
    return ProcessRunning(system, "brltty");
}

}  // namespace

std::vector<DeviceUser> DeviceUsers(const PortSystem& system, const std::string& device) {
    std::vector<DeviceUser> users;
    const std::string wanted = KernelPath(system, device);
    const std::string self = std::to_string(::getpid());
    std::error_code ec;
    for (const fs::directory_entry& proc : fs::directory_iterator(system.Path("/proc"), ec)) {
        const std::string pid = proc.path().filename().string();
        if (!AllDigits(pid) || pid == self) continue;
        std::error_code fdError;
        for (const fs::directory_entry& fd : fs::directory_iterator(proc.path() / "fd", fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd.path(), linkError).string() != wanted) continue;
            users.push_back({pid, FirstLine(proc.path() / "comm"),
                             OpenForWriting(proc.path() / "fdinfo" / fd.path().filename())});
            break;
        }
    }
    std::sort(users.begin(), users.end(), [](const DeviceUser& a, const DeviceUser& b) {
        return std::stoll(a.pid) < std::stoll(b.pid);
    });
    return users;
}

bool ProcessRunning(const PortSystem& system, const std::string& name) {
    std::error_code ec;
    for (const fs::directory_entry& proc : fs::directory_iterator(system.Path("/proc"), ec)) {
        if (AllDigits(proc.path().filename().string()) && FirstLine(proc.path() / "comm") == name) {
            return true;
        }
    }
    return false;
}

std::string LockFilePid(const std::string& text) {
    std::string pid;
    if (text.size() == 4 && !std::isdigit(static_cast<unsigned char>(text[0]))) {
        // The old binary form: the pid as a native int.
        int value = 0;
        std::memcpy(&value, text.data(), sizeof value);
        return value > 0 ? std::to_string(value) : std::string();
    }
    // The usual form: the pid in ASCII, padded with blanks, then a newline.
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            pid += c;
        } else if (!pid.empty() || !std::isspace(static_cast<unsigned char>(c))) {
            break;
        }
        if (pid.size() > 10) return {};
    }
    return pid;
}

std::string LockFileHolder(const PortSystem& system, const std::string& device) {
    const std::string base = fs::path(KernelPath(system, device)).filename().string();
    const std::string self = std::to_string(::getpid());
    for (const char* folder : {"/run/lock/", "/var/lock/"}) {
        std::ifstream in(system.Path(folder + ("LCK.." + base)), std::ios::binary);
        if (!in) continue;
        // A lock file holds eleven bytes; more is not worth reading.
        char head[64];
        in.read(head, sizeof head);
        const auto length = static_cast<std::size_t>(in.gcount());
        const std::string pid = LockFilePid(std::string(head, length));
        std::error_code ec;
        // A stale lock (its process gone) is no holder.
        if (AllDigits(pid) && pid != "0" && pid != self &&
            fs::exists(system.Path("/proc/" + pid), ec)) {
            return "pid " + pid;
        }
    }
    return {};
}

std::string PortBusyReason(const PortSystem& system, const std::string& device) {
    for (const DeviceUser& user : DeviceUsers(system, device)) {
        if (user.name == kModemManager) return ModemManagerBusyText(device);
    }
    const std::string locker = LockFileHolder(system, device);
    if (!locker.empty()) return FillText(TEXT_PORT_LOCKED, {device, locker});
    return {};
}

std::vector<std::string> ClaimedAdapterTexts(const PortSystem& system) {
    std::vector<std::string> texts;
    const fs::path devices = fs::path(system.SysfsRoot()) / "bus/usb/devices";
    std::error_code ec;
    bool brltty = false;
    bool brlttyChecked = false;
    for (const fs::directory_entry& entry : fs::directory_iterator(devices, ec)) {
        const char* name = KnownAdapterName(FirstLine(entry.path() / "idVendor"),
                                            FirstLine(entry.path() / "idProduct"));
        if (name == nullptr || HasTty(entry.path())) continue;
        if (!brlttyChecked) {
            brltty = BrlttyInstalled(system);
            brlttyChecked = true;
        }
        if (brltty) texts.push_back(BrlttyClaimedText(name));
    }
    return texts;
}

}  // namespace velmora
