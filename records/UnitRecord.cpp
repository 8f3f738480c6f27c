#include "records/UnitRecord.h"

#include <cmath>
#include <cstdio>
#include <random>

namespace velmora::records {

namespace {

double Tenths(double seconds) { return std::round(seconds * 10) / 10; }

}  // namespace

std::string NewUuid() {
    // std::random_device reads the kernel's random source on Linux.
    std::random_device random;
    unsigned char bytes[16];
    for (int i = 0; i < 16; i += 4) {
        unsigned value = random();
        for (int k = 0; k < 4; ++k) bytes[i + k] = static_cast<unsigned char>(value >> (8 * k));
    }
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40);  // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
    char text[37];
    std::snprintf(text, sizeof text,
                  "%02x%02x%02x%02x-%02x%02x-%02x%02x-%02x%02x-%02x%02x%02x%02x%02x%02x",
                  bytes[0], bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7],
                  bytes[8], bytes[9], bytes[10], bytes[11], bytes[12], bytes[13], bytes[14],
                  bytes[15]);
    return text;
}

std::string UtcTime(std::time_t when) {
    std::tm utc{};
    gmtime_r(&when, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string StepsText(const std::vector<UnitStep>& steps) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const UnitStep& s : steps)
        list.push_back({{"step", s.name}, {"result", s.result}, {"seconds", Tenths(s.seconds)}});
    return list.dump();
}

std::vector<UnitStep> ParseSteps(const std::string& text) {
    std::vector<UnitStep> steps;
    nlohmann::json list = nlohmann::json::parse(text, nullptr, false);
    if (!list.is_array()) return steps;
    for (const auto& s : list) {
        if (!s.is_object()) continue;
        steps.push_back({s.value("step", ""), s.value("result", ""), s.value("seconds", 0.0)});
    }
    return steps;
}

nlohmann::ordered_json UnitJson(const UnitRecord& r) {
    nlohmann::ordered_json steps = nlohmann::ordered_json::object();
    for (const UnitStep& s : r.steps)
        steps[s.name] = {{"result", s.result}, {"seconds", Tenths(s.seconds)}};
    return {{"id", r.id},
            {"run", r.runId},
            {"time", r.time},
            {"bench", r.bench},
            {"port", r.port},
            {"meter", r.meter},
            {"uid", r.uid},
            {"steps", steps},
            {"firmware", {{"name", r.firmwareName}, {"size", r.firmwareSize},
                          {"sha256", r.firmwareSha256}}},
            {"tables", {{"sha256", r.tablesSha256}, {"satellites", r.satCount},
                        {"transponders", r.tpCount}}},
            {"logoSha256", r.logoSha256},
            {"iconSha256", r.iconSha256},
            {"verify", r.verify},
            {"seconds", Tenths(r.seconds)},
            {"ok", r.ok},
            {"result", r.result},
            {"reason", r.reason}};
}

}  // namespace velmora::records
