#include "ui/Session.h"

#include "db/SatTpFile.h"
#include "link/PortNames.h"
#include "ui/Commands.h"

namespace velmora {

namespace {

constexpr int kEditButtonsForTps[] = {IDC_TP_ADD, IDC_TP_EDIT, IDC_TP_DELETE, IDC_TP_SORT,
                                      IDC_SAT_DELETE};

struct PatchBox {
    int control;
    int SessionState::*state;
};
constexpr PatchBox kPatchBoxes[] = {
    {IDC_PATCH_SOFT, &SessionState::patchSoft},
    {IDC_PATCH_ICON, &SessionState::patchIcon},
    {IDC_PATCH_LOGO, &SessionState::patchLogo},
    {IDC_PATCH_SATTP, &SessionState::patchSatTp},
};

}  // namespace

Session::Session(SessionView& view, SessionOptions options)
    : view_(view), options_(std::move(options)), db_(std::make_unique<SatTpDatabase>()) {
    ClearDatabase(*db_);
    if (!options_.probePorts) options_.probePorts = ProbePorts;
}

Session::~Session() = default;

void Session::ProbePortsIntoSelector() {
    // The selector is not emptied first, and every port found is selected as
    // it is added, so the last one found ends up selected.
    int k = 0;
    for (const std::string& name : options_.probePorts()) {
        view_.AddPortName(name);
        view_.SelectPortIndex(k);
        ++k;
    }
}

void Session::StartUp() {
    RefreshFormControls();
    ProbePortsIntoSelector();
    state_.edit.modified = false;
    state_.logoPath.clear();
    state_.iconPath.clear();
    state_.softPath.clear();
    state_.dbPath = ReadLastPath(options_.historyFile);
    if (state_.dbPath.empty()) state_.dbPath = options_.defaultDbFile;
    ReadSatTpFile(*db_, state_.dbPath.c_str());
    state_.edit.displayMode = DISPLAY_TPS;
    UpdateEditButtons();
    view_.RebuildSatTree();
    view_.ShowTpList(state_.edit.satFilter);
    RefreshFormControls();
    view_.SetTitle(state_.dbPath);
    view_.StateChanged();
}

void Session::Open() {
    if (!IsEnabled(ID_FILE_OPEN)) return;
    std::optional<std::string> path = view_.AskOpenFile({"Open", DB_FILE_FILTER, ""});
    if (!path) return;
    ReadSatTpFile(*db_, path->c_str());
    state_.dbPath = *path;
    AppendHistory(options_.historyFile, state_.dbPath);
    state_.edit.displayMode = DISPLAY_TPS;
    view_.RebuildSatTree();
    state_.edit.satFilter = -1;
    view_.ShowTpList(-1);
    UpdateEditButtons();
    RefreshFormControls();
    view_.SetTitle(state_.dbPath);
    view_.StateChanged();
}

bool Session::WriteTo(const std::string& path) {
    if (WriteSatTpFile(*db_, path.c_str())) return true;
    view_.ShowMessage("Save file error !");
    return false;
}

bool Session::Save() {
    if (state_.dbPath.empty()) return SaveAs();
    if (!WriteTo(state_.dbPath)) return false;
    state_.edit.modified = false;
    view_.StateChanged();
    return true;
}

bool Session::SaveAs() {
    std::optional<std::string> path = view_.AskSaveFile({"Save as", DB_FILE_FILTER, "csv"});
    if (!path) return false;
    if (!WriteTo(*path)) return false;
    state_.dbPath = *path;
    AppendHistory(options_.historyFile, state_.dbPath);
    view_.SetTitle(state_.dbPath);
    state_.edit.modified = false;
    view_.StateChanged();
    return true;
}

bool Session::ConfirmDiscard() {
    if (!state_.edit.modified) return true;
    std::string question =
        state_.dbPath.empty() ? "Save changes ?" : "Save changes to " + state_.dbPath + " ?";
    switch (view_.AskSaveChanges(question)) {
        case SaveChangesAnswer::Yes: return Save();
        case SaveChangesAnswer::No: return true;
        case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

void Session::New() {
    if (!IsEnabled(ID_FILE_NEW)) return;
    if (!ConfirmDiscard()) return;
    StartUp();
}

CloseDecision Session::RequestClose() {
    OperationFlags& f = state_.flags;
    if (f.runFlag || f.batchRunning) {
        f.runFlag = 0;
        if (f.batchRunning) f.batchStopRequested = 1;
        return CloseDecision::Repost;
    }
    // Stopped but not yet unwound: the window must outlive the operation.
    if (f.busyFlag) return CloseDecision::Repost;
    return ConfirmDiscard() ? CloseDecision::CloseNow : CloseDecision::Stay;
}

void Session::DisplayTransponders() {
    if (state_.edit.displayMode == DISPLAY_TPS) return;
    state_.edit.displayMode = DISPLAY_TPS;
    view_.ShowTpList(state_.edit.satFilter);
    UpdateEditButtons();
}

void Session::DisplayLnb() {
    if (state_.edit.displayMode == DISPLAY_LNBS) return;
    state_.edit.displayMode = DISPLAY_LNBS;
    view_.ShowLnbList();
    UpdateEditButtons();
}

void Session::TreeSelectionChanged(bool isRoot, const std::string& itemText) {
    if (isRoot) {
        state_.edit.satFilter = -1;
    } else {
        for (int i = 0; i < db_->satCount; ++i) {
            if (SatelliteLabel(*db_, i) == itemText) {
                state_.edit.satFilter = i;
                break;
            }
        }
    }
    state_.edit.displayMode = DISPLAY_TPS;
    view_.ShowTpList(state_.edit.satFilter);
    UpdateEditButtons();
}

void Session::Stop() {
    state_.flags.runFlag = 0;
    // Between two batch steps no operation polls runFlag; the batch checks this.
    if (state_.flags.batchRunning) state_.flags.batchStopRequested = 1;
}

void Session::PatchCheckBoxesClicked() {
    for (const PatchBox& box : kPatchBoxes) state_.*box.state = view_.GetCheck(box.control) ? 1 : 0;
    view_.StateChanged();
}

// The tables stay put while a long operation runs: it may be sending them.
void Session::RunEdit(const std::function<void()>& edit) {
    if (state_.flags.busyFlag) return;
    edit();
    view_.StateChanged();
}

void Session::SatAdd(const SatAddInput& in) {
    RunEdit([&] { AddSatellite(*db_, state_.edit, view_, in); });
}
void Session::SatDelete() {
    RunEdit([&] { DeleteSatellite(*db_, state_.edit, view_); });
}
void Session::TpAdd(const TpInput& in) {
    RunEdit([&] { AddTp(*db_, state_.edit, view_, in); });
}
void Session::TpEdit(const TpInput& in) {
    RunEdit([&] { EditTp(*db_, state_.edit, view_, in); });
}
void Session::TpDelete() {
    RunEdit([&] { DeleteTp(*db_, state_.edit, view_); });
}
void Session::LnbEdit(const LnbInput& in) {
    RunEdit([&] { EditLnb(*db_, state_.edit, view_, in); });
}
void Session::TpSort(const TpSortSettings& settings) {
    RunEdit([&] { SortTps(*db_, state_.edit, view_, settings); });
}

bool Session::IsEnabled(int commandId) const {
    const SessionState& s = state_;
    bool tables = db_->tpCount > 0 && db_->satCount > 0;
    switch (commandId) {
        case ID_FILE_SAVE: return s.edit.modified;
        case ID_WRITE_LOGO: return PathUsable(s.logoPath);
        case ID_WRITE_ICON: return PathUsable(s.iconPath);
        case ID_SOFT_UPGRADE: return PathUsable(s.softPath);
        case ID_CREATE_FLASH: return PathUsable(s.iconPath) && PathUsable(s.logoPath) && tables;
        case ID_PATCH_UP:
            return (s.patchIcon == 1 && PathUsable(s.iconPath)) ||
                   (s.patchLogo == 1 && PathUsable(s.logoPath)) ||
                   (s.patchSoft == 1 && PathUsable(s.softPath)) || (s.patchSatTp == 1 && tables);
        // Loading other tables while an operation sends or receives them
        // would pull them out from under it.
        case ID_FILE_OPEN:
        case ID_FILE_NEW:
        // Taking the meter's table replaces the document's.
        case ID_COMPARE_METER: return s.flags.busyFlag == 0;
        default: return true;
    }
}

void Session::UpdateEditButtons() {
    bool tps = state_.edit.displayMode == DISPLAY_TPS;
    for (int id : kEditButtonsForTps) view_.EnableControl(id, tps);
    view_.EnableControl(IDC_LNB_EDIT, !tps);
}

void Session::SetStatus(const std::string& text) { view_.SetControlText(IDC_STATUS, text); }

void Session::BeginProgress(const std::string& text, int maximum) {
    SetStatus(text);
    view_.SetProgressRange(maximum);
    view_.SetProgressPos(0);
}

void Session::SetProgress(int position) { view_.SetProgressPos(position); }
void Session::PumpOnce() { view_.PumpOnce(); }
void Session::ShowMessage(const std::string& text) { view_.ShowMessage(text); }
bool Session::AskYesNo(const std::string& question) { return view_.AskYesNo(question); }
void Session::BeginWaitCursor() { view_.BeginWaitCursor(); }
void Session::EndWaitCursor() { view_.EndWaitCursor(); }
std::string Session::SelectedPortName() { return view_.SelectedPortName(); }
void Session::EnablePortSelector(bool enable) { view_.EnablePortSelector(enable); }

void Session::RefreshFormControls() {
    for (const PatchBox& box : kPatchBoxes) view_.SetCheck(box.control, state_.*box.state != 0);
}

void Session::TablesReplacedByRead() {
    state_.edit.modified = true;
    state_.dbPath.clear();
    view_.SetTitle("");
    state_.edit.satFilter = -1;
    state_.edit.displayMode = DISPLAY_TPS;
    view_.RebuildSatTree();
    view_.ShowTpList(-1);
    UpdateEditButtons();
    view_.StateChanged();
}

}  // namespace velmora
