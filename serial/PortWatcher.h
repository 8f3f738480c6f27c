// Notices USB serial adapters being plugged in and pulled out: inotify on
// the devices folder (and /dev/serial/by-id once it exists). The window
// watches Fd() for readability and then asks TakeChanges; nothing here
// blocks or runs a thread.
#pragma once

#include <string>
#include <vector>

namespace velmora {

class PortWatcher {
public:
    struct Changes {
        std::vector<std::string> added;  // device paths ("/dev/ttyUSB0"), sorted
        std::vector<std::string> removed;
        bool Empty() const { return added.empty() && removed.empty(); }
    };

    // devicesFolder: where the device nodes appear ("/dev"; tests use a
    // scratch folder).
    explicit PortWatcher(std::string devicesFolder = "/dev");
    ~PortWatcher();
    PortWatcher(const PortWatcher&) = delete;
    PortWatcher& operator=(const PortWatcher&) = delete;

    // Readable when something in the folders changed; -1 when inotify could
    // not be set up (TakeChanges still compares when called).
    int Fd() const { return fd_; }
    // Drains the pending events and names the adapters' devices that came
    // or went since the last call (or since the watcher was made).
    Changes TakeChanges();
    // The USB serial devices there now: ttyUSB* and ttyACM*, sorted.
    std::vector<std::string> Devices() const;

private:
    void WatchById();

    std::string folder_;
    int fd_ = -1;
    int byIdWatch_ = -1;
    std::vector<std::string> known_;
};

// "USB serial adapter plugged in: COM3 (CH340)" / "... pulled out: COM3";
// adapter may be empty.
std::string PortChangeText(bool pluggedIn, const std::string& portName,
                           const std::string& adapter = "");

}  // namespace velmora
