// velmora-cli upgrade, flash-image and batch: the window's SOFT upgrade,
// Create Flash1M.bin and PATCH UP, run by the same code with a TerminalHost.

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <iostream>
#include <memory>

#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "cli/ProductionLine.h"
#include "cli/TerminalHost.h"
#include "cli/UnitRecording.h"
#include "core/SatTpFile.h"
#include "service/BatchUpgrade.h"
#include "service/FactoryImage.h"
#include "bootloader/IntelHex.h"
#include "bootloader/SoftwareUpgrade.h"
#include "serial/SerialPort.h"

namespace velmora::cli {

namespace {

struct UpgradeArgs : RecordOptions {
    std::string port;
    std::vector<std::string> files;
};

const CommandOptions<UpgradeArgs>& UpgradeDeclared() {
    static const CommandOptions<UpgradeArgs> options(
        {Value("--port", "P", &UpgradeArgs::port, kPortHelp),
         Line{"FILE.hex",
              "the Intel HEX firmware; its name begins with rav32izazud; the meter must be in "
              "its bootloader"}},
        OneMeterRecordOptions(), &UpgradeArgs::files, 1);
    return options;
}

struct ImageArgs {
    std::string tables, logo, icon;
    std::string output = FACTORY_IMAGE_FILE;
};

const CommandOptions<ImageArgs>& FlashImageDeclared() {
    using A = ImageArgs;
    static const CommandOptions<ImageArgs> options({
        Value("--tables", "FILE", &A::tables,
              "the sattp.csv table to put in the image (as batch takes it)"),
        Value("--db", "FILE", &A::tables, "the same as --tables"),
        Value("--logo", "FILE", &A::logo, "the logo file (stm32logo*)"),
        Value("--icon", "FILE", &A::icon, "the icon file (stm32icon*)"),
        Value("--output", "OUT", &A::output,
              "the image to write (default Flash1M.bin in the current folder)", "-o"),
    });
    return options;
}

// The window's name rules for the chosen files; false (with the reason on
// the error stream) when a name is refused.
bool NameAccepted(CliStreams& io, const std::string& path, ChosenFile (*choose)(const std::string&),
                  const char* prefix) {
    if (path.empty() || !choose(path).path.empty()) return true;
    PrintFileNameRule(io, path, prefix);
    return false;
}

// The firmware file loaded as the upgrade loads it, so a file it would refuse
// ends the command before any port is opened: kExitOk, or after the reason
// kExitCannotOpen or kExitFailed (not a HEX file the meter takes).
int FirmwareStatus(CliStreams& io, const std::string& path) {
    if (path.empty()) return kExitOk;
    if (!InputFileOpens(io, path)) return kExitCannotOpen;
    std::string whyNot;
    LoadResult result = FirmwareImage::Create()->Load(path, &whyNot);
    if (result == LoadOk) return kExitOk;
    PrintError(io, whyNot);
    return result == CannotOpen ? kExitCannotOpen : kExitFailed;
}

}  // namespace

const std::vector<OptionLine>& UpgradeOptions() { return UpgradeDeclared().HelpLines(); }
const std::vector<OptionLine>& FlashImageOptions() { return FlashImageDeclared().HelpLines(); }

int RunUpgrade(const std::vector<std::string>& args, CliStreams& io) {
    UpgradeArgs parsed;
    const RecordOptions& recording = parsed;
    if (!UpgradeDeclared().Parse(io, args, parsed, [&] {
            return CompleteRecordOptions(io, parsed, RecordUse::OneMeter);
        })) {
        return kExitUsage;
    }
    const std::string& port = parsed.port;
    const std::string file = parsed.files.empty() ? "" : parsed.files[0];
    if (!RequireOption(io, port, "--port") || !RequireOption(io, file, "FILE.hex") ||
        !PortNameAccepted(io, port)) {
        return kExitUsage;
    }
    if (!NameAccepted(io, file, LoadSoftFile, SOFT_NAME_PREFIX)) return kExitUsage;
    if (int status = FirmwareStatus(io, file); status != kExitOk) {
        io.out << TEXT_FILE_OPEN_FAILED << '\n';
        return status;
    }
    if (io.checkOnly) return kExitOk;
    records::UnitJob unitJob = UnitJobFor(recording);
    unitJob.soft = file;
    OneMeterRecord unit;
    if (!unit.Open(io, recording, std::move(unitJob))) return kExitFailed;
    TerminalHost host(io.err, ProgressBarWanted(io.err));
    NoticeTap tap(host);
    SerialPort serial;
    MeterLink link(serial, tap);
    link.SetPortName(port);
    BatchRecord meter = NewBatchRecord(port, unit.Wanted() ? file : std::string());
    // The chip's unique ID is read for the record only.
    const BootOptions boot = unit.Wanted() ? RecordIdentity({}, meter) : BootOptions{};
    const auto start = std::chrono::steady_clock::now();
    OpResult result;
    {
        TerminalHost::InterruptScope interrupt;
        result = UpgradeSoftware(link, file, boot);
    }
    std::string status = WithBootloaderHint(host.TakeFinalStatus());
    if (!status.empty()) io.out << status << '\n';
    if (result == OpResult::Stopped || host.Interrupted()) PrintError(io, "stopped");
    unit.Keep(io, meter, BatchStep::Soft, result, status,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), tap);
    return result == OpResult::Completed ? kExitOk : kExitFailed;
}

