// Who keeps a serial port from us, and USB adapters that never got a port:
// read from /proc, the lock folders and sysfs through a PortSystem, so tests
// can put a fake tree in their place.
#pragma once

#include <string>
#include <vector>

#include "serial/PortSystem.h"

namespace velmora {

inline constexpr const char* kModemManager = "ModemManager";

struct DeviceUser {
    std::string pid;
    std::string name;  // the process's command name, or empty
    bool writes = false;  // opened it for writing (fdinfo's flags), as a program talking on it does
};

// The other processes that have device ("/dev/ttyUSB0") open, oldest pid first.
std::vector<DeviceUser> DeviceUsers(const PortSystem& system, const std::string& device);

// Whether a process of this command name runs.
bool ProcessRunning(const PortSystem& system, const std::string& name);

// The pid a lock file's text names (ASCII, or the old 4-byte binary form),
// or empty when it names none.
std::string LockFilePid(const std::string& text);

// "pid N" of a live process that a lock file (/run/lock/LCK..ttyUSB0, or
// the same in /var/lock) names for device; empty when there is none.
std::string LockFileHolder(const PortSystem& system, const std::string& device);

// Why device is not ours to use even though it may open: a lock file of a
// live process, or ModemManager probing it. Empty when neither; other
// programs merely having it open do not count.
std::string PortBusyReason(const PortSystem& system, const std::string& device);

// One sentence for each known USB serial adapter that is plugged in but has
// no tty because brltty claimed it; empty when there is none or brltty is
// not installed.
std::vector<std::string> ClaimedAdapterTexts(const PortSystem& system);

}  // namespace velmora
