// The unit records of velmora-cli: --record, --bench, --run and --limit of
// the batch, the same (without --limit) for the commands that service one
// meter, [production] record= of the settings, and the units command that
// asks the records.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Cli.h"
#include "core/OperationHost.h"
#include "meter/MeterLink.h"
#include "records/UnitLog.h"
#include "service/BatchReport.h"

namespace velmora::cli {

struct RecordOptions {
    bool wanted = false;
    std::string target;  // empty: the bench's own file
    std::string bench;
    std::string runId;
    int limit = 0;
    std::string limitGiven;  // --limit as given
};

// The record's options, declared for the commands that take them (their
// arguments derive from RecordOptions); each is taken out of the command
// line before the others. A null help hides the option.
OptionSpec<RecordOptions> RecordOption(const char* placeholder, const char* help);
OptionSpec<RecordOptions> BenchOption(const char* help);
OptionSpec<RecordOptions> RunOption(const char* help);
OptionSpec<RecordOptions> LimitOption(const char* help);
// --record, --bench and --run of a command on one meter; --limit there is
// refused as one of the batch.
const std::vector<OptionSpec<RecordOptions>>& OneMeterRecordOptions();

// The bench's own database: units.sqlite in the user's data folder (made
// when missing); empty when there is no home folder.
std::string LocalUnitsPath();

// Who takes the options: units asks the records (the settings do not
// apply), the batch keeps them (--limit too), a command on one meter keeps
// its one record.
enum class RecordUse { Query, Batch, OneMeter };

// Checks the parsed --limit and fills in what was not given, as the parse's
// afterFirst, before the other options are read; false (said on err) on a
// malformed --limit or one outside the batch. Without --record,
// the batch and the one-meter commands record when the user's settings say
// [production] record=FILE|URL (or on, yes, true, 1: the bench's own file).
bool CompleteRecordOptions(CliStreams& io, RecordOptions& options,
                           RecordUse use = RecordUse::Query);

// The job's store, bench and run as the options name them; the files are
// the caller's to add.
records::UnitJob UnitJobFor(const RecordOptions& options);

// A host that hands everything to another and keeps what named a failure,
// for the meter's record: the notice a failed step showed, else the status
// it ended on (a bootloader that refused, a meter that did not answer).
class NoticeTap : public OperationHost {
public:
    explicit NoticeTap(OperationHost& host) : host_(host) {}
    SatTpDatabase& Database() override { return host_.Database(); }
    OperationFlags& Flags() override { return host_.Flags(); }
    void SetStatus(const std::string& text) override {
        status_ = text;
        host_.SetStatus(text);
    }
    void BeginProgress(const std::string& text, int maximum) override {
        host_.BeginProgress(text, maximum);
    }
    void SetProgress(int position) override { host_.SetProgress(position); }
    void PumpOnce() override { host_.PumpOnce(); }
    void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Notice) override {
        if (kind == MessageKind::Notice) notice_ = text;
        host_.ShowMessage(text, kind);
    }
    void ShowWaitNotice(const std::string& text) override { host_.ShowWaitNotice(text); }
    void ShowPartialWrite(const std::string& message, const std::string& backup,
                          const std::string& port) override {
        notice_ = message;
        host_.ShowPartialWrite(message, backup, port);
    }
    bool StopsWithButton() const override { return host_.StopsWithButton(); }
    // A step ended; the first failed one names the reason.
    void StepEnded(bool ok);
    // The reason of the failure (empty when nothing failed or was said),
    // forgotten for the next meter.
    std::string TakeReason();

private:
    OperationHost& host_;
    std::string notice_;
    std::string status_;
    std::string reason_;
};

// The unit record of a command that services one meter (upgrade,
// write-tables, write-logo, write-icon) when recording is on.
class OneMeterRecord {
public:
    // Opens the records when options ask for them, before the meter is
    // touched; job names the files. False (said on err) when no record
    // could be kept.
    bool Open(CliStreams& io, const RecordOptions& options, records::UnitJob job);
    bool Wanted() const { return log_ != nullptr; }
    // Keeps the record of the step run: result and status the operation's,
    // tap the host it ran on, batch what was known of the meter (port, ID,
    // firmware) with its start.
    void Keep(CliStreams& io, BatchRecord batch, BatchStep step, OpResult result,
              const std::string& status, double seconds, NoticeTap& tap);

private:
    std::unique_ptr<records::UnitLog> log_;
};

}  // namespace velmora::cli
