// Why a serial port could not be opened, or why it will be slow, told in
// words a user can act on. The texts sit under "Connect fail " as its second
// line, in the window and on the terminal alike.
#pragma once

#include <string>

namespace velmora {

// The reason and remedy for an open of device that failed with err. group is
// the device's group (the one a user must join); holder names the program
// that has the device open, when known.
std::string PortOpenFailureText(int err, const std::string& device, const std::string& group,
                                const std::string& holder);

// The reason for a device that ModemManager holds: it probes every new serial
// device for a while, sending modem commands the meter would take as noise.
std::string ModemManagerBusyText(const std::string& device);

// The reason and remedy for a USB adapter ("CH340") that brltty claimed, so
// that it has no port.
std::string BrlttyClaimedText(const std::string& adapter);

// The reason for a port name ("COM3") that maps to no device.
std::string PortUnmappedText(const std::string& portName);

// A full table write waits for about this many one-byte answers.
inline constexpr int kTableWriteAnswers = 8300;

// The notice for a USB adapter whose latency timer stays above 1 ms.
std::string LateAnswerText(const std::string& device, int latencyMs);

}  // namespace velmora
