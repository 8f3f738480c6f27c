// A device on the far end of the simulated line: it takes the PC's bytes one
// at a time and answers with bytes of its own. The meter protocol is one
// engine; the STM32 bootloader (8E1, switching to the meter protocol after
// GO) plugs in the same way.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace velmora::sim {

using SimClock = std::chrono::steady_clock;

// What an engine sends in answer to one received byte.
class SimOutput {
public:
    void Send(uint8_t byte) { bytes_.push_back(byte); }
    void Send(const uint8_t* data, std::size_t count) { bytes_.insert(bytes_.end(), data, data + count); }
    // Extra time before the bytes sent after this call (an erase, a write).
    void Delay(std::chrono::microseconds delay) { delays_.emplace_back(bytes_.size(), delay); }
    // Close the line once everything sent so far is out.
    void HangUp() { hangUp_ = true; }

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    // The delay due before byte index (summed when several were asked for).
    std::chrono::microseconds DelayBefore(std::size_t index) const {
        std::chrono::microseconds total{0};
        for (const auto& [at, delay] : delays_)
            if (at == index) total += delay;
        return total;
    }
    bool WantsHangUp() const { return hangUp_; }

private:
    std::vector<uint8_t> bytes_;
    std::vector<std::pair<std::size_t, std::chrono::microseconds>> delays_;
    bool hangUp_ = false;
};

class SimEngine {
public:
    virtual ~SimEngine() = default;
    // One byte from the PC; at is when its last bit arrived on the line.
    virtual void OnByte(uint8_t byte, SimClock::time_point at, SimOutput& out) = 0;
    // Bits one character takes on the line in the current framing: start,
    // 8 data, parity and stop bits (12 for 8O2, 11 for 8E1).
    virtual int BitsPerByte() const { return 12; }
};

}  // namespace velmora::sim
