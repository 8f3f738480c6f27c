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

    // An exclusive descriptor for the device, or -1.
    virtual int OpenDevice(const std::string& path);
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
