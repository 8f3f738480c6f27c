// The toolkit-free session controller behind the main form: session state,
// start-up and file commands (session/SessionFile.cpp), history, enabling rules and the long-operation
// frame. The Qt form and the tests drive it through SessionView.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/EditOperations.h"
#include "core/SatTpDatabase.h"
#include "core/SatTpFile.h"
#include "core/TableHistory.h"
#include "exchange/ListDownload.h"
#include "core/EditOperations.h"
#include "core/SatTpDatabase.h"
#include "core/SatTpFile.h"
#include "core/TableHistory.h"
#include "exchange/ListMerge.h"
#include "exchange/MergeChanges.h"
#include "exchange/ScanCatalog.h"
#include "core/TableCompare.h"
#include "service/BatchUpgrade.h"
#include "bootloader/Bootloader.h"
#include "serial/SerialPort.h"
#include "meter/LogoIconUpload.h"
#include "meter/MeterLink.h"
#include "core/OperationHost.h"
#include "service/PortProbe.h"
#include "serial/PortWatcher.h"
#include "meter/TableVerify.h"
#include "records/OneMeterRecord.h"
#include "records/UnitStore.h"
#include "service/NoticeTap.h"
#include "session/SessionView.h"

namespace velmora {

enum class CommandId;

inline constexpr const char* HISTORY_FILE = "orvanelog.txt";
inline constexpr const char* APP_TITLE = "Orvane";

inline constexpr int DISPLAY_TPS = 2;
inline constexpr int DISPLAY_LNBS = 3;

// What the tree and the list show.
struct EditState {
    int displayMode = DISPLAY_TPS;
    int satFilter = -1;
};

// Usable paths are longer than 4 characters.
inline bool PathUsable(const std::string& path) { return path.size() > 4; }

struct SessionState {
    std::string dbPath;
    std::string logoPath;
    std::string iconPath;
    std::string softPath;
    EditState edit;  // displayMode, satFilter
    OperationFlags flags;
    int patchSoft = 0;
    int patchIcon = 0;
    int patchLogo = 0;
    int patchSatTp = 0;
    // The Meter menu's options for every table write, the batch's included;
    // the window keeps them in its settings.
    TableWriteChecks writeChecks;
    // Meter > Record unit records: the window keeps it as [production]
    // record= of its settings, which the command-line tool reads too.
    records::RecordSetting recording;
};

// The meter's table beside the document's: what a write would change.
struct MeterComparison {
    OpResult result = OpResult::NotStarted;
    // The meter's table, when the read completed.
    std::unique_ptr<SatTpDatabase> meter;
    // From the meter's table (before) to the document's (after).
    TableComparison comparison;
};

struct SessionOptions {
    std::string historyFile = HISTORY_FILE;
    std::string defaultDbFile = "sattp.csv";
    // The port that last worked (the window keeps it in its settings); the
    // selector prefers it when it is found again.
    std::string lastPort;
    // Finds the available ports; the default probes COM1..COM9.
    std::function<std::vector<std::string>()> probePorts;
    // The ports Find meter asks, and how long each; the default is COM1..COM9
    // that name a device.
    std::function<std::vector<ProbeTarget>()> meterPorts;
    std::chrono::milliseconds meterProbeWait{1000};
    // Where device nodes appear; tests watch a scratch folder.
    std::string devicesFolder = "/dev";
    // Waits of the batch and deadlines of the bootloader; tests shorten them.
    BatchTiming batchTiming;
    BootOptions bootOptions;
    // The table named on the command line: the start-up opens it instead of
    // the remembered one (once; New starts without it).
    std::string startFile;
    // The dvbv5 scan tables File > Add satellites from the catalog... offers.
    std::string scanTableFolder = kScanTableFolder;
    // A download that receives nothing for this long fails.
    int downloadStallMs = 30000;
    int downloadMaxMs = DownloadOptions{}.maxTimeMs;
    // Makes the session's one port; the default is the operating system's
    // serial port. The page in the browser brings its own.
    std::function<std::unique_ptr<LinkPort>()> makePort;
};

// The port the selector starts with: the remembered one when it is there
// again, else the only USB adapter's when there is exactly one, else the
// first found (empty when there is none).
std::string ChooseStartPort(const std::vector<std::string>& found, const std::string& lastPort,
                            const std::vector<std::string>& usbPorts);

// History file: one "YYYY-MM-DD hh:mm:ss path\r\n" line per recorded path.
void AppendHistory(const std::string& historyFile, const std::string& path);
std::string ReadLastPath(const std::string& historyFile);

// Load logo / Load icon / Load soft: asks for a file, keeps it when load
// accepts its name, and otherwise shows refusal.
void ChooseNamedFile(SessionView& view, const FileDialogRequest& dialog,
                     ChosenFile (*load)(const std::string&), std::string& path, FormControl label,
                     const char* refusal);

// One meter's line of a production line's report (--report FILE, the
// window's patchup-report.jsonl), as the unit records dialog shows it.
struct ReportLine {
    std::string start;  // local time with its offset, as written
    std::string port;
    int meter = 0;
    std::string uid;    // empty when not read
    std::string steps;  // "soft ok, tables failed"
    std::string result;
    bool ok = false;
};

enum class CloseDecision {
    CloseNow,  // the window may close
    Stay,      // the user cancelled (or a save failed), or an operation runs
};

class Session : public OperationHost {
public:
    Session(SessionView& view, SessionOptions options = {});
    ~Session() override;

