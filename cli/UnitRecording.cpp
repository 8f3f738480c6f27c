#include "cli/UnitRecording.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <iomanip>
#include <map>
#include <ostream>

#include "cli/Arguments.h"
#include "session/UserData.h"
#include "session/UserSettings.h"

namespace velmora::cli {

using records::UnitFilter;
using records::UnitRecord;

namespace {

// [production] record= of the user's settings, into options.
void RecordFromSettings(RecordOptions& options) {
    const records::RecordSetting setting = records::ParseRecordSetting(
        SettingsValue(UserSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
                      "production", "record"));
    options.wanted = setting.wanted;
    options.target = setting.target;
}

}  // namespace

OptionSpec<RecordOptions> RecordOption(const char* placeholder, const char* help) {
    // The value may be left out: the bench's own file.
    OptionSpec<RecordOptions> o;
    o.takes = Takes::FirstMaybeValue;
    o.name = "--record";
    o.placeholder = placeholder;
    o.help = help;
    o.flag = &RecordOptions::wanted;
    o.value = &RecordOptions::target;
    return o;
}

namespace {

OptionSpec<RecordOptions> FirstValue(const char* name, const char* placeholder,
                                     std::string RecordOptions::*value, const char* help) {
    OptionSpec<RecordOptions> o = Value(name, placeholder, value, help);
    o.takes = Takes::FirstValue;
    return o;
}

}  // namespace

OptionSpec<RecordOptions> BenchOption(const char* help) {
    return FirstValue("--bench", "NAME", &RecordOptions::bench, help);
}

OptionSpec<RecordOptions> RunOption(const char* help) {
    return FirstValue("--run", "ID", &RecordOptions::runId, help);
}

OptionSpec<RecordOptions> LimitOption(const char* help) {
    return FirstValue("--limit", "N", &RecordOptions::limitGiven, help);
}

const std::vector<OptionSpec<RecordOptions>>& OneMeterRecordOptions() {
    static const std::vector<OptionSpec<RecordOptions>> options = {
        RecordOption("[FILE|URL]",
                     "keep a unit record of the meter in an SQLite FILE (default "
                     "~/.local/share/velmora/units.sqlite) or a postgresql:// URL; [production] "
                     "record= in the settings does the same"),
        BenchOption("the bench named in the record (default the host name)"),
        RunOption("the run the record belongs to (default a new one)"),
        LimitOption(nullptr),
    };
    return options;
}

bool CompleteRecordOptions(CliStreams& io, RecordOptions& options, RecordUse use) {
    if (const std::string& value = options.limitGiven; !value.empty()) {
        if (use != RecordUse::Batch) {
            PrintError(io, "--limit goes with batch");
            return false;
        }
        auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), options.limit);
        if (error != std::errc() || end != value.data() + value.size() || options.limit < 1) {
            PrintError(io, "bad number for --limit: '" + value + "' (1 or more)");
            return false;
        }
    }
    if (!options.wanted && use != RecordUse::Query) RecordFromSettings(options);
    if (options.bench.empty()) options.bench = records::HostBench();
    if (options.wanted && options.target.empty()) {
        options.target = LocalUnitsPath();
        if (options.target.empty()) {
            PrintError(io, "no data folder for the records (HOME is not set); give --record FILE");
            return false;
        }
    }
    return true;
}

records::UnitJob UnitJobFor(const RecordOptions& options) {
    records::UnitJob job;
    job.target = options.target;
    // The bench's own file keeps what a server out of reach misses.
    if (options.wanted && records::IsPostgresTarget(options.target)) job.localPath = LocalUnitsPath();
    job.bench = options.bench;
    job.runId = options.runId;
    job.limit = options.limit;
    return job;
}

bool OneMeterRecord::Open(CliStreams& io, const RecordOptions& options, records::UnitJob job) {
    if (!options.wanted) return true;
    std::string error;
    std::string notice;
    if (!record_.Open(std::move(job), &error, &notice)) {
        PrintError(io, error);
        return false;
    }
    if (!notice.empty()) PrintError(io, notice);
    return true;
}

