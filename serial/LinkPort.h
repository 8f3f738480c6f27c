// The receive side every port shares: the receive ring, the reply latch and
// the wake-up that lets a waiting poll end as soon as bytes arrive. SerialPort
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
#include <vector>

#include "serial/ReceiveRing.h"

namespace velmora {

class LinkPort {
public:
    virtual ~LinkPort() = default;

    // Opens the port named "COM1".."COM9" or a device path with the meter
    // framing. The port shows nothing itself: a failure leaves its reason in
    // OpenFailureReason, anything else to tell waits in TakeNotices.
    virtual bool Open(const std::string& portName) = 0;
    virtual bool Close() = 0;
    // Why the last Open failed, as a reason and remedy for the user; empty
    // when there is nothing to add to "Connect fail ".
    virtual std::string OpenFailureReason() const { return {}; }
    // What the port has to tell the user since the last call, oldest first
    // (an adapter that answers late, a framing the driver refused); the
    // operation shows it.
    virtual std::vector<std::string> TakeNotices() { return {}; }
    // Switches the open port to the STM32 bootloader framing (8E1).
    virtual bool ApplyBootloaderFraming() = 0;
    // Sends all bytes; false only when the write failed at once.
    virtual bool Write(const uint8_t* data, std::size_t count) = 0;

    bool IsOpen() const { return isOpen.load(std::memory_order_acquire) != 0; }
    // The device went away while open (a hang-up, or ENODEV, EIO, ENXIO):
    // the adapter was unplugged. Waits end at once then.
    bool Unplugged() const { return unplugged_.load(std::memory_order_acquire); }

    void ResetReceiveRing() { ring_.Reset(); }
    uint8_t PopReceived() { return ring_.Pop(); }
    int ReceivedCount() const { return ring_.Count(); }

    // Waits at most timeout for ready() to hold, waking at once whenever bytes
    // arrive; returns ready(). This is the wait half of a poll. Around the
    // moment given by ExpectBytes the wait watches ready() without sleeping,
    // so an answer due then is taken without a thread wake-up.
    virtual bool WaitForData(const std::function<bool()>& ready, std::chrono::microseconds timeout);

    // Tells the waits that count more characters are awaited: they cannot be
    // complete before the characters written so far and these have crossed
    // the line.
    void ExpectBytes(int count);

    // Reply latch: the first byte of the latest batch received.
    std::atomic<uint8_t> replyByte{0};
    std::atomic<int> replyArrived{0};

protected:
    // Producer side, called with each batch the line delivered. The bytes go
    // into the ring before the latch is set, so a reader that sees the latch
    // also finds the byte in the ring.
    void Deliver(const uint8_t* data, std::size_t count);
    // Bookkeeping of the sending side: count characters were handed to the
    // line now. charTime is how long one character takes on it.
    void NoteSent(std::size_t count);
    void SetCharTime(std::chrono::nanoseconds charTime) { charTime_ = charTime; }
    void NoteUnplugged(bool gone = true) { unplugged_.store(gone, std::memory_order_release); }
    // How many characters the next answer will likely have, for a receiver
    // that reads a given count at a time: what the last two waits expected
    // when they expected the same (frames come in runs), else one.
    int LikelyAnswerSize() const;

    std::atomic<int> isOpen{0};

private:
    using Clock = std::chrono::steady_clock;

    ReceiveRing ring_;
    std::atomic<bool> unplugged_{false};
    // 115200 baud, 12 bits a character (8O2) unless the port says otherwise.
    std::chrono::nanoseconds charTime_{104'167};
    Clock::time_point lineFreeAt_{};
    // When the awaited bytes can first be complete; waits watch around it.
    Clock::time_point expectedAt_{};
    // The counts the last two ExpectBytes were given; read by the receiver.
    std::atomic<int> lastExpected_{1};
    std::atomic<int> previousExpected_{1};
    std::mutex waitMutex_;
    std::condition_variable arrived_;
};

}  // namespace velmora
