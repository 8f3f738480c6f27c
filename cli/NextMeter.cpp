#include "cli/NextMeter.h"

#include <thread>

#include "service/BootProbe.h"

namespace velmora::cli {

namespace {

using Clock = std::chrono::steady_clock;

ProbeResult Probe(MeterLink& link, const MeterWait& wait) {
    return wait.bootloader ? ProbeBootloader(link, wait.probeAnswer)
                           : ProbeMeter(link, wait.probeAnswer);
}

// Probes about once every interval until done says so; false when the
// serving ended first.
bool ProbeUntil(MeterLink& link, const MeterWait& wait,
                const std::function<bool(ProbeResult)>& done) {
    for (;;) {
        auto next = Clock::now() + wait.probeInterval;
        if (wait.servingEnds && wait.servingEnds()) return false;
        if (done(Probe(link, wait))) return true;
        while (Clock::now() < next) {
            if (wait.servingEnds && wait.servingEnds()) return false;
            std::this_thread::sleep_for(std::min<Clock::duration>(next - Clock::now(),
                                                                  std::chrono::milliseconds(20)));
        }
    }
}

}  // namespace

bool AwaitNextMeter(MeterLink& link, const MeterWait& wait) {
    bool told = false;
    return ProbeUntil(link, wait, [&](ProbeResult probe) {
        if (probe == ProbeResult::NoPort && !told && wait.noPort) {
            told = true;
            wait.noPort();
        }
        return probe == ProbeResult::Found;
    });
}

bool AwaitMeterGone(MeterLink& link, const MeterWait& wait) {
    int silent = 0;
    bool gone = ProbeUntil(link, wait, [&](ProbeResult probe) {
        silent = probe == ProbeResult::Found ? 0 : silent + 1;
        return silent >= 2;
    });
    // A bootloader probe leaves the port open; the next probe opens it afresh.
    link.Port().Close();
    return gone;
}

}  // namespace velmora::cli