void OneMeterRecord::Keep(CliStreams& io, const BatchRecord& batch, BatchStep step,
                          OpResult result, const std::string& status, double seconds,
                          NoticeTap& tap) {
    std::string notice;
    record_.Keep(batch, step, result, status, seconds, tap, &notice);
    if (!notice.empty()) PrintError(io, notice);
}

namespace {

std::string Firmware(const UnitRecord& r) {
    return r.firmwareName.empty() ? "-" : r.firmwareName;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void PrintRecords(std::ostream& out, const std::vector<UnitRecord>& found, bool json, bool csv) {
    if (json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const UnitRecord& r : found) list.push_back(records::UnitJson(r));
        out << list.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
        return;
    }
    if (csv) {
        out << "time,bench,port,uid,firmware,firmware_sha256,result,seconds,reason,id,run\n";
        for (const UnitRecord& r : found) {
            out << r.time << ',' << CsvField(r.bench) << ',' << CsvField(r.port) << ',' << r.uid
                << ',' << CsvField(r.firmwareName) << ',' << r.firmwareSha256 << ','
                << (r.ok ? "passed" : "failed") << ',' << r.seconds << ',' << CsvField(r.reason)
                << ',' << r.id << ',' << r.runId << '\n';
        }
        return;
    }
    for (const UnitRecord& r : found) {
        out << r.time << "  " << r.bench << "  " << r.port << "  "
            << (r.uid.empty() ? "-" : r.uid) << "  " << Firmware(r) << "  "
            << (r.ok ? "passed" : "failed") << (r.ok ? "" : "  " + r.reason) << '\n';
    }
}

struct DayBench {
    int serviced = 0;
    int passed = 0;
    std::map<std::string, int> reasons;
};

void PrintSummary(std::ostream& out, const std::vector<UnitRecord>& found, bool json, bool csv) {
    std::map<std::pair<std::string, std::string>, DayBench> groups;
    for (const UnitRecord& r : found) {
        DayBench& g = groups[{r.time.substr(0, 10), r.bench}];
        ++g.serviced;
        g.passed += r.ok;
        if (!r.ok) ++g.reasons[r.reason];
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    if (csv) out << "day,bench,serviced,passed,failed,reasons\n";
    // Newest day first, as the records are listed.
    for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
        const auto& [key, g] = *it;
        std::vector<std::pair<std::string, int>> top(g.reasons.begin(), g.reasons.end());
        std::stable_sort(top.begin(), top.end(),
                         [](const auto& a, const auto& b) { return a.second > b.second; });
        if (top.size() > 3) top.resize(3);
        nlohmann::ordered_json reasons = nlohmann::ordered_json::array();
        std::string text;
        for (const auto& [reason, n] : top) {
            reasons.push_back({{"reason", reason}, {"count", n}});
            text += (text.empty() ? "" : "; ") + std::to_string(n) + "x " + reason;
        }
        const int failed = g.serviced - g.passed;
        if (json) {
            list.push_back({{"day", key.first}, {"bench", key.second}, {"serviced", g.serviced},
                            {"passed", g.passed}, {"failed", failed}, {"reasons", reasons}});
        } else if (csv) {
            out << key.first << ',' << CsvField(key.second) << ',' << g.serviced << ','
                << g.passed << ',' << failed << ',' << CsvField(text) << '\n';
        } else {
            out << key.first << "  " << key.second << "  serviced " << g.serviced << ", passed "
                << g.passed << ", failed " << failed << (text.empty() ? "" : ": " + text) << '\n';
        }
    }
    if (json) out << list.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                  << '\n';
}

struct UnitsArgs : RecordOptions {
    std::string uid, since, until, result, firmware;
    bool json = false;
    bool csv = false;
};

const CommandOptions<UnitsArgs>& UnitsDeclared() {
    using A = UnitsArgs;
    static const CommandOptions<UnitsArgs> options({
        Line{"summary", "count per day and bench: serviced, passed, failed, top reasons"},
        Line{"sync", "send the records kept locally to the --record postgresql:// server"},
        RecordOption("FILE|URL", "the SQLite file or postgresql:// URL (default the local file)"),
        Value("--uid", "ID", &A::uid, "only the meter of this unique ID"),
        Value("--since", "T", &A::since,
              "from this UTC day or time (2026-12-09, 2026-12-09T08:00:00Z)"),
        Value("--until", "T", &A::until, "up to this UTC day (to its end) or time"),
        BenchOption("only this bench"),
        RunOption("only this run"),
        Value("--result", "R", &A::result, "passed or failed only"),
        Value("--firmware", "F", &A::firmware, "only this firmware (its SHA-256 or file name)"),
        Switch("--json", &A::json, "print the records as JSON"),
        Switch("--csv", &A::csv, "print the records as CSV"),
        LimitOption(nullptr),
    });
    return options;
}

}  // namespace

