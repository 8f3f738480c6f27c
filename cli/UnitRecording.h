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
#include "records/OneMeterRecord.h"
#include "records/UnitLog.h"
#include "service/NoticeTap.h"
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

// The unit record of a command that services one meter (upgrade,
// write-tables, write-logo, write-icon) when recording is on, with what it
// has to say on the error stream.
class OneMeterRecord {
public:
    // Opens the records when options ask for them, before the meter is
    // touched; job names the files. False (said on err) when no record
    // could be kept.
    bool Open(CliStreams& io, const RecordOptions& options, records::UnitJob job);
    bool Wanted() const { return record_.Wanted(); }
    // Keeps the record of the step run: result and status the operation's,
    // tap the host it ran on, batch what was known of the meter (port, ID,
    // firmware) with its start.
    void Keep(CliStreams& io, const BatchRecord& batch, BatchStep step, OpResult result,
              const std::string& status, double seconds, NoticeTap& tap);

private:
    records::OneMeterRecord record_;
};

}  // namespace velmora::cli
