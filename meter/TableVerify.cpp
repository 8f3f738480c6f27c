#include "meter/TableVerify.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/TableCompare.h"

namespace velmora {

namespace {

// One kind of record: how many of the slots in use differ and the first one.
struct KindCheck {
    KindCheck(const char* one_, const char* many_, const char* tag_)
        : one(one_), many(many_), tag(tag_) {}
    const char* one;   // "TP"
    const char* many;  // "TPs"
    const char* tag;   // "TP" in "first TP 12"
    int differing = 0;
    int first = -1;
    std::string firstText;
};

template <class Record, class Encode, class Text>
void CheckRecords(KindCheck& check, const Record* sent, const Record* read, int count,
                  std::size_t size, Encode encode, Text text) {
    uint8_t a[SAT_RECORD_SIZE];
    uint8_t b[SAT_RECORD_SIZE];
    for (int i = 0; i < count; ++i) {
        encode(sent[i], a);
        encode(read[i], b);
        if (std::memcmp(a, b, size) == 0) continue;
        if (check.differing++ == 0) {
            check.first = i;
            check.firstText = text(sent[i]) + " -> " + text(read[i]);
        }
    }
}

std::string SatText(const SatRecord& s) {
    return SatValueText(s) + " LNB " + std::to_string((s.lnbIndex & 0x0F) + 1);
}

}  // namespace

std::string VerifyMessage(const SatTpDatabase& sent, const SatTpDatabase& readBack) {
    std::vector<std::string> parts;
    const int satsSent = UsedSatellites(sent);
    const int satsRead = UsedSatellites(readBack);
    const int tpsSent = UsedTps(sent);
    const int tpsRead = UsedTps(readBack);
    if (satsSent != satsRead)
        parts.push_back("satellite count " + std::to_string(satsSent) + " -> " +
                        std::to_string(satsRead));
    if (tpsSent != tpsRead)
        parts.push_back("TP count " + std::to_string(tpsSent) + " -> " + std::to_string(tpsRead));

    KindCheck checks[] = {
        {"LNB", "LNBs", "LNB"}, {"satellite", "satellites", "SAT"}, {"TP", "TPs", "TP"}};
    CheckRecords(checks[0], sent.lnbs, readBack.lnbs, LNB_COUNT, LNB_RECORD_SIZE, EncodeLnb,
                 LnbValueText);
    CheckRecords(checks[1], sent.satellites, readBack.satellites, std::min(satsSent, satsRead),
                 SAT_RECORD_SIZE, EncodeSat, SatText);
    CheckRecords(checks[2], sent.tps, readBack.tps, std::min(tpsSent, tpsRead), TP_RECORD_SIZE,
                 EncodeTp, TpValueText);
    const KindCheck* first = nullptr;
    for (const KindCheck& c : checks) {
        if (c.differing == 0) continue;
        parts.push_back(std::to_string(c.differing) + " " + (c.differing == 1 ? c.one : c.many) +
                        (c.differing == 1 ? " differs" : " differ"));
        if (first == nullptr) first = &c;
    }
    if (parts.empty()) return {};
    std::string message = "Verify failed: ";
    for (std::size_t i = 0; i < parts.size(); ++i) message += (i > 0 ? ", " : "") + parts[i];
    if (first != nullptr) {
        message += std::string(", first ") + first->tag + " " + std::to_string(first->first + 1) +
                   " (" + first->firstText + ")";
    }
    return message;
}

std::string BackupFolderFor(const std::string& tableFile) {
    std::filesystem::path folder = std::filesystem::path(tableFile).parent_path();
    return (folder / BACKUP_FOLDER_NAME).string();
}

std::string NewBackupPath(const std::string& folder, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "meter-%Y%m%d-%H%M%S", &local);
    const std::string first = folder + "/" + stamp + ".csv";
    std::string path = first;
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(path, ec) && n < 1000; ++n) path = NumberedPath(first, n);
    return path;
}

std::string NumberedPath(const std::string& path, int n) {
    if (n < 2) return path;
    std::string::size_type slash = path.rfind('/');
    std::string::size_type dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) ||
        dot == (slash == std::string::npos ? 0 : slash + 1)) {
        dot = path.size();
    }
    return path.substr(0, dot) + "-" + std::to_string(n) + path.substr(dot);
}

TableWriteOptions WriteOptionsFor(const TableWriteChecks& checks, const std::string& tableFile,
                                  std::time_t when) {
    TableWriteOptions options;
    options.verify = checks.verifyAfterWrite;
    if (checks.backupBeforeWrite) {
        const std::string folder =
            checks.backupFolder.empty() ? BackupFolderFor(tableFile) : checks.backupFolder;
        options.backupPath = NewBackupPath(folder, when);
    }
    return options;
}

}  // namespace velmora