    SessionState& State() { return state_; }
    const SessionState& State() const { return state_; }
    SessionView& View() { return view_; }

    // Start-up sequence; also what New runs after its unsaved-changes question.
    void StartUp();

    // File commands.
    void Open();
    // Opens a table file without the dialog (recent files, a dropped file);
    // unsaved edits get their question first.
    void OpenPath(const std::string& path);
    // Returns true when the tables were written (or there was nothing to do).
    bool Save();
    bool SaveAs();
    void New();

    // The close request of the main window.
    CloseDecision RequestClose();

    // Display and tree.
    void DisplayTransponders();
    void DisplayLnb();
    // The tree's selection moved to the satellite item with this label, or to
    // the root when isRoot is set.
    void TreeSelectionChanged(bool isRoot, const std::string& itemText);

    void Stop();
    void PatchCheckBoxesClicked();

    // Editing commands with the inputs their dialogs collected.
    void SatAdd(const SatAddInput& in);
    void SatDelete();
    // A refused add (a duplicate, no satellite) is told in a message box.
    void TpAdd(const TpInput& in);
    // Before the TP dialog opens: false, after saying why, when no
    // transponder can be added at all.
    bool ReadyToAddTp();
    void TpEdit(const TpInput& in);
    void TpDelete();
    void LnbEdit(const LnbInput& in);
    void TpSort(const TpSortSettings& settings);
    // The satellite the tree has chosen changes in place (-1: none chosen).
    void SatEdit(const SatAddInput& in);
    int ChosenSatellite() const { return state_.edit.satFilter; }

    // Undo and redo of table changes; the texts name the step
    // ("Undo Delete 3 TPs"), or are the bare word when there is none.
    void Undo();
    void Redo();
    std::string UndoText() const;
    std::string RedoText() const;
    const TableHistory& History() const { return history_; }
    // The tables differ from what their file holds: the history's saved
    // position alone says so, whichever path changed them.
    bool Modified() const { return history_.Modified(); }
    // Records a change made to the tables outside the edit commands (an
    // import, a table taken from the meter) as one step.
    void TablesChanged(const std::string& step);

    // Transponder lists in and out (session/SessionImport.cpp).
    // Merges the list into the tables as one change, then shows the result
    // in the tree and the list; it is a step of the history (so modified)
    // when anything changed, and the status line says what it added until
    // the tables change again. Nothing happens (nullopt) while a long
    // operation runs.
    std::optional<MergeCounts> ApplyImport(const SourceList& list, const MergeOptions& options);
    // The counts ApplyImport would give now, for the import dialog's preview.
    MergeCounts PreviewImport(const SourceList& list, const MergeOptions& options) const;
    // What ApplyImport would change now, satellite by satellite.
    MergeChanges PreviewImportChanges(const SourceList& list, const MergeOptions& options) const;
    // A list file, or a list downloaded from an http or https URL with the
    // progress bar and Stop; the tables are not touched. False with the error
    // (a stopped download says "cancelled"), also while a long operation runs.
    bool FetchList(const std::string& source, SourceList& list, ListError& error);
    // The scan tables of the catalog folder, east to west; false with the
    // reason (for the standard folder: how to install it).
    bool ListCatalog(std::vector<CatalogEntry>& entries, std::string& whyNot) const;
    // The file Export offers: the table's own name with ".xml" ("sattp.xml").
    std::string ExportProposedPath() const;
    // Writes the tables as satellites.xml; false when it could not be written.
    // The sentence tells what was written ("Exported 11 satellites and 96
    // transponders to /t/sattp.xml") or why nothing was.
    bool ExportSatellitesXml(const std::string& path, std::string* sentence = nullptr) const;

