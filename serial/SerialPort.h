// The serial port to the meter on POSIX termios (on Windows the Win32 comm
// API, SerialPortWin.cpp): exclusive open, raw 115200 baud with the meter
// framing (8O2) or the STM32 bootloader framing (8E1), and a receive thread
// that drains the device into the receive ring.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "serial/LinkPort.h"
#include "serial/PortSystem.h"
#ifndef _WIN32
#include "serial/PortLatency.h"
#endif

namespace velmora {

enum class Framing { Meter8O2, Bootloader8E1 };

class SerialPort : public LinkPort {
public:
    explicit SerialPort(PortSystem& system = PortSystem::Default());
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    bool Open(const std::string& portName) override;
    bool Close() override;
    std::string OpenFailureReason() const override { return openFailure_; }
    // The errno of the last failed Open (ENOENT for a name without a device).
    int OpenFailureErrno() const { return openErrno_; }
    std::vector<std::string> TakeNotices() override { return std::exchange(notices_, {}); }
    bool ApplyBootloaderFraming() override;
    bool Write(const uint8_t* data, std::size_t count) override;

    // Reads only what is already queued, never waits; returns the count read.
    std::size_t ReadAvailable(uint8_t* buffer, std::size_t maxCount);

    // Whether the receive thread is running.
    bool Receiving() const { return thread_.joinable(); }

private:
    bool ApplyFraming(Framing framing);
    void ReceiveLoop();
    void CloseDevice();
    void AddClaimedAdapters(std::string& reason);

    PortSystem& system_;
#ifdef _WIN32
    // The device's HANDLE, the event Close sets to end the receive
    // thread's wait and the one of the writes; null when closed.
    void* handle_ = nullptr;
    void* wakeEvent_ = nullptr;
    void* writeEvent_ = nullptr;
#else
    int fd_ = -1;
    int wakeFd_ = -1;
    LatencyChanges latency_;
#endif
    std::thread thread_;
    std::string openFailure_;
    int openErrno_ = 0;
    std::vector<std::string> notices_;
    // Devices whose late answers were already reported by this port.
    std::set<std::string> toldLate_;
};

}  // namespace velmora
