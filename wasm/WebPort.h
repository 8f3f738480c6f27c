// The session's port in the browser: the page's Web Serial port. Bytes come
// from the page's reader into the receive ring while a wait awaits them, so
// the protocol code waits as it does on a serial device, and the page stays
// responsive meanwhile (the waits suspend through Asyncify).
#pragma once

#include <string>

#include "serial/LinkPort.h"

namespace velmora::web {

class WebPort : public LinkPort {
public:
    ~WebPort() override;

    // The name is the selector's; the port is the one the user granted with
    // Connect. Opens it at 115200 baud with the meter framing (8O2).
    bool Open(const std::string& portName) override;
    bool Close() override;
    std::string OpenFailureReason() const override { return openFailure_; }
    // Web Serial cannot change an open port's framing: closes and opens again
    // at 8E1.
    bool ApplyBootloaderFraming() override;
    bool Write(const uint8_t* data, std::size_t count) override;
    bool WaitForData(const std::function<bool()>& ready, std::chrono::microseconds timeout) override;

private:
    bool OpenWith(char parity, int stopBits);
    // Moves what the page's reader has received into the ring.
    void TakeReceived();

    std::string openFailure_;
};

}  // namespace velmora::web
