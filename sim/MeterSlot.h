// One place on a production line: a meter is plugged in switched on with
// EXIT held (its bootloader answers), gets upgraded, runs its firmware, and
// is then swapped for the next meter, again in its bootloader. The swap is a
// power cycle: asked for from any thread or a signal handler, or due a set
// time after the firmware started, it takes effect before the next byte.
#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "sim/BootMeterEngine.h"
#include "sim/SimEngine.h"

namespace velmora::sim {

class MeterSlot : public SimEngine {
public:
    // Every meter starts with the same options but a unique ID of its own
    // (its number in the last bytes). rebootAfter: the time from GO
    // to the next meter; zero waits for PowerCycle.
    MeterSlot(BootloaderEngineOptions bootloader, MeterOptions meter,
              std::chrono::milliseconds rebootAfter = std::chrono::milliseconds(0));

    void OnByte(uint8_t byte, SimClock::time_point at, SimOutput& out) override;
    int BitsPerByte() const override;

    // Safe in a signal handler: the next meter is switched on before the next
    // byte is taken.
    void PowerCycle() { cycleRequested_.store(true); }

    // Meters switched on so far (the first counts), and those whose new
    // firmware was started.
    int MetersSwitchedOn() const { return switchedOn_.load(); }
    int MetersUpgraded() const { return upgraded_.load(); }
    bool RunningFirmware() const;
    // The present meter's flash; the flashes of the latest upgraded
    // meters (up to 16), oldest first.
    std::vector<uint8_t> Flash() const;
    std::vector<std::vector<uint8_t>> UpgradedFlashes() const;
    bool StoreFlash();

private:
    void SwitchOnNext();

    BootloaderEngineOptions bootOptions_;
    MeterOptions meterOptions_;
    std::chrono::milliseconds rebootAfter_;
    mutable std::mutex mutex_;
    std::unique_ptr<BootMeterEngine> meter_;
    std::optional<SimClock::time_point> goAt_;
    std::vector<std::vector<uint8_t>> upgradedFlashes_;
    std::atomic<bool> cycleRequested_{false};
    std::atomic<int> switchedOn_{0};
    std::atomic<int> upgraded_{0};
};

}  // namespace velmora::sim
