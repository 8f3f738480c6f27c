#include "serial/PortDiagnosis.h"

#include <cctype>
#include <cerrno>
#include <cstring>

#include "serial/LinkTexts.h"

namespace velmora {

std::string PortOpenFailureText(int err, const std::string& device, const std::string& group,
                                const std::string& holder) {
    switch (err) {
        case EACCES:
        case EPERM: {
            // A device owned by root alone cannot be fixed by joining its group.
            const std::string join = group.empty() || group == "root" ? "dialout" : group;
            return FillText(TEXT_PORT_NOT_ALLOWED, {device, join, join});
        }
        case EBUSY:
        case EWOULDBLOCK:
            if (holder.rfind("ModemManager", 0) == 0) return ModemManagerBusyText(device);
            if (holder.empty()) return FillText(TEXT_PORT_IN_USE, {device});
            return FillText(TEXT_PORT_IN_USE_BY, {device, holder});
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return FillText(TEXT_PORT_GONE, {device});
        case ENOTTY:
            return FillText(TEXT_PORT_NOT_SERIAL, {device});
        case 0:
            return FillText(TEXT_PORT_CANNOT_OPEN, {device});
        default:
            return FillText(TEXT_PORT_CANNOT_OPEN_WHY, {device, std::strerror(err)});
    }
}

std::string ModemManagerBusyText(const std::string& device) {
    return FillText(TEXT_PORT_MODEMMANAGER, {device});
}

std::string BrlttyClaimedText(const std::string& adapter) {
    return FillText(TEXT_ADAPTER_BRLTTY, {adapter});
}

std::string PortUnmappedText(const std::string& portName) {
    std::string name = portName;
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return FillText(TEXT_PORT_UNMAPPED, {name, name});
}

std::string LateAnswerText(const std::string& device, int latencyMs) {
    const long long seconds = static_cast<long long>(kTableWriteAnswers) * latencyMs / 1000;
    const std::string ms = std::to_string(latencyMs);
    // From 90 s on it is minutes, so never "1 minute".
    if (seconds < 90) return FillText(TEXT_LATE_SECONDS, {device, ms, std::to_string(seconds)});
    return FillText(TEXT_LATE_MINUTES, {device, ms, std::to_string((seconds + 30) / 60)});
}

}  // namespace velmora
