// The port names the user sees ("COM1" .. "COM9") and the devices behind them.
//
// COMn maps to the path in the environment variable VELMORA_COMn when it is
// set. Otherwise the machine's serial devices are numbered in this order:
// USB adapters /dev/ttyUSB0.., then USB modems /dev/ttyACM0.., then native
// ports /dev/ttyS0..; COM1 is the first that exists, COM2 the second, and so on.
#pragma once

#include <string>
#include <vector>

namespace velmora {

inline constexpr int kPortCount = 9;

// "COM1" .. "COM9" for n = 1 .. 9.
std::string PortName(int n);

// The device behind COMn, or an empty text when nothing maps to it.
std::string PortDevicePath(int n);

// A name from the port selector or the --port option: COM1 .. COM9 (any case)
// map as above, anything else is taken as a device path.
std::string ResolvePortDevice(const std::string& nameOrPath);

// Opens the device for reading and writing, exclusively (TIOCEXCL plus an
// flock), without becoming its controlling terminal. Returns the descriptor,
// or -1 with errno set when the device is absent, not a terminal (ENOTTY) or
// in use (EBUSY).
int OpenDeviceExclusive(const std::string& path);

// The names of COM1 .. COM9, in that order, whose device opens; each is
// closed again at once.
std::vector<std::string> ProbePorts();

}  // namespace velmora
