#include "cli/TerminalHost.h"

#include <unistd.h>

#include <iostream>

#include "cli/Cli.h"
#include "core/MessageText.h"

namespace velmora::cli {

bool ProgressBarWanted(const std::ostream& err) {
    return &err == &std::cerr && ::isatty(STDERR_FILENO);
}

bool OutputIsTerminal(const std::ostream& out) {
    return &out == &std::cout && ::isatty(STDOUT_FILENO);
}

std::string ShellWord(const std::string& word) {
    const bool plain = !word.empty() && word.find_first_not_of(
                                            "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                            "0123456789_@%+=:,./-") == std::string::npos;
    if (plain) return word;
#ifdef _WIN32
    // A Windows file name holds no double quote.
    return '"' + word + '"';
#else
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
#endif
}

namespace {

// Set by the stop signals' handler, taken by the operation's next poll.
StopSignalCounter g_interrupted{0};

extern "C" void OnInterrupt(int) { g_interrupted.store(1); }

constexpr int kBarWidth = 30;

}  // namespace

TerminalHost::TerminalHost(std::ostream& err, bool drawProgress)
    : err_(err),
      drawProgress_(drawProgress),
      db_(std::make_unique<SatTpDatabase>()) {
    ClearDatabase(*db_);
}

TerminalHost::~TerminalHost() {
    ShowPendingStatus();
    EndBar();
}

void TerminalHost::ShowPendingStatus() {
    if (!statusPending_) return;
    statusPending_ = false;
    EndBar();
    err_ << EscapeControlsKeepLines(status_) << '\n';
    err_.flush();
}

std::string TerminalHost::TakeFinalStatus() {
    statusPending_ = false;
    // The caller prints the status on standard output, which shares the
    // terminal with the bar: it must start on a line of its own.
    EndBar();
    return status_;
}

void TerminalHost::EndBar() {
    if (!barOpen_) return;
    err_ << '\n';
    err_.flush();
    barOpen_ = false;
    shownCountdown_ = 0;
}

void TerminalHost::SetStatus(const std::string& text) {
    ShowPendingStatus();
    status_ = text;
    maximum_ = 0;
    statusPending_ = drawProgress_ && !text.empty();
}

void TerminalHost::BeginProgress(const std::string& text, int maximum) {
    SetStatus(text);
    ShowPendingStatus();
    maximum_ = maximum;
    shownPercent_ = -1;
    SetProgress(0);
}

void TerminalHost::SetProgress(int position) {
    if (!drawProgress_ || maximum_ <= 0) return;
    int percent = static_cast<int>(100LL * position / maximum_);
    // Redraw only when the bar moves; a table has thousands of frames.
    if (percent == shownPercent_) return;
    shownPercent_ = percent;
    int filled = percent * kBarWidth / 100;
    err_ << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
         << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << position << '/'
         << maximum_;
    err_.flush();
    barOpen_ = true;
}

// Ctrl+C acts as the window's Stop: it ends the running step and, between
// two steps of a batch, the batch itself.
void TerminalHost::PumpOnce() {
    if (g_interrupted.exchange(0) != 0) {
        interrupted_ = true;
        flags_.runFlag = 0;
        if (flags_.batchRunning) flags_.batchStopRequested = 1;
    }
}

void TerminalHost::ShowMessage(const std::string& text, MessageKind) {
    ShowPendingStatus();
    EndBar();
    const std::string escaped = EscapeControlsKeepLines(text);
    std::string::size_type from = 0;
    for (;;) {
        const std::string::size_type end = escaped.find('\n', from);
        err_ << kProgramName << ": " << escaped.substr(from, end - from) << '\n';
        if (end == std::string::npos) break;
        from = end + 1;
    }
    err_.flush();
}

void TerminalHost::ShowPartialWrite(const std::string& message, const std::string& backup,
                                    const std::string& port) {
    ShowMessage(message + "\nTo write the backup back to the meter: " + kProgramName +
                " write-tables --port " + ShellWord(port) + " " + ShellWord(backup));
}

void TerminalHost::ShowCountdown(const std::string& text) {
    // Drawn where the bar is drawn, and only where a bar would be.
    if (!drawProgress_) return;
    ShowPendingStatus();
    const std::string line = EscapeControls(text);
    const std::size_t blanks = line.size() < shownCountdown_ ? shownCountdown_ - line.size() : 0;
    err_ << '\r' << line << std::string(blanks, ' ');
    err_.flush();
    shownCountdown_ = line.size();
    barOpen_ = true;
}

void TerminalHost::ShowWaitNotice(const std::string& text) {
    ShowMessage(text);
    // The notice is the status now, but it was shown already.
    status_ = text;
    maximum_ = 0;
}

// The flag starts clear: every scope leaves it so.
TerminalHost::InterruptScope::InterruptScope() : signals_(OnInterrupt) {}

TerminalHost::InterruptScope::~InterruptScope() { g_interrupted.store(0); }

}  // namespace velmora::cli
