// Transponder lists exchanged by satellite-TV users: Enigma2 satellites.xml,
// the .ini format of satellite web sites and dvbv5 scan tables. The readers
// return the source's satellites with the values as the file gives them; the
// merge (exchange/ListMerge.h) turns them into table records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class ListFormat { Auto, SatellitesXml, Ini, Dvbv5 };

// "xml", "ini", "dvbv5"; Auto gives "auto".
const char* ListFormatName(ListFormat format);
// Parses "xml", "ini" or "dvbv5"; false for anything else.
bool ParseListFormat(std::string_view text, ListFormat& format);

// Polarisation letters as the lists write them; Missing when the file has
// none, Unknown when it has one this program does not know.
enum class SourcePol : uint8_t { Missing, H, V, L, R, Unknown };

struct SourceTp {
    uint64_t frequency = 0;   // kHz (.ini MHz values are converted)
    uint64_t symbolRate = 0;  // symbols/s (.ini kS/s values are converted)
    SourcePol pol = SourcePol::Missing;
    int line = 0;
};

struct SourceSatellite {
    std::string name;  // entities decoded, otherwise as written
    // Tenths of a degree counted eastward (West stored as 3600 minus the
    // tenths), after a satellites.xml name's position text was taken into
    // account; givenPosition is the file's own value.
    int position = 0;
    int givenPosition = 0;
    int line = 0;
    std::vector<SourceTp> tps;
};

struct SourceList {
    ListFormat format = ListFormat::Auto;
    std::vector<SourceSatellite> satellites;
};

struct ListError {
    std::string file;
    int line = 0;  // 0 when the error concerns the whole file
    std::string message;
    // The file could not be read at all: the message reads on from the file
    // name ("is a folder", "is larger than 16 MB (...)").
    bool unreadable = false;
};

// "file:line: message", "file: message" without a line, "file message" for
// an unreadable file; control bytes and broken UTF-8 shown as \xHH.
std::string ErrorText(const ListError& error);

// More entries (XML elements, transponders) than any list needs: the table
// holds 8000 transponders, a public satellites.xml about 3,500. Larger lists
// are refused, which keeps the memory a list takes near its size.
inline constexpr std::size_t kMostListEntries = 100000;

struct ListReadOptions {
    ListFormat format = ListFormat::Auto;  // Auto: recognised from the content
    // dvbv5 position in tenths (West as 3600 - x); -1 takes it from the file
    // name. Wins over the file name; refused for the other formats, which
    // carry their own positions.
    int position = -1;
};

// Parses bytes read from fileName (whose base name names a dvbv5 satellite).
// On false, error says what and where, and list is left empty.
bool ParseTransponderList(std::string_view bytes, const std::string& fileName,
                          const ListReadOptions& options, SourceList& list, ListError& error);

// Reads the file and parses it; a file that cannot be read, is not a regular
// file or is larger than LIST_FILE_MAX_BYTES is an error too.
bool ReadTransponderList(const std::string& path, const ListReadOptions& options,
                         SourceList& list, ListError& error);

// The format the content looks like; Auto when it is none of the three. A
// satellites.xml may be UTF-16 with a byte-order mark; the others are UTF-8.
ListFormat DetectListFormat(std::string_view bytes);

// A position text at the start of text: one to three digits, optionally a
// point and one digit, then E or W in either case, followed by a blank or the
// end. Returns its length (0 when there is none) and sets tenths to the
// position counted eastward (West as 3600 - x, 0.0W as 0).
std::size_t LeadingPositionText(std::string_view text, int& tenths);

// The whole text is one position text ("19.2E", "30.0W", "13e").
bool ParsePositionText(std::string_view text, int& tenths);

// Lists of the individual formats; used by ParseTransponderList.
bool ParseSatellitesXml(std::string_view bytes, const std::string& fileName, SourceList& list,
                        ListError& error);
// The same on a buffer the caller gives up: the parser works in it, which
// spares a copy of a large file.
bool ParseSatellitesXmlBuffer(std::string& bytes, const std::string& fileName, SourceList& list,
                              ListError& error);
bool ParseIniList(std::string_view bytes, const std::string& fileName, SourceList& list,
                  ListError& error);
bool ParseDvbv5List(std::string_view bytes, const std::string& fileName, int position,
                    SourceList& list, ListError& error);

}  // namespace velmora
