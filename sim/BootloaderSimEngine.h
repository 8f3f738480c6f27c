// The simulated STM32 bootloader as a device on the simulated line (8E1,
// 11 bits per character), for the pseudo-terminal runner.
#pragma once

#include <vector>

#include "sim/BootloaderEngine.h"
#include "sim/SimEngine.h"

namespace velmora::sim {

class BootloaderSimEngine : public SimEngine {
public:
    explicit BootloaderSimEngine(BootloaderEngineOptions options = {}) : engine_(options) {}

    void OnByte(uint8_t byte, SimClock::time_point, SimOutput& out) override {
        reply_.clear();
        engine_.Receive(&byte, 1, reply_);
        if (!reply_.empty()) out.Send(reply_.data(), reply_.size());
    }
    int BitsPerByte() const override { return 11; }

    BootloaderEngine& Engine() { return engine_; }

private:
    BootloaderEngine engine_;
    std::vector<uint8_t> reply_;
};

}  // namespace velmora::sim
