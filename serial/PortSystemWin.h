// The Win32 calls behind SerialPort on Windows, in one small seam like the
// termios one, so tests can see the settings the port asks for and make
// single calls fail.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velmora {

// A COM port the system lists, with the adapter's name where Windows gives
// one ("USB-SERIAL CH340", "Silicon Labs CP210x USB to UART Bridge").
struct ComPortEntry {
    int number = 0;       // 5 for COM5
    std::string adapter;  // or empty
};

class PortSystem {
public:
    virtual ~PortSystem() = default;

    // An exclusive, overlapped handle for the device ("\\.\COM5"), or
    // INVALID_HANDLE_VALUE with *error set to the system's error code
    // (ERROR_ACCESS_DENIED when another program holds the port).
    virtual HANDLE OpenDevice(const std::string& path, DWORD* error);
    virtual void CloseDevice(HANDLE handle);
    virtual bool GetState(HANDLE handle, DCB* dcb);
    virtual bool SetState(HANDLE handle, DCB* dcb);
    virtual bool SetTimeouts(HANDLE handle, COMMTIMEOUTS* timeouts);
    // EscapeCommFunction (SETDTR, CLRDTR, SETRTS, CLRRTS).
    virtual bool Escape(HANDLE handle, DWORD function);
    virtual bool Purge(HANDLE handle, DWORD flags);
    // The COM ports of the machine, by number: the registry's
    // HARDWARE\DEVICEMAP\SERIALCOMM, named by SetupAPI where it knows them.
    virtual std::vector<ComPortEntry> ListPorts();

    // The real calls.
    static PortSystem& Default();
};

}  // namespace velmora
