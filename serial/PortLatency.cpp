#include "serial/PortLatency.h"

#include <charconv>
#include <filesystem>

namespace velmora {

namespace {

// The timer a user can set: 1 ms is the FTDI chips' lowest.
constexpr int kLowestTimerMs = 1;

int ReadTimer(PortSystem& system, const std::string& path) {
    std::string text;
    if (!system.ReadSysfs(path, &text)) return -1;
    int value = -1;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || value < 0) return -1;
    return value;
}

}  // namespace

std::string LatencyTimerPath(const std::string& device) {
    std::error_code ec;
    std::filesystem::path real = std::filesystem::canonical(device, ec);
    if (ec) real = device;
    const std::string name = real.filename().string();
    if (name.empty()) return {};
    return "class/tty/" + name + "/device/latency_timer";
}

LatencyOutcome LowerLatency(PortSystem& system, int fd, const std::string& device) {
    LatencyOutcome outcome;
    serial_struct info{};
    if (system.GetSerial(fd, &info) == 0 && (info.flags & ASYNC_LOW_LATENCY) == 0) {
        info.flags |= ASYNC_LOW_LATENCY;
        outcome.changes.lowLatencySet = system.SetSerial(fd, &info) == 0;
    }
    // Read after the mode: some drivers lower their timer with it.
    const std::string path = LatencyTimerPath(device);
    const int timer = path.empty() ? -1 : ReadTimer(system, path);
    if (timer <= kLowestTimerMs) return outcome;
    int now = timer;
    if (system.WriteSysfs(path, std::to_string(kLowestTimerMs))) {
        outcome.changes.timerMs = timer;
        outcome.changes.timerPath = path;
        now = ReadTimer(system, path);
    }
    if (now > kLowestTimerMs) outcome.lateMs = now;
    return outcome;
}

void RestoreLatency(PortSystem& system, int fd, const LatencyChanges& changes) {
    if (changes.timerMs >= 0) system.WriteSysfs(changes.timerPath, std::to_string(changes.timerMs));
    if (!changes.lowLatencySet) return;
    serial_struct info{};
    if (system.GetSerial(fd, &info) != 0) return;
    info.flags &= ~ASYNC_LOW_LATENCY;
    system.SetSerial(fd, &info);
}

}  // namespace velmora
