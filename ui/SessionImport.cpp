// Transponder lists into and out of the session's tables. The merge is one
// change of the tables, made in one place, so that it stays one step for
// whatever keeps the history of changes.
#include "exchange/SatellitesXmlWriter.h"
#include "ui/Session.h"

namespace velmora {

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
    return counts;
}

MergeCounts Session::PreviewImport(const SourceList& list, const MergeOptions& options) const {
    return PreviewMerge(*db_, list, options);
}

bool Session::ExportSatellitesXml(const std::string& path) const {
    return WriteSatellitesXml(*db_, path);
}

}  // namespace velmora
