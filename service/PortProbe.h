// Finds the meter: every port that exists is tried at once, one thread per
// port, for about a second each. A meter answers the Read-tables command
// with its ready byte; nothing more is sent, so its tables stay as they were.
// Where the meter stays silent, the port is asked whether a bootloader answers
// (BootloaderAnswers), so a meter in its bootloader is found too.
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "core/MessageText.h"
#include "serial/LinkPort.h"
#include "serial/PortSystem.h"

namespace velmora {

enum class PortAnswer { Nothing, Meter, Bootloader };

struct ProbeTarget {
    std::string name;    // "COM3", or a device path
    std::string device;  // "/dev/ttyUSB0"
};

struct ProbeOutcome {
    ProbeTarget port;
    std::string adapter;  // "FTDI FT232R USB UART", or empty for no USB adapter
    bool opened = false;
    std::string busy;  // why the port was not tried, when it is in use
    PortAnswer answer = PortAnswer::Nothing;
};

// True when a meter running its firmware answers the Read-tables command
// on the open port within wait with its ready byte (and nothing after it).
// Nothing more is sent, so its tables stay as they were.
bool MeterAnswers(LinkPort& port, std::chrono::milliseconds wait);

// COM1 .. COM9 that name a device now.
std::vector<ProbeTarget> ExistingPorts();

class PortProbe {
public:
    explicit PortProbe(PortSystem& system,
                       std::chrono::milliseconds perPort = std::chrono::milliseconds(1000));
    ~PortProbe();
    PortProbe(const PortProbe&) = delete;
    PortProbe& operator=(const PortProbe&) = delete;

    // Starts one thread per target; call once.
    void Start(std::vector<ProbeTarget> targets);
    int Total() const { return static_cast<int>(targets_.size()); }
    // Ports done so far; safe to ask while the threads run.
    int Finished() const { return finished_.load(std::memory_order_acquire); }
    // Waits for every thread; the outcomes in the order of the targets.
    std::vector<ProbeOutcome> Join();

private:
    void ProbeOne(std::size_t index);

    PortSystem& system_;
    std::chrono::milliseconds perPort_;
    std::vector<ProbeTarget> targets_;
    std::vector<ProbeOutcome> outcomes_;  // each thread writes its own slot only
    std::vector<std::thread> threads_;
    std::atomic<int> finished_{0};
};

// Runs a probe to its end on the calling thread.
std::vector<ProbeOutcome> ProbePortsForMeter(
    PortSystem& system, std::vector<ProbeTarget> targets,
    std::chrono::milliseconds perPort = std::chrono::milliseconds(1000));

// What a probe found, told to the user.
struct ProbeSummary {
    std::string meterPort;  // the first port where a meter answered, or empty
    std::string text;
    MessageKind kind = MessageKind::Notice;
};

// "Meter found on COM3 (/dev/ttyUSB0, FTDI FT232R)", or the likely reason
// none answered. claimed: the texts of adapters brltty took (see
// ClaimedAdapterTexts), added when no adapter has a port.
ProbeSummary SummariseProbe(const std::vector<ProbeOutcome>& outcomes,
                            const std::vector<std::string>& claimed = {});

}  // namespace velmora
