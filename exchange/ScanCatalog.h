// The dvbv5 scan tables a distribution installs (Debian's dtv-scan-tables:
// one file per orbit position, "Astra-19.2E", "Intelsat-901-27.5W"), listed
// as a catalog the user picks satellites from.
#pragma once

#include <string>
#include <vector>

#include "exchange/TransponderList.h"

namespace velmora {

inline constexpr const char* kScanTableFolder = "/usr/share/dvb/dvb-s";

struct CatalogEntry {
    int position = 0;          // tenths, West as 3600 - x
    std::string positionText;  // "19.2E", "30.0W"
    std::string name;          // the file name without its position, dashes as blanks
    int transponders = 0;
    std::string path;
};

// One entry per scan table in folder, east to west (as the import dialog
// sorts), then by name. False with whyNot when the folder cannot be listed;
// the text for the standard folder says which package brings it.
bool ListScanCatalog(const std::string& folder, std::vector<CatalogEntry>& entries,
                     std::string& whyNot);

// The chosen scan tables read into one list, a satellite per file, in the
// order given. False with error naming the file that could not be read.
bool ReadCatalogEntries(const std::vector<std::string>& paths, SourceList& list, ListError& error);

}  // namespace velmora
