// Commands on sattp.csv files that need no meter.
#include <memory>
#include <ostream>

#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "cli/TableJson.h"
#include "db/MessageText.h"
#include "db/SaveLosses.h"
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

void PrintReadWarnings(CliStreams& io, const std::string& path, const SatTpReadReport& report) {
    for (const std::string& line : report.Lines())
        PrintError(io, "warning: " + EscapeControls(path) + ": " + line);
}

bool ReadTableFile(SatTpDatabase& db, const std::string& path, CliStreams& io) {
    std::string whyNot;
    SatTpReadReport report;
    if (ReadSatTpFile(db, path.c_str(), &whyNot, &report) == 0) {
        PrintReadWarnings(io, path, report);
        return true;
    }
    PrintError(io, EscapeControls(path) + " " + whyNot);
    return false;
}

int RunDump(const std::vector<std::string>& args, CliStreams& io) {
    std::vector<std::string> files;
    if (!ParseArguments(io, args, {}, &files, 1)) return kExitUsage;
    if (files.size() != 1) {
        PrintError(io, "missing FILE");
        return kExitUsage;
    }
    auto db = NewDatabase();
    if (!ReadTableFile(*db, files[0], io)) return kExitFailed;
    io.out << JsonText(DatabaseJson(*db)) << '\n';
    return kExitOk;
}

int RunNormalize(const std::vector<std::string>& args, CliStreams& io) {
    std::vector<std::string> files;
    if (!ParseArguments(io, args, {}, &files, 2)) return kExitUsage;
    if (files.size() != 2) {
        PrintError(io, files.empty() ? "missing IN and OUT" : "missing OUT");
        return kExitUsage;
    }
    auto db = NewDatabase();
    if (!ReadTableFile(*db, files[0], io)) return kExitFailed;
    // What the file form cannot keep is said, as Save asks about it.
    std::vector<std::string> losses = DescribeSaveLosses(*db);
    if (!losses.empty()) PrintError(io, SaveLossNotice(losses));
    std::string whyNot;
    if (!WriteSatTpFile(*db, files[1].c_str(), nullptr, &whyNot)) {
        PrintError(io, "cannot write " + files[1] + ": " + whyNot);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace velmora::cli