int RunFlashImage(const std::vector<std::string>& args, CliStreams& io) {
    ImageArgs parsed;
    const std::string& dbPath = parsed.tables;
    const std::string& logo = parsed.logo;
    const std::string& icon = parsed.icon;
    const std::string& output = parsed.output;
    if (!FlashImageDeclared().Parse(io, args, parsed) || !RequireOption(io, dbPath, "--tables") || !RequireOption(io, logo, "--logo") ||
        !RequireOption(io, icon, "--icon") || !RequireOption(io, output, "-o OUT")) {
        return kExitUsage;
    }
    if (!NameAccepted(io, logo, LoadLogoFile, LOGO_NAME_PREFIX) ||
        !NameAccepted(io, icon, LoadIconFile, ICON_NAME_PREFIX)) {
        return kExitUsage;
    }
    auto db = NewTable();
    if (int status = ReadTableFile(*db, dbPath, io); status != kExitOk) return status;
    if (!InputFileOpens(io, logo) || !InputFileOpens(io, icon)) return kExitCannotOpen;
    if (db->satCount <= 0 || db->tpCount <= 0) {
        PrintError(io, dbPath + " holds no satellites or transponders; no image written");
        return kExitFailed;
    }
    std::string whyNot;
    FactoryResult result = CreateFactoryImage(
        *db, logo, icon, [&](const std::string& text) { PrintError(io, text); }, output, &whyNot);
    if (result == FactoryResult::WriteFailed)
        PrintError(io, "cannot write " + output + ": " + whyNot);
    return result == FactoryResult::Ok ? kExitOk : kExitFailed;
}

