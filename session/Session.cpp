#include "session/Session.h"

#include <algorithm>

#include "core/TextMark.h"
#include "serial/PortNames.h"
#include "session/Commands.h"

namespace velmora {

namespace {

constexpr FormControl kEditButtonsForTps[] = {FormControl::TpAdd, FormControl::TpEdit, FormControl::TpDelete, FormControl::TpSort};

struct PatchBox {
    FormControl control;
    int SessionState::*state;
};
constexpr PatchBox kPatchBoxes[] = {
    {FormControl::PatchSoft, &SessionState::patchSoft},
    {FormControl::PatchIcon, &SessionState::patchIcon},
    {FormControl::PatchLogo, &SessionState::patchLogo},
    {FormControl::PatchSattp, &SessionState::patchSatTp},
};

std::unique_ptr<LinkPort> MakePort(const SessionOptions& options) {
    if (options.makePort) return options.makePort();
    return std::make_unique<SerialPort>();
}

}  // namespace

Session::Session(SessionView& view, SessionOptions options)
    : view_(view),
      options_(std::move(options)),
      port_(MakePort(options_)),
      link_(*port_, *this),
      db_(std::make_unique<SatTpDatabase>()) {
    ClearDatabase(*db_);
    if (!options_.probePorts) options_.probePorts = ProbePorts;
}

Session::~Session() = default;

std::string ChooseStartPort(const std::vector<std::string>& found, const std::string& lastPort,
                            const std::vector<std::string>& usbPorts) {
    if (found.empty()) return {};
    if (!lastPort.empty() && std::find(found.begin(), found.end(), lastPort) != found.end()) {
        return lastPort;
    }
    // A meter is most likely on the one adapter plugged in.
    if (usbPorts.size() == 1) return usbPorts.front();
    return found.front();
}

void Session::ProbePortsIntoSelector() {
    std::vector<std::string> names = options_.probePorts();
    std::vector<std::string> usb;
    for (const std::string& name : names) {
        view_.AddPortName(name);
        if (IsUsbSerialDevice(ResolvePortDevice(name))) usb.push_back(name);
    }
    const std::string chosen = ChooseStartPort(names, options_.lastPort, usb);
    if (!chosen.empty()) view_.SelectPortName(chosen);
}

void Session::NotePortResult(OpResult result) {
    if (result != OpResult::Completed || link_.PortName().empty()) return;
    if (link_.PortName() == options_.lastPort) return;
    options_.lastPort = link_.PortName();
    view_.PortWorked(options_.lastPort);
}

bool Session::ConfirmDiscard() {
    if (!Modified()) return true;
    std::string question =
        state_.dbPath.empty()
            ? VELMORA_TR_NOOP("Core", "Save the changes to the table?")
            : FillText(VELMORA_TR_NOOP("Core", "Save the changes to %1?"), {state_.dbPath});
    switch (view_.AskSaveChanges(question)) {
        case SaveChangesAnswer::Yes: return Save();
        case SaveChangesAnswer::No: return true;
        case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

void Session::New() {
    if (!IsEnabled(CommandId::FileNew)) return;
    if (!ConfirmDiscard()) return;
    StartUp();
}

CloseDecision Session::RequestClose() {
    // A running operation is told to stop; the window asks again when it
    // has ended (it runs on a thread of its own there).
    if (OperationRunning()) {
        Stop();
        return CloseDecision::Stay;
    }
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
    state_.flags.stopRequested = true;
    state_.flags.runFlag = 0;
    // Between two batch steps no operation polls runFlag; the batch checks this.
    if (state_.flags.batchRunning) state_.flags.batchStopRequested = 1;
}

void Session::PatchCheckBoxesClicked() {
    for (const PatchBox& box : kPatchBoxes) state_.*box.state = view_.GetCheck(box.control) ? 1 : 0;
    view_.StateChanged();
}

// A step is recorded only when the tables changed; undoing back to the
// saved state then shows them unmodified.
void Session::RecordStep(const std::string& step) { history_.Record(step, *db_); }

void Session::TablesChanged(const std::string& step) {
    RecordStep(step);
    ShowRestoredTables();
}

void Session::Undo() {
    if (OperationRunning() || !history_.Undo(*db_)) return;
    ShowRestoredTables();
}

void Session::Redo() {
    if (OperationRunning() || !history_.Redo(*db_)) return;
    ShowRestoredTables();
}

std::string Session::UndoText() const {
    return history_.CanUndo() ? FillText(VELMORA_TR_NOOP("Core", "Undo %1"), {history_.UndoName()})
                              : "Undo";
}

std::string Session::RedoText() const {
    return history_.CanRedo() ? FillText(VELMORA_TR_NOOP("Core", "Redo %1"), {history_.RedoName()})
                              : "Redo";
}

void Session::ShowRestoredTables() {
    ClearImportStatus();
    // A chosen satellite that is gone falls back to all of them.
    int filter = state_.edit.satFilter;
    if (filter >= db_->satCount) filter = -1;
    state_.edit.satFilter = filter;
    view_.RebuildSatTree();
    if (filter >= 0) view_.SelectSatItem(filter);
    if (state_.edit.displayMode == DISPLAY_LNBS) {
        view_.ShowLnbList();
    } else {
        view_.ShowTpList(filter);
    }
    UpdateEditButtons();
    view_.StateChanged();
}

bool Session::IsEnabled(CommandId commandId) const { return CommandAllowed(*this, commandId); }

void Session::UpdateEditButtons() {
    bool tps = state_.edit.displayMode == DISPLAY_TPS;
    bool idle = !OperationRunning();
    for (FormControl id : kEditButtonsForTps) view_.EnableControl(id, tps && idle);
    // "All satellites" names none to edit or delete.
    int sat = state_.edit.satFilter;
    bool chosen = sat >= 0 && sat < db_->satCount;
    view_.EnableControl(FormControl::SatEdit, chosen && idle);
    view_.EnableControl(FormControl::SatDelete, chosen && tps && idle);
    view_.EnableControl(FormControl::SatAdd, idle);
    view_.EnableControl(FormControl::LnbEdit, !tps && idle);
}

void Session::SetStatus(const std::string& text) {
    Note([&](FailureNotes& notes) { notes.NoteStatus(text); });
    ShowStatus(text);
}

void Session::ShowStatus(const std::string& text) {
    // Another text replaced the import's; a later edit leaves it alone.
    importStatusShown_ = false;
    view_.SetControlText(FormControl::Status, text);
}

void Session::BeginProgress(const std::string& text, int maximum) {
    ShowStatus(text);
    view_.SetProgressRange(maximum);
    view_.SetProgressPos(0);
}

void Session::SetProgress(int position) { view_.SetProgressPos(position); }
void Session::PumpOnce() { view_.PumpOnce(); }
void Session::ShowMessage(const std::string& text, MessageKind kind) {
    Note([&](FailureNotes& notes) { notes.NoteMessage(text, kind); });
    view_.ShowMessage(text, kind);
}

void Session::KeepNotes(FailureNotes* notes) {
    std::lock_guard<std::mutex> lock(notesMutex_);
    notes_ = notes;
    notesThread_ = std::this_thread::get_id();
}

void Session::Note(const std::function<void(FailureNotes&)>& note) {
    std::lock_guard<std::mutex> lock(notesMutex_);
    if (notes_ != nullptr && notesThread_ == std::this_thread::get_id()) note(*notes_);
}

MeterLink& Session::LinkOnSelectedPort() {
    link_.SetPortName(view_.SelectedPortName());
    return link_;
}

OpResult Session::RunOnLink(const std::function<OpResult(MeterLink&)>& operation) {
    MeterLink& link = LinkOnSelectedPort();
    linkOpen_ = true;
    view_.EnablePortSelector(false);
    RefreshFormControls();
    UpdateEditButtons();
    view_.StateChanged();
    view_.BeginWaitCursor();
    const OpResult result = operation(link);
    view_.EndWaitCursor();
    linkOpen_ = port_->IsOpen();
    view_.EnablePortSelector(!linkOpen_);
    RefreshFormControls();
    NotePortResult(result);
    OperationEnded();
    return result;
}

bool Session::OperationRunning() const {
    return linkOpen_ || state_.flags.busyFlag != 0 || state_.flags.batchRunning != 0;
}

void Session::OperationEnded() {
    UpdateEditButtons();
    view_.StateChanged();
}

void Session::RefreshFormControls() {
    for (const PatchBox& box : kPatchBoxes) view_.SetCheck(box.control, state_.*box.state != 0);
}

void Session::ShowTablesReadFromMeter() {
    history_.Record(VELMORA_TR_NOOP("Core", "Read from Meter"), *db_);
    // Tables from the meter are in no file yet, even when they equal the last ones.
    history_.ForgetSaved();
    state_.dbPath.clear();
    state_.edit.satFilter = -1;
    view_.SetTitle("");
    state_.edit.displayMode = DISPLAY_TPS;
    view_.RebuildSatTree();
    view_.ShowTpList(-1);
    UpdateEditButtons();
    view_.StateChanged();
}

}  // namespace velmora
