// Commands on sattp.csv files that need no meter.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CliCommands.h"
#include "cli/TextEncoding.h"
#include "db/SatTpFile.h"

namespace velmora::cli {

namespace {

using Json = nlohmann::ordered_json;

std::unique_ptr<SatTpDatabase> NewDatabase() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    return db;
}

// Reads path into db; on failure says why on the error stream.
bool ReadTables(SatTpDatabase& db, const std::string& path, CliStreams& io) {
    if (ReadSatTpFile(db, path.c_str()) == 0) return true;
    if (::access(path.c_str(), R_OK) != 0) {
        PrintError(io, "cannot open " + path + ": " + std::strerror(errno));
    } else {
        PrintError(io, path + " has no sattp.csv header line");
    }
    return false;
}

Json LnbJson(const LnbRecord& l) {
    return Json{{"type", l.type},
                {"power", l.power},
                {"dish", l.dish},
                {"diseqcSwitch", l.diseqcSwitch},
                {"diseqcInput", l.diseqcInput},
                {"tone22k", l.tone22k},
                {"reserved", l.reserved},
                {"loFrequency", l.loFrequency}};
}

Json SatelliteJson(const SatRecord& s) {
    std::string name = SatName(s);
    return Json{{"name", Utf8WithReplacements(name)},
                {"nameHex", HexBytes(name)},
                {"lnbIndex", s.lnbIndex},
                {"position", s.position}};
}

Json TpJson(const TpRecord& t) {
    return Json{{"satIndex", t.satIndex},
                {"reserved", t.reserved},
                {"flags", t.flags},
                {"frequency", t.frequency},
                {"symbolRate", t.symbolRate}};
}

Json DatabaseJson(const SatTpDatabase& db) {
    Json lnbs = Json::array();
    for (const LnbRecord& l : db.lnbs) lnbs.push_back(LnbJson(l));
    Json satellites = Json::array();
    for (int s = 0; s < db.satCount; ++s) satellites.push_back(SatelliteJson(db.satellites[s]));
    Json tps = Json::array();
    for (int t = 0; t < db.tpCount; ++t) tps.push_back(TpJson(db.tps[t]));
    return Json{{"satCount", db.satCount},
                {"tpCount", db.tpCount},
                {"lnbs", std::move(lnbs)},
                {"satellites", std::move(satellites)},
                {"tps", std::move(tps)}};
}

}  // namespace

int RunDump(const std::vector<std::string>& args, CliStreams& io) {
    if (args.size() != 1) return kExitUsage;
    auto db = NewDatabase();
    if (!ReadTables(*db, args[0], io)) return kExitFailed;
    // Names are already valid UTF-8; replace rather than throw all the same.
    io.out << DatabaseJson(*db).dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    return kExitOk;
}

int RunNormalize(const std::vector<std::string>& args, CliStreams& io) {
    if (args.size() != 2) return kExitUsage;
    auto db = NewDatabase();
    if (!ReadTables(*db, args[0], io)) return kExitFailed;
    if (!WriteSatTpFile(*db, args[1].c_str())) {
        PrintError(io, "cannot write " + args[1]);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace velmora::cli
