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
};

// False, with the reason on the error stream, for anything the synopsis
// does not allow.
bool ParseImportArgs(const std::vector<std::string>& args, ImportArgs& a, CliStreams& io) {
    std::vector<std::string> satTexts;
    std::string lnb;
    std::string cBandLnb;
    std::string kaBandLnb;
    std::string format;
    std::string position;
    std::string timeout;
    std::string maxTime;
    if (!ParseArguments(io, args,
                        {{"--output", &a.out, nullptr, "-o"},
                         {"--sat", nullptr, nullptr, nullptr, &satTexts},
                         {"--lnb", &lnb},
                         {"--c-band-lnb", &cBandLnb},
                         {"--ka-band-lnb", &kaBandLnb},
                         {"--format", &format},
                         {"--position", &position},
                         {"--timeout", &timeout},
                         {"--max-time", &maxTime},
                         {"--replace", nullptr, &a.merge.replace},
                         {"--json", nullptr, &a.json},
                         {"--dry-run", nullptr, &a.dryRun},
                         {"--force", nullptr, &a.force}},
                        &a.files, 2)) {
        return false;
    }
    auto bad = [&](const std::string& message) {
        PrintError(io, EscapeControls(message));
        return false;
    };
    if (a.files.size() != 2)
        return bad(a.files.empty() ? "missing SOURCE and TABLE" : "missing TABLE");
    // A dry run writes nothing; an -o beside it would read as if it did.
    if (a.dryRun && !a.out.empty()) return bad("--dry-run writes nothing: leave out -o");
    if (!a.dryRun && !RequireOption(io, a.out, "-o OUT (or --dry-run)")) return false;
    for (const std::string& text : satTexts) {
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
    if (!timeout.empty() && !ParseTimeoutOption(io, "--timeout", timeout, a.stallTimeoutMs))
        return false;
    if (!maxTime.empty() && !ParseTimeoutOption(io, "--max-time", maxTime, a.maxTimeMs))
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

int RunExport(const std::vector<std::string>& args, CliStreams& io) {
    std::vector<std::string> table;
    std::string out;
    if (!ParseArguments(io, args, {{"--output", &out, nullptr, "-o"}}, &table, 1) ||
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
