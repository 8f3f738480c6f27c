#include "records/OneMeterRecord.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

#include <cctype>

namespace velmora::records {

RecordSetting ParseRecordSetting(const std::string& value) {
    std::string word = value;
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* off : {"", "off", "no", "false", "0"})
        if (word == off) return {};
    for (const char* on : {"on", "yes", "true", "1"})
        if (word == on) return {true, {}};
    return {true, value};
}

std::string HostBench() {
    char host[256] = {};
#ifdef _WIN32
    DWORD size = sizeof host - 1;
    return ::GetComputerNameA(host, &size) ? host : "bench";
#else
    return ::gethostname(host, sizeof host - 1) == 0 ? host : "bench";
#endif
}

bool OneMeterRecord::Open(UnitJob job, std::string* error, std::string* notice) {
    log_ = std::make_unique<UnitLog>(std::move(job));
    if (log_->Open(error, notice)) return true;
    log_.reset();
    return false;
}

void OneMeterRecord::Keep(BatchRecord batch, BatchStep step, OpResult result,
                          const std::string& status, double seconds, FailureNotes& notes,
                          std::string* notice) {
    if (!log_) return;
    const bool ok = result == OpResult::Completed;
    StepRecord& s = batch.Step(step);
    s.asked = true;
    s.ran = result != OpResult::NotStarted;
    s.ok = ok;
    s.seconds = seconds;
    batch.ok = ok;
    batch.result = !status.empty()                  ? status
                   : result == OpResult::Stopped    ? "stopped"
                   : result == OpResult::NotStarted ? "not run"
                                                    : "failed";
    notes.StepEnded(ok);
    KeepBatch(batch, seconds, notes, notice);
}

void OneMeterRecord::KeepBatch(const BatchRecord& batch, double seconds, FailureNotes& notes,
                               std::string* notice) {
    if (log_) log_->Keep(batch, seconds, notes.TakeReason(), notice);
}

}  // namespace velmora::records
