#include "service/BatchReport.h"

#include <fcntl.h>
#ifdef _WIN32
#include "core/WideText.h"
#include "core/WindowsPosix.h"
#else
#include <sys/file.h>
#endif
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>

#include "core/AtomicFile.h"
#include "core/TextHelpers.h"
#include "core/Sha256.h"

namespace velmora {

namespace {

using Json = nlohmann::ordered_json;

constexpr BatchStep kOrder[] = {BatchStep::Soft, BatchStep::Icon, BatchStep::Logo,
                                BatchStep::Tables};

uint8_t DoneBit(BatchStep step) {
    switch (step) {
        case BatchStep::Soft: return BATCH_SOFT_DONE;
        case BatchStep::Icon: return BATCH_ICON_DONE;
        case BatchStep::Logo: return BATCH_LOGO_DONE;
        case BatchStep::Tables: return BATCH_TABLES_DONE;
    }
    return 0;
}

}  // namespace

void RecordingSteps::Run(BatchStep step) {
    if (onStep_) onStep_(step, nullptr);
    auto start = std::chrono::steady_clock::now();
    steps_.Run(step);
    StepRecord& r = record_.Step(step);
    r.ran = true;
    r.ok = (flags_.batchFlags & DoneBit(step)) != 0;
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (onStep_) onStep_(step, &r);
}

void RecordingSteps::Finish(const std::string& report) {
    for (BatchStep step : kOrder) record_.Step(step).asked = steps_.Ticked(step);
    record_.result = report;
    record_.ok = BatchSucceeded(report);
}

BatchRecord NewBatchRecord(const std::string& port, const std::string& softPath) {
    BatchRecord record;
    record.start = std::time(nullptr);
    record.port = port;
    if (!softPath.empty()) record.firmwareSha256 = Sha256HexOfFile(softPath);
    return record;
}

BootOptions RecordIdentity(BootOptions boot, BatchRecord& record) {
    auto previous = std::move(boot.identified);
    boot.identified = [&record, previous](uint16_t productId, uint8_t version) {
        record.productId = productId;
        record.bootloaderVersion = version;
        if (previous) previous(productId, version);
    };
    auto previousId = std::move(boot.uniqueIdRead);
    boot.uniqueIdRead = [&record, previousId](std::span<const uint8_t> id) {
        record.uniqueId =
            HexText(std::string_view(reinterpret_cast<const char*>(id.data()), id.size()));
        if (previousId) previousId(id);
    };
    return boot;
}

std::string ReportPathBeside(const std::string& tablePath) {
    std::size_t slash = tablePath.find_last_of('/');
    if (slash == std::string::npos) return PATCHUP_REPORT_FILE;
    return tablePath.substr(0, slash + 1) + PATCHUP_REPORT_FILE;
}

const char* StepName(BatchStep step) {
    switch (step) {
        case BatchStep::Soft: return "soft";
        case BatchStep::Icon: return "icon";
        case BatchStep::Logo: return "logo";
        case BatchStep::Tables: return "tables";
    }
    return "";
}

const char* StepResultText(const StepRecord& step) {
    if (!step.ran) return "not run";
    return step.ok ? "ok" : "failed";
}

std::string IsoLocalTime(std::time_t when) {
    std::tm local{};
    if (::localtime_r(&when, &local) == nullptr) return {};
    char text[40];
    std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
#ifdef _WIN32
    std::tm asUtc = local;
    long offset = static_cast<long>((::_mkgmtime(&asUtc) - when) / 60);
#else
    long offset = local.tm_gmtoff / 60;
#endif
    char sign = offset < 0 ? '-' : '+';
    offset = std::labs(offset);
    std::snprintf(text + n, sizeof text - n, "%c%02ld:%02ld", sign, offset / 60, offset % 60);
    return text;
}

std::string BatchReportLine(const BatchRecord& record) {
    Json steps = Json::object();
    for (BatchStep step : kOrder) {
        const StepRecord& r = record.Step(step);
        if (!r.asked) continue;
        // Tenths of a second: finer figures would only be noise.
        steps[StepName(step)] = {{"result", StepResultText(r)},
                                 {"seconds", std::round(r.seconds * 10) / 10}};
    }
    char hex[8];
    Json line = {{"start", IsoLocalTime(record.start)},
                 {"port", record.port},
                 {"meter", record.meter},
                 {"steps", steps}};
    if (record.productId) {
        std::snprintf(hex, sizeof hex, "0x%03x", *record.productId);
        line["productId"] = hex;
    } else {
        line["productId"] = nullptr;
    }
    if (record.bootloaderVersion) {
        // The version byte holds the major and minor number in its two nibbles.
        std::snprintf(hex, sizeof hex, "%d.%d", *record.bootloaderVersion >> 4,
                      *record.bootloaderVersion & 15);
        line["bootloaderVersion"] = hex;
    } else {
        line["bootloaderVersion"] = nullptr;
    }
    // No key when the chip's family is not known here or its read
    // protection kept the ID back.
    if (!record.uniqueId.empty()) line["uid"] = record.uniqueId;
    if (record.firmwareSha256.empty()) {
        line["firmwareSha256"] = nullptr;
    } else {
        line["firmwareSha256"] = record.firmwareSha256;
    }
    line["result"] = record.result;
    line["ok"] = record.ok;
    // Replacement characters for bytes that are not UTF-8 (a port name from
    // a strange device path) rather than no line at all.
    return line.dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool AppendReportLine(const std::string& path, const std::string& line, std::string* error) {
    auto fail = [&](const char* what) {
        if (error != nullptr) *error = std::string(what) + " " + path + ": " + std::strerror(errno);
        return false;
    };
#ifdef _WIN32
    int fd = ::_wopen(WideFromUtf8(path).c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC,
                      _S_IREAD | _S_IWRITE);
#else
    int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
#endif
    if (fd < 0) return fail("cannot write");
    // One writer at a time, across processes too, so that a line cut short
    // can be taken back without cutting another writer's line.
    ::flock(fd, LOCK_EX);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return fail("cannot open");
    }
    std::string text = line + '\n';
    char last = '\n';
    if (st.st_size > 0 && ::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n') {
        // A line left half by an older program would swallow this one.
        text.insert(text.begin(), '\n');
    }
    errno = 0;
    if (!WriteAllBytes(fd, text.data(), text.size())) {
        // Disk full, a quota, a file size limit: take the part back so the
        // next line that fits does not join half a line.
        const int code = errno == 0 ? ENOSPC : errno;
        if (::ftruncate(fd, st.st_size) != 0) {
            // Nothing more can be done; the reason below is the write's.
        }
        ::close(fd);
        errno = code;
        return fail("cannot write");
    }
    // Only a file keeps the line on a disk; a pipe or a device that took it
    // has done all it can.
    if (S_ISREG(st.st_mode) && ::fdatasync(fd) != 0) {
        ::close(fd);
        return fail("cannot flush");
    }
    if (::close(fd) != 0) return fail("cannot close");
    return true;
}

}  // namespace velmora
