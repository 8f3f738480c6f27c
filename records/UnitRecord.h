// The record of one meter serviced on a bench: what went onto it, when,
// where, how it ended and why. Kept in a database (UnitStore.h) so months
// later a meter's unique ID answers which firmware, tables, logo and icon it
// got and whether it passed.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace velmora::records {

struct UnitStep {
    std::string name;    // "soft", "icon", "logo", "tables"
    std::string result;  // "ok", "failed", "not run"
    double seconds = 0;
};

struct UnitRecord {
    std::string id;     // a version 4 UUID: a record sent twice is kept once
    std::string runId;  // the same for every meter of one run
    std::string time;   // UTC, "2026-12-09T00:38:58Z"
    std::string bench;
    std::string port;   // as it was given
    int meter = 1;      // the meter's number on its port in the run
    std::string uid;    // 24 hex digits; empty when not read
    std::vector<UnitStep> steps;
    std::string firmwareName;
    long long firmwareSize = 0;
    std::string firmwareSha256;
    std::string tablesSha256;
    int satCount = 0;
    int tpCount = 0;
    std::string logoSha256;
    std::string iconSha256;
    std::string verify;  // the tables read back: "ok", "failed", "off"; empty without tables
    double seconds = 0;
    bool ok = false;
    std::string result;  // the batch's final text
    std::string reason;  // for a failure: the message that named it
};

// A fresh version 4 UUID from the system's random source.
std::string NewUuid();
// "2026-12-09T00:38:58Z".
std::string UtcTime(std::time_t when);

// The steps as stored: a JSON array of {"step","result","seconds"}.
std::string StepsText(const std::vector<UnitStep>& steps);
// Bad text gives no steps.
std::vector<UnitStep> ParseSteps(const std::string& text);

// The record as one JSON object, the steps an object by name as in the
// batch report.
nlohmann::ordered_json UnitJson(const UnitRecord& record);

}  // namespace velmora::records
