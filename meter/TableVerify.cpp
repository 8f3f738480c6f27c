#include "meter/TableVerify.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/TableCompare.h"
#include "core/Utf8Path.h"

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
    std::filesystem::path folder = PathFromUtf8(tableFile).parent_path();
    return Utf8FromPath(folder / BACKUP_FOLDER_NAME);
}

std::string NewBackupPath(const std::string& folder, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "meter-%Y%m%d-%H%M%S", &local);
    const std::string first = folder + "/" + stamp + ".csv";
    std::string path = first;
    std::error_code ec;
    for (int n = 2; std::filesystem::exists(PathFromUtf8(path), ec) && n < 1000; ++n) path = NumberedPath(first, n);
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

std::string BackupFolderOf(const TableWriteChecks& checks, const std::string& tableFile) {
    return checks.backupFolder.empty() ? BackupFolderFor(tableFile) : checks.backupFolder;
}

namespace {

// "meter-YYYYMMDD-hhmmss.csv" or "meter-YYYYMMDD-hhmmss-N.csv" into backup.
bool ParseBackupName(const std::string& name, BackupFile& backup) {
    constexpr std::size_t kStampEnd = 21;  // "meter-" + 8 digits + "-" + 6 digits
    const std::string ext = ".csv";
    if (name.size() < kStampEnd + ext.size() || name.rfind("meter-", 0) != 0 ||
        name.compare(name.size() - ext.size(), ext.size(), ext) != 0 || name[14] != '-')
        return false;
    auto digits = [&](std::size_t from, std::size_t to) {
        if (from >= to) return false;
        for (std::size_t i = from; i < to; ++i)
            if (name[i] < '0' || name[i] > '9') return false;
        return true;
    };
    if (!digits(6, 14) || !digits(15, kStampEnd)) return false;
    const std::size_t end = name.size() - ext.size();
    backup.number = 1;
    if (end != kStampEnd) {
        if (name[kStampEnd] != '-' || !digits(kStampEnd + 1, end) || end - kStampEnd > 5)
            return false;
        backup.number = std::stoi(name.substr(kStampEnd + 1, end - kStampEnd - 1));
    }
    backup.taken = name.substr(6, 4) + "-" + name.substr(10, 2) + "-" + name.substr(12, 2) + " " +
                   name.substr(15, 2) + ":" + name.substr(17, 2) + ":" + name.substr(19, 2);
    return true;
}

}  // namespace

std::vector<BackupFile> ListBackups(const std::string& folder) {
    std::vector<BackupFile> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(PathFromUtf8(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        BackupFile backup;
        if (!it->is_regular_file(ec) || !ParseBackupName(Utf8FromPath(it->path().filename()), backup))
            continue;
        backup.path = Utf8FromPath(it->path());
        found.push_back(std::move(backup));
    }
    std::sort(found.begin(), found.end(), [](const BackupFile& a, const BackupFile& b) {
        return a.taken != b.taken ? a.taken > b.taken : a.number > b.number;
    });
    return found;
}

TableWriteOptions WriteOptionsFor(const TableWriteChecks& checks, const std::string& tableFile,
                                  std::time_t when) {
    TableWriteOptions options;
    options.verify = checks.verifyAfterWrite;
    if (checks.backupBeforeWrite) {
        options.backupPath = NewBackupPath(BackupFolderOf(checks, tableFile), when);
    }
    return options;
}

}  // namespace velmora
