// The operating-system calls behind CComPort, gathered in one small seam so
// tests can see every setting the port asks for (a pseudo-terminal silently
// drops the parity enable, so reading the settings back is not enough) and can
// make single calls fail.
#pragma once

#include <termios.h>

#include <string>

namespace velmora {

class PortSystem {
public:
    virtual ~PortSystem() = default;

    // An exclusive descriptor for the device, or -1 with errno telling why.
    virtual int OpenDevice(const std::string& path);
    // The group that owns the device (the one a user joins to use it), or empty.
    virtual std::string DeviceGroup(const std::string& path);
    // "name (pid N)" of a process that has the device open, or empty when
    // none can be seen (other users' processes are hidden from us).
    virtual std::string DeviceHolder(const std::string& path);
    virtual void CloseDevice(int fd);
    // 0 on success, -1 on failure, like tcgetattr / tcsetattr.
    virtual int GetAttr(int fd, termios* settings);
    virtual int SetAttr(int fd, const termios* settings);
    // TIOCMBIS / TIOCMBIC with the given modem bits.
    virtual int ModemLines(int fd, unsigned long request, int bits);
    // tcflush with TCIFLUSH, TCOFLUSH or TCIOFLUSH.
    virtual int Flush(int fd, int queue);
    // The descriptor Close signals to wake the receive thread, or -1.
    virtual int CreateWakeEvent();

    // The real calls.
    static PortSystem& Default();
};

}  // namespace velmora
