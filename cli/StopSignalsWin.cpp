// Ctrl+C and Ctrl+Break on Windows: the console calls its control handlers on
// a thread of its own, which passes the event on as SIGINT to the handler of
// the innermost scope, exactly as the Linux signal handlers count it.
#include <windows.h>

#include <atomic>

#include "cli/StopSignals.h"

namespace velmora::cli {

namespace {

// The handler of the scope in force; a console control handler gets no
// context, so this is the one place to reach it from.
std::atomic<void (*)(int)> g_consoleStop{nullptr};

BOOL WINAPI OnConsoleEvent(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT:
        case CTRL_BREAK_EVENT:
        case CTRL_CLOSE_EVENT:
            if (void (*handler)(int) = g_consoleStop.load(); handler != nullptr) {
                handler(SIGINT);
                return TRUE;  // handled: the operation stops through its own path
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

StopSignalScope::StopSignalScope(void (*handler)(int)) {
    g_consoleStop.store(handler);
    installed_ = ::SetConsoleCtrlHandler(OnConsoleEvent, TRUE) != 0;
}

StopSignalScope::~StopSignalScope() {
    if (installed_) ::SetConsoleCtrlHandler(OnConsoleEvent, FALSE);
    g_consoleStop.store(nullptr);
}

}  // namespace velmora::cli
