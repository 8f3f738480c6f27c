// What a user needs to know about each port before using it: the device
// behind the name, whether it opens, which USB adapter it is, and whether the
// adapter will answer late. `velmora-cli ports` and the port selector show it.
#pragma once

#include <string>
#include <vector>

#include "serial/PortSystem.h"

namespace velmora {

inline constexpr const char* kSerialByIdDir = "/dev/serial/by-id";

struct PortInfo {
    std::string name;     // "COM1"
    std::string device;   // empty when nothing maps to the name
    bool opens = false;   // opened exclusively just now
    int openError = 0;    // errno of the failed open
    std::string adapter;  // "FTDI FT232R USB UART", or empty
    std::string access;   // "you may use it", "not allowed: ...", ...
    int lateMs = 0;       // latency timer that stays above 1 ms, or 0
};

// "FTDI FT232R USB UART" from a /dev/serial/by-id name such as
// "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0"; the serial number goes.
std::string AdapterFromById(const std::string& byIdName);

// The adapter behind device: the USB manufacturer and product from sysfs,
// else the matching link name in byIdDir; empty for a port that is no USB
// adapter.
std::string AdapterDescription(PortSystem& system, const std::string& device,
                               const std::string& byIdDir = kSerialByIdDir);

// Looks at one device: opens it (and closes it again), reads what the
// adapter is and whether its answers will be late.
PortInfo InspectPort(PortSystem& system, const std::string& name, const std::string& device,
                     const std::string& byIdDir = kSerialByIdDir);

// COM1 .. COM9 in order.
std::vector<PortInfo> InspectPorts(PortSystem& system);

}  // namespace velmora
