// Commands on sattp.csv files that need no meter.
#include <memory>
#include <ostream>
#include <string_view>

#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "cli/TableJson.h"
#include "core/InputFile.h"
#include "core/MessageText.h"
#include "core/SaveLosses.h"
#include "core/SatTpFile.h"

namespace velmora::cli {

namespace {

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

std::unique_ptr<SatTpDatabase> NewTable() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    return db;
}

int ReadTableFile(SatTpDatabase& db, const std::string& path, CliStreams& io,
                  SatTpReadReport* report) {
    // The file is taken in first, so a file that cannot be opened is told
    // apart from one that is not a table.
    std::string bytes;
    std::string whyNot;
    if (!ReadInputFile(path, SATTP_FILE_MAX_BYTES, bytes, whyNot)) {
        PrintError(io, UnreadableFileText(path, whyNot));
        return kExitCannotOpen;
    }
    SatTpReadReport passedOver;
    if (ReadSatTpText(db, bytes, &whyNot, report != nullptr ? report : &passedOver) != 0) {
        PrintError(io, EscapeControls(path) + " " + whyNot);
        return kExitFailed;
    }
    if (report == nullptr) PrintReadWarnings(io, path, passedOver);
    return kExitOk;
}

int ReadTableToRewrite(SatTpDatabase& db, const std::string& path, const std::string& out,
                       bool force, CliStreams& io) {
    SatTpReadReport report;
    if (int status = ReadTableFile(db, path, io, &report); status != kExitOk) return status;
    PrintReadWarnings(io, path, report);
    // Another name or a link to the same file is the same file.
    if (report.Empty() || force || out.empty() || !SameFile(path, out)) return kExitOk;
    const std::size_t n = report.Count();
    PrintError(io, "not writing " + EscapeControls(out) + " over the file it was read from: the " +
                       std::to_string(n) + (n == 1 ? " finding" : " findings") +
                       " listed above would be lost (--force writes it anyway)");
    return kExitFailed;
}

namespace {

struct FileArgs {
    std::vector<std::string> files;
    bool force = false;
};

const CommandOptions<FileArgs>& DumpDeclared() {
    static const CommandOptions<FileArgs> options(
        {Line{"FILE", "the sattp.csv table to read"}}, &FileArgs::files, 1);
    return options;
}

const CommandOptions<FileArgs>& NormalizeDeclared() {
    static const CommandOptions<FileArgs> options(
        {Line{"IN", "the sattp.csv table to read"},
         Line{"OUT", "the file to write (replaced only once it is whole)"},
         Switch("--force", &FileArgs::force,
                "write OUT even when it is IN and IN was not read completely")},
        &FileArgs::files, 2);
    return options;
}

}  // namespace

const std::vector<OptionLine>& DumpOptions() { return DumpDeclared().HelpLines(); }
const std::vector<OptionLine>& NormalizeOptions() { return NormalizeDeclared().HelpLines(); }

int RunDump(const std::vector<std::string>& args, CliStreams& io) {
    FileArgs parsed;
    if (!DumpDeclared().Parse(io, args, parsed)) return kExitUsage;
    const std::vector<std::string>& files = parsed.files;
    if (files.size() != 1) {
        PrintError(io, "missing FILE");
        return kExitUsage;
    }
    auto db = NewTable();
    if (int status = ReadTableFile(*db, files[0], io); status != kExitOk) return status;
    io.out << JsonText(DatabaseJson(*db)) << '\n';
    return kExitOk;
}

int RunNormalize(const std::vector<std::string>& args, CliStreams& io) {
    FileArgs parsed;
    if (!NormalizeDeclared().Parse(io, args, parsed)) return kExitUsage;
    const std::vector<std::string>& files = parsed.files;
    const bool force = parsed.force;
    if (files.size() != 2) {
        PrintError(io, files.empty() ? "missing IN and OUT" : "missing OUT");
        return kExitUsage;
    }
    auto db = NewTable();
    if (int status = ReadTableToRewrite(*db, files[0], files[1], force, io); status != kExitOk)
        return status;
    // What the file form cannot keep is said, as Save asks about it.
    std::vector<std::string> losses = DescribeSaveLosses(*db);
    if (!losses.empty()) PrintError(io, SaveLossNotice(losses));
    std::string whyNot;
    if (!WriteSatTpFile(*db, files[1].c_str(), &whyNot)) {
        PrintError(io, "cannot write " + files[1] + ": " + whyNot);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace velmora::cli
