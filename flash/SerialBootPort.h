// The bootloader client's port on the meter's serial link: reads wait in
// polls (one dispatched user event, then up to one poll period), so Stop is
// seen while the bootloader is silent.
#pragma once

#include <chrono>

#include "flash/BootPort.h"
#include "link/LinkPort.h"
#include "link/OperationHost.h"

namespace velmora {

// Polls one read may wait: nominally three seconds at 3 ms a poll.
inline constexpr int BOOT_READ_POLL_LIMIT = 1000;

class SerialBootPort : public BootPort {
public:
    SerialBootPort(LinkPort& port, OperationHost& host,
                   std::chrono::microseconds pollPeriod = std::chrono::microseconds(3000),
                   int pollLimit = BOOT_READ_POLL_LIMIT)
        : port_(port), host_(host), pollPeriod_(pollPeriod), pollLimit_(pollLimit) {}

    // Ok with n bytes; Failed at once when Stop cleared runFlag; TimedOut
    // when the bytes are still missing after the poll limit.
    PortResult read(uint8_t* buffer, std::size_t n) override;
    PortResult write(const uint8_t* buffer, std::size_t n) override;

private:
    LinkPort& port_;
    OperationHost& host_;
    std::chrono::microseconds pollPeriod_;
    int pollLimit_;
};

}  // namespace velmora
