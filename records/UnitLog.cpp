#include "records/UnitLog.h"

#include <filesystem>

#include <chrono>

#include "core/Sha256.h"
#include "core/Utf8Path.h"
#include "records/PostgresStore.h"

namespace velmora::records {

namespace {

std::string BaseName(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A server out of reach is asked again after this long, not for every meter.
constexpr std::chrono::seconds kRetryPeriod{10};

std::string FileSha(const std::string& path) { return path.empty() ? "" : Sha256HexOfFile(path); }

}  // namespace

std::unique_ptr<UnitStore> OpenUnitStore(const std::string& target, bool create,
                                         std::string* error) {
    if (IsPostgresTarget(target)) return PostgresStore::Open(target, error);
    return SqliteStore::Open(target, create, error);
}

bool SyncPending(const std::string& localPath, const std::string& url, int& sent,
                 std::string* error) {
    sent = 0;
    auto local = SqliteStore::Open(localPath, false, error);
    if (!local) return false;
    auto server = PostgresStore::Open(url, error);
    if (!server) return false;
    return local->SendPending(
        [&](const UnitRecord& r, std::string* why) { return server->Add(r, why); }, sent, error);
}

bool UnitLog::Open(std::string* error, std::string* notice) {
    if (job_.runId.empty()) job_.runId = NewUuid();
    facts_.runId = job_.runId;
    facts_.bench = job_.bench;
    if (!job_.soft.empty()) {
        facts_.firmwareName = BaseName(job_.soft);
        std::error_code ec;
        const auto size = std::filesystem::file_size(PathFromUtf8(job_.soft), ec);
        if (!ec) facts_.firmwareSize = static_cast<decltype(facts_.firmwareSize)>(size);
    }
    facts_.logoSha256 = FileSha(job_.logo);
    facts_.iconSha256 = FileSha(job_.icon);
    facts_.tablesSha256 =
        job_.tablesSha256.empty() ? FileSha(job_.tablesPath) : job_.tablesSha256;
    if (job_.tables != nullptr) {
        facts_.satCount = UsedSatellites(*job_.tables);
        facts_.tpCount = UsedTps(*job_.tables);
        hasTables_ = true;
    }
    job_.tables = nullptr;  // the caller's, read only here
    std::string why;
    store_ = OpenUnitStore(job_.target, true, &why);
    if (!store_ && !IsPostgresTarget(job_.target)) {
        if (error != nullptr) *error = why;
        return false;
    }
    if (IsPostgresTarget(job_.target)) {
        local_ = SqliteStore::Open(job_.localPath, true, error);
        if (!local_) return false;
        if (!store_) nextTry_ = std::chrono::steady_clock::now() + kRetryPeriod;
        if (!store_ && notice != nullptr)
            *notice = why + "; the records stay in " + job_.localPath +
                      " until velmora-cli units sync sends them";
    }
    long long count = 0;
    if (store_ && store_->CountPassed(job_.runId, count, &why)) passed_ = count;
    if (local_ && local_->CountPending(job_.runId, count, &why)) passed_ += count;
    return true;
}

long long UnitLog::Passed() {
    std::lock_guard<std::mutex> lock(mutex_);
    return passed_;
}

bool UnitLog::LimitReached() {
    std::lock_guard<std::mutex> lock(mutex_);
    return job_.limit > 0 && passed_ >= job_.limit;
}

bool UnitLog::Claim(const std::function<bool()>& giveUp) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        if (job_.limit > 0 && passed_ >= job_.limit) return false;
        if (giveUp && giveUp()) return false;
        if (job_.limit == 0 || passed_ + running_ < job_.limit) break;
        changed_.wait_for(lock, std::chrono::milliseconds(50));
    }
    ++running_;
    return true;
}

void UnitLog::Release() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (running_ > 0) --running_;
    changed_.notify_all();
}

UnitRecord UnitLog::FromBatch(const BatchRecord& batch, double seconds,
                              const std::string& reason) {
    UnitRecord r = facts_;
    r.port = batch.port;
    r.meter = batch.meter;
    r.uid = batch.uniqueId;
    r.firmwareSha256 = batch.firmwareSha256;
    for (BatchStep step : {BatchStep::Soft, BatchStep::Icon, BatchStep::Logo, BatchStep::Tables}) {
        const StepRecord& s = batch.Step(step);
        if (s.asked) r.steps.push_back({StepName(step), StepResultText(s), s.seconds});
    }
    if (hasTables_) {
        const StepRecord& tables = batch.Step(BatchStep::Tables);
        r.verify = !job_.verify ? "off" : tables.ran ? (tables.ok ? "ok" : "failed") : "not run";
    }
    r.seconds = seconds;
    r.ok = batch.ok;
    r.result = batch.result;
    while (!r.result.empty() && r.result.back() == ' ') r.result.pop_back();
    if (!batch.ok) r.reason = reason.empty() ? r.result : reason;
    return r;
}

void UnitLog::Keep(const BatchRecord& batch, double seconds, const std::string& reason,
                   std::string* notice) {
    UnitRecord record = FromBatch(batch, seconds, reason);
    record.id = NewUuid();
    record.time = UtcTime(batch.start);
    std::lock_guard<std::mutex> lock(mutex_);
    if (running_ > 0) --running_;
    if (record.ok) ++passed_;
    changed_.notify_all();
    std::string why;
    auto now = std::chrono::steady_clock::now();
    if (!store_ && local_ && now >= nextTry_) {
        store_ = PostgresStore::Open(job_.target, &why);
        if (!store_) nextTry_ = now + kRetryPeriod;
    }
    if (store_ && store_->Add(record, &why)) return;
    if (local_) {
        // The server went away: the record waits in the outbox, and the
        // server is asked again for the next meter.
        std::string localWhy;
        if (local_->AddPending(record, &localWhy)) {
            if (notice != nullptr && store_)
                *notice = why + "; records stay in " + job_.localPath + " until units sync";
            store_.reset();
            nextTry_ = now + kRetryPeriod;
            return;
        }
        why += (why.empty() ? "" : "; ") + localWhy;
    }
    if (notice != nullptr) *notice = "the meter's record was not kept: " + why;
}

}  // namespace velmora::records
