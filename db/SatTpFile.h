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
// never destroys the previous file; an existing target keeps its permissions.
// A comma in a satellite name is written as a blank so the columns hold.
// Returns false when the file could not be written; when even the temporary
// file cannot be created it also prints "fopen file error ..." on standard
// output, as the desktop program always has.
bool WriteSatTpFile(const SatTpDatabase& db, const char* path);

}  // namespace velmora
