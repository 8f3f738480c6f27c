#include "records/UnitStore.h"

#include <cctype>
#include <cstdlib>
#include <string_view>

namespace velmora::records {

const char* const kUnitColumns[kUnitColumnCount] = {
    "id",           "run_id",        "time",       "bench",           "port",
    "meter",        "uid",           "steps",      "firmware_name",   "firmware_size",
    "firmware_sha256", "tables_sha256", "sat_count", "tp_count",      "logo_sha256",
    "icon_sha256",  "verify",        "seconds",    "ok",              "result",
    "reason"};

bool IsPostgresTarget(const std::string& target) {
    return target.rfind("postgresql://", 0) == 0 || target.rfind("postgres://", 0) == 0;
}

std::string TimeBoundError(const std::string& bound) {
    // Digits where a digit goes, the separators where they go.
    static constexpr std::string_view kDay = "dddd-dd-dd";
    static constexpr std::string_view kTime = "dddd-dd-ddTdd:dd:ddZ";
    auto fits = [&](std::string_view form) {
        if (bound.size() != form.size()) return false;
        for (std::size_t i = 0; i < form.size(); ++i) {
            bool digit = std::isdigit(static_cast<unsigned char>(bound[i])) != 0;
            if (form[i] == 'd' ? !digit : bound[i] != form[i]) return false;
        }
        return true;
    };
    if (fits(kDay) || fits(kTime)) return {};
    return "'" + bound + "' is no UTC day or time (2026-12-09 or 2026-12-09T08:00:00Z)";
}

std::string UnitColumnList() {
    std::string list;
    for (const char* c : kUnitColumns) list += (list.empty() ? "" : ", ") + std::string(c);
    return list;
}

std::vector<std::string> UnitValues(const UnitRecord& r) {
    return {r.id,
            r.runId,
            r.time,
            r.bench,
            r.port,
            std::to_string(r.meter),
            r.uid,
            StepsText(r.steps),
            r.firmwareName,
            std::to_string(r.firmwareSize),
            r.firmwareSha256,
            r.tablesSha256,
            std::to_string(r.satCount),
            std::to_string(r.tpCount),
            r.logoSha256,
            r.iconSha256,
            r.verify,
            std::to_string(r.seconds),
            r.ok ? "1" : "0",
            r.result,
            r.reason};
}

UnitRecord UnitFromValues(const std::vector<std::string>& v) {
    auto number = [&](int i) { return v.size() > std::size_t(i) ? std::atoll(v[i].c_str()) : 0; };
    auto text = [&](int i) { return v.size() > std::size_t(i) ? v[i] : std::string(); };
    UnitRecord r;
    r.id = text(0);
    r.runId = text(1);
    r.time = text(2);
    r.bench = text(3);
    r.port = text(4);
    r.meter = static_cast<int>(number(5));
    r.uid = text(6);
    r.steps = ParseSteps(text(7));
    r.firmwareName = text(8);
    r.firmwareSize = number(9);
    r.firmwareSha256 = text(10);
    r.tablesSha256 = text(11);
    r.satCount = static_cast<int>(number(12));
    r.tpCount = static_cast<int>(number(13));
    r.logoSha256 = text(14);
    r.iconSha256 = text(15);
    r.verify = text(16);
    r.seconds = std::atof(text(17).c_str());
    r.ok = number(18) != 0;
    r.result = text(19);
    r.reason = text(20);
    return r;
}

std::string UnitWhere(const UnitFilter& f, std::string (*placeholder)(int),
                      std::vector<std::string>& params) {
    std::string where;
    auto add = [&](const std::string& condition, const std::string& value) {
        params.push_back(value);
        std::string p = placeholder(static_cast<int>(params.size()));
        std::string text = condition;
        for (std::size_t at = text.find('?'); at != std::string::npos;
             at = text.find('?', at + p.size()))
            text.replace(at, 1, p);
        where += (where.empty() ? " WHERE " : " AND ") + text;
    };
    if (!f.uid.empty()) {
        std::string uid = f.uid;
        for (char& c : uid) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        add("uid = ?", uid);
    }
    if (!f.since.empty()) add("time >= ?", f.since);
    // "2026-12-09T99" sorts after every time of that day.
    if (!f.until.empty()) add("time <= ?", f.until.size() == 10 ? f.until + "T99" : f.until);
    if (!f.bench.empty()) add("bench = ?", f.bench);
    if (f.ok) add("ok = ?", *f.ok ? "1" : "0");
    if (!f.firmware.empty()) add("(firmware_sha256 = ? OR firmware_name = ?)", f.firmware);
    if (!f.runId.empty()) add("run_id = ?", f.runId);
    return where;
}

}  // namespace velmora::records
