// Makes a USB serial adapter answer at once. A table transfer waits for a
// one-byte answer after every frame, so whatever the adapter and the tty
// layer hold back is paid about 8,300 times: the port asks for low-latency
// mode and, on an FTDI adapter, lowers its latency timer to 1 ms, and puts
// both back on close.
#pragma once

#include <string>

#include "serial/PortSystem.h"

namespace velmora {

// What LowerLatency changed, so RestoreLatency can put it back.
struct LatencyChanges {
    bool lowLatencySet = false;  // ASYNC_LOW_LATENCY was off and we set it
    int timerMs = -1;            // the latency timer before we lowered it, or -1
    std::string timerPath;
};

struct LatencyOutcome {
    LatencyChanges changes;
    // The latency timer in ms when it stays above 1 ms; 0 when the adapter
    // answers at once (or has no timer).
    int lateMs = 0;
};

// The sysfs path of the device's latency timer, relative to the sysfs root
// ("class/tty/ttyUSB0/device/latency_timer"); by-id links are followed.
std::string LatencyTimerPath(const std::string& device);

LatencyOutcome LowerLatency(PortSystem& system, int fd, const std::string& device);
void RestoreLatency(PortSystem& system, int fd, const LatencyChanges& changes);

}  // namespace velmora
