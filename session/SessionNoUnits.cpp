// The page in the browser keeps no unit records (a bench's database is the
// desktop's): its operations run as they do with recording off.
#include "session/Session.h"

namespace velmora {

OpResult Session::RunRecorded(BatchStep, const RecordFiles&,
                              const std::function<OpResult(MeterLink&, BatchRecord*)>& operation) {
    return RunOnLink([&](MeterLink& link) { return operation(link, nullptr); });
}

bool Session::RunRecordedBatch(const RecordFiles&, BatchRecord&,
                               const std::function<OpResult(MeterLink&, FailureNotes&)>& batch) {
    FailureNotes notes;
    RunOnLink([&](MeterLink& link) { return batch(link, notes); });
    return true;
}

}  // namespace velmora
