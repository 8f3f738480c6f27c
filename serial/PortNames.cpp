#include "serial/PortNames.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <climits>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

namespace velmora {

namespace {

bool IsCharDevice(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}

// The machine's serial devices in the documented order.
std::vector<std::string> SerialDevices() {
    static const char* const kFamilies[] = {"/dev/ttyUSB", "/dev/ttyACM", "/dev/ttyS"};
    std::vector<std::string> found;
    for (const char* family : kFamilies) {
        for (int i = 0; i < 32; ++i) {
            std::string path = family + std::to_string(i);
            if (IsCharDevice(path)) found.push_back(path);
        }
    }
    return found;
}

// One path of a device for comparisons: /dev/serial/by-id links and the
// device they point at are the same port.
std::string SamePortKey(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) != nullptr) return resolved;
    return path;
}

}  // namespace

std::array<std::string, kPortCount> MapPortDevices(
    const std::array<std::string, kPortCount>& mapped, const std::vector<std::string>& devices) {
    std::array<std::string, kPortCount> names = mapped;
    std::vector<std::string> taken;
    for (const std::string& path : mapped) {
        if (!path.empty()) taken.push_back(SamePortKey(path));
    }
    // Each device has its own number, its place in the order; a variable
    // naming one port moves no other. A device whose name a variable took
    // goes to the lowest name left free.
    std::vector<std::string> displaced;
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (std::find(taken.begin(), taken.end(), SamePortKey(devices[i])) != taken.end()) continue;
        if (i < names.size() && names[i].empty()) names[i] = devices[i];
        else displaced.push_back(devices[i]);
    }
    auto next = displaced.begin();
    for (std::string& name : names) {
        if (next == displaced.end()) break;
        if (name.empty()) name = *next++;
    }
    return names;
}

std::string PortName(int n) { return "COM" + std::to_string(n); }

std::string PortDevicePath(int n) {
    if (n < 1 || n > kPortCount) return {};
    std::array<std::string, kPortCount> mapped;
    for (int i = 1; i <= kPortCount; ++i) {
        std::string var = "VELMORA_COM" + std::to_string(i);
        if (const char* v = std::getenv(var.c_str()); v != nullptr) mapped[i - 1] = v;
    }
    return MapPortDevices(mapped, SerialDevices())[n - 1];
}

std::string ResolvePortDevice(const std::string& nameOrPath) {
    if (nameOrPath.size() == 4 && std::toupper(static_cast<unsigned char>(nameOrPath[0])) == 'C' &&
        std::toupper(static_cast<unsigned char>(nameOrPath[1])) == 'O' &&
        std::toupper(static_cast<unsigned char>(nameOrPath[2])) == 'M' && nameOrPath[3] >= '1' &&
        nameOrPath[3] <= '9') {
        return PortDevicePath(nameOrPath[3] - '0');
    }
    return nameOrPath;
}

bool IsUsbSerialDevice(const std::string& device) {
    if (device.empty()) return false;
    const std::string real = SamePortKey(device);
    const std::string base = real.substr(real.rfind('/') + 1);
    return base.rfind("ttyUSB", 0) == 0 || base.rfind("ttyACM", 0) == 0;
}

int OpenDeviceExclusive(const std::string& path) {
    if (path.empty()) {
        errno = ENOENT;
        return -1;
    }
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    // Another holder of the device (a second instance, a terminal program)
    // keeps an flock or has set TIOCEXCL; either way the port is in use.
    // errno tells the caller which, for the message under "Connect fail ".
    int err = 0;
    if (!::isatty(fd)) {
        err = ENOTTY;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ioctl(fd, TIOCEXCL) != 0) {
        err = EBUSY;
    }
    if (err != 0) {
        ::close(fd);
        errno = err;
        return -1;
    }
    return fd;
}

std::vector<std::string> ProbePorts() {
    std::vector<std::string> found;
    for (int n = 1; n <= kPortCount; ++n) {
        int fd = OpenDeviceExclusive(PortDevicePath(n));
        if (fd < 0) continue;
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        found.push_back(PortName(n));
    }
    return found;
}

}  // namespace velmora
