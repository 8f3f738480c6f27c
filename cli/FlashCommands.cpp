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
#include "core/SatTpFile.h"
#include "service/BatchUpgrade.h"
#include "service/FactoryImage.h"
#include "bootloader/IntelHex.h"
#include "bootloader/SoftwareUpgrade.h"
#include "serial/SerialPort.h"

namespace velmora::cli {

namespace {

// "--name VALUE" pairs of the given options and, where file is given, one
// argument that is not an option; false, with the reason said, on anything else.
bool ParseOptions(CliStreams& io, const std::vector<std::string>& args,
                  const std::vector<Option>& options, std::string* file = nullptr) {
    std::vector<std::string> positional;
    if (!ParseArguments(io, args, options, &positional, file != nullptr ? 1 : 0)) return false;
    if (file != nullptr && !positional.empty()) *file = positional[0];
    return true;
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

int RunUpgrade(const std::vector<std::string>& given, CliStreams& io) {
    std::vector<std::string> args = given;
    RecordOptions recording;
    if (!TakeRecordOptions(io, args, recording, RecordUse::OneMeter)) return kExitUsage;
    std::string port;
    std::string file;
    if (!ParseOptions(io, args, {{"--port", &port}}, &file) ||
        !RequireOption(io, port, "--port") || !RequireOption(io, file, "FILE.hex") ||
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
    std::string dbPath;
    std::string logo;
    std::string icon;
    std::string output = FACTORY_IMAGE_FILE;
    if (!ParseOptions(io, args,
                      {{"--db", &dbPath},
                       {"--tables", &dbPath},
                       {"--logo", &logo},
                       {"--icon", &icon},
                       {"--output", &output, nullptr, "-o"}}) ||
        !RequireOption(io, dbPath, "--tables") || !RequireOption(io, logo, "--logo") ||
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

// The batch's options that may repeat or stand alone, taken out of args
// before the rest is parsed: every --port, --ports lists, --repeat, --count,
// --report and --probe-interval-ms. False on a malformed one.
struct LineOptions {
    std::vector<std::string> ports;
    bool repeat = false;
    std::string count;
    std::string report;
    std::string probeInterval;
};

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

int RunPatchUp(const std::vector<std::string>& given, CliStreams& io) {
    std::vector<std::string> args = given;
    RecordOptions recording;
    if (!TakeRecordOptions(io, args, recording, RecordUse::Batch)) return kExitUsage;
    LineOptions line;
    std::vector<std::string> portLists;
    LineJob job;
    std::string tables;
    std::string softWait = "12000";
    std::string stepWait = "200";
    bool verify = false;
    bool noVerify = false;
    if (!ParseOptions(io, args,
                      {{"--port", nullptr, nullptr, nullptr, &line.ports},
                       {"--ports", nullptr, nullptr, nullptr, &portLists},
                       {"--repeat", nullptr, &line.repeat},
                       {"--count", &line.count},
                       {"--report", &line.report},
                       {"--probe-interval-ms", &line.probeInterval},
                       {"--soft", &job.soft},
                       {"--icon", &job.icon},
                       {"--logo", &job.logo},
                       {"--tables", &tables},
                       {"--verify", nullptr, &verify},
                       {"--no-verify", nullptr, &noVerify},
                       {"--backup", &job.tableChecks.backupPath},
                       {"--soft-wait-ms", &softWait},
                       {"--step-wait-ms", &stepWait}})) {
        return kExitUsage;
    }
    for (const std::string& list : portLists) {
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
