// The meter link commands of the session: each runs the link operation with
// the session as its host, so the window, the command-line tool and the tests
// share one implementation.
#include <ctime>

#include "link/LinkTexts.h"
#include "link/LogoIconUpload.h"
#include "link/TableTransfer.h"
#include "ui/Session.h"

namespace velmora {

namespace {

const FileDialogRequest kLogoDialog{"Open", LOGO_FILE_FILTER, ""};
const FileDialogRequest kIconDialog{"Open", ICON_FILE_FILTER, ""};

// Load logo / Load icon: a refused name empties the path and resets the label.
void ChooseFile(SessionView& view, const FileDialogRequest& dialog,
                ChosenFile (*load)(const std::string&), std::string& path, int label) {
    std::optional<std::string> chosen = view.AskOpenFile(dialog);
    if (!chosen) return;
    ChosenFile file = load(*chosen);
    path = file.path;
    view.SetControlText(label, file.label);
    view.StateChanged();
}

}  // namespace

void Session::ReadTables() {
    ReadTablesFromMeter(link_);
    view_.StateChanged();
}

TableWriteOptions Session::WriteOptionsNow() const {
    // Backups of a table never saved go beside the file it would be saved as.
    const std::string& file = state_.dbPath.empty() ? options_.defaultDbFile : state_.dbPath;
    return WriteOptionsFor(state_.writeChecks, file, std::time(nullptr));
}

void Session::WriteTables() {
    WriteTablesToMeter(link_, WriteOptionsNow());
    view_.StateChanged();
}

MeterComparison Session::CompareWithMeter() {
    MeterComparison c;
    auto meter = std::make_unique<SatTpDatabase>();
    c.result = ReadMeterTable(link_, *meter);
    if (c.result == OpResult::Completed) {
        c.comparison = CompareTables(*meter, *db_);
        c.meter = std::move(meter);
    }
    view_.StateChanged();
    return c;
}

void Session::TakeMeterTable(const SatTpDatabase& meter) {
    RunEdit([&] {
        *db_ = meter;
        state_.edit.modified = true;
        state_.edit.satFilter = -1;
        state_.edit.displayMode = DISPLAY_TPS;
        view_.RebuildSatTree();
        view_.ShowTpList(-1);
        UpdateEditButtons();
    });
}

void Session::LoadLogo() {
    ChooseFile(view_, kLogoDialog, LoadLogoFile, state_.logoPath, IDC_LOGO_LABEL);
}

void Session::LoadIcon() {
    ChooseFile(view_, kIconDialog, LoadIconFile, state_.iconPath, IDC_ICON_LABEL);
}

void Session::WriteLogo() {
    WriteLogoToMeter(link_, state_.logoPath);
    view_.StateChanged();
}

void Session::WriteIcon() {
    WriteIconToMeter(link_, state_.iconPath);
    view_.StateChanged();
}

void Session::DeleteMeterIcons() {
    velmora::DeleteMeterIcons(link_);
    view_.StateChanged();
}

}  // namespace velmora
