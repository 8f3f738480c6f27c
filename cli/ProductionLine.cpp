#include "cli/ProductionLine.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <cstdio>
#include <functional>
#include <iomanip>
#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <system_error>
#include <thread>

#include "cli/NextMeter.h"
#include "cli/StopSignals.h"
#include "cli/UnitRecording.h"
#include "core/MessageText.h"
#include "service/BootProbe.h"
#include "serial/SerialPort.h"
#include "serial/PortNames.h"
#include "core/MessageText.h"
#include "serial/SerialPort.h"
#include "serial/PortNames.h"
#include "service/BootProbe.h"

namespace velmora::cli {

namespace {

using Clock = std::chrono::steady_clock;

// Ctrl+C presses while the line runs. Without repeat the first stops every
// port at its next wait; with repeat the first lets the running meters
// finish and ends the serving, a second stops them too.
// SIGTERM and SIGHUP count as Ctrl+C. The ports' threads read the count at
// every poll; the handler is the only writer while the line runs.
StopSignalCounter g_interrupts{0};

extern "C" void OnLineInterrupt(int) {
    int seen = g_interrupts.load();
    while (seen < 2 && !g_interrupts.compare_exchange_weak(seen, seen + 1)) {
    }
}

class LineInterruptScope {
public:
    // The count starts at 0: every scope leaves it so.
    LineInterruptScope() : signals_(OnLineInterrupt) {}
    ~LineInterruptScope() { g_interrupts.store(0); }
    LineInterruptScope(const LineInterruptScope&) = delete;
    LineInterruptScope& operator=(const LineInterruptScope&) = delete;

private:
    StopSignalScope signals_;
};

std::string RightTrimmed(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n')) text.pop_back();
    return text;
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

constexpr int kBarWidth = 20;
// A live board is redrawn at most this often for progress alone.
constexpr std::chrono::milliseconds kRedrawPeriod{100};

// What every port shows: on a terminal one line per port redrawn in place,
// otherwise a line per port and step as each ends. Shared by the ports'
// threads.
class Board {
public:
    Board(std::ostream& err, bool live, bool repeat, const std::vector<std::string>& ports)
        : err_(err), live_(live), repeat_(repeat), lines_(ports.size()) {
        for (std::size_t i = 0; i < ports.size(); ++i) {
            lines_[i].port = ports[i];
            width_ = std::max(width_, ports[i].size());
        }
        std::lock_guard<std::mutex> lock(mutex_);
        Redraw(true);
    }

    bool Live() const { return live_; }
    void Step(std::size_t i, const std::string& step) {
        std::lock_guard<std::mutex> lock(mutex_);
        lines_[i].step = step;
        lines_[i].maximum = 0;
        Redraw(true);
    }
    void Status(std::size_t i, const std::string& text) {
        std::lock_guard<std::mutex> lock(mutex_);
        // The bar stays: as in the window, the status line and the progress
        // bar are separate, and the upgrade sets both for every block.
        lines_[i].status = RightTrimmed(text);
        Redraw(false);
    }
    void Progress(std::size_t i, int position, int maximum) {
        std::lock_guard<std::mutex> lock(mutex_);
        Line& line = lines_[i];
        line.maximum = maximum;
        line.position = std::clamp(position, 0, std::max(maximum, 0));
        Redraw(false);
    }
    // A line of its own, above the board.
    void Say(std::size_t i, const std::string& text) {
        std::lock_guard<std::mutex> lock(mutex_);
        Print(Padded(lines_[i].port) + "  " + EscapeControls(RightTrimmed(text)));
    }
    void StepEnded(std::size_t i, BatchStep step, const StepRecord& record) {
        std::lock_guard<std::mutex> lock(mutex_);
        Line& line = lines_[i];
        if (!live_) {
            Print(Padded(line.port) + "  " + StepName(step) + "  " +
                  (record.ok ? "ok" : "failed") + "  " + Seconds(record.seconds) + "  " +
                  line.status);
        }
    }
    void MeterEnded(std::size_t i, int meter, const BatchRecord& record) {
        std::lock_guard<std::mutex> lock(mutex_);
        Line& line = lines_[i];
        line.step = repeat_ ? "meter " + std::to_string(meter) : "done";
        line.status = RightTrimmed(record.result);
        line.maximum = 0;
        if (live_) {
            Redraw(true);
        } else {
            Print(Padded(line.port) + "  " + line.step + "  " + line.status);
        }
    }
    void Finish() {
        std::lock_guard<std::mutex> lock(mutex_);
        Redraw(true);
    }

private:
    struct Line {
        std::string port;
        std::string step;
        std::string status;
        int position = 0;
        int maximum = 0;
    };

    std::string Padded(const std::string& port) const {
        return port + std::string(width_ - std::min(width_, port.size()), ' ');
    }

    std::string Render(const Line& line) const {
        std::string text = Padded(line.port) + "  ";
        std::string step = line.step;
        step.resize(std::max<std::size_t>(step.size(), 8), ' ');
        text += step + "  ";
        if (line.maximum > 0) {
            int filled = static_cast<int>(1LL * line.position * kBarWidth / line.maximum);
            text += "[" + std::string(static_cast<std::size_t>(filled), '#') +
                    std::string(static_cast<std::size_t>(kBarWidth - filled), '.') + "]  ";
        }
        return text + line.status;
    }

    // Live only: the board's lines again, in place of the old ones.
    void Redraw(bool force) {
        if (!live_) return;
        auto now = Clock::now();
        if (!force && now - lastDraw_ < kRedrawPeriod) return;
        lastDraw_ = now;
        std::string text;
        if (drawn_) text += "\x1b[" + std::to_string(lines_.size()) + "A";
        for (const Line& line : lines_) text += "\r\x1b[2K" + Render(line) + "\n";
        err_ << text;
        err_.flush();
        drawn_ = true;
    }

    void Print(const std::string& text) {
        if (live_ && drawn_) {
            // Over the board's first line; the board follows below again.
            err_ << "\x1b[" << lines_.size() << "A\r\x1b[2K" << text << "\n\x1b[J";
            drawn_ = false;
            Redraw(true);
        } else {
            err_ << text << '\n';
            err_.flush();
        }
    }

    std::ostream& err_;
    bool live_;
    bool repeat_;
    std::vector<Line> lines_;
    std::size_t width_ = 0;
    std::mutex mutex_;
    bool drawn_ = false;
    Clock::time_point lastDraw_{};
};

// One port's host: its own tables and flags; what it shows goes to its line
// of the board; Ctrl+C acts as Stop.
class LineHost : public OperationHost {
public:
    LineHost(Board& board, std::size_t index, bool repeat)
        : board_(board),
          index_(index),
          repeat_(repeat),
          db_(std::make_unique<SatTpDatabase>()) {
        ClearDatabase(*db_);
    }

    SatTpDatabase& Database() override { return *db_; }
    OperationFlags& Flags() override { return flags_; }
    void SetStatus(const std::string& text) override {
        status_ = text;
        board_.Status(index_, text);
    }
    void BeginProgress(const std::string& text, int maximum) override {
        SetStatus(text);
        maximum_ = maximum;
        shownPercent_ = -1;
        SetProgress(0);
    }
    void SetProgress(int position) override {
        if (maximum_ <= 0) return;
        int percent = static_cast<int>(100LL * position / maximum_);
        // A table has thousands of frames: tell the board only when the bar moves.
        if (percent == shownPercent_) return;
        shownPercent_ = percent;
        board_.Progress(index_, position, maximum_);
    }
    void PumpOnce() override {
        if (StopWanted()) {
            flags_.runFlag = 0;
            if (flags_.batchRunning) flags_.batchStopRequested = 1;
        }
    }
    void ShowMessage(const std::string& text, MessageKind = MessageKind::Notice) override {
        board_.Say(index_, text);
    }

    // Ctrl+C asks the running meter to stop.
    bool StopWanted() const { return g_interrupts >= (repeat_ ? 2 : 1); }
    // Ctrl+C asks the port to take no further meter.
    static bool ServingEnds() { return g_interrupts >= 1; }
    const std::string& LastStatus() const { return status_; }

private:
    Board& board_;
    std::size_t index_;
    bool repeat_;
    std::unique_ptr<SatTpDatabase> db_;
    OperationFlags flags_;
    std::string status_;
    int maximum_ = 0;
    int shownPercent_ = -1;
};

struct MeterRow {
    int meter = 0;
    BatchRecord record;
    double seconds = 0;
    bool reported = true;  // its report line was written, or none was asked for
};

void ServePort(Board& board, std::size_t index, const std::string& port, const LineJob& job,
               std::vector<MeterRow>& rows, std::mutex& reportMutex) {
    LineHost host(board, index, job.repeat);
    if (job.tables != nullptr) host.Database() = *job.tables;
    SerialPort serial;
    NoticeTap tap(host);
    MeterLink link(serial, tap, LinkSettings{job.pollPeriod});
    link.SetPortName(port);
    BootOptions boot;
    boot.diagnostic = [&](const std::string& text) { board.Say(index, text); };
    MeterWait wait;
    wait.bootloader = !job.soft.empty();
    wait.probeInterval = job.probeInterval;
    wait.probeAnswer = job.probeAnswer;
    wait.servingEnds = &LineHost::ServingEnds;
    wait.noPort = [&] {
        board.Say(index, "the port does not open (is the adapter plugged in?); "
                         "waiting for it, Ctrl+C to give up");
    };
    for (int meter = 1; job.count == 0 || meter <= job.count; ++meter) {
        if (job.repeat && meter > 1 && !wait.bootloader) {
            // The upgraded meter runs its firmware and no longer answers as a
            // bootloader; a meter only written to must be switched off first.
            host.SetStatus("switch the meter off or unplug it");
            board.Step(index, "done");
            board.Say(index, "meter " + std::to_string(meter - 1) +
                                 " done: switch it off or unplug it for the next one");
            if (!AwaitMeterGone(link, wait)) break;
        }
        if (job.units != nullptr && !job.units->Claim(LineHost::ServingEnds)) break;
        if (job.repeat) {
            host.SetStatus(wait.bootloader
                               ? "waiting for the next meter (switch it on with EXIT held)"
                               : "waiting for the next meter");
            board.Step(index, "waiting");
            if (!board.Live()) board.Say(index, host.LastStatus());
            if (!AwaitNextMeter(link, wait)) {
                if (job.units != nullptr) job.units->Release();
                break;
            }
        }
        auto start = Clock::now();
        auto onStep = [&](BatchStep step, const StepRecord* ended) {
            if (ended == nullptr) {
                board.Step(index, StepName(step));
            } else {
                tap.StepEnded(ended->ok);
                board.StepEnded(index, step, *ended);
            }
        };
        BatchRecord record = RunMeterBatch(link, port, job, job.repeat, boot, onStep);
        record.meter = meter;
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (job.units != nullptr) {
            std::string notice;
            job.units->Keep(record, seconds, tap.TakeReason(), &notice);
            if (!notice.empty()) board.Say(index, notice);
        }
        bool reported = true;
        if (!job.reportPath.empty()) {
            std::lock_guard<std::mutex> lock(reportMutex);
            std::ostringstream err;
            reported = AppendToReport(job, record, err);
            if (!reported) board.Say(index, RightTrimmed(err.str()));
        }
        board.MeterEnded(index, meter, record);
        rows.push_back({meter, std::move(record), seconds, reported});
        if (!job.repeat) break;
    }
    link.Port().Close();
}

void PrintSummary(std::ostream& out, const std::vector<std::string>& ports,
                  const std::vector<std::vector<MeterRow>>& rows, bool repeat) {
    std::size_t portWidth = 4;
    std::size_t resultWidth = 6;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        portWidth = std::max(portWidth, ports[i].size());
        for (const MeterRow& row : rows[i])
            resultWidth = std::max(resultWidth, RightTrimmed(row.record.result).size());
    }
    auto pad = [](std::string text, std::size_t width) {
        text.resize(std::max(text.size(), width), ' ');
        return text;
    };
    out << pad("port", portWidth) << "  " << (repeat ? "meter  " : "") << pad("result", resultWidth)
        << "  time\n";
    for (std::size_t i = 0; i < ports.size(); ++i) {
        if (rows[i].empty()) {
            out << pad(ports[i], portWidth) << "  " << (repeat ? "-      " : "")
                << pad("no meter", resultWidth) << "  -\n";
        }
        for (const MeterRow& row : rows[i]) {
            out << pad(ports[i], portWidth) << "  "
                << (repeat ? pad(std::to_string(row.meter), 5) + "  " : "")
                << pad(RightTrimmed(row.record.result), resultWidth) << "  " << Seconds(row.seconds)
                << '\n';
        }
    }
}

}  // namespace

BatchRecord RunMeterBatch(MeterLink& link, const std::string& portName, const LineJob& job,
                          bool synchronised, BootOptions boot, RecordingSteps::StepEvent onStep) {
    BatchRecord record = NewBatchRecord(portName, job.soft);
    boot.synchronised = synchronised;
    const int patchSoft = !job.soft.empty(), patchIcon = !job.icon.empty(),
              patchLogo = !job.logo.empty(), patchSatTp = job.tables != nullptr;
    const BatchChoice choice{patchSoft, patchIcon, patchLogo, patchSatTp,
                             job.soft,  job.icon,  job.logo};
    LinkBatchSteps steps(link, choice, RecordIdentity(std::move(boot), record));
    TableWriteOptions checks = job.tableChecks;
    std::string device = ResolvePortDevice(portName);
    checks.backupPath = BackupPathForMeter(checks.backupPath, device.empty() ? portName : device,
                                           std::time(nullptr));
    steps.SetTableWriteOptions([checks] { return checks; });
    RecordingSteps recording(steps, link.Host().Flags(), record, std::move(onStep));
    recording.Finish(RunBatch(link.Host(), recording, job.timing));
    return record;
}

bool AppendToReport(const LineJob& job, const BatchRecord& record, std::ostream& err) {
    if (job.reportPath.empty()) return true;
    std::string error;
    if (AppendReportLine(job.reportPath, BatchReportLine(record), &error)) return true;
    err << kProgramName << ": " << error << '\n';
    return false;
}

int RunProductionLine(const std::vector<std::string>& ports, const LineJob& job, CliStreams& io,
                      bool live) {
    Board board(io.err, live, job.repeat, ports);
    std::vector<std::vector<MeterRow>> rows(ports.size());
    std::mutex reportMutex;
    {
        LineInterruptScope interrupt;
        std::vector<std::thread> threads;
        for (std::size_t i = 0; i < ports.size(); ++i) {
            try {
                threads.emplace_back(ServePort, std::ref(board), i, std::cref(ports[i]),
                                     std::cref(job), std::ref(rows[i]), std::ref(reportMutex));
            } catch (const std::system_error&) {
                // The port gets no meter, so its row says so and the exit fails.
                board.Say(i, "cannot start a thread for this port");
            }
        }
        for (std::thread& t : threads) t.join();
    }
    board.Finish();
    PrintSummary(io.out, ports, rows, job.repeat);
    bool allOk = true;
    std::size_t meters = 0;
    for (const auto& portRows : rows) {
        meters += portRows.size();
        for (const MeterRow& row : portRows) allOk = allOk && row.record.ok && row.reported;
    }
    return allOk && meters > 0 ? kExitOk : kExitFailed;
}

std::string BackupPathForMeter(const std::string& path, const std::string& device,
                               std::time_t when) {
    if (path.empty()) return path;
    std::string port = device;
    std::replace(port.begin(), port.end(), '/', '_');
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string::size_type slash = path.rfind('/');
    std::string::size_type dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = path.size();
    return path.substr(0, dot) + "-" + port + "-" + stamp + path.substr(dot);
}

}  // namespace velmora::cli
