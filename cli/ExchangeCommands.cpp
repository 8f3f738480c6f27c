// velmora-cli import and export: transponder lists into a sattp.csv table,
// and the table out as satellites.xml.
#include <algorithm>
#include <charconv>
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "cli/ListSource.h"
#include "core/MessageText.h"
#include "core/SatTpFile.h"
#include "exchange/ListMerge.h"
#include "exchange/MergeChanges.h"
#include "exchange/SatellitesXmlWriter.h"

namespace velmora::cli {

namespace {

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
    int stallTimeoutMs = DownloadOptions{}.stallTimeoutMs;
    int maxTimeMs = DownloadOptions{}.maxTimeMs;
    bool json = false;
    bool dryRun = false;
    bool force = false;
    // As given, before they are checked.
    std::vector<std::string> satGiven;
    std::string lnb, cBandLnb, kaBandLnb, format, position, timeout, maxTime;
    bool replace = false;
};

const CommandOptions<ImportArgs>& ImportDeclared() {
    using A = ImportArgs;
    static const CommandOptions<ImportArgs> options(
        {Line{"SOURCE",
              "the transponder list: satellites.xml, .ini or a dvbv5 scan table; a file or an "
              "http:// or https:// URL"},
         Line{"TABLE", "the sattp.csv table to merge into (not changed unless it is OUT)"},
         Value("--output", "OUT", &A::out,
               "the table to write (may be TABLE; replaced only once whole)", "-o"),
         EveryValue("--sat", "POS", &A::satGiven,
                    "take only the satellite at this position (19.2E, 30.0W); repeatable"),
         Switch("--replace", &A::replace,
                "replace the transponders of matched satellites instead of adding"),
         Value("--lnb", "N", &A::lnb, "the LNB (1..16) of new Ku-band satellites (default 1)"),
         Value("--c-band-lnb", "N", &A::cBandLnb, "the LNB (1..16) of new C-band satellites"),
         Value("--ka-band-lnb", "N", &A::kaBandLnb,
               "the LNB (1..16) of new Ka-band satellites (above 17300 MHz)"),
         Value("--format", "F", &A::format,
               "read SOURCE as xml, ini or dvbv5 instead of recognising it"),
         Value("--position", "POS", &A::position,
               "the position of a dvbv5 list (wins over its file or URL name)"),
         Value("--timeout", "SECONDS", &A::timeout,
               "end a download after this long without data (default 30)"),
         Value("--max-time", "SECONDS", &A::maxTime,
               "end a download that takes longer than this (default 300)"),
         Switch("--dry-run", &A::dryRun,
                "write nothing; print what the merge would change, satellite by satellite "
                "(not with -o)"),
         Switch("--json", &A::json,
                "print the counts as one JSON object (with --dry-run also the changes of each "
                "satellite)"),
         Switch("--force", &A::force,
                "write OUT even when it is TABLE and TABLE was not read completely")},
        &A::files, 2);
    return options;
}

// False, with the reason on the error stream, for anything the synopsis
// does not allow.
bool ParseImportArgs(const std::vector<std::string>& args, ImportArgs& a, CliStreams& io) {
    if (!ImportDeclared().Parse(io, args, a)) return false;
    a.merge.replace = a.replace;
    const std::string& lnb = a.lnb;
    const std::string& cBandLnb = a.cBandLnb;
    const std::string& kaBandLnb = a.kaBandLnb;
    const std::string& format = a.format;
    const std::string& position = a.position;
    auto bad = [&](const std::string& message) {
        PrintError(io, EscapeControls(message));
        return false;
    };
    if (a.files.size() != 2)
        return bad(a.files.empty() ? "missing SOURCE and TABLE" : "missing TABLE");
    // A dry run writes nothing; an -o beside it would read as if it did.
    if (a.dryRun && !a.out.empty()) return bad("--dry-run writes nothing: leave out -o");
    if (!a.dryRun && !RequireOption(io, a.out, "-o OUT (or --dry-run)")) return false;
    for (const std::string& text : a.satGiven) {
        int tenths = 0;
        if (!ParsePositionText(text, tenths))
            return bad("--sat wants a position like 19.2E or 30.0W, not '" + text + "'");
        a.sats.push_back(tenths);
        a.satTexts.push_back(text);
    }
    int tenths = 0;
    if (!position.empty()) {
        if (!ParsePositionText(position, tenths))
            return bad("--position wants a position like 19.2E or 30.0W, not '" + position + "'");
        a.read.position = tenths;
    }
    if (!lnb.empty() && !ParseLnb(lnb, a.merge.kuLnb))
        return bad("--lnb wants an LNB from 1 to 16, not '" + lnb + "'");
    if (!cBandLnb.empty() && !ParseLnb(cBandLnb, a.merge.cBandLnb))
        return bad("--c-band-lnb wants an LNB from 1 to 16, not '" + cBandLnb + "'");
    if (!kaBandLnb.empty() && !ParseLnb(kaBandLnb, a.merge.kaBandLnb))
        return bad("--ka-band-lnb wants an LNB from 1 to 16, not '" + kaBandLnb + "'");
    if (!format.empty() && !ParseListFormat(format, a.read.format))
        return bad("--format wants xml, ini or dvbv5, not '" + format + "'");
    if (!a.timeout.empty() && !ParseTimeoutOption(io, "--timeout", a.timeout, a.stallTimeoutMs))
        return false;
    if (!a.maxTime.empty() && !ParseTimeoutOption(io, "--max-time", a.maxTime, a.maxTimeMs))
        return false;
    return true;
}

nlohmann::ordered_json CountsJson(const MergeCounts& c) {
    return {{"matched", c.matched},
            {"satellitesAdded", c.satellitesAdded},
            {"transpondersAdded", c.transpondersAdded},
            {"duplicates", c.duplicates},
            {"replaced", c.replaced},
            {"leftOut", c.leftOut},
            {"invalid", c.invalid}};
}

void PrintCounts(std::ostream& out, const MergeCounts& c, bool json) {
    if (json) {
        out << CountsJson(c).dump() << '\n';
        return;
    }
    out << MergeSummary(c) << '\n';
}

// The counts and, per satellite touched, its transponders added, removed
// and changed.
void PrintChanges(std::ostream& out, const MergeChanges& changes, bool json) {
    if (!json) {
        out << MergeChangesText(changes);
        return;
    }
    nlohmann::ordered_json j = CountsJson(changes.counts);
    nlohmann::ordered_json sats = nlohmann::ordered_json::array();
    for (const SatelliteChanges& s : changes.satellites) {
        nlohmann::ordered_json changed = nlohmann::ordered_json::array();
        for (const TpChange& c : s.changed)
            changed.push_back({{"from", c.before}, {"to", c.after}});
        sats.push_back({{"name", s.name},
                        {"position", FormatPosition(s.position)},
                        {"new", s.isNew},
                        {"added", s.added},
                        {"removed", s.removed},
                        {"changed", changed}});
    }
    j["satellites"] = std::move(sats);
    // Names are bytes: what is not UTF-8 becomes U+FFFD rather than an exception.
    out << j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

}  // namespace

int RunImport(const std::vector<std::string>& args, CliStreams& io) {
    ImportArgs a;
    if (!ParseImportArgs(args, a, io)) return kExitUsage;
    const std::string& source = a.files[0];
    const std::string& tablePath = a.files[1];
    if (io.checkOnly && IsListUrl(source)) {
        auto table = NewTable();
        return ReadTableFile(*table, tablePath, io);
    }

    SourceList list;
    ListError error;
    if (!FetchListFromTerminal(source, a.read, a.stallTimeoutMs, a.maxTimeMs, io, list,
                               error)) {
        PrintError(io, ErrorText(error));
        return error.unreadable ? kExitCannotOpen : kExitFailed;
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
    auto db = NewTable();
    if (int status = ReadTableToRewrite(*db, tablePath, a.out, a.force, io); status != kExitOk)
        return status;
    if (a.dryRun) {
        PrintChanges(io.out, PreviewMergeChanges(*db, list, a.merge), a.json);
        return kExitOk;
    }
    MergeCounts counts = MergeTransponderList(*db, list, a.merge);
    std::string whyNot;
    if (!WriteSatTpFile(*db, a.out.c_str(), &whyNot)) {
        PrintError(io, "cannot write " + a.out + ": " + whyNot);
        return kExitFailed;
    }
    PrintCounts(io.out, counts, a.json);
    return kExitOk;
}

namespace {

struct ExportArgs {
    std::vector<std::string> table;
    std::string out;
};

const CommandOptions<ExportArgs>& ExportDeclared() {
    static const CommandOptions<ExportArgs> options(
        {Line{"TABLE", "the sattp.csv table to read"},
         Value("--output", "OUT.xml", &ExportArgs::out, "the satellites.xml file to write", "-o")},
        &ExportArgs::table, 1);
    return options;
}

}  // namespace

const std::vector<OptionLine>& ImportOptions() { return ImportDeclared().HelpLines(); }
const std::vector<OptionLine>& ExportOptions() { return ExportDeclared().HelpLines(); }

int RunExport(const std::vector<std::string>& args, CliStreams& io) {
    ExportArgs parsed;
    const std::vector<std::string>& table = parsed.table;
    const std::string& out = parsed.out;
    if (!ExportDeclared().Parse(io, args, parsed) ||
        !RequireOption(io, table.empty() ? "" : table[0], "TABLE") ||
        !RequireOption(io, out, "-o OUT.xml")) {
        return kExitUsage;
    }
    auto db = NewTable();
    if (int status = ReadTableFile(*db, table[0], io); status != kExitOk) return status;
    std::string whyNot;
    if (!WriteSatellitesXml(*db, out, &whyNot)) {
        PrintError(io, "cannot write " + out + ": " + whyNot);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace velmora::cli
