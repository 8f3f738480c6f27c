// The operating-system calls behind SerialPort, gathered in one small seam so
// tests can see every setting the port asks for (a pseudo-terminal silently
// drops the parity enable, so reading the settings back is not enough) and can
// make single calls fail.
#pragma once

#ifdef _WIN32
#include "serial/PortSystemWin.h"
#else

#if __has_include(<linux/serial.h>)
#include <linux/serial.h>
#else
// Without the Linux serial driver (the WebAssembly build, whose port is the
// page's): the one field the latency setting touches.
struct serial_struct {
    int flags;
};
#define ASYNC_LOW_LATENCY (1U << 13)
#endif
#include <termios.h>

#include <string>
#include <utility>

namespace velmora {

class PortSystem {
public:
    // sysfsRoot is where the kernel's device attributes are read ("/sys");
    // root is put before the other absolute paths it reads (/proc, /dev,
    // the lock folders, installed programs), so tests can build a fake tree.
    explicit PortSystem(std::string sysfsRoot = "/sys", std::string root = "")
        : sysfsRoot_(std::move(sysfsRoot)), root_(std::move(root)) {}
    virtual ~PortSystem() = default;

    // An exclusive descriptor for the device, or -1 with errno telling why.
    virtual int OpenDevice(const std::string& path);
    // The group that owns the device (the one a user joins to use it), or empty.
    virtual std::string DeviceGroup(const std::string& path);
    // "name (pid N)" of a process that has the device open, or empty when
    // none can be seen (other users' processes are hidden from us).
    // ModemManager is named before any other holder: it is the one to act on.
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
    // TIOCGSERIAL / TIOCSSERIAL; 0 on success, -1 on failure (ENOTTY on a
    // pseudo-terminal).
    virtual int GetSerial(int fd, serial_struct* info);
    virtual int SetSerial(int fd, const serial_struct* info);
    // A small attribute file below the sysfs root, path relative to it
    // ("class/tty/ttyUSB0/device/latency_timer"); false when it cannot be
    // read or written.
    virtual bool ReadSysfs(const std::string& path, std::string* text);
    virtual bool WriteSysfs(const std::string& path, const std::string& text);

    // An absolute path ("/proc", "/dev/ttyUSB0") as this system sees it.
    std::string Path(const std::string& absolute) const { return root_ + absolute; }
    const std::string& SysfsRoot() const { return sysfsRoot_; }

    // The real calls.
    static PortSystem& Default();

private:
    std::string sysfsRoot_;
    std::string root_;
};

}  // namespace velmora

#endif  // _WIN32