    // Meter link commands (session/SessionLink.cpp).
    void ReadTables();
    void WriteTables();
    void LoadLogo();
    void LoadIcon();
    void WriteLogo();
    void WriteIcon();
    void DeleteMeterIcons();
    // Reads the meter's table into a table of its own (never the document)
    // and compares the document with it.
    MeterComparison CompareWithMeter();
    // The meter's table replaces the document's tables as one edit; the
    // document keeps its file name and becomes modified.
    void TakeMeterTable(const SatTpDatabase& meter);
    // The folder a table write's backups go to now.
    std::string BackupFolder() const;
    // The backups in that folder, newest first;
    // none while an operation runs. An empty list is said in a message
    // naming the folder.
    std::vector<BackupFile> TableBackups();
    // After asking (it replaces the meter's table): the backup file's table
    // is written to the meter, verified and without a backup of its own. The
    // document stays as it is.
    void RestoreBackup(const std::string& path);

    // Asks every port at once whether the meter answers (session/SessionPorts.cpp);
    // selects the first where it does and says where, or why none answered.
    void FindMeter();
    // The descriptor that becomes readable when an adapter is plugged in or
    // pulled out (-1 when that cannot be watched); the window then calls
    // PortsChanged, which lists the ports again and says on the status line
    // what came or went.
    int PortWatchFd();
    void PortsChanged();

    // The unit records of this bench's own database, newest first
    // (session/SessionUnits.cpp); none while it does not exist. False with the
    // reason when it cannot be read.
    bool FindUnitRecords(const records::UnitFilter& filter,
                         std::vector<records::UnitRecord>& found, std::string* error) const;
    // Where that database is: units.sqlite in the user's data folder.
    static std::string UnitRecordsPath();
    // The lines of a report file. False when it cannot be read (badLine 0)
    // or when line badLine (from 1) is not a meter's report line.
    static bool ReadProductionReport(const std::string& path, std::vector<ReportLine>& lines,
                                     int& badLine);

    // Firmware, factory image and batch (session/SessionFlash.cpp).
    void LoadSoft();
    void SoftUpgrade();
    void CreateFlashImage();
    void PatchUp();

    // The port names a probe finds now, for a selector that lists them again.
    std::vector<std::string> ProbePortNames() { return options_.probePorts(); }
    // The device and adapter behind a port name, for the selector's list and
    // tooltip ("/dev/ttyUSB0  FTDI FT232R USB UART"); empty when it names no device.
    std::string PortDescription(const std::string& name) const;

    // Enabling rule of a menu or toolbar command (the command table's).
    bool IsEnabled(CommandId commandId) const;
    const SatTpDatabase& Database() const { return *db_; }
    // The form's edit buttons for the current display mode; all of them are
    // off while a long operation runs, since they would do nothing then.
    void UpdateEditButtons();
    // A long operation holds the port or runs a batch.
    bool OperationRunning() const;