namespace {

// The batch's options as given, before they are checked.
struct BatchArgs : RecordOptions {
    std::vector<std::string> ports;
    std::vector<std::string> portLists;
    bool repeat = false;
    std::string count, report, probeInterval;
    std::string soft, icon, logo, tables, backup;
    std::string softWait = "12000";
    std::string stepWait = "200";
    bool verify = false;
    bool noVerify = false;
};

const CommandOptions<BatchArgs>& BatchDeclared() {
    using A = BatchArgs;
    static const CommandOptions<BatchArgs> options({
        EveryValue("--port", "P", &A::ports,
                   "a meter's port: COM1..COM9 or a device path; repeat it for several meters "
                   "at once"),
        EveryValue("--ports", "P1,P2,...", &A::portLists, "several ports in one argument"),
        Value("--soft", "F", &A::soft,
              "upgrade the firmware from this HEX file first (rav32izazud*)"),
        Value("--icon", "F", &A::icon, "then upload this icon file (stm32icon*)"),
        Value("--logo", "F", &A::logo, "then upload this logo file (stm32logo*)"),
        Value("--tables", "F", &A::tables,
              "then write the tables of this sattp.csv file and read them back"),
        Switch("--verify", &A::verify,
               "with --tables: read the tables back and compare them (the default)"),
        Switch("--no-verify", &A::noVerify, "with --tables: do not read the tables back"),
        Value("--backup", "F", &A::backup,
              "with --tables: first save each meter's tables to F, its name followed by the "
              "port and the time"),
        Value("--soft-wait-ms", "MS", &A::softWait,
              "wait after the firmware step while the meter restarts (default 12000)"),
        Value("--step-wait-ms", "MS", &A::stepWait, "wait after each upload step (default 200)"),
        Switch("--repeat", &A::repeat,
               "keep serving: after each meter wait until its line is silent, then for the "
               "next one"),
        Value("--count", "N", &A::count, "stop after N meters on each port (implies --repeat)"),
        Value("--probe-interval-ms", "MS", &A::probeInterval,
              "how often --repeat looks for the next meter (default 1000)"),
        Value("--report", "FILE", &A::report, "append one JSON line per meter to FILE"),
        RecordOption("[FILE|URL]",
                     "keep a unit record of every meter in an SQLite FILE (default "
                     "~/.local/share/velmora/units.sqlite) or a postgresql:// URL; [production] "
                     "record= in the settings does the same"),
        BenchOption("the bench named in the records (default the host name)"),
        RunOption("continue the run of this ID (printed when a run starts)"),
        LimitOption("stop after N passed meters in the run (implies --repeat)"),
    });
    return options;
}

bool ParseCount(const std::string& text, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0;
}

// The job's unit records when --record asks for them (the job's files
// hashed once); kExitOk, or the reason said and kExitFailed.
int OpenUnitLog(CliStreams& io, const RecordOptions& recording, const LineJob& job,
                const std::string& tables, std::unique_ptr<records::UnitLog>& units) {
    if (!recording.wanted) {
        if (recording.limit == 0) return kExitOk;
    }
    records::UnitJob unitJob = UnitJobFor(recording);
    if (!recording.wanted) unitJob.target.clear();
    unitJob.soft = job.soft;
    unitJob.icon = job.icon;
    unitJob.logo = job.logo;
    unitJob.tablesPath = tables;
    unitJob.verify = job.tableChecks.verify;
    auto table = NewTable();
    if (!tables.empty() && ReadTableFile(*table, tables, io) == kExitOk) unitJob.tables = table.get();
    units = std::make_unique<records::UnitLog>(std::move(unitJob));
    std::string error;
    std::string notice;
    if (!units->Open(&error, &notice)) {
        PrintError(io, error);
        return kExitFailed;
    }
    if (!notice.empty()) PrintError(io, notice);
    if (recording.wanted) io.err << kProgramName << ": run " << units->RunId() << '\n';
    return kExitOk;
}

int SayLimit(CliStreams& io, records::UnitLog& units) {
    io.err << kProgramName << ": limit reached: " << units.Passed() << " meters passed in run "
           << units.RunId() << '\n';
    return kExitOk;
}

}  // namespace

const std::vector<OptionLine>& PatchUpOptions() { return BatchDeclared().HelpLines(); }

