#include "link/PortSystem.h"

#include <grp.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "link/PortNames.h"

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
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path device = fs::canonical(path, ec);
    if (ec) return {};
    const std::string self = std::to_string(::getpid());
    for (const fs::directory_entry& proc : fs::directory_iterator("/proc", ec)) {
        const std::string pid = proc.path().filename().string();
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos || pid == self) {
            continue;
        }
        std::error_code fdError;
        for (const fs::directory_entry& fd : fs::directory_iterator(proc.path() / "fd", fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd.path(), linkError) != device) continue;
            std::ifstream comm(proc.path() / "comm");
            std::string name;
            std::getline(comm, name);
            return (name.empty() ? "pid " + pid : name + " (pid " + pid + ")");
        }
    }
    return {};
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

PortSystem& PortSystem::Default() {
    static PortSystem system;
    return system;
}

}  // namespace velmora
