#include "serial/PortInfo.h"

#include <cctype>
#include <cerrno>
#include <filesystem>

#include "serial/PortLatency.h"
#include "serial/PortNames.h"

namespace velmora {

namespace {

namespace fs = std::filesystem;

bool HasDigit(const std::string& s) {
    for (char c : s) {
        if (std::isdigit(static_cast<unsigned char>(c))) return true;
    }
    return false;
}

std::string Trim(std::string s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.pop_back();
    std::size_t start = 0;
    while (start < s.size() && std::isspace(static_cast<unsigned char>(s[start]))) ++start;
    return s.substr(start);
}

std::string AccessText(int err, const std::string& group) {
    switch (err) {
        case 0:
            return "you may use it";
        case EACCES:
        case EPERM:
            return "not allowed: join the group '" +
                   (group.empty() || group == "root" ? std::string("dialout") : group) + "'";
        case EBUSY:
        case EWOULDBLOCK:
            return "in use by another program";
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "absent";
        default:
            return "cannot be used";
    }
}

}  // namespace

std::string AdapterFromById(const std::string& byIdName) {
    std::string id = byIdName;
    for (const char* bus : {"usb-", "pci-", "platform-"}) {
        if (id.rfind(bus, 0) == 0) id.erase(0, std::char_traits<char>::length(bus));
    }
    // "-if00-port0", "-if00": the interface, not the product.
    if (std::size_t at = id.rfind("-if"); at != std::string::npos) id.erase(at);
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= id.size()) {
        std::size_t end = id.find_first_of("_ ", start);
        if (end == std::string::npos) end = id.size();
        if (end > start) words.push_back(id.substr(start, end - start));
        start = end + 1;
    }
    // udev joins vendor, model and serial number; a last word with digits
    // after at least two others is the serial number.
    if (words.size() >= 3 && HasDigit(words.back())) words.pop_back();
    std::string text;
    for (const std::string& w : words) text += (text.empty() ? "" : " ") + w;
    return text;
}

std::string AdapterDescription(PortSystem& system, const std::string& device,
                               const std::string& byIdDir) {
    std::error_code ec;
    fs::path real = fs::canonical(device, ec);
    if (ec) return {};
    const std::string base = "class/tty/" + real.filename().string() + "/device";
    // ttyUSB: the port's parent is the interface, its parent the USB device;
    // ttyACM: the interface's parent is the device.
    for (const char* up : {"/..", "/../.."}) {
        std::string manufacturer;
        std::string product;
        if (system.ReadSysfs(base + up + "/product", &product)) {
            system.ReadSysfs(base + up + "/manufacturer", &manufacturer);
            manufacturer = Trim(manufacturer);
            product = Trim(product);
            if (!manufacturer.empty() && product.rfind(manufacturer, 0) != 0) {
                return manufacturer + " " + product;
            }
            if (!product.empty()) return product;
        }
    }
    for (const fs::directory_entry& link : fs::directory_iterator(byIdDir, ec)) {
        std::error_code linkError;
        if (fs::canonical(link.path(), linkError) == real && !linkError) {
            return AdapterFromById(link.path().filename().string());
        }
    }
    return {};
}

PortInfo InspectPort(PortSystem& system, const std::string& name, const std::string& device,
                     const std::string& byIdDir) {
    PortInfo info;
    info.name = name;
    info.device = device;
    if (device.empty()) return info;
    errno = 0;
    const int fd = system.OpenDevice(device);
    info.opens = fd >= 0;
    info.openError = info.opens ? 0 : errno;
    if (info.opens) {
        const LatencyOutcome latency = LowerLatency(system, fd, device);
        RestoreLatency(system, fd, latency.changes);
        info.lateMs = latency.lateMs;
        system.CloseDevice(fd);
    }
    info.access = AccessText(info.openError, info.opens ? "" : system.DeviceGroup(device));
    info.adapter = AdapterDescription(system, device, byIdDir);
    return info;
}

std::vector<PortInfo> InspectPorts(PortSystem& system) {
    std::vector<PortInfo> ports;
    for (int n = 1; n <= kPortCount; ++n) {
        ports.push_back(InspectPort(system, PortName(n), PortDevicePath(n)));
    }
    return ports;
}

}  // namespace velmora
