// Transponder lists into and out of the session's tables. The merge is one
// change of the tables, made in one place, so that it stays one step for
// whatever keeps the history of changes.
#include <algorithm>

#include "core/MessageText.h"
#include "core/TextMark.h"
#include "exchange/ListDownload.h"
#include "exchange/SatellitesXmlWriter.h"
#include "session/Session.h"

namespace velmora {

namespace {

// Short enough for the form's status line: "Import added 3400 TPs, 210 satellites".
// Each count of one is a template of its own, so a translation can word it.
std::string ImportStatus(const MergeCounts& c) {
    const std::string tps = std::to_string(c.transpondersAdded);
    const std::string sats = std::to_string(c.satellitesAdded);
    const bool oneTp = c.transpondersAdded == 1;
    if (c.satellitesAdded == 0) {
        if (c.transpondersAdded == 0) return VELMORA_TR_NOOP("Core", "Import added nothing");
        return oneTp ? VELMORA_TR_NOOP("Core", "Import added 1 TP")
                     : FillText(VELMORA_TR_NOOP("Core", "Import added %1 TPs"), {tps});
    }
    if (c.satellitesAdded == 1) {
        return oneTp ? VELMORA_TR_NOOP("Core", "Import added 1 TP, 1 satellite")
                     : FillText(VELMORA_TR_NOOP("Core", "Import added %1 TPs, 1 satellite"), {tps});
    }
    return oneTp ? FillText(VELMORA_TR_NOOP("Core", "Import added 1 TP, %1 satellites"), {sats})
                 : FillText(VELMORA_TR_NOOP("Core", "Import added %1 TPs, %2 satellites"),
                            {tps, sats});
}

}  // namespace

std::optional<MergeCounts> Session::ApplyImport(const SourceList& list,
                                                const MergeOptions& options) {
    // The tables stay put while a long operation runs: it may be sending them.
    if (OperationRunning()) return std::nullopt;
    MergeCounts counts = MergeTransponderList(*db_, list, options);
    // New satellites change the tree's numbering; show the whole list. The
    // whole merge is one step of the history (none when nothing changed).
    state_.edit.satFilter = -1;
    state_.edit.displayMode = DISPLAY_TPS;
    TablesChanged(VELMORA_TR_NOOP("Core", "Import"));
    SetStatus(ImportStatus(counts));
    importStatusShown_ = true;
    return counts;
}

void Session::ClearImportStatus() {
    if (!importStatusShown_) return;
    importStatusShown_ = false;
    view_.SetControlText(FormControl::Status, "");
}

MergeCounts Session::PreviewImport(const SourceList& list, const MergeOptions& options) const {
    return PreviewMerge(*db_, list, options);
}

MergeChanges Session::PreviewImportChanges(const SourceList& list,
                                           const MergeOptions& options) const {
    return PreviewMergeChanges(*db_, list, options);
}

bool Session::FetchList(const std::string& source, SourceList& list, ListError& error) {
    list = SourceList{};
    if (!IsListUrl(source)) return ReadTransponderList(source, {}, list, error);
    if (OperationRunning()) {
        error = ListError{source, 0, "cannot be downloaded while another operation runs", true};
        return false;
    }
    // A download is a long operation: the edits and the port wait, and Stop
    // (or closing the window) ends it at the next progress call.
    OperationFlags& flags = state_.flags;
    flags.busyFlag = 1;
    flags.runFlag = !flags.stopRequested.exchange(false);
    view_.StateChanged();
    BeginProgress(FillText(VELMORA_TR_NOOP("Core", "Downloading %1"), {EscapeControls(source)}),
                  1000);
    DownloadOptions download;
    download.stallTimeoutMs = options_.downloadStallMs;
    download.maxTimeMs = options_.downloadMaxMs;
    download.progress = [this, &flags](std::size_t received, std::size_t total) {
        if (total > 0)
            SetProgress(static_cast<int>(std::min<std::size_t>(received, total) * 1000 / total));
        PumpOnce();
        return flags.runFlag != 0;
    };
    bool ok = FetchTransponderList(source, {}, download, list, error);
    flags.runFlag = 0;
    flags.stopRequested = false;
    flags.busyFlag = 0;
    SetProgress(0);
    SetStatus(ok ? "" : VELMORA_TR_NOOP("Core", "Download failed"));
    OperationEnded();
    return ok;
}

bool Session::ListCatalog(std::vector<CatalogEntry>& entries, std::string& whyNot) const {
    return ListScanCatalog(options_.scanTableFolder, entries, whyNot);
}

std::string Session::ExportProposedPath() const {
    std::string path = state_.dbPath.empty() ? options_.defaultDbFile : state_.dbPath;
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash + 1))
        path.erase(dot);
    return path + ".xml";
}

bool Session::ExportSatellitesXml(const std::string& path, std::string* sentence) const {
    std::string whyNot;
    if (!WriteSatellitesXml(*db_, path, &whyNot)) {
        if (sentence != nullptr) {
            *sentence = FillText(VELMORA_TR_NOOP("Core", "Cannot write %1: %2"),
                                 {EscapeControls(path), whyNot});
        }
        return false;
    }
    if (sentence == nullptr) return true;
    // The file holds the satellites that have transponders, as the writer does.
    const int satCount = UsedSatellites(*db_);
    std::vector<bool> used(static_cast<std::size_t>(satCount), false);
    int tps = 0;
    for (int t = 0; t < UsedTps(*db_); ++t) {
        if (db_->tps[t].satIndex >= satCount) continue;
        used[db_->tps[t].satIndex] = true;
        ++tps;
    }
    const auto sats = std::count(used.begin(), used.end(), true);
    // Each count of one is a template of its own, so a translation can word it.
    const std::string file = EscapeControls(path);
    if (sats == 1 && tps == 1) {
        *sentence = FillText(
            VELMORA_TR_NOOP("Core", "Exported 1 satellite and 1 transponder to %1"), {file});
    } else if (sats == 1) {
        *sentence =
            FillText(VELMORA_TR_NOOP("Core", "Exported 1 satellite and %1 transponders to %2"),
                     {std::to_string(tps), file});
    } else if (tps == 1) {
        *sentence =
            FillText(VELMORA_TR_NOOP("Core", "Exported %1 satellites and 1 transponder to %2"),
                     {std::to_string(sats), file});
    } else {
        *sentence =
            FillText(VELMORA_TR_NOOP("Core", "Exported %1 satellites and %2 transponders to %3"),
                     {std::to_string(sats), std::to_string(tps), file});
    }
    return true;
}

}  // namespace velmora
