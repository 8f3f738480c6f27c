// Firmware upgrade, factory image and the patch-up batch, run with the
// session as host.
#include <unistd.h>

#include "core/MessageText.h"
#include "core/TextMark.h"
#include "service/BatchReport.h"
#include "service/BatchUpgrade.h"
#include "service/FactoryImage.h"
#include "bootloader/SoftwareUpgrade.h"
#include "meter/LogoIconUpload.h"
#include "session/Commands.h"
#include "session/Session.h"

namespace velmora {

namespace {

constexpr const char* kFlashImageName = "Flash1M.bin";
constexpr const char* kFlashImageFilter = "Factory images (*.bin);;All Files (*)";

// Where a relative output path lands, for the message that names it.
std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char here[4096];
    if (::getcwd(here, sizeof here) == nullptr) return path;
    return std::string(here) + "/" + path;
}

// Asked before the meter's firmware is erased, by SOFT upgrade and by a
// PATCH UP with SOFT ticked.
constexpr const char* kSoftQuestion = VELMORA_TR_NOOP(
    "Core",
    "SOFT upgrade erases the meter's firmware and writes %1 in its place.\n\n"
    "Switch the meter on while holding EXIT, then answer Yes.\n"
    "Do not switch the meter off until the upgrade is done.\n\n"
    "Upgrade the firmware now?");

}  // namespace

bool Session::ConfirmSoftUpgrade() {
    return view_.AskYesNo(FillText(kSoftQuestion, {EscapeControls(FileNameOf(state_.softPath))}));
}

void Session::LoadSoft() {
    ChooseNamedFile(view_, {VELMORA_TR_NOOP("Core", "Open"), SOFT_FILE_FILTER, "", ""},
                    LoadSoftFile, state_.softPath, FormControl::SoftLabel,
                    VELMORA_TR_NOOP("Core", "A firmware file's name begins with rav32izazud."));
}

void Session::SoftUpgrade() {
    if (!IsEnabled(CommandId::SoftUpgrade) || !ConfirmSoftUpgrade()) return;
    RunRecorded(BatchStep::Soft, [this](records::UnitJob& job) { job.soft = state_.softPath; },
                [this](MeterLink& link, BatchRecord* record) {
        // The chip's unique ID is read for the record only.
        return UpgradeSoftware(link, state_.softPath,
                               record != nullptr ? RecordIdentity(options_.bootOptions, *record)
                                                 : options_.bootOptions);
    });
}

void Session::CreateFlashImage() {
    if (!IsEnabled(CommandId::CreateFlash)) return;
    // Asked each time, offered beside the table; the dialog asks before it
    // lets an existing file be replaced.
    std::optional<std::string> chosen = view_.AskSaveFile(
        {"Create Flash1M.bin", kFlashImageFilter, "bin", BesideTable(kFlashImageName)});
    if (!chosen) return;
    const std::string& out = *chosen;
    FactoryResult result = CreateFactoryImage(
        *db_, state_.logoPath, state_.iconPath, [this](const std::string& m) { ShowMessage(m); },
        out);
    // The image builder clears spare bits of the transponders: no edit of
    // the user's, so no step of its own.
    history_.Absorb(*db_);
    if (result == FactoryResult::Ok) {
        ShowMessage(FillText(VELMORA_TR_NOOP("Core", "Flash1M.bin written: %1 (%2 bytes)"),
                             {EscapeControls(AbsolutePath(out)),
                              std::to_string(FACTORY_IMAGE_SIZE)}),
                    MessageKind::Success);
    }
    view_.StateChanged();
}

std::string Session::BesideTable(const std::string& name) const {
    const std::string& table = state_.dbPath.empty() ? options_.defaultDbFile : state_.dbPath;
    const std::size_t slash = table.rfind('/');
    return slash == std::string::npos ? name : table.substr(0, slash + 1) + name;
}

void Session::PatchUpFiles(records::UnitJob& job) const {
    // As the batch on the command line names them.
    if (state_.patchSoft) job.soft = state_.softPath;
    if (state_.patchIcon) job.icon = state_.iconPath;
    if (state_.patchLogo) job.logo = state_.logoPath;
    if (state_.patchSatTp) AddTablesTo(job, state_.writeChecks.verifyAfterWrite);
}

void Session::PatchUp() {
    if (!IsEnabled(CommandId::PatchUp)) return;
    if (state_.patchSoft && PathUsable(state_.softPath) && !ConfirmSoftUpgrade()) return;
    const BatchChoice choice{state_.patchSoft, state_.patchIcon, state_.patchLogo, state_.patchSatTp,
                             state_.softPath,  state_.iconPath,  state_.logoPath};
    // The factory's single-port station keeps the same record as the command line.
    BatchRecord record;
    std::string report;
    const bool ran = RunRecordedBatch(
        [this](records::UnitJob& job) { PatchUpFiles(job); }, record,
        [&](MeterLink& link, FailureNotes& notes) {
            record = NewBatchRecord(link.PortName(), state_.patchSoft ? state_.softPath : "");
            LinkBatchSteps steps(link, choice, RecordIdentity(options_.bootOptions, record));
            steps.SetTableWriteOptions([this] { return WriteOptionsNow(); });
            RecordingSteps recording(steps, state_.flags, record,
                                     [&notes](BatchStep, const StepRecord* ended) {
                                         if (ended != nullptr) notes.StepEnded(ended->ok);
                                     });
            report = RunBatch(*this, recording, options_.batchTiming);
            if (report.empty()) return OpResult::NotStarted;
            recording.Finish(report);
            return BatchSucceeded(report) ? OpResult::Completed : OpResult::Failed;
        });
    if (!ran) return;
    if (!report.empty()) {
        const bool succeeded = BatchSucceeded(report);
        const std::string said =
            succeeded ? BatchSuccessMessage(report, state_.flags.batchFlags) : report;
        const MessageKind kind = succeeded ? MessageKind::Success : MessageKind::Notice;
        std::string error;
        const std::string& tables = state_.dbPath.empty() ? options_.defaultDbFile : state_.dbPath;
        const std::string reportFile = ReportPathBeside(tables);
        if (AppendReportLine(reportFile, BatchReportLine(record), &error)) {
            ShowMessage(FillText(VELMORA_TR_NOOP("Core", "%1\n\nThe result was added to %2."),
                                 {said, EscapeControls(AbsolutePath(reportFile))}),
                        kind);
        } else {
            ShowMessage(said, kind);
            ShowMessage(error);
        }
    }
    WriteBackIfChosen();
}

}  // namespace velmora
