// A meter started into its bootloader, on a pseudo-terminal, for in-process
// use by tests and benchmarks: start it, open SlavePath() as the serial port,
// upgrade it, then talk to it as the meter.
#pragma once

#include <string>

#include "sim/BootMeterEngine.h"
#include "sim/PtyRunner.h"

namespace velmora::sim {

class BootMeterSim {
public:
    explicit BootMeterSim(BootloaderEngineOptions bootloader = {}, MeterOptions meter = {},
                          LinePacing pacing = {})
        : engine_(bootloader, std::move(meter)), runner_(engine_, pacing) {}

    bool Start(std::string* error = nullptr) { return runner_.Open(error) && runner_.Start(); }
    // Stops the line and stores the flash when it has an output folder.
    void Stop() {
        runner_.Stop();
        engine_.StoreFlash();
    }
    const std::string& SlavePath() const { return runner_.SlavePath(); }

    BootMeterEngine& Engine() { return engine_; }
    PtyRunner& Runner() { return runner_; }

private:
    BootMeterEngine engine_;
    PtyRunner runner_;
};

}  // namespace velmora::sim
