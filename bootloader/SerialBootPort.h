// The bootloader client's port on the meter's serial link: a read waits in
// polls (one dispatched user event, then up to one poll period) until its
// timeout, so Stop is seen while the bootloader is silent.
#pragma once

#include <chrono>

#include "bootloader/BootPort.h"
#include "serial/LinkPort.h"
#include "core/OperationHost.h"

namespace velmora {

class SerialBootPort : public BootPort {
public:
    SerialBootPort(LinkPort& port, OperationHost& host,
                   std::chrono::microseconds pollPeriod = std::chrono::microseconds(3000),
                   std::chrono::milliseconds readTimeout = std::chrono::milliseconds(3000))
        : port_(port), host_(host), pollPeriod_(pollPeriod), readTimeout_(readTimeout) {}

    // Ok with n bytes; Failed at once when Stop cleared runFlag; TimedOut
    // when the bytes are still missing after the read timeout.
    PortResult read(uint8_t* buffer, std::size_t n) override;
    PortResult write(const uint8_t* buffer, std::size_t n) override;

private:
    LinkPort& port_;
    OperationHost& host_;
    std::chrono::microseconds pollPeriod_;
    std::chrono::milliseconds readTimeout_;
};

}  // namespace velmora
