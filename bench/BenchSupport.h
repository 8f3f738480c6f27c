// Shared by the transfer benchmarks: a host that shows nothing, a scratch
// folder, the line speeds the wire times are made of and the device the
// firmware benchmarks upgrade.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/QuietHost.h"
#include "sim/BootMeterEngine.h"

namespace velmora::bench {

inline constexpr int kBaud = 115200;
// Characters a second: 8E1 in the bootloader (11 bits, 10,473 a second),
// 8O2 for the meter (12 bits, 9,600 a second).
inline constexpr double kBootCharsPerSecond = kBaud / 11.0;
inline constexpr double kMeterCharsPerSecond = kBaud / 12.0;
inline constexpr uint32_t k256K = 0x40000;

// A connectivity-line STM32 (0x418): 256 KB of flash in 2 KB pages, a
// device stm32flash knows as well.
inline BootloaderEngineOptions Device256K() {
    BootloaderEngineOptions o;
    o.productId = 0x418;
    o.flashSize = k256K;
    o.pageSize = 2048;
    return o;
}

// The least time the bytes of one side of the GO take on the line: every
// character both ways, plus a turnaround before every answer.
inline double WireSeconds(const sim::LineCounts& counts, double charsPerSecond,
                          double turnaroundSeconds) {
    return static_cast<double>(counts.pcBytes + counts.deviceBytes) / charsPerSecond +
           static_cast<double>(counts.answers) * turnaroundSeconds;
}

using testing::QuietHost;

struct Scratch {
    Scratch() {
        char name[] = "/tmp/velmora-bench-XXXXXX";
        dir = ::mkdtemp(name) != nullptr ? name : "/tmp";
    }
    ~Scratch() {
        if (dir != "/tmp") std::filesystem::remove_all(dir);
    }
    std::string File(const std::string& name) const { return dir + "/" + name; }
    std::string dir;
};

}  // namespace velmora::bench
