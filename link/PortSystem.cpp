#include "link/PortSystem.h"

#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "link/PortNames.h"

namespace velmora {

int PortSystem::OpenDevice(const std::string& path) { return OpenDeviceExclusive(path); }

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
