// Commands on sattp.csv files that need no meter.
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <ostream>

#include "cli/CliCommands.h"
#include "cli/TableJson.h"
#include "db/SatTpFile.h"

namespace velmora::cli {

namespace {

std::unique_ptr<SatTpDatabase> NewDatabase() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    return db;
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

bool ReadTableFile(SatTpDatabase& db, const std::string& path, CliStreams& io) {
    if (ReadSatTpFile(db, path.c_str()) == 0) return true;
    if (::access(path.c_str(), R_OK) != 0) {
        PrintError(io, "cannot open " + path + ": " + std::strerror(errno));
    } else {
        PrintError(io, path + " has no sattp.csv header line");
    }
    return false;
}

int RunDump(const std::vector<std::string>& args, CliStreams& io) {
    if (args.size() != 1) return kExitUsage;
    auto db = NewDatabase();
    if (!ReadTableFile(*db, args[0], io)) return kExitFailed;
    io.out << JsonText(DatabaseJson(*db)) << '\n';
    return kExitOk;
}

int RunNormalize(const std::vector<std::string>& args, CliStreams& io) {
    if (args.size() != 2) return kExitUsage;
    auto db = NewDatabase();
    if (!ReadTableFile(*db, args[0], io)) return kExitFailed;
    if (!WriteSatTpFile(*db, args[1].c_str())) {
        PrintError(io, "cannot write " + args[1]);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace velmora::cli