    // OperationHost: the status line, the progress bar and message boxes.
    SatTpDatabase& Database() override { return *db_; }
    OperationFlags& Flags() override { return state_.flags; }
    void SetStatus(const std::string& text) override;
    void BeginProgress(const std::string& text, int maximum) override;
    void SetProgress(int position) override;
    void PumpOnce() override;
    void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Notice) override;
    bool StopsWithButton() const override { return true; }
    // The box offers to write the backup back; WriteBackIfChosen does it
    // once the operation has ended.
    void ShowPartialWrite(const std::string& message, const std::string& backup,
                          const std::string& port) override;

private:
    // Runs one long operation on the link, on the port the selector shows.
    // While it runs the selector is off, the form shows the session's values
    // and the wait cursor is on; afterwards the link is open only when its
    // port still is, and a completed operation makes the port the preferred one.
    OpResult RunOnLink(const std::function<OpResult(MeterLink&)>& operation);
    // The form's controls written again from the session's values (the
    // patch-up check boxes follow patchSoft..patchSatTp).
    void RefreshFormControls();
    // A read from the meter replaced the tables: modified, in no file, the
    // filter and display mode reset, tree and list rebuilt.
    void ShowTablesReadFromMeter();
    bool ConfirmDiscard();
    // The question before the firmware is erased; true when answered Yes.
    bool ConfirmSoftUpgrade();
    void UploadEnded(OpResult result, const char* written, const std::string& path);
    // What an operation's unit record names of its files.
    using RecordFiles = std::function<void(records::UnitJob&)>;
    // RunOnLink of an operation that services one step on the meter, with
    // its unit record kept while recording is on (session/SessionUnits.cpp):
    // the record is null when none is kept, else the operation may read the
    // chip's ID into it. Without a store to keep it in, nothing runs.
    OpResult RunRecorded(BatchStep step, const RecordFiles& files,
                         const std::function<OpResult(MeterLink&, BatchRecord*)>& operation);
    // The same for PATCH UP's batch, whose record it fills and whose notes
    // hear each step end; false when no record could be kept (nothing ran).
    bool RunRecordedBatch(const RecordFiles& files, BatchRecord& record,
                          const std::function<OpResult(MeterLink&, FailureNotes&)>& batch);
    // The store the settings name (the bench's own file by default), this
    // host as the bench and a run of its own, with the operation's files;
    // false, after saying why, when no record can be kept.
    bool OpenRecord(records::OneMeterRecord& unit, const RecordFiles& files);
    // The files of PATCH UP's ticked steps.
    void PatchUpFiles(records::UnitJob& job) const;
    // The document's tables into a unit job, with the verify of the write.
    void AddTablesTo(records::UnitJob& job, bool verify) const;
    // The notes of the record being kept take what the operation's own
    // thread says; other threads (the window's port watch) are not heard.
    void KeepNotes(FailureNotes* notes);
    void Note(const std::function<void(FailureNotes&)>& note);
    // The status line, without noting it.
    void ShowStatus(const std::string& text);
    // The form after a long operation: buttons and commands as the state says.
    void OperationEnded();
    // The one path of every table edit (session/SessionEdits.cpp): nothing
    // while a long operation runs; else the question first, when there is one
    // (No changes nothing), then the edit, its change shown and recorded as
    // one step, and its refusal told.
    void RunEdit(const std::string& step, const std::string& question,
                 const std::function<EditChange()>& edit);
    // The tree and the list show what an edit changed.
    void ShowEditChange(const EditChange& change);
    void RecordStep(const std::string& step);
    // Tree, list and filter after the tables jumped to another state.
    void ShowRestoredTables();
    // Empties the status line when it still tells of an import.
    void ClearImportStatus();
    bool WriteTo(const std::string& path);
    // Shows what the read of the table passed over, which the next Save asks about.
    void ReportShortenedRead(const SatTpReadReport& report);
    void ProbePortsIntoSelector();
    // A file of this name in the table's folder (the default table's for
    // one never saved).
    std::string BesideTable(const std::string& name) const;
    // The checks of a table write starting now.
    TableWriteOptions WriteOptionsNow() const;
    // The backup the user chose to write back after a write broke off,
    // written now (verified, no backup of its own).
    void WriteBackIfChosen();
    // The backup file's table; null after saying why it cannot be written.
    std::unique_ptr<SatTpDatabase> ReadBackup(const std::string& path);
    void WriteBackup(const std::string& path, const SatTpDatabase& backup);
    // The link, set to the port the selector shows now.
    MeterLink& LinkOnSelectedPort();
    // After an operation on the link's port: one that completed makes the
    // port the one preferred from now on.
    void NotePortResult(OpResult result);

    SessionView& view_;
    SessionOptions options_;
    // The one serial port of the process and the meter protocol on it.
    std::unique_ptr<LinkPort> port_;
    MeterLink link_;

public:
    // Tests shorten the poll period through this.
    MeterLink& Link() { return link_; }

private:

    std::unique_ptr<SatTpDatabase> db_;
    SessionState state_;
    std::unique_ptr<PortWatcher> watcher_;
    // The COM name each device had when last looked at, for the one pulled out.
    std::map<std::string, std::string> portOfDevice_;
    bool linkOpen_ = false;
    // Findings of the read that gave the tables; the next Save asks while nonzero.
    std::size_t readShortened_ = 0;
    // The status line tells what the last import added.
    bool importStatusShown_ = false;
    // The backup to write back once the operation has ended; empty for none.
    std::string writeBack_;
    TableHistory history_;
    std::mutex notesMutex_;
    FailureNotes* notes_ = nullptr;
    std::thread::id notesThread_;
};

}  // namespace velmora
