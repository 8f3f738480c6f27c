// The checks around a table write: what the meter read back says about the
// table that was sent, and where the meter's previous table is kept.
#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"
#include "meter/TableTransfer.h"

namespace velmora {

// Compares the encoded records of the slots in use and both counts. Empty
// when the meter holds what was sent; otherwise the message for the user,
// for example "Verify failed: 1 TP differs, first TP 1234 (12380 V 27500 ->
// 12381 V 27500)".
std::string VerifyMessage(const SatTpDatabase& sent, const SatTpDatabase& readBack);

inline constexpr const char* BACKUP_FOLDER_NAME = "backups";

// The "backups" folder beside a table file ("backups" in the working folder
// for a name without a folder).
std::string BackupFolderFor(const std::string& tableFile);

// folder + "/meter-YYYYMMDD-hhmmss.csv" at the local time when; when that
// file exists already (two writes within a second), "-2", "-3", ... is added
// before ".csv" so no backup is ever overwritten.
std::string NewBackupPath(const std::string& folder, std::time_t when);

// path with "-n" before its extension ("bk/meter.csv", 3: "bk/meter-3.csv");
// path itself for n below 2.
std::string NumberedPath(const std::string& path, int n);

// The user's standing choice for every table write (the window's Meter menu,
// the batch): verified by default, backed up on request.
struct TableWriteChecks {
    bool verifyAfterWrite = true;
    bool backupBeforeWrite = false;
    // Empty: BackupFolderFor(the table file).
    std::string backupFolder;
};

// Where the backups of tableFile's writes go under checks.
std::string BackupFolderOf(const TableWriteChecks& checks, const std::string& tableFile);

// A backup NewBackupPath named: its file and when it was taken.
struct BackupFile {
    std::string path;
    std::string taken;  // "2026-12-08 12:05:09", the local time of its name
    int number = 1;     // 2, 3, ... for the later ones of the same second
};

// The backups in folder, newest first; files of other names are left out.
// Empty when the folder does not exist.
std::vector<BackupFile> ListBackups(const std::string& folder);

// The options of one write of tableFile's tables, started at when.
TableWriteOptions WriteOptionsFor(const TableWriteChecks& checks, const std::string& tableFile,
                                  std::time_t when);

}  // namespace velmora