const std::vector<OptionLine>& UnitsOptions() { return UnitsDeclared().HelpLines(); }

int RunUnits(const std::vector<std::string>& given, CliStreams& io) {
    std::vector<std::string> args = given;
    std::string mode;
    if (!args.empty() && (args[0] == "summary" || args[0] == "sync")) {
        mode = args[0];
        args.erase(args.begin());
    }
    UnitsArgs parsed;
    RecordOptions& where = parsed;
    bool benchGiven = false;
    if (!UnitsDeclared().Parse(io, args, parsed, [&] {
            benchGiven = !where.bench.empty();
            return CompleteRecordOptions(io, where);
        })) {
        return kExitUsage;
    }
    UnitFilter filter;
    filter.uid = parsed.uid;
    filter.since = parsed.since;
    filter.until = parsed.until;
    filter.firmware = parsed.firmware;
    const std::string& result = parsed.result;
    const bool json = parsed.json;
    const bool csv = parsed.csv;
    if (benchGiven) filter.bench = where.bench;
    if (!filter.runId.empty() || !where.runId.empty()) filter.runId = where.runId;
    for (const std::string* bound : {&filter.since, &filter.until}) {
        if (bound->empty()) continue;
        if (std::string why = records::TimeBoundError(*bound); !why.empty()) {
            PrintError(io, why);
            return kExitUsage;
        }
    }
    if (!result.empty() && result != "passed" && result != "failed") {
        PrintError(io, "--result takes passed or failed, not '" + result + "'");
        return kExitUsage;
    }
    if (!result.empty()) filter.ok = result == "passed";
    if (json && csv) {
        PrintError(io, "--json and --csv exclude each other");
        return kExitUsage;
    }
    std::string target = where.target.empty() ? LocalUnitsPath() : where.target;
    std::string error;
    if (mode == "sync") {
        if (!records::IsPostgresTarget(where.target)) {
            PrintError(io, "units sync needs --record postgresql://...");
            return kExitUsage;
        }
        int sent = 0;
        bool ok = records::SyncPending(LocalUnitsPath(), where.target, sent, &error);
        io.out << sent << (sent == 1 ? " record" : " records") << " sent\n";
        if (!ok) PrintError(io, error);
        return ok ? kExitOk : kExitFailed;
    }
    auto store = records::OpenUnitStore(target, false, &error);
    std::vector<UnitRecord> found;
    if (!store || !store->Find(filter, found, &error)) {
        PrintError(io, error);
        return store ? kExitFailed : kExitCannotOpen;
    }
    if (mode == "summary") {
        PrintSummary(io.out, found, json, csv);
    } else {
        PrintRecords(io.out, found, json, csv);
    }
    return kExitOk;
}

}  // namespace velmora::cli
