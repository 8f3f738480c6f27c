// Port names on Windows: COM1 to COM256 are the system's own names, opened as
// "\\.\COMn" (the form that works past COM9 too).
#include <cctype>
#include <string>

#include "serial/PortNames.h"
#include "serial/PortSystem.h"

namespace velmora {

namespace {

// 5 for "COM5" or "\\.\com5", 0 for anything else.
int ComNumber(const std::string& text) {
    std::string name = text.rfind("\\\\.\\", 0) == 0 ? text.substr(4) : text;
    if (name.size() < 4 || name.size() > 6) return 0;
    for (int i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
    }
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
        n = n * 10 + (name[i] - '0');
    }
    return n >= 1 && n <= kPortCount && name[3] != '0' ? n : 0;
}

}  // namespace

std::string PortName(int n) { return "COM" + std::to_string(n); }

std::string PortDevicePath(int n) {
    if (n < 1 || n > kPortCount) return {};
    for (const ComPortEntry& port : PortSystem::Default().ListPorts()) {
        if (port.number == n) return "\\\\.\\COM" + std::to_string(n);
    }
    return {};
}

std::string ResolvePortDevice(const std::string& nameOrPath) {
    // A COM name opens whether or not the system lists it: a port the list
    // misses (a driver that does not register it) still works.
    if (int n = ComNumber(nameOrPath); n > 0) return "\\\\.\\COM" + std::to_string(n);
    return nameOrPath;
}

bool IsUsbSerialDevice(const std::string& device) {
    const int n = ComNumber(device);
    if (n == 0) return false;
    for (const ComPortEntry& port : PortSystem::Default().ListPorts()) {
        if (port.number == n) return port.adapter.find("USB") != std::string::npos;
    }
    return false;
}

std::vector<std::string> ProbePorts() {
    std::vector<std::string> found;
    for (const ComPortEntry& port : PortSystem::Default().ListPorts()) {
        DWORD error = 0;
        const std::string device = "\\\\.\\COM" + std::to_string(port.number);
        HANDLE h = PortSystem::Default().OpenDevice(device, &error);
        if (h == INVALID_HANDLE_VALUE) continue;
        PortSystem::Default().CloseDevice(h);
        found.push_back(PortName(port.number));
    }
    return found;
}

}  // namespace velmora
