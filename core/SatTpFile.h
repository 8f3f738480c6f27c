// Reading and writing the "sattp.csv" table file.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "core/AtomicFile.h"
#include "core/SatTpDatabase.h"
#include "core/TextMark.h"

namespace velmora {

inline constexpr const char* DEFAULT_DB_FILE = "sattp.csv";
inline constexpr const char* DB_FILE_FILTER =
    VELMORA_TR_NOOP("Core", "sattp files (*.csv);;All Files (*)");

// What a read skipped, cut short or could not read, one line of text each
// in file order ("line 12: 5 columns, the header has 9; skipped"). Values
// quoted from the file are shown with their control bytes escaped. A file
// full of faults gives at most kListed texts; the rest are only counted.
struct SatTpReadReport {
    static constexpr std::size_t kListed = 100;

    std::vector<std::string> findings;
    std::size_t unlisted = 0;

    bool Empty() const { return findings.empty() && unlisted == 0; }
    std::size_t Count() const { return findings.size() + unlisted; }
    void Add(std::string text);
    // The findings, then "... and 12 more" when some were only counted.
    std::vector<std::string> Lines() const;
    // The first `shown` lines joined by line ends, then "... and N more".
    std::string Summary(std::size_t shown) const;
};

// 0 when the file was read, -1 when path is null, the file cannot be opened or
// holds no header line; on -1 the database is unchanged.
int ReadSatTpFile(SatTpDatabase& db, const char* path);

// As above; on -1 whyNot (when given) receives the reason, which reads after
// the path: "is not a sattp.csv table: no header line", "is a folder",
// "is not a regular file", "is larger than 4 MB (N bytes)" or
// "cannot be read: <system reason>". On 0 report (when given) receives what
// the read passed over; it is emptied first.
int ReadSatTpFile(SatTpDatabase& db, const char* path, std::string* whyNot,
                  SatTpReadReport* report = nullptr);

// The same rules for a table's text already in memory.
int ReadSatTpText(SatTpDatabase& db, std::string_view text, std::string* whyNot = nullptr,
                  SatTpReadReport* report = nullptr);

// The table's text as WriteSatTpFile writes it.
std::string SatTpText(const SatTpDatabase& db);

// Writes the table to path through a temporary file beside it that replaces
// the target only once everything is written and flushed, so a failed save
// never destroys the previous file; an existing target keeps its permissions.
// A comma in a satellite name is written as a blank so the columns hold.
// Returns false when the file could not be written, with the reason in whyNot
// (when given): the system's text ("No such file or directory") or a
// sentence ("is a folder"). Nothing is printed: the caller tells the user.
// With ReplaceRule::Never an existing file is left alone and the write fails
// (errno text "File exists").
bool WriteSatTpFile(const SatTpDatabase& db, const char* path, std::string* whyNot = nullptr,
                    ReplaceRule rule = ReplaceRule::Allowed);

}  // namespace velmora
