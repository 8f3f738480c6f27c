// The meter link commands of the session: each runs the link operation with
// the session as its host, so the window, the command-line tool and the tests
// share one implementation.
#include "link/LinkTexts.h"
#include "link/LogoIconUpload.h"
#include "link/TableTransfer.h"
#include "ui/Session.h"

namespace velmora {

namespace {

const FileDialogRequest kLogoDialog{"Open", LOGO_FILE_FILTER, ""};
const FileDialogRequest kIconDialog{"Open", ICON_FILE_FILTER, ""};

}  // namespace

// Load logo / Load icon / Load soft: a refused name empties the path, resets
// the label and tells the user which names are taken.
void ChooseNamedFile(SessionView& view, const FileDialogRequest& dialog,
                     ChosenFile (*load)(const std::string&), std::string& path, int label,
                     const char* refusal) {
    std::optional<std::string> chosen = view.AskOpenFile(dialog);
    if (!chosen) return;
    ChosenFile file = load(*chosen);
    path = file.path;
    view.SetControlText(label, file.label);
    if (file.path.empty()) view.ShowMessage(refusal);
    view.StateChanged();
}

void Session::ReadTables() {
    // A read replaces the tables: unsaved edits get their question first.
    if (state_.flags.busyFlag || !ConfirmDiscard()) return;
    ReadTablesFromMeter(link_);
    OperationEnded();
}

void Session::WriteTables() {
    WriteTablesToMeter(link_);
    OperationEnded();
}

void Session::LoadLogo() {
    ChooseNamedFile(view_, kLogoDialog, LoadLogoFile, state_.logoPath, IDC_LOGO_LABEL,
                    "A logo file's name begins with stm32logo.");
}

void Session::LoadIcon() {
    ChooseNamedFile(view_, kIconDialog, LoadIconFile, state_.iconPath, IDC_ICON_LABEL,
                    "An icon file's name begins with stm32icon.");
}

void Session::WriteLogo() {
    WriteLogoToMeter(link_, state_.logoPath);
    OperationEnded();
}

void Session::WriteIcon() {
    WriteIconToMeter(link_, state_.iconPath);
    OperationEnded();
}

void Session::DeleteMeterIcons() {
    velmora::DeleteMeterIcons(link_);
    OperationEnded();
}

}  // namespace velmora
