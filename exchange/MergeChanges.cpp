#include "exchange/MergeChanges.h"

#include <algorithm>
#include <map>
#include <memory>

#include "core/MessageText.h"
#include "core/TableCompare.h"

namespace velmora {

namespace {

// A source satellite as the changes name it: its name without a leading
// position, then its position ("Thor 5 0.8W"; "0.8W" for a bare position).
std::string SourceLabel(const SourceSatellite& sat) {
    int tenths = 0;
    std::string_view name = sat.name;
    name.remove_prefix(LeadingPositionText(name, tenths));
    while (!name.empty() && (name.front() == ' ' || name.front() == '\t')) name.remove_prefix(1);
    const std::string position = FormatPosition(static_cast<uint16_t>(sat.position));
    return name.empty() ? position : std::string(name) + " " + position;
}

}  // namespace

MergeChanges PreviewMergeChanges(const SatTpDatabase& db, const SourceList& list,
                                 const MergeOptions& options) {
    MergeChanges changes;
    auto after = std::make_unique<SatTpDatabase>(db);
    std::vector<MergeMatch> matches;
    changes.counts = MergeTransponderList(*after, list, options, &matches);
    // The merge only appends satellites and never renames one, so a
    // transponder's satellite index means the same satellite in both tables.
    std::map<int, SatelliteChanges> bySatellite;
    const int oldSats = UsedSatellites(db);
    for (const TableDifference& d : CompareTables(db, *after).differences) {
        if (d.kind != TableKind::Tp) continue;
        const bool added = d.change == DiffChange::Added;
        const TpRecord& tp = added ? d.tpAfter : d.tpBefore;
        auto [it, inserted] = bySatellite.try_emplace(tp.satIndex);
        SatelliteChanges& sat = it->second;
        if (inserted) {
            const SatRecord& rec = added ? d.satAfter : d.satBefore;
            sat.name = SatName(rec);
            sat.position = rec.position;
            sat.isNew = tp.satIndex >= oldSats;
        }
        switch (d.change) {
            case DiffChange::Added:
                sat.added.push_back(TpValueText(tp));
                break;
            case DiffChange::Removed:
                sat.removed.push_back(TpValueText(tp));
                break;
            case DiffChange::Changed:
                sat.changed.push_back({TpValueText(d.tpBefore), TpValueText(d.tpAfter)});
                break;
        }
    }
    for (const MergeMatch& m : matches) {
        auto it = bySatellite.find(m.target);
        const SourceSatellite& source = list.satellites[m.source];
        if (it == bySatellite.end() || source.position == it->second.position) continue;
        std::vector<std::string>& from = it->second.matchedFrom;
        std::string label = SourceLabel(source);
        if (std::find(from.begin(), from.end(), label) == from.end()) from.push_back(label);
    }
    for (auto& [index, sat] : bySatellite) changes.satellites.push_back(std::move(sat));
    return changes;
}

std::string SatelliteChangesText(const std::vector<SatelliteChanges>& satellites) {
    std::string text;
    for (const SatelliteChanges& sat : satellites) {
        // Names come from the list and the table: nothing in them may act on a terminal.
        text += FormatPosition(sat.position) + " " + EscapeControls(sat.name) +
                (sat.isNew ? " (new)" : "") + ":";
        const char* separator = " ";
        auto count = [&](std::size_t n, const char* what) {
            if (n == 0) return;
            text += separator + std::to_string(n) + " " + what;
            separator = ", ";
        };
        count(sat.added.size(), "added");
        count(sat.removed.size(), "removed");
        count(sat.changed.size(), "changed");
        text += '\n';
        for (const std::string& from : sat.matchedFrom)
            text += "  " + EscapeControls(from) + " matched " + FormatPosition(sat.position) + " " +
                    EscapeControls(sat.name) + '\n';
        for (const std::string& tp : sat.added) text += "  + " + tp + '\n';
        for (const std::string& tp : sat.removed) text += "  - " + tp + '\n';
        for (const TpChange& c : sat.changed) text += "  ~ " + c.before + " -> " + c.after + '\n';
    }
    return text;
}

std::string MergeChangesText(const MergeChanges& changes) {
    return SatelliteChangesText(changes.satellites) + MergeSummary(changes.counts) + '\n';
}

}  // namespace velmora
