// Transponder lists into and out of the session's tables. The merge is one
// change of the tables, made in one place, so that it stays one step for
// whatever keeps the history of changes.
#include "exchange/SatellitesXmlWriter.h"
#include "ui/Session.h"

namespace velmora {

namespace {

// Short enough for the form's status line: "Import added 3400 TPs, 210 satellites".
std::string ImportStatus(const MergeCounts& c) {
    if (c.transpondersAdded == 0 && c.satellitesAdded == 0) return "Import added nothing";
    std::string text = "Import added " + std::to_string(c.transpondersAdded) +
                       (c.transpondersAdded == 1 ? " TP" : " TPs");
    if (c.satellitesAdded == 0) return text;
    return text + ", " + std::to_string(c.satellitesAdded) +
           (c.satellitesAdded == 1 ? " satellite" : " satellites");
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
    TablesChanged("Import");
    SetStatus(ImportStatus(counts));
    importStatusShown_ = true;
    return counts;
}

void Session::ClearImportStatus() {
    if (!importStatusShown_) return;
    importStatusShown_ = false;
    view_.SetControlText(IDC_STATUS, "");
}

MergeCounts Session::PreviewImport(const SourceList& list, const MergeOptions& options) const {
    return PreviewMerge(*db_, list, options);
}

bool Session::ExportSatellitesXml(const std::string& path) const {
    return WriteSatellitesXml(*db_, path);
}

}  // namespace velmora
