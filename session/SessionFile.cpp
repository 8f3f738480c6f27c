// Start-up, Open and Save of the session: the table file in and out.
#include <sys/stat.h>

#include "core/MessageText.h"
#include "core/SaveLosses.h"
#include "core/SatTpFile.h"
#include "core/TextMark.h"
#include "session/Commands.h"
#include "session/Session.h"

namespace velmora {

namespace {

// Lines of a read report a message box lists before the rest is only counted.
constexpr std::size_t kReportLinesShown = 12;

std::string ReadReportMessage(const std::string& path, const SatTpReadReport& report) {
    return FillText(VELMORA_TR_NOOP("Core", "%1 was not read completely:\n\n%2\n\nSaving it "
                                            "writes the table without what is listed here."),
                    {EscapeControls(path), report.Summary(kReportLinesShown)});
}

std::string ShortenedSaveQuestion(const std::string& path, std::size_t findings) {
    const std::string shortened =
        findings == 1
            ? FillText(VELMORA_TR_NOOP("Core", "%1 was not read completely (1 finding), so the "
                                               "table to be saved is shorter than that file."),
                       {EscapeControls(path)})
            : FillText(VELMORA_TR_NOOP("Core", "%1 was not read completely (%2 findings), so the "
                                               "table to be saved is shorter than that file."),
                       {EscapeControls(path), std::to_string(findings)});
    return FillText(SAVE_ANYWAY_QUESTION, {shortened});
}

}  // namespace

void Session::StartUp() {
    RefreshFormControls();
    ProbePortsIntoSelector();
    state_.logoPath.clear();
    state_.iconPath.clear();
    state_.softPath.clear();
    state_.dbPath.clear();
    readShortened_ = 0;
    SatTpReadReport report;
    std::string refusedStartFile;
    // The file named on the command line, once; New starts as without one.
    std::string startFile = std::move(options_.startFile);
    options_.startFile.clear();
    if (!startFile.empty()) {
        std::string whyNot;
        if (ReadSatTpFile(*db_, startFile.c_str(), &whyNot, &report) == 0) {
            state_.dbPath = startFile;
            AppendHistory(options_.historyFile, state_.dbPath);
        } else {
            refusedStartFile = EscapeControls(startFile) + " " + whyNot;
        }
    }
    // The remembered table, else the default one. A missing file is passed
    // over, and without a table the document is Untitled: its title never
    // names a file that is not there. A file that is there but is no table
    // is passed over too, so the next Save can never overwrite it.
    std::string remembered = ReadLastPath(options_.historyFile);
    std::vector<std::string> candidates;
    if (!remembered.empty() && remembered != options_.defaultDbFile)
        candidates.push_back(remembered);
    candidates.push_back(options_.defaultDbFile);
    std::string refused;
    for (const std::string& path : candidates) {
        if (!state_.dbPath.empty()) break;
        std::string whyNot;
        if (ReadSatTpFile(*db_, path.c_str(), &whyNot, &report) == 0) {
            state_.dbPath = path;
            break;
        }
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0) continue;
        if (refused.empty()) refused = EscapeControls(path) + " " + whyNot;
    }
    if (!refused.empty()) SetStatus(refused);
    history_.Reset(*db_);
    state_.edit.displayMode = DISPLAY_TPS;
    state_.edit.satFilter = -1;
    UpdateEditButtons();
    view_.RebuildSatTree();
    view_.ShowTpList(state_.edit.satFilter);
    RefreshFormControls();
    view_.SetTitle(state_.dbPath);
    view_.StateChanged();
    if (!refusedStartFile.empty()) view_.ShowMessage(refusedStartFile);
    ReportShortenedRead(report);
}

void Session::ReportShortenedRead(const SatTpReadReport& report) {
    readShortened_ = report.Count();
    if (!report.Empty()) view_.ShowMessage(ReadReportMessage(state_.dbPath, report));
}

void Session::Open() {
    if (!IsEnabled(CommandId::FileOpen)) return;
    std::optional<std::string> path =
        view_.AskOpenFile({VELMORA_TR_NOOP("Core", "Open"), DB_FILE_FILTER, "", ""});
    if (!path) return;
    OpenPath(*path);
}

void Session::OpenPath(const std::string& path) {
    if (!IsEnabled(CommandId::FileOpen)) return;
    // Read aside first: a refused file, or a No to the question about
    // unsaved edits, leaves everything as it was.
    auto read = std::make_unique<SatTpDatabase>();
    ClearDatabase(*read);
    std::string whyNot;
    SatTpReadReport report;
    if (ReadSatTpFile(*read, path.c_str(), &whyNot, &report) != 0) {
        view_.ShowMessage(EscapeControls(path) + " " + whyNot);
        return;
    }
    if (!ConfirmDiscard()) return;
    *db_ = *read;
    state_.dbPath = path;
    // A file just opened is the saved state of a fresh history.
    history_.Reset(*db_);
    AppendHistory(options_.historyFile, state_.dbPath);
    state_.edit.displayMode = DISPLAY_TPS;
    state_.edit.satFilter = -1;
    view_.RebuildSatTree();
    view_.ShowTpList(-1);
    UpdateEditButtons();
    RefreshFormControls();
    view_.SetTitle(state_.dbPath);
    view_.StateChanged();
    ReportShortenedRead(report);
}

bool Session::WriteTo(const std::string& path) {
    // The tables lack what the read passed over; writing them replaces the
    // file's fuller text for good.
    if (readShortened_ > 0 && !view_.AskYesNo(ShortenedSaveQuestion(state_.dbPath, readShortened_)))
        return false;
    // The file has no place for some of what the tables hold; the user
    // decides whether that may go.
    std::vector<std::string> losses = DescribeSaveLosses(*db_);
    if (!losses.empty() && !view_.AskYesNo(SaveLossQuestion(losses))) return false;
    if (WriteSatTpFile(*db_, path.c_str())) {
        readShortened_ = 0;
        return true;
    }
    view_.ShowMessage(VELMORA_TR_NOOP("Core", "Save file error !"));
    return false;
}

bool Session::Save() {
    if (state_.dbPath.empty()) return SaveAs();
    if (!WriteTo(state_.dbPath)) return false;
    history_.MarkSaved();
    view_.StateChanged();
    return true;
}

bool Session::SaveAs() {
    // An Untitled table is offered the default name.
    const std::string& proposed = state_.dbPath.empty() ? options_.defaultDbFile : state_.dbPath;
    std::optional<std::string> path =
        view_.AskSaveFile({VELMORA_TR_NOOP("Core", "Save as"), DB_FILE_FILTER, "csv", proposed});
    if (!path) return false;
    if (!WriteTo(*path)) return false;
    state_.dbPath = *path;
    // A file just written is the saved state of a fresh history.
    history_.Reset(*db_);
    AppendHistory(options_.historyFile, state_.dbPath);
    view_.SetTitle(state_.dbPath);
    view_.StateChanged();
    return true;
}

}  // namespace velmora
