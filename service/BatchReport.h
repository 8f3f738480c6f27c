// The record of one meter's batch, kept as one JSON line appended to a
// report file: when it started, on which port, each step asked for with its
// result and time, what the bootloader said it is, which firmware went on
// and the batch's final text. The command-line tool and the window's
// PATCH UP write the same line.
#pragma once

#include <array>
#include <chrono>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

#include "service/BatchUpgrade.h"

namespace velmora {

// Written beside the table file by the window's PATCH UP.
inline constexpr const char* PATCHUP_REPORT_FILE = "patchup-report.jsonl";

struct StepRecord {
    bool asked = false;  // ticked when the batch ended
    bool ran = false;
    bool ok = false;
    double seconds = 0;
};

struct BatchRecord {
    std::time_t start = 0;
    std::string port;
    int meter = 1;  // the meter's number on its port in this run
    std::array<StepRecord, 4> steps{};  // by BatchStep
    std::optional<uint16_t> productId;
    std::optional<uint8_t> bootloaderVersion;
    std::string uniqueId;  // 24 hex digits, lowest address first; empty when not read
    std::string firmwareSha256;  // empty without a firmware step or file
    std::string result;
    bool ok = false;

    StepRecord& Step(BatchStep step) { return steps[static_cast<std::size_t>(step)]; }
    const StepRecord& Step(BatchStep step) const { return steps[static_cast<std::size_t>(step)]; }
};

// The steps of a batch, timed: each Run is measured into the record with
// its result (from the batch flags), and onStep (when set) hears of each
// step as it starts (ended null) and as it ends.
class RecordingSteps : public BatchSteps {
public:
    using StepEvent = std::function<void(BatchStep step, const StepRecord* ended)>;
    RecordingSteps(BatchSteps& steps, const OperationFlags& flags, BatchRecord& record,
                   StepEvent onStep = {})
        : steps_(steps), flags_(flags), record_(record), onStep_(std::move(onStep)) {}

    bool Ticked(BatchStep step) override { return steps_.Ticked(step); }
    bool Ready(BatchStep step) override { return steps_.Ready(step); }
    void Run(BatchStep step) override;

    // After RunBatch: which steps were asked for, the final text and whether
    // all went well.
    void Finish(const std::string& report);

private:
    BatchSteps& steps_;
    const OperationFlags& flags_;
    BatchRecord& record_;
    StepEvent onStep_;
};

// A record started now for port; softPath (when not empty) is the firmware
// file, whose SHA-256 is taken now.
BatchRecord NewBatchRecord(const std::string& port, const std::string& softPath);
// boot, telling the record what the bootloader says it is and the chip's
// unique ID.
BootOptions RecordIdentity(BootOptions boot, BatchRecord& record);

// The report file of the window's PATCH UP: beside the table file, or in the
// current folder when no table file is open.
std::string ReportPathBeside(const std::string& tablePath);

// "soft", "icon", "logo", "tables".
const char* StepName(BatchStep step);
// "ok", "failed" or "not run".
const char* StepResultText(const StepRecord& step);

// ISO 8601 local time with its offset: "2026-12-08T06:31:09+01:00".
std::string IsoLocalTime(std::time_t when);

// The record as one JSON object on one line, without the line end.
std::string BatchReportLine(const BatchRecord& record);

// Appends line and a line end to path in one write and flushes it to the
// disk, so a crash loses at most this line; the file is created when
// missing and never rewritten. False (with the reason in error) on failure.
bool AppendReportLine(const std::string& path, const std::string& line, std::string* error = nullptr);

}  // namespace velmora
