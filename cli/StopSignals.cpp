#include "cli/StopSignals.h"

namespace velmora::cli {

StopSignalScope::StopSignalScope(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Waits in poll() and nanosleep end early and look at the counter.
    action.sa_flags = 0;
    for (int i = 0; i < 3; ++i) installed_[i] = ::sigaction(kSignals[i], &action, &previous_[i]) == 0;
}

StopSignalScope::~StopSignalScope() {
    for (int i = 0; i < 3; ++i)
        if (installed_[i]) ::sigaction(kSignals[i], &previous_[i], nullptr);
}

}  // namespace velmora::cli
