// Signals that ask a terminal operation to stop. Ctrl+C (SIGINT), a service
// manager's or kill's SIGTERM and a closed terminal's SIGHUP all end it the
// same way, through its Stop path, so that report lines are written and the
// port is closed properly. Their handlers only count into a lock-free atomic.
#pragma once

#include <signal.h>

#include <atomic>

namespace velmora::cli {

using StopSignalCounter = std::atomic<int>;
static_assert(StopSignalCounter::is_always_lock_free, "a signal handler may touch it");

// Installs handler for every stop signal while it lives; the previous
// handlers come back after.
class StopSignalScope {
public:
    explicit StopSignalScope(void (*handler)(int));
    ~StopSignalScope();
    StopSignalScope(const StopSignalScope&) = delete;
    StopSignalScope& operator=(const StopSignalScope&) = delete;

private:
#ifdef _WIN32
    // Ctrl+C, Ctrl+Break and a closed console window reach the console's
    // control handler (StopSignalsWin.cpp), which calls handler(SIGINT).
    bool installed_ = false;
#else
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    struct sigaction previous_[3] {};
    bool installed_[3] = {};
#endif
};

}  // namespace velmora::cli
