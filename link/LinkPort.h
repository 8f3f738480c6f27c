// The receive side every port shares: the receive ring, the reply latch and
// the wake-up that lets a waiting poll end as soon as bytes arrive. CComPort
// fills it from its receive thread; tests and the fuzz target fill it from a
// scripted meter, so the protocol code sees only this interface.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "link/ReceiveRing.h"

namespace velmora {

class OperationHost;

class LinkPort {
public:
    virtual ~LinkPort() = default;

    // Opens the port named "COM1".."COM9" or a device path with the meter
    // framing. Message boxes of the port go through host.
    virtual bool Open(const std::string& portName, OperationHost& host) = 0;
    virtual bool Close() = 0;
    // Switches the open port to the STM32 bootloader framing (8E1).
    virtual bool ApplyBootloaderFraming() = 0;
    // Sends all bytes; false only when the write failed at once.
    virtual bool Write(const uint8_t* data, std::size_t count) = 0;

    bool IsOpen() const { return isOpen.load(std::memory_order_acquire) != 0; }

    void ResetReceiveRing() { ring_.Reset(); }
    uint8_t PopReceived() { return ring_.Pop(); }
    int ReceivedCount() const { return ring_.Count(); }

    // Waits at most timeout for ready() to hold, waking at once whenever bytes
    // arrive; returns ready(). This is the wait half of a poll.
    virtual bool WaitForData(const std::function<bool()>& ready, std::chrono::microseconds timeout);

    // Reply latch: the first byte of the latest batch received.
    std::atomic<uint8_t> replyByte{0};
    std::atomic<int> replyArrived{0};

protected:
    // Producer side, called with each batch the line delivered. The bytes go
    // into the ring before the latch is set, so a reader that sees the latch
    // also finds the byte in the ring.
    void Deliver(const uint8_t* data, std::size_t count);

    std::atomic<int> isOpen{0};

private:
    ReceiveRing ring_;
    std::mutex waitMutex_;
    std::condition_variable arrived_;
};

}  // namespace velmora
