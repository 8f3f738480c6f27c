#include "serial/PortWatcher.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>

#include "core/MessageText.h"
#include "serial/LinkTexts.h"

namespace velmora {

namespace {

namespace fs = std::filesystem;

constexpr uint32_t kNodeEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;

// ttyUSB0, ttyACM12: the names USB serial adapters get.
bool IsUsbSerialName(const std::string& name) {
    for (const char* family : {"ttyUSB", "ttyACM"}) {
        const std::size_t n = std::char_traits<char>::length(family);
        if (name.size() > n && name.compare(0, n, family) == 0 &&
            std::all_of(name.begin() + static_cast<long>(n), name.end(),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
            return true;
        }
    }
    return false;
}

}  // namespace

PortWatcher::PortWatcher(std::string devicesFolder) : folder_(std::move(devicesFolder)) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ >= 0 && ::inotify_add_watch(fd_, folder_.c_str(), kNodeEvents) < 0) {
        ::close(fd_);
        fd_ = -1;
    }
    WatchById();
    known_ = Devices();
}

PortWatcher::~PortWatcher() {
    if (fd_ >= 0) ::close(fd_);
}

void PortWatcher::WatchById() {
    // udev makes serial/by-id with the first adapter; its links come a
    // moment after the node, and a second look then finds the adapter's name.
    if (fd_ < 0 || byIdWatch_ >= 0) return;
    byIdWatch_ = ::inotify_add_watch(fd_, (folder_ + "/serial/by-id").c_str(), kNodeEvents);
}

PortWatcher::Changes PortWatcher::TakeChanges() {
    if (fd_ >= 0) {
        alignas(inotify_event) char buffer[4096];
        while (::read(fd_, buffer, sizeof buffer) > 0) {
        }
    }
    WatchById();
    Changes changes;
    std::vector<std::string> now = Devices();
    std::set_difference(now.begin(), now.end(), known_.begin(), known_.end(),
                        std::back_inserter(changes.added));
    std::set_difference(known_.begin(), known_.end(), now.begin(), now.end(),
                        std::back_inserter(changes.removed));
    known_ = std::move(now);
    return changes;
}

std::vector<std::string> PortWatcher::Devices() const {
    std::vector<std::string> devices;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder_, ec)) {
        const std::string name = entry.path().filename().string();
        if (IsUsbSerialName(name)) devices.push_back(folder_ + "/" + name);
    }
    std::sort(devices.begin(), devices.end());
    return devices;
}

std::string PortChangeText(bool pluggedIn, const std::string& portName,
                           const std::string& adapter) {
    std::string port = EscapeControls(portName);
    if (!adapter.empty()) port += " (" + EscapeControls(adapter) + ")";
    return FillText(pluggedIn ? TEXT_ADAPTER_PLUGGED_IN : TEXT_ADAPTER_PULLED_OUT, {port});
}

}  // namespace velmora
