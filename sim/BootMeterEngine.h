// A meter switched on with EXIT held: it answers as the STM32 bootloader
// (8E1, 11 bits a character) until GO starts the firmware, and from then on
// as the meter (8O2, 12 bits a character), as a meter does once its new
// firmware runs. The flash is kept and can be stored as flash.bin.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "sim/BootloaderEngine.h"
#include "sim/MeterEngine.h"
#include "sim/SimEngine.h"

namespace velmora::sim {

inline constexpr const char* FLASH_FILE = "flash.bin";

// What crossed the line on one side of the GO, for wire-time figures.
struct LineCounts {
    long pcBytes = 0;
    long deviceBytes = 0;
    long answers = 0;  // received bytes that were answered: one turnaround each
};

class BootMeterEngine : public SimEngine {
public:
    // The flash is stored in meter.outputDir (when set) and meter.log gets
    // the bootloader's lines too.
    BootMeterEngine(BootloaderEngineOptions bootloader, MeterOptions meter);

    void OnByte(uint8_t byte, SimClock::time_point at, SimOutput& out) override;
    int BitsPerByte() const override { return RunningFirmware() ? 12 : 11; }

    // GO was accepted: the meter protocol answers from now on.
    bool RunningFirmware() const { return running_.load(); }

    // Copies, safe while the line's thread runs.
    std::vector<uint8_t> Flash() const;
    BootloaderEngineStats BootStats() const;
    LineCounts BootCounts() const;
    LineCounts MeterCounts() const;

    // Writes flash.bin into the output folder if the flash changed since it
    // was last stored; true when there was nothing to do or it was written.
    bool StoreFlash();

    // For setting up before the line runs (an old firmware in the flash).
    BootloaderEngine& Bootloader() { return boot_; }
    MeterEngine& Meter() { return meter_; }

private:
    bool StoreFlashLocked();
    void Log(const std::string& line) const;

    BootloaderEngine boot_;
    MeterEngine meter_;
    std::string outputDir_;
    std::function<void(const std::string&)> log_;
    mutable std::mutex mutex_;
    std::atomic<bool> running_{false};
    std::vector<uint8_t> reply_;
    LineCounts bootCounts_;
    LineCounts meterCounts_;
    // Erases and writes when the flash was last stored.
    int storedChanges_ = 0;
};

}  // namespace velmora::sim
