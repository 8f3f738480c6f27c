// A simulated meter on a pseudo-terminal, ready for in-process use by tests
// and benchmarks: start it, open SlavePath() as the serial port, stop it.
#pragma once

#include <string>

#include "sim/MeterEngine.h"
#include "sim/PtyRunner.h"

namespace velmora::sim {

class MeterSim {
public:
    explicit MeterSim(MeterOptions options = {}, LinePacing pacing = {})
        : engine_(std::move(options)), runner_(engine_, pacing) {}

    // Opens the pseudo-terminal and starts answering on a thread.
    bool Start(std::string* error = nullptr) { return runner_.Open(error) && runner_.Start(); }
    void Stop() { runner_.Stop(); }
    const std::string& SlavePath() const { return runner_.SlavePath(); }

    MeterEngine& Engine() { return engine_; }
    PtyRunner& Runner() { return runner_; }

private:
    MeterEngine engine_;
    PtyRunner runner_;
};

}  // namespace velmora::sim
