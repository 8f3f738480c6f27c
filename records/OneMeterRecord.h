// The unit record of an operation on one meter (a firmware upgrade, a table
// write, a logo or icon upload, the window's PATCH UP) when recording is on,
// kept the same way by the command-line tool and the window; and what the
// settings' [production] record= asks for.
#pragma once

#include <memory>
#include <string>

#include "core/OperationHost.h"
#include "records/UnitLog.h"
#include "service/BatchReport.h"
#include "service/NoticeTap.h"

namespace velmora::records {

// [production] record=: empty, off, no, false or 0 record nothing; on, yes,
// true or 1 record into the bench's own file (target empty); anything else
// is the file or postgresql:// URL to record into.
struct RecordSetting {
    bool wanted = false;
    std::string target;
};
RecordSetting ParseRecordSetting(const std::string& value);

// The bench a record names unless told otherwise: the host name.
std::string HostBench();

class OneMeterRecord {
public:
    // Opens the records before the meter is touched; job names the store and
    // the files. False with the reason when no record could be kept; notice
    // gets what the user must hear (records kept only locally).
    bool Open(UnitJob job, std::string* error, std::string* notice);
    bool Wanted() const { return log_ != nullptr; }
    // Keeps the record of the one step run: result and status the
    // operation's, notes what it said, batch what was known of the meter
    // (port, ID, firmware) with its start.
    void Keep(BatchRecord batch, BatchStep step, OpResult result, const std::string& status,
              double seconds, FailureNotes& notes, std::string* notice);
    // Keeps the record of a whole batch on the meter.
    void KeepBatch(const BatchRecord& batch, double seconds, FailureNotes& notes,
                   std::string* notice);

private:
    std::unique_ptr<UnitLog> log_;
};

}  // namespace velmora::records
