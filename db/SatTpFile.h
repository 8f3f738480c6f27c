// Reading and writing the "sattp.csv" table file.
#pragma once

#include <cstdio>
#include <string>

#include "db/AtomicFile.h"
#include "db/SatTpDatabase.h"

namespace velmora {

inline constexpr const char* DEFAULT_DB_FILE = "sattp.csv";
inline constexpr const char* DB_FILE_FILTER = "sattp files (*.csv)|*.csv|All Files (*.*)|*.*||";

// 0 when the file was read, -1 when path is null, the file cannot be opened or
// holds no header line; on -1 the database is unchanged.
int ReadSatTpFile(SatTpDatabase& db, const char* path);

// As above; on -1 whyNot (when given) receives the reason for a message:
// "is not a sattp.csv table: no header line", "is a folder" or
// "cannot be read: <system reason>".
int ReadSatTpFile(SatTpDatabase& db, const char* path, std::string* whyNot);

// Reads a table from an open descriptor positioned at its start (the caller
// closes it); the same rules as ReadSatTpFile.
int ReadSatTpDescriptor(SatTpDatabase& db, int fd, std::string* whyNot = nullptr);

// Writes the table's text to an open descriptor; false on a write error.
bool WriteSatTpDescriptor(const SatTpDatabase& db, int fd);

// Writes the table to path through a temporary file beside it that replaces
// the target only once everything is written and flushed, so a failed save
// never destroys the previous file; an existing target keeps its permissions.
// A comma in a satellite name is written as a blank so the columns hold.
// Returns false when the file could not be written; when even the temporary
// file cannot be created it also prints "fopen file error ..." on the given
// stream (the desktop program has always used standard output; the terminal
// tool passes standard error so the line stays out of its output).
bool WriteSatTpFile(const SatTpDatabase& db, const char* path, std::FILE* diagnostics = stdout);
// As above; on false whyNot (when given) receives the system's reason, and
// no "fopen file error" line is printed when diagnostics is null. With
// ReplaceRule::Never an existing file is left alone and the write fails
// (errno text "File exists").
bool WriteSatTpFile(const SatTpDatabase& db, const char* path, std::FILE* diagnostics,
                    std::string* whyNot, ReplaceRule rule = ReplaceRule::Allowed);

}  // namespace velmora
