// The meter link commands of the session: each runs the link operation with
// the session as its host, so the window, the command-line tool and the tests
// share one implementation.
#include <ctime>
#include <filesystem>
#include <utility>

#include "core/MessageText.h"
#include "core/Sha256.h"
#include "core/TextMark.h"
#include "serial/LinkTexts.h"
#include "meter/LogoIconUpload.h"
#include "serial/PortInfo.h"
#include "serial/PortNames.h"
#include "meter/TableTransfer.h"
#include "session/Session.h"

namespace velmora {

namespace {

const FileDialogRequest kLogoDialog{VELMORA_TR_NOOP("Core", "Open"), LOGO_FILE_FILTER, "", ""};
const FileDialogRequest kIconDialog{VELMORA_TR_NOOP("Core", "Open"), ICON_FILE_FILTER, "", ""};

}  // namespace

// Load logo / Load icon / Load soft: a refused name empties the path, resets
// the label and tells the user which names are taken.
void ChooseNamedFile(SessionView& view, const FileDialogRequest& dialog,
                     ChosenFile (*load)(const std::string&), std::string& path, FormControl label,
                     const char* refusal) {
    std::optional<std::string> chosen = view.AskOpenFile(dialog);
    if (!chosen) return;
    ChosenFile file = load(*chosen);
    path = file.path;
    view.SetControlText(label, file.label);
    if (file.path.empty()) view.ShowMessage(refusal);
    view.StateChanged();
}

std::string Session::PortDescription(const std::string& name) const {
    const std::string device = ResolvePortDevice(name);
    if (device.empty()) return {};
    const std::string adapter = AdapterDescription(PortSystem::Default(), device);
    return adapter.empty() ? device : device + "  " + adapter;
}

void Session::ReadTables() {
    // A read replaces the tables: unsaved edits get their question first.
    if (state_.flags.busyFlag || !ConfirmDiscard()) return;
    if (RunOnLink(ReadTablesFromMeter) == OpResult::Completed) ShowTablesReadFromMeter();
}

TableWriteOptions Session::WriteOptionsNow() const {
    // Backups of a table never saved go beside the file it would be saved as.
    const std::string& file = state_.dbPath.empty() ? options_.defaultDbFile : state_.dbPath;
    return WriteOptionsFor(state_.writeChecks, file, std::time(nullptr));
}

void Session::AddTablesTo(records::UnitJob& job, bool verify) const {
    job.tables = db_.get();
    job.verify = verify;
    // Tables as their file holds them are named by its SHA-256, as on the
    // command line; edited ones by that of the file they would be saved as.
    if (!Modified() && PathUsable(state_.dbPath)) {
        job.tablesPath = state_.dbPath;
    } else {
        job.tablesSha256 = Sha256Hex(SatTpText(*db_));
    }
}

std::string Session::BackupFolder() const {
    const std::string& file = state_.dbPath.empty() ? options_.defaultDbFile : state_.dbPath;
    const std::string folder = BackupFolderOf(state_.writeChecks, file);
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
    return ec ? folder : absolute.lexically_normal().string();
}

std::vector<BackupFile> Session::TableBackups() {
    if (OperationRunning()) return {};
    const std::string folder = BackupFolder();
    std::vector<BackupFile> backups = ListBackups(folder);
    if (backups.empty()) {
        view_.ShowMessage(FillText(
            VELMORA_TR_NOOP("Core", "There are no backups in %1. A backup is taken before each "
                                    "write while Meter > Back up before write is on."),
            {EscapeControls(folder)}));
    }
    return backups;
}

void Session::RestoreBackup(const std::string& path) {
    if (OperationRunning()) return;
    std::unique_ptr<SatTpDatabase> backup = ReadBackup(path);
    if (!backup || !view_.AskYesNo(FillText(
                       VELMORA_TR_NOOP("Core", "Write the backup %1 to the meter? It replaces "
                                               "the meter's table."),
                       {EscapeControls(FileNameOf(path))})))
        return;
    WriteBackup(path, *backup);
}

void Session::ShowPartialWrite(const std::string& message, const std::string& backup,
                               const std::string&) {
    Note([&](FailureNotes& notes) { notes.NotePartialWrite(message); });
    // The port stays the selector's: it cannot change while the operation runs.
    if (view_.OfferWriteBack(message)) writeBack_ = backup;
}

void Session::WriteBackIfChosen() {
    if (writeBack_.empty()) return;
    const std::string path = std::exchange(writeBack_, {});
    if (std::unique_ptr<SatTpDatabase> backup = ReadBackup(path)) WriteBackup(path, *backup);
}

std::unique_ptr<SatTpDatabase> Session::ReadBackup(const std::string& path) {
    auto backup = std::make_unique<SatTpDatabase>();
    ClearDatabase(*backup);
    std::string whyNot;
    if (ReadSatTpFile(*backup, path.c_str(), &whyNot) != 0) {
        view_.ShowMessage(EscapeControls(path) + " " + whyNot);
        return nullptr;
    }
    // A backup of an empty meter: the meter keeps what it has.
    if (backup->satCount <= 0) {
        view_.ShowMessage(FillText(
            VELMORA_TR_NOOP("Core", "The backup %1 holds no satellites, so there is nothing to "
                                    "write back."),
            {EscapeControls(FileNameOf(path))}));
        return nullptr;
    }
    return backup;
}

void Session::WriteBackup(const std::string& path, const SatTpDatabase& backup) {
    TableWriteOptions options;
    options.verify = true;
    options.table = &backup;
    UploadEnded(RunOnLink([&](MeterLink& link) { return WriteTablesToMeter(link, options); }),
                VELMORA_TR_NOOP("Core", "Backup written to the meter: %1"), path);
}

void Session::WriteTables() {
    // The meter keeps its table rather than take an empty one; say so.
    if (db_->satCount <= 0) {
        view_.ShowMessage(
            VELMORA_TR_NOOP("Core", "The table has no satellites or transponders to write."));
        return;
    }
    const TableWriteOptions options = WriteOptionsNow();
    RunRecorded(
        BatchStep::Tables, [&](records::UnitJob& job) { AddTablesTo(job, options.verify); },
        [&](MeterLink& link, BatchRecord*) { return WriteTablesToMeter(link, options); });
    WriteBackIfChosen();
}

MeterComparison Session::CompareWithMeter() {
    MeterComparison c;
    auto meter = std::make_unique<SatTpDatabase>();
    c.result = RunOnLink([&](MeterLink& link) { return ReadMeterTable(link, *meter); });
    if (c.result == OpResult::Completed) {
        c.comparison = CompareTables(*meter, *db_);
        c.meter = std::move(meter);
    }
    return c;
}

void Session::TakeMeterTable(const SatTpDatabase& meter) {
    if (OperationRunning()) return;
    *db_ = meter;
    state_.edit.satFilter = -1;
    state_.edit.displayMode = DISPLAY_TPS;
    TablesChanged(VELMORA_TR_NOOP("Core", "Take the Meter's Table"));
}

void Session::LoadLogo() {
    ChooseNamedFile(view_, kLogoDialog, LoadLogoFile, state_.logoPath, FormControl::LogoLabel,
                    VELMORA_TR_NOOP("Core", "A logo file's name begins with stm32logo."));
}

void Session::LoadIcon() {
    ChooseNamedFile(view_, kIconDialog, LoadIconFile, state_.iconPath, FormControl::IconLabel,
                    VELMORA_TR_NOOP("Core", "An icon file's name begins with stm32icon."));
}

// The status line says the write completed; the message names the file.
void Session::UploadEnded(OpResult result, const char* written, const std::string& path) {
    if (result != OpResult::Completed) return;
    ShowMessage(FillText(written, {EscapeControls(FileNameOf(path))}),
                MessageKind::Success);
}

void Session::WriteLogo() {
    UploadEnded(RunRecorded(BatchStep::Logo,
                            [this](records::UnitJob& job) { job.logo = state_.logoPath; },
                            [this](MeterLink& link, BatchRecord*) {
                                return WriteLogoToMeter(link, state_.logoPath);
                            }),
                VELMORA_TR_NOOP("Core", "Logo written: %1"), state_.logoPath);
}

void Session::WriteIcon() {
    UploadEnded(RunRecorded(BatchStep::Icon,
                            [this](records::UnitJob& job) { job.icon = state_.iconPath; },
                            [this](MeterLink& link, BatchRecord*) {
                                return WriteIconToMeter(link, state_.iconPath);
                            }),
                VELMORA_TR_NOOP("Core", "Icon written: %1"), state_.iconPath);
}

void Session::DeleteMeterIcons() {
    if (state_.flags.busyFlag || !view_.AskYesNo(TEXT_DELETE_ICONS_QUESTION)) return;
    RunOnLink([](MeterLink& link) { return velmora::DeleteMeterIcons(link); });
}

}  // namespace velmora
