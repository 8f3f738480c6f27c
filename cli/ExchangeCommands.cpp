// velmora-cli import and export: transponder lists into a sattp.csv table,
// and the table out as satellites.xml.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/CliCommands.h"
#include "db/MessageText.h"
#include "db/SatTpFile.h"
#include "exchange/ListMerge.h"
#include "exchange/SatellitesXmlWriter.h"

namespace velmora::cli {

namespace {

std::unique_ptr<SatTpDatabase> ReadTable(const std::string& path, CliStreams& io) {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    SatTpReadReport report;
    if (ReadSatTpFile(*db, path.c_str(), nullptr, &report) == 0) {
        PrintReadWarnings(io, path, report);
        return db;
    }
    if (::access(path.c_str(), R_OK) != 0) {
        PrintError(io, "cannot open " + path + ": " + std::strerror(errno));
    } else {
        PrintError(io, path + " has no sattp.csv header line");
    }
    return nullptr;
}

// "--lnb 3": the user's LNB 1..16 as a record index 0..15.
bool ParseLnb(const std::string& text, int& index) {
    int n = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < 1 || n > LNB_COUNT)
        return false;
    index = n - 1;
    return true;
}

struct ImportArgs {
    std::vector<std::string> files;  // SOURCE TABLE
    std::string out;
    std::vector<int> sats;
    std::vector<std::string> satTexts;
    MergeOptions merge;
    ListReadOptions read;
    bool json = false;
};

// False, with the reason on the error stream, for anything the synopsis
// does not allow.
bool ParseImportArgs(const std::vector<std::string>& args, ImportArgs& a, CliStreams& io) {
    auto bad = [&](const std::string& message) {
        PrintError(io, EscapeControls(message));
        return false;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool takesValue = arg == "-o" || arg == "--sat" || arg == "--lnb" ||
                          arg == "--c-band-lnb" || arg == "--format" || arg == "--position";
        if (takesValue && i + 1 >= args.size()) return bad(arg + " needs a value");
        const std::string value = takesValue ? args[++i] : std::string();
        int tenths = 0;
        if (arg == "-o") {
            a.out = value;
        } else if (arg == "--sat") {
            if (!ParsePositionText(value, tenths))
                return bad("--sat wants a position like 19.2E or 30.0W, not '" + value + "'");
            a.sats.push_back(tenths);
            a.satTexts.push_back(value);
        } else if (arg == "--position") {
            if (!ParsePositionText(value, tenths))
                return bad("--position wants a position like 19.2E or 30.0W, not '" + value + "'");
            a.read.position = tenths;
        } else if (arg == "--lnb" || arg == "--c-band-lnb") {
            if (!ParseLnb(value, arg == "--lnb" ? a.merge.kuLnb : a.merge.cBandLnb))
                return bad(arg + " wants an LNB from 1 to 16, not '" + value + "'");
        } else if (arg == "--format") {
            if (!ParseListFormat(value, a.read.format))
                return bad("--format wants xml, ini or dvbv5, not '" + value + "'");
        } else if (arg == "--replace") {
            a.merge.replace = true;
        } else if (arg == "--json") {
            a.json = true;
        } else if (!arg.empty() && arg[0] != '-') {
            a.files.push_back(arg);
        } else {
            return bad("unknown option '" + arg + "'");
        }
    }
    if (a.files.size() != 2 || a.out.empty()) return false;
    return true;
}

void PrintCounts(std::ostream& out, const MergeCounts& c, bool json) {
    if (json) {
        nlohmann::ordered_json j{{"matched", c.matched},
                                 {"satellitesAdded", c.satellitesAdded},
                                 {"transpondersAdded", c.transpondersAdded},
                                 {"duplicates", c.duplicates},
                                 {"replaced", c.replaced},
                                 {"leftOut", c.leftOut},
                                 {"invalid", c.invalid}};
        out << j.dump() << '\n';
        return;
    }
    out << MergeSummary(c) << '\n';
}

}  // namespace

int RunImport(const std::vector<std::string>& args, CliStreams& io) {
    ImportArgs a;
    if (!ParseImportArgs(args, a, io)) return kExitUsage;
    const std::string& source = a.files[0];
    const std::string& tablePath = a.files[1];

    SourceList list;
    ListError error;
    if (!ReadTransponderList(source, a.read, list, error)) {
        PrintError(io, ErrorText(error));
        return kExitFailed;
    }
    if (!a.sats.empty()) {
        a.merge.selected.assign(list.satellites.size(), false);
        for (std::size_t s = 0; s < a.sats.size(); ++s) {
            bool found = false;
            for (std::size_t i = 0; i < list.satellites.size(); ++i) {
                if (list.satellites[i].position != a.sats[s]) continue;
                a.merge.selected[i] = true;
                found = true;
            }
            if (!found) {
                PrintError(io, EscapeControls(source) + " has no satellite at " + a.satTexts[s]);
                return kExitUsage;
            }
        }
    }
    auto db = ReadTable(tablePath, io);
    if (db == nullptr) return kExitFailed;
    MergeCounts counts = MergeTransponderList(*db, list, a.merge);
    std::string whyNot;
    if (!WriteSatTpFile(*db, a.out.c_str(), nullptr, &whyNot)) {
        PrintError(io, "cannot write " + a.out + ": " + whyNot);
        return kExitFailed;
    }
    PrintCounts(io.out, counts, a.json);
    return kExitOk;
}

int RunExport(const std::vector<std::string>& args, CliStreams& io) {
    std::string table;
    std::string out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size() && out.empty()) {
            out = args[++i];
        } else if (table.empty() && !args[i].empty() && args[i][0] != '-') {
            table = args[i];
        } else {
            return kExitUsage;
        }
    }
    if (table.empty() || out.empty()) return kExitUsage;
    auto db = ReadTable(table, io);
    if (db == nullptr) return kExitFailed;
    std::string whyNot;
    if (!WriteSatellitesXml(*db, out, &whyNot)) {
        PrintError(io, "cannot write " + out + ": " + whyNot);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace velmora::cli
