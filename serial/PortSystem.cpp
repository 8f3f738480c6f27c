#include "serial/PortSystem.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <fstream>
#include <vector>

#include "serial/PortHolders.h"
#include "serial/PortNames.h"

namespace velmora {

int PortSystem::OpenDevice(const std::string& path) { return OpenDeviceExclusive(path); }

std::string PortSystem::DeviceGroup(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(4096);
    if (::getgrgid_r(st.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 || !found) {
        return {};
    }
    return found->gr_name;
}

std::string PortSystem::DeviceHolder(const std::string& path) {
    const std::vector<DeviceUser> users = DeviceUsers(*this, path);
    if (users.empty()) return {};
    auto named = [](const DeviceUser& user) {
        return user.name.empty() ? "pid " + user.pid : user.name + " (pid " + user.pid + ")";
    };
    for (const DeviceUser& user : users) {
        if (user.name == kModemManager) return named(user);
    }
    // The programs talking on the port, not those that only keep it open.
    std::string holders;
    for (const DeviceUser& user : users) {
        if (user.writes) holders += (holders.empty() ? "" : " and ") + named(user);
    }
    return holders.empty() ? named(users.front()) : holders;
}

void PortSystem::CloseDevice(int fd) {
    // Leave the device openable for the next operation (and for other users).
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
}

int PortSystem::GetAttr(int fd, termios* settings) { return ::tcgetattr(fd, settings); }

int PortSystem::SetAttr(int fd, const termios* settings) {
    return ::tcsetattr(fd, TCSANOW, settings);
}

int PortSystem::ModemLines(int fd, unsigned long request, int bits) {
    return ::ioctl(fd, request, &bits);
}

int PortSystem::Flush(int fd, int queue) { return ::tcflush(fd, queue); }

int PortSystem::CreateWakeEvent() { return ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK); }

int PortSystem::GetSerial(int fd, serial_struct* info) { return ::ioctl(fd, TIOCGSERIAL, info); }

int PortSystem::SetSerial(int fd, const serial_struct* info) {
    return ::ioctl(fd, TIOCSSERIAL, info);
}

bool PortSystem::ReadSysfs(const std::string& path, std::string* text) {
    std::ifstream in(sysfsRoot_ + "/" + path);
    if (!in) return false;
    std::getline(in, *text);
    return !in.bad();
}

bool PortSystem::WriteSysfs(const std::string& path, const std::string& text) {
    // One write call: a sysfs attribute takes its value in one piece and
    // reports a refused value as the write's error.
    const int fd = ::open((sysfsRoot_ + "/" + path).c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    const ssize_t n = ::write(fd, text.data(), text.size());
    const bool closed = ::close(fd) == 0;
    return n == static_cast<ssize_t>(text.size()) && closed;
}

PortSystem& PortSystem::Default() {
    static PortSystem system;
    return system;
}

}  // namespace velmora
