// The host of a long operation run from a terminal: the status line and the
// progress bar go to the error stream (the bar only on a terminal), messages
// become error lines, and Ctrl+C (SIGINT) acts as the Stop command. It has no
// window: the command line gives the port and the answers to questions.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "cli/StopSignals.h"
#include "core/OperationHost.h"

namespace velmora::cli {

// A progress bar is drawn only on a real terminal's standard error.
bool ProgressBarWanted(const std::ostream& err);
// Whether out is the standard output and a terminal: a person reads it, so
// tables get a header line (a script reading it gets none).
bool OutputIsTerminal(const std::ostream& out);

// word as the shell takes it back as one argument: unchanged when it needs
// no quotes, else quoted.
std::string ShellWord(const std::string& word);

class TerminalHost : public OperationHost {
public:
    // drawProgress: err is a terminal, so a bar can be redrawn in place.
    TerminalHost(std::ostream& err, bool drawProgress);
    ~TerminalHost() override;

    const std::string& LastStatus() const { return status_; }
    // The final status, which the command prints on standard output itself:
    // taking it keeps the progress display from showing it a second time.
    std::string TakeFinalStatus();
    // Shows a status still waiting and ends the bar's line, so that what
    // the caller prints next on the terminal starts a line of its own.
    void EndDisplay() {
        ShowPendingStatus();
        EndBar();
    }
    // Ctrl+C was pressed while this host ran an operation.
    bool Interrupted() const { return interrupted_; }

    SatTpDatabase& Database() override { return *db_; }
    OperationFlags& Flags() override { return flags_; }
    void SetStatus(const std::string& text) override;
    void BeginProgress(const std::string& text, int maximum) override;
    void SetProgress(int position) override;
    void PumpOnce() override;
    // Every line starts with "velmora-cli: ", as all the tool's error lines do.
    void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Notice) override;
    // On standard error whether or not a status line is drawn there.
    void ShowWaitNotice(const std::string& text) override;
    void ShowCountdown(const std::string& text) override;
    // The message, then the command that writes the backup back.
    void ShowPartialWrite(const std::string& message, const std::string& backup,
                          const std::string& port) override;

    // Routes Ctrl+C, SIGTERM and SIGHUP to Stop while it lives; the previous
    // handlers come back after.
    class InterruptScope {
    public:
        InterruptScope();
        ~InterruptScope();
        InterruptScope(const InterruptScope&) = delete;
        InterruptScope& operator=(const InterruptScope&) = delete;

    private:
        StopSignalScope signals_;
    };

private:
    void EndBar();
    // A status is shown once the next one, a bar or a message follows it, so
    // the last one can go to standard output alone.
    void ShowPendingStatus();

    std::ostream& err_;
    bool drawProgress_;
    std::unique_ptr<SatTpDatabase> db_;
    OperationFlags flags_;
    std::string status_;
    int maximum_ = 0;
    int shownPercent_ = -1;
    bool barOpen_ = false;
    std::size_t shownCountdown_ = 0;  // the length of the countdown drawn last
    bool statusPending_ = false;
    bool interrupted_ = false;
};

}  // namespace velmora::cli
