#include "link/PortDiagnosis.h"

#include <cctype>
#include <cerrno>
#include <cstring>

namespace velmora {

std::string PortOpenFailureText(int err, const std::string& device, const std::string& group,
                                const std::string& holder) {
    switch (err) {
        case EACCES:
        case EPERM: {
            // A device owned by root alone cannot be fixed by joining its group.
            const std::string join = group.empty() || group == "root" ? "dialout" : group;
            return "You are not allowed to use " + device + ": add yourself to the group '" + join +
                   "' (sudo usermod -aG " + join + " $USER) and log in again";
        }
        case EBUSY:
        case EWOULDBLOCK:
            if (holder.rfind("ModemManager", 0) == 0) return ModemManagerBusyText(device);
            return device + " is in use by another program" +
                   (holder.empty() ? "" : " (" + holder + ")");
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return device + " is gone: is the cable plugged in?";
        case ENOTTY:
            return device + " is not a serial port";
        case 0:
            return device + " cannot be opened";
        default:
            return device + " cannot be opened: " + std::strerror(err);
    }
}

std::string ModemManagerBusyText(const std::string& device) {
    return device +
           " is busy: ModemManager is probing it; the package's udev rule keeps it away, or "
           "wait 10 s";
}

std::string BrlttyClaimedText(const std::string& adapter) {
    return "A " + adapter +
           " USB serial adapter is plugged in but has no port: brltty (a braille display "
           "service) claimed it; remove brltty with 'sudo apt remove brltty' or, if a braille "
           "display needs it, run 'sudo systemctl mask brltty-udev.service' and plug the "
           "adapter in again";
}

std::string PortUnmappedText(const std::string& portName) {
    std::string name = portName;
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name + " has no device: is the cable plugged in? (VELMORA_" + name +
           " may name its path)";
}

std::string LateAnswerText(const std::string& device, int latencyMs) {
    const long long seconds = static_cast<long long>(kTableWriteAnswers) * latencyMs / 1000;
    std::string duration;
    if (seconds < 90) {
        duration = "about " + std::to_string(seconds) + " seconds";
    } else {
        const long long minutes = (seconds + 30) / 60;
        duration = "about " + std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
    }
    return device + " answers late (latency timer " + std::to_string(latencyMs) +
           " ms): a table write will take " + duration + "; see the manual page";
}

}  // namespace velmora