int RunPatchUp(const std::vector<std::string>& args, CliStreams& io) {
    BatchArgs line;
    const RecordOptions& recording = line;
    if (!BatchDeclared().Parse(io, args, line,
                               [&] { return CompleteRecordOptions(io, line, RecordUse::Batch); })) {
        return kExitUsage;
    }
    LineJob job;
    job.soft = line.soft;
    job.icon = line.icon;
    job.logo = line.logo;
    job.tableChecks.backupPath = line.backup;
    const std::string& tables = line.tables;
    const std::string& softWait = line.softWait;
    const std::string& stepWait = line.stepWait;
    const bool verify = line.verify;
    const bool noVerify = line.noVerify;
    for (const std::string& list : line.portLists) {
        std::size_t from = 0;
        for (;;) {
            std::size_t comma = list.find(',', from);
            line.ports.push_back(list.substr(from, comma - from));
            if (comma == std::string::npos) break;
            from = comma + 1;
        }
    }
    if (!RequireOption(io, line.ports.empty() ? "" : "ports", "--port")) return kExitUsage;
    for (std::size_t i = 0; i < line.ports.size(); ++i) {
        if (line.ports[i].empty()) {
            PrintError(io, "an empty port name in --ports");
            return kExitUsage;
        }
        if (!PortNameAccepted(io, line.ports[i])) return kExitUsage;
        // Two threads on one port would each take the other's answers.
        for (std::size_t k = 0; k < i; ++k) {
            if (line.ports[k] == line.ports[i]) {
                PrintError(io, "port " + line.ports[i] + " is given twice");
                return kExitUsage;
            }
        }
    }
    if (!ParseMillisecondsOption(io, softWait, "--soft-wait-ms", job.timing.afterSoft) ||
        !ParseMillisecondsOption(io, stepWait, "--step-wait-ms", job.timing.afterUpload)) {
        return kExitUsage;
    }
    if (!line.count.empty()) {
        // A count of meters means one after another.
        if (!ParseCount(line.count, job.count)) {
            PrintError(io, "bad number for --count: '" + line.count + "' (1 or more)");
            return kExitUsage;
        }
        line.repeat = true;
    }
    if (!line.probeInterval.empty()) {
        std::chrono::milliseconds interval{};
        if (!ParseMillisecondsOption(io, line.probeInterval, "--probe-interval-ms", interval))
            return kExitUsage;
        if (interval.count() == 0) {
            PrintError(io, "--probe-interval-ms must be above 0");
            return kExitUsage;
        }
        job.probeInterval = interval;
        // Half the interval at most is spent waiting, so a late answer still
        // comes before the next probe's INIT.
        job.probeAnswer = std::min(job.probeAnswer, interval / 2);
    }
    if (recording.limit > 0) line.repeat = true;  // a job of N meters, one after another
    job.repeat = line.repeat;
    job.reportPath = line.report;
    if (job.soft.empty() && job.icon.empty() && job.logo.empty() && tables.empty()) {
        PrintError(io, "nothing to do: give --soft, --icon, --logo or --tables");
        return kExitUsage;
    }
    if (tables.empty() && (verify || noVerify || !job.tableChecks.backupPath.empty())) {
        PrintError(io, "--verify, --no-verify and --backup go with --tables");
        return kExitUsage;
    }
    if (verify && noVerify) {
        PrintError(io, "--verify and --no-verify exclude each other");
        return kExitUsage;
    }
    // The tables are read back after their write, as the window does.
    job.tableChecks.verify = !noVerify;
    if (!NameAccepted(io, job.soft, LoadSoftFile, SOFT_NAME_PREFIX) ||
        !NameAccepted(io, job.icon, LoadIconFile, ICON_NAME_PREFIX) ||
        !NameAccepted(io, job.logo, LoadLogoFile, LOGO_NAME_PREFIX)) {
        return kExitUsage;
    }
    if (!InputFileOpens(io, job.icon) || !InputFileOpens(io, job.logo)) return kExitCannotOpen;
    if (int status = FirmwareStatus(io, job.soft); status != kExitOk) return status;

    if (io.checkOnly) {
        if (tables.empty()) return kExitOk;
        auto db = NewTable();
        return ReadTableFile(*db, tables, io);
    }
    std::unique_ptr<records::UnitLog> units;
    if (int status = OpenUnitLog(io, recording, job, tables, units); status != kExitOk)
        return status;
    job.units = units.get();
    if (line.ports.size() > 1 || job.repeat) {
        std::unique_ptr<SatTpDatabase> db;
        if (!tables.empty()) {
            db = NewTable();
            if (int status = ReadTableFile(*db, tables, io); status != kExitOk) return status;
            job.tables = db.get();
        }
        if (units && units->LimitReached()) return SayLimit(io, *units);
        int status = RunProductionLine(line.ports, job, io, ProgressBarWanted(io.err));
        if (units && units->LimitReached()) SayLimit(io, *units);
        return status;
    }

    const std::string& port = line.ports.front();
    TerminalHost host(io.err, ProgressBarWanted(io.err));
    if (!tables.empty()) {
        if (int status = ReadTableFile(host.Database(), tables, io); status != kExitOk)
            return status;
        job.tables = &host.Database();
    }
    SerialPort serial;
    NoticeTap tap(host);
    MeterLink link(serial, tap);
    link.SetPortName(port);
    BatchRecord record;
    auto start = std::chrono::steady_clock::now();
    {
        TerminalHost::InterruptScope interrupt;
        record = RunMeterBatch(link, port, job, false, {},
                               [&](BatchStep, const StepRecord* ended) {
                                   if (ended != nullptr) tap.StepEnded(ended->ok);
                               });
    }
    // A firmware step that found no bootloader ends the batch with its status last.
    bool noBootloader = !job.soft.empty() && WithBootloaderHint(host.LastStatus()) != host.LastStatus();
    host.EndDisplay();
    if (units) {
        std::string notice;
        units->Keep(record,
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                    tap.TakeReason(), &notice);
        if (!notice.empty()) PrintError(io, notice);
    }
    io.out << record.result << (noBootloader ? WithBootloaderHint(host.LastStatus()) : "") << '\n';
    if (!AppendToReport(job, record, io.err)) return kExitFailed;
    return record.ok ? kExitOk : kExitFailed;
}

}  // namespace velmora::cli
