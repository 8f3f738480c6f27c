// How a port of the production line finds its next meter: a batch with a
// firmware step looks for a bootloader (the meter switched on with EXIT
// held), any other batch for a meter running its firmware. Between two
// meters the port first waits until the one it served is gone, so a meter
// left connected is never done twice.
#pragma once

#include <chrono>
#include <functional>

#include "meter/MeterLink.h"

namespace velmora::cli {

struct MeterWait {
    bool bootloader = false;  // the batch has a firmware step
    std::chrono::milliseconds probeInterval{1000};
    std::chrono::milliseconds probeAnswer{100};
    std::function<bool()> servingEnds;  // Ctrl+C: take no further meter
    std::function<void()> noPort;       // said once when the port does not open
};

// Waits for the next meter, probing about once every interval; false when
// the serving ended first. A port that does not open is waited for like a
// meter (an adapter may be plugged in).
bool AwaitNextMeter(MeterLink& link, const MeterWait& wait);

// Waits until the meter on the port stops answering (switched off,
// unplugged, or gone from the port: two probes in a row without an answer);
// false when the serving ended first.
bool AwaitMeterGone(MeterLink& link, const MeterWait& wait);

}  // namespace velmora::cli
