// The unit records of the window: the bench's own database as the dialog
// shows it, and the record of each operation on a meter while recording is
// on, kept on the operation's thread as the command-line tool keeps it.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "bootloader/SoftwareUpgrade.h"
#include "core/TextMark.h"
#include "records/SqliteStore.h"
#include "session/Session.h"
#include "session/UserData.h"

namespace velmora {

std::string Session::UnitRecordsPath() {
    const std::string folder = UserDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    return folder.empty() ? std::string() : folder + "/units.sqlite";
}

bool Session::FindUnitRecords(const records::UnitFilter& filter,
                              std::vector<records::UnitRecord>& found, std::string* error) const {
    const std::string path = UnitRecordsPath();
    std::error_code ec;
    // No bench has recorded here yet: nothing to show, and no file made.
    if (path.empty() || !std::filesystem::exists(path, ec)) return true;
    auto store = records::SqliteStore::Open(path, false, error);
    return store && store->Find(filter, found, error);
}

namespace {

using Json = nlohmann::ordered_json;

// The text at key, empty when it is missing or not a text.
std::string TextAt(const Json& object, const char* key) {
    auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}

}  // namespace

bool Session::ReadProductionReport(const std::string& path, std::vector<ReportLine>& lines,
                                   int& badLine) {
    lines.clear();
    badLine = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        if (text.find_first_not_of(" \t\r") == std::string::npos) continue;
        const Json line = Json::parse(text, nullptr, false);
        // Every line the batch writes names its port, steps and result.
        if (!line.is_object() || !line.contains("port") || !line["port"].is_string() ||
            !line.contains("result") || !line["result"].is_string() ||
            !line.contains("steps") || !line["steps"].is_object()) {
            badLine = number;
            lines.clear();
            return false;
        }
        ReportLine r;
        r.start = TextAt(line, "start");
        r.port = TextAt(line, "port");
        r.meter = line.contains("meter") && line["meter"].is_number_integer()
                      ? line["meter"].get<int>()
                      : 0;
        r.uid = TextAt(line, "uid");
        for (const auto& [name, step] : line["steps"].items()) {
            const std::string result = step.is_object() ? TextAt(step, "result") : "";
            r.steps += (r.steps.empty() ? "" : ", ") + name + " " + result;
        }
        r.result = TextAt(line, "result");
        while (!r.result.empty() && r.result.back() == ' ') r.result.pop_back();
        r.ok = line.contains("ok") && line["ok"].is_boolean() && line["ok"].get<bool>();
        lines.push_back(std::move(r));
    }
    return true;
}

bool Session::OpenRecord(records::OneMeterRecord& unit, const RecordFiles& files) {
    records::UnitJob job;
    const records::RecordSetting& setting = state_.recording;
    job.target = setting.target.empty() ? LocalUnitsPath() : setting.target;
    // The bench's own file keeps what a server out of reach misses.
    if (records::IsPostgresTarget(job.target)) job.localPath = LocalUnitsPath();
    job.bench = records::HostBench();
    files(job);
    std::string error;
    std::string notice;
    if (job.target.empty()) {
        error = VELMORA_TR_NOOP("Core",
                                "No data folder for the unit records (HOME is not set); turn off "
                                "Meter > Record unit records or name a file in the settings.");
    }
    if (!error.empty() || !unit.Open(std::move(job), &error, &notice)) {
        ShowMessage(error);
        return false;
    }
    if (!notice.empty()) ShowMessage(notice);
    return true;
}

OpResult Session::RunRecorded(BatchStep step, const RecordFiles& files,
                              const std::function<OpResult(MeterLink&, BatchRecord*)>& operation) {
    if (!state_.recording.wanted)
        return RunOnLink([&](MeterLink& link) { return operation(link, nullptr); });
    records::OneMeterRecord unit;
    std::string soft;
    if (!OpenRecord(unit, [&](records::UnitJob& job) {
            files(job);
            soft = job.soft;
        }))
        return OpResult::NotStarted;
    FailureNotes notes;
    KeepNotes(&notes);
    BatchRecord meter = NewBatchRecord(view_.SelectedPortName(), soft);
    const auto start = std::chrono::steady_clock::now();
    const OpResult result = RunOnLink([&](MeterLink& link) { return operation(link, &meter); });
    KeepNotes(nullptr);
    const std::string status =
        step == BatchStep::Soft ? WithBootloaderHint(notes.LastStatus()) : notes.LastStatus();
    std::string notice;
    unit.Keep(meter, step, result, status,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
              notes, &notice);
    if (!notice.empty()) ShowMessage(notice);
    return result;
}

bool Session::RunRecordedBatch(const RecordFiles& files, BatchRecord& record,
                               const std::function<OpResult(MeterLink&, FailureNotes&)>& batch) {
    FailureNotes notes;
    records::OneMeterRecord unit;
    if (state_.recording.wanted && !OpenRecord(unit, files)) return false;
    if (unit.Wanted()) KeepNotes(&notes);
    const auto start = std::chrono::steady_clock::now();
    RunOnLink([&](MeterLink& link) { return batch(link, notes); });
    KeepNotes(nullptr);
    // A batch that did not start has no result and no record.
    if (!unit.Wanted() || record.result.empty()) return true;
    std::string notice;
    unit.KeepBatch(record,
                   std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                   notes, &notice);
    if (!notice.empty()) ShowMessage(notice);
    return true;
}

}  // namespace velmora
