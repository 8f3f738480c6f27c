// The editing commands: the session finds in the view what an edit acts on,
// asks its question, runs the edit and shows what it changed.
#include "core/TextMark.h"
#include "session/Session.h"

namespace velmora {

namespace {

// The list row that shows transponder tpIndex under this filter; the rows
// before it are the same before and after the edit.
int RowOfTp(const SatTpDatabase& db, int tpIndex, int satFilter) {
    if (satFilter == -1) return tpIndex;
    int row = 0;
    for (int t = 0; t < tpIndex && t < db.tpCount; ++t) {
        if (db.tps[t].satIndex == satFilter) ++row;
    }
    return row;
}

}  // namespace

// The tables stay put while a long operation runs: it may be sending them.
void Session::RunEdit(const std::string& step, const std::string& question,
                      const std::function<EditChange()>& edit) {
    if (OperationRunning()) return;
    if (!question.empty() && !view_.AskYesNo(question)) return;
    ClearImportStatus();
    const EditChange change = edit();
    ShowEditChange(change);
    RecordStep(step);
    UpdateEditButtons();
    view_.StateChanged();
    if (!change.refusal.empty()) view_.ShowMessage(change.refusal);
}

void Session::ShowEditChange(const EditChange& change) {
    EditState& shown = state_.edit;
    switch (change.kind) {
        case EditChange::Kind::None:
            break;
        case EditChange::Kind::SatAdded:
            view_.AppendSatItem(change.index);
            break;
        case EditChange::Kind::SatChanged:
            view_.RefreshSatItem(change.index);
            // The list's satellite column names it.
            if (shown.displayMode == DISPLAY_TPS) view_.ShowTpList(shown.satFilter);
            break;
        case EditChange::Kind::TpAdded:
            // A list of another satellite does not show it, but the rows
            // behind it moved one slot up the table: that list is made anew.
            if (shown.satFilter < 0 || db_->tps[change.index].satIndex == shown.satFilter) {
                view_.InsertTpRow(change.index);
            } else {
                view_.ShowTpList(shown.satFilter);
            }
            break;
        case EditChange::Kind::TpChanged:
            view_.RefreshTpRow(RowOfTp(*db_, change.index, shown.satFilter), change.index);
            break;
        case EditChange::Kind::TpRemoved:
            view_.RemoveTpRow(RowOfTp(*db_, change.index, shown.satFilter));
            break;
        case EditChange::Kind::TpsRemoved:
            view_.ShowTpList(shown.satFilter);
            break;
        case EditChange::Kind::LnbChanged:
            view_.RefreshLnbRow(change.index);
            break;
        case EditChange::Kind::Tables:
            // Satellites were renumbered: all transponders, then the chosen
            // satellite where it went.
            shown.displayMode = DISPLAY_TPS;
            shown.satFilter = -1;
            view_.RebuildSatTree();
            view_.ShowTpList(-1);
            if (change.chosenSatellite >= 0) {
                shown.satFilter = change.chosenSatellite;
                view_.SelectSatItem(shown.satFilter);
                view_.ShowTpList(shown.satFilter);
            }
            break;
    }
}

void Session::SatAdd(const SatAddInput& in) {
    RunEdit(VELMORA_TR_NOOP("Core", "Add Satellite"), {}, [&] { return AddSatellite(*db_, in); });
}

void Session::SatDelete() {
    const int sat = state_.edit.satFilter;
    // A stray index from a meter names no satellite.
    if (sat < 0 || sat >= db_->satCount) return;
    RunEdit(VELMORA_TR_NOOP("Core", "Delete Satellite"), DeleteSatelliteQuestion(*db_, sat),
            [&] { return DeleteSatellite(*db_, sat); });
}

void Session::SatEdit(const SatAddInput& in) {
    const int sat = state_.edit.satFilter;
    RunEdit(VELMORA_TR_NOOP("Core", "Edit Satellite"), {},
            [&] { return EditSatellite(*db_, sat, in); });
}

void Session::TpAdd(const TpInput& in) {
    RunEdit(VELMORA_TR_NOOP("Core", "Add TP"), {}, [&] {
        if (state_.edit.displayMode == DISPLAY_TPS) return AddTp(*db_, in);
        // The dialog adds only while the list shows transponders.
        EditChange refused;
        refused.refusal = "Show the transponders to add one.";
        return refused;
    });
}

bool Session::ReadyToAddTp() {
    std::string refused = AddTpRefusal(*db_);
    if (!refused.empty()) view_.ShowMessage(refused);
    return refused.empty();
}

void Session::TpEdit(const TpInput& in) {
    if (state_.edit.displayMode != DISPLAY_TPS) return;
    const int tp = TpIndexForRow(*db_, view_.SelectedRow(), state_.edit.satFilter);
    RunEdit(VELMORA_TR_NOOP("Core", "Edit TP"), {}, [&] { return EditTp(*db_, tp, in); });
}

// One selected row asks about its transponder, several ask once for all.
void Session::TpDelete() {
    if (state_.edit.displayMode != DISPLAY_TPS) return;
    std::vector<int> rows = view_.SelectedRows();
    const bool one = rows.size() <= 1;
    if (one) rows = {view_.SelectedRow()};
    const std::vector<int> tps = TpsOfRows(*db_, rows, state_.edit.satFilter);
    if (tps.empty()) return;
    const int count = static_cast<int>(tps.size());
    RunEdit(count == 1 ? VELMORA_TR_NOOP("Core", "Delete TP")
                       : FillText(VELMORA_TR_NOOP("Core", "Delete %1 TPs"), {std::to_string(count)}),
            one ? DeleteTpQuestion(db_->tps[tps.front()]) : DeleteTpsQuestion(count),
            [&] { return DeleteTps(*db_, tps); });
}

void Session::LnbEdit(const LnbInput& in) {
    if (state_.edit.displayMode != DISPLAY_LNBS) return;
    const int lnb = view_.SelectedRow();
    RunEdit(VELMORA_TR_NOOP("Core", "Edit LNB"), {}, [&] { return EditLnb(*db_, lnb, in); });
}

void Session::TpSort(const TpSortSettings& settings) {
    if (state_.edit.displayMode != DISPLAY_TPS) return;
    const int chosen = state_.edit.satFilter;
    RunEdit(VELMORA_TR_NOOP("Core", "Sort TPs"), {},
            [&] { return SortTps(*db_, settings, chosen); });
}

}  // namespace velmora
