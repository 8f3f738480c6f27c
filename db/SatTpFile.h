// Reading and writing the "sattp.csv" table file.
#pragma once

#include <string>

#include "db/SatTpDatabase.h"

namespace velmora {

inline constexpr const char* DEFAULT_DB_FILE = "sattp.csv";
inline constexpr const char* DB_FILE_FILTER = "sattp files (*.csv)|*.csv|All Files (*.*)|*.*||";

// 0 when the file was read, -1 when path is null, the file cannot be opened or
// holds no header line; on -1 the database is unchanged.
int ReadSatTpFile(SatTpDatabase& db, const char* path);

// Writes the table to path through a temporary file beside it that replaces
// the target only once everything is written and flushed, so a failed save
// never destroys the previous file. Returns false (and prints the diagnostic
// on standard output) when the file could not be written.
bool WriteSatTpFile(const SatTpDatabase& db, const char* path);

}  // namespace velmora
