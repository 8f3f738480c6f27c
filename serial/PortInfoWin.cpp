// What Windows says about its COM ports: the list, whether each opens now,
// and the adapter's name.
#include "serial/PortInfo.h"

#include "serial/PortNames.h"

namespace velmora {

namespace {

std::string AccessText(DWORD error) {
    switch (error) {
        case ERROR_SUCCESS: return "you may use it";
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION: return "in use by another program";
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return "absent";
        default: return "cannot be used";
    }
}

int ComNumberOf(const std::string& device) {
    const std::size_t at = device.rfind("COM");
    return at == std::string::npos ? 0 : std::atoi(device.c_str() + at + 3);
}

}  // namespace

std::string AdapterFromById(const std::string&) { return {}; }

std::string AdapterDescription(PortSystem& system, const std::string& device, const std::string&) {
    const int n = ComNumberOf(device);
    for (const ComPortEntry& port : system.ListPorts()) {
        if (port.number == n) return port.adapter;
    }
    return {};
}

PortInfo InspectPort(PortSystem& system, const std::string& name, const std::string& device,
                     const std::string&) {
    PortInfo info;
    info.name = name;
    info.device = device;
    if (device.empty()) return info;
    DWORD error = ERROR_SUCCESS;
    HANDLE h = system.OpenDevice(device, &error);
    info.opens = h != INVALID_HANDLE_VALUE;
    if (info.opens) system.CloseDevice(h);
    info.openError = info.opens ? 0 : static_cast<int>(error);
    info.access = AccessText(info.opens ? ERROR_SUCCESS : error);
    info.adapter = AdapterDescription(system, device);
    return info;
}

std::vector<PortInfo> InspectPorts(PortSystem& system) {
    // The ports the system has, by number; COM1 is listed even when absent
    // so the list is never empty.
    std::vector<PortInfo> ports;
    const std::vector<ComPortEntry> listed = system.ListPorts();
    if (listed.empty() || listed.front().number != 1) ports.push_back(InspectPort(system, "COM1", {}));
    for (const ComPortEntry& port : listed) {
        const std::string device = "\\\\.\\COM" + std::to_string(port.number);
        PortInfo info = InspectPort(system, PortName(port.number), device);
        if (info.adapter.empty()) info.adapter = port.adapter;
        ports.push_back(std::move(info));
    }
    return ports;
}

}  // namespace velmora
