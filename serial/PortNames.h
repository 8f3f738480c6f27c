// The port names the user sees ("COM1" .. "COM9") and the devices behind them.
//
// COMn maps to the path in the environment variable VELMORA_COMn when it is
// set. The machine's serial devices are numbered in this order: USB adapters
// /dev/ttyUSB0.., then USB modems /dev/ttyACM0.., then native ports
// /dev/ttyS0..; the k-th is COMk, so a variable naming one port moves no
// other. A device whose name a variable took goes to the lowest name left
// free; a device that a variable already names is not given a second name.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace velmora {

#ifdef _WIN32
// Windows numbers its ports COM1 to COM256.
inline constexpr int kPortCount = 256;
#else
inline constexpr int kPortCount = 9;
#endif

// The devices of COM1 .. COM9: the mapped paths where given (non-empty), the
// devices in order in the other names, each device under one name only.
std::array<std::string, kPortCount> MapPortDevices(
    const std::array<std::string, kPortCount>& mapped, const std::vector<std::string>& devices);

// "COM1" .. "COM9" for n = 1 .. 9.
std::string PortName(int n);

// The device behind COMn, or an empty text when nothing maps to it.
std::string PortDevicePath(int n);

// A name from the port selector or the --port option: COM1 .. COM9 (any case)
// map as above, anything else is taken as a device path.
std::string ResolvePortDevice(const std::string& nameOrPath);

// Whether the device (links resolved) is a USB serial adapter's: ttyUSB* or
// ttyACM*.
bool IsUsbSerialDevice(const std::string& device);

// Opens the device for reading and writing, exclusively (TIOCEXCL plus an
// flock), without becoming its controlling terminal. Returns the descriptor,
// or -1 with errno set when the device is absent, not a terminal (ENOTTY) or
// in use (EBUSY).
int OpenDeviceExclusive(const std::string& path);

// The names of COM1 .. COM9, in that order, whose device opens; each is
// closed again at once.
std::vector<std::string> ProbePorts();

}  // namespace velmora
