// Transponder lists into and out of the session's tables. The merge is one
// change of the tables, made in one place, so that it stays one step for
// whatever keeps the history of changes.
#include "exchange/SatellitesXmlWriter.h"
#include "ui/Session.h"

namespace velmora {

std::optional<MergeCounts> Session::ApplyImport(const SourceList& list,
                                                const MergeOptions& options) {
    // The tables stay put while a long operation runs: it may be sending them.
    if (state_.flags.busyFlag) return std::nullopt;
    MergeCounts counts = MergeTransponderList(*db_, list, options);
    bool changed = counts.satellitesAdded > 0 || counts.transpondersAdded > 0 || counts.replaced > 0;
    if (changed) state_.edit.modified = true;
    // New satellites change the tree's numbering; show the whole list.
    state_.edit.satFilter = -1;
    state_.edit.displayMode = DISPLAY_TPS;
    view_.RebuildSatTree();
    view_.ShowTpList(-1);
    UpdateEditButtons();
    view_.StateChanged();
    return counts;
}

MergeCounts Session::PreviewImport(const SourceList& list, const MergeOptions& options) const {
    return PreviewMerge(*db_, list, options);
}

bool Session::ExportSatellitesXml(const std::string& path) const {
    return WriteSatellitesXml(*db_, path);
}

}  // namespace velmora
