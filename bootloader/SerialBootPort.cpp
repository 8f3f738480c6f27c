#include "bootloader/SerialBootPort.h"

namespace velmora {

PortResult SerialBootPort::read(uint8_t* buffer, std::size_t n) {
    auto enough = [&] { return static_cast<std::size_t>(port_.ReceivedCount()) >= n; };
    if (!enough()) port_.ExpectBytes(static_cast<int>(n) - port_.ReceivedCount());
    const auto deadline = std::chrono::steady_clock::now() + readTimeout_;
    while (!enough()) {
        if (std::chrono::steady_clock::now() >= deadline) return PortResult::TimedOut;
        host_.PumpOnce();
        // Stop, or the adapter pulled out: no answer can come any more.
        if (host_.Flags().runFlag == 0 || port_.Unplugged()) return PortResult::Failed;
        port_.WaitForData(enough, pollPeriod_);
    }
    for (std::size_t i = 0; i < n; ++i) buffer[i] = port_.PopReceived();
    return PortResult::Ok;
}

PortResult SerialBootPort::write(const uint8_t* buffer, std::size_t n) {
    return port_.Write(buffer, n) ? PortResult::Ok : PortResult::Failed;
}

}  // namespace velmora
