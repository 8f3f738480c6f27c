#include "exchange/ScanCatalog.h"

#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include "core/SatTpDatabase.h"
#include "core/TextMark.h"

namespace velmora {

namespace {

// East to west from the date line: 180.0E first, 0.0 in the middle, 179.9W last.
int EastToWest(int position) {
    return position <= 1800 ? -position : 3600 - position;
}

std::string MissingFolderText(const std::string& folder, const char* reason) {
    if (folder == kScanTableFolder)
        return FillText(VELMORA_TR_NOOP("Core",
                                        "no scan tables in %1: install them with 'sudo apt "
                                        "install dtv-scan-tables'"),
                        {folder});
    return FillText(VELMORA_TR_NOOP("Core", "no scan tables in %1: %2"), {folder, reason});
}

}  // namespace

bool ListScanCatalog(const std::string& folder, std::vector<CatalogEntry>& entries,
                     std::string& whyNot) {
    entries.clear();
    std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.c_str()), closedir);
    if (!dir) {
        whyNot = MissingFolderText(folder, std::strerror(errno));
        return false;
    }
    const ListReadOptions dvbv5{.format = ListFormat::Dvbv5};
    for (const dirent* e = readdir(dir.get()); e != nullptr; e = readdir(dir.get())) {
        if (e->d_name[0] == '.') continue;
        CatalogEntry entry;
        entry.path = folder + "/" + e->d_name;
        SourceList list;
        ListError error;
        // A file the reader refuses (no position in its name, such as
        // "Eutelsat5_5.0W", a folder, a broken line) is left out: the
        // catalog offers only what an import can take.
        if (!ReadTransponderList(entry.path, dvbv5, list, error) || list.satellites.empty())
            continue;
        const SourceSatellite& sat = list.satellites.front();
        entry.position = sat.position;
        entry.positionText = FormatPosition(static_cast<uint16_t>(sat.position));
        entry.name = sat.name;
        entry.transponders = static_cast<int>(sat.tps.size());
        entries.push_back(std::move(entry));
    }
    if (entries.empty()) {
        whyNot = MissingFolderText(folder, "the folder holds no dvbv5 scan table");
        return false;
    }
    std::sort(entries.begin(), entries.end(), [](const CatalogEntry& a, const CatalogEntry& b) {
        int ea = EastToWest(a.position);
        int eb = EastToWest(b.position);
        return ea != eb ? ea < eb : a.name < b.name;
    });
    return true;
}

bool ReadCatalogEntries(const std::vector<std::string>& paths, SourceList& list, ListError& error) {
    list = SourceList{ListFormat::Dvbv5, {}};
    const ListReadOptions dvbv5{.format = ListFormat::Dvbv5};
    for (const std::string& path : paths) {
        SourceList one;
        if (!ReadTransponderList(path, dvbv5, one, error)) {
            list.satellites.clear();
            return false;
        }
        for (SourceSatellite& sat : one.satellites) list.satellites.push_back(std::move(sat));
    }
    return true;
}

}  // namespace velmora
