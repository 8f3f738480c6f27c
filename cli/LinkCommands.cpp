// velmora-cli commands that talk to the meter: ports, read-tables,
// write-tables, write-logo, write-icon, delete-icons. Each runs the same link
// operation as the window, with a TerminalHost.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "cli/TerminalHost.h"
#include "cli/UnitRecording.h"
#include "core/MessageText.h"
#include "core/SatTpFile.h"
#include "core/Utf8Path.h"
#ifdef _WIN32
#include "core/WideText.h"
#endif
#include "serial/LinkTexts.h"
#include "serial/SerialPort.h"
#include "meter/LogoIconUpload.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortHolders.h"
#include "serial/PortInfo.h"
#include "serial/PortNames.h"
#include "service/PortProbe.h"
#include "meter/TableTransfer.h"

namespace velmora::cli {

namespace {

// The unit record's options are there for write-tables, write-logo and
// write-icon only.
struct LinkArgs : RecordOptions {
    std::string port;
    std::string output;
    std::string file;
    std::vector<std::string> files;
    bool yes = false;
    // write-tables only: the tables are read back after the write, as the
    // window does, unless --no-verify says otherwise.
    bool verify = false;
    bool noVerify = false;
    std::string backup;
};

using LinkOptions = CommandOptions<LinkArgs>;

OptionSpec<LinkArgs> PortOption() { return Value("--port", "P", &LinkArgs::port, kPortHelp); }

const LinkOptions& ReadTablesDeclared() {
    static const LinkOptions options({
        PortOption(),
        Value("--output", "FILE", &LinkArgs::output, "the sattp.csv file to write", "-o"),
    });
    return options;
}

const LinkOptions& WriteTablesDeclared() {
    static const LinkOptions options(
        {PortOption(), Line{"FILE", "the sattp.csv table to send"},
         Switch("--verify", &LinkArgs::verify,
                "read the tables back after the write and compare them, exit 1 if they differ "
                "(the default)"),
         Switch("--no-verify", &LinkArgs::noVerify, "do not read the tables back after the write"),
         Value("--backup", "FILE", &LinkArgs::backup,
               "first save the meter's tables to FILE (a name taken already gets -2, -3, ...); "
               "without it nothing is saved")},
        OneMeterRecordOptions(), &LinkArgs::files, 1);
    return options;
}

const LinkOptions& WriteLogoDeclared() {
    static const LinkOptions options(
        {PortOption(), Line{"FILE", "the logo file; its name begins with stm32logo"}},
        OneMeterRecordOptions(), &LinkArgs::files, 1);
    return options;
}

const LinkOptions& WriteIconDeclared() {
    static const LinkOptions options(
        {PortOption(), Line{"FILE", "the icon file; its name begins with stm32icon"}},
        OneMeterRecordOptions(), &LinkArgs::files, 1);
    return options;
}

const LinkOptions& DeleteIconsDeclared() {
    static const LinkOptions options({
        PortOption(),
        Switch("--yes", &LinkArgs::yes, "confirm the deletion (it cannot be undone)"),
    });
    return options;
}

// Parses the command's declared options and at most one file argument;
// nullopt, with the reason on the error stream, on anything else or a
// missing value. With recorded, the unit record's options are completed.
std::optional<LinkArgs> ParseLinkArgs(CliStreams& io, const std::vector<std::string>& args,
                                      const LinkOptions& declared, bool wantFile, bool wantOutput,
                                      bool recorded = false) {
    LinkArgs parsed;
    const std::vector<std::string>& files = parsed.files;
    bool ok = declared.Parse(io, args, parsed, [&] {
        return !recorded || CompleteRecordOptions(io, parsed, RecordUse::OneMeter);
    });
    if (!ok || !RequireOption(io, parsed.port, "--port") || !PortNameAccepted(io, parsed.port))
        return std::nullopt;
    if (parsed.verify && parsed.noVerify) {
        PrintError(io, "--verify and --no-verify exclude each other");
        return std::nullopt;
    }
    parsed.verify = !parsed.noVerify;
    if (wantOutput && !RequireOption(io, parsed.output, "-o FILE")) return std::nullopt;
    if (wantFile) {
        if (files.empty()) {
            PrintError(io, "missing FILE");
            return std::nullopt;
        }
        parsed.file = files[0];
    }
    return parsed;
}

// The unit record of a command on one meter, when one is kept: the step it
// is and the record.
struct RecordedStep {
    BatchStep step = BatchStep::Tables;
    OneMeterRecord* unit = nullptr;
};

// Runs one operation with a terminal host on the named port and reports its
// outcome: the final status on the output stream, exit 0 only when it
// completed. The operation may also refuse before the link is used.
template <class Operation>
int RunOnMeter(CliStreams& io, const LinkArgs& args, Operation operation,
               RecordedStep recorded = {}) {
    if (io.checkOnly) return kExitOk;
    TerminalHost host(io.err, ProgressBarWanted(io.err));
    NoticeTap tap(host);
    SerialPort port;
    MeterLink link(port, tap);
    link.SetPortName(args.port);
    const BatchRecord meter = NewBatchRecord(args.port, "");
    const auto start = std::chrono::steady_clock::now();
    OpResult result;
    {
        TerminalHost::InterruptScope interrupt;
        result = operation(link, host.Database());
    }
    std::string status = host.TakeFinalStatus();
    if (!status.empty()) io.out << status << '\n';
    // A Ctrl+C during the frames ends in the failure text, as Stop does in
    // the window; either way the terminal says that it was stopped.
    if (result == OpResult::Stopped || host.Interrupted()) PrintError(io, "stopped");
    if (recorded.unit != nullptr) {
        recorded.unit->Keep(
            io, meter, recorded.step, result, status,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), tap);
    }
    return result == OpResult::Completed ? kExitOk : kExitFailed;
}

// An output file that cannot be created is found before the meter is read
// (a full read takes a while); the one line says why.
bool OutputWritable(CliStreams& io, const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(PathFromUtf8(path), ec)) {
        PrintError(io, "cannot write " + path + ": it is a folder");
        return false;
    }
    std::string::size_type slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
#ifdef _WIN32
    const bool writable = ::_waccess(WideFromUtf8(folder).c_str(), 2) == 0;
#else
    const bool writable = ::access(folder.c_str(), W_OK) == 0;
#endif
    if (!writable) {
        PrintError(io, "cannot write " + path + ": " + std::strerror(errno));
        return false;
    }
    return true;
}

// The logo and icon commands: the file name must carry the meter's prefix.
int RunUpload(const std::vector<std::string>& args, CliStreams& io, const LinkOptions& declared,
              ChosenFile (*choose)(const std::string&), const char* prefix,
              OpResult (*upload)(MeterLink&, const std::string&), BatchStep step) {
    auto parsed = ParseLinkArgs(io, args, declared, true, false, true);
    if (!parsed) return kExitUsage;
    const RecordOptions& recording = *parsed;
    if (choose(parsed->file).path.empty()) {
        PrintFileNameRule(io, parsed->file, prefix);
        return kExitUsage;
    }
    if (!InputFileOpens(io, parsed->file)) return kExitCannotOpen;
    records::UnitJob job = UnitJobFor(recording);
    (step == BatchStep::Logo ? job.logo : job.icon) = parsed->file;
    OneMeterRecord unit;
    if (!unit.Open(io, recording, std::move(job))) return kExitFailed;
    return RunOnMeter(
        io, *parsed,
        [&](MeterLink& link, SatTpDatabase&) { return upload(link, parsed->file); },
        {step, unit.Wanted() ? &unit : nullptr});
}

// "meter", "bootloader", or empty for a port nothing answered on; the text
// form says "busy" for a port the probe left alone.
std::string AnswerWord(const std::optional<ProbeOutcome>& outcome, bool sayBusy) {
    if (!outcome) return {};
    switch (outcome->answer) {
        case PortAnswer::Meter: return "meter";
        case PortAnswer::Bootloader: return "bootloader";
        case PortAnswer::Nothing: break;
    }
    return sayBusy && !outcome->busy.empty() ? "busy" : "";
}

struct PortsArgs {
    bool probe = false;
    bool json = false;
};

const CommandOptions<PortsArgs>& PortsDeclared() {
    static const CommandOptions<PortsArgs> options({
        Switch("--probe", &PortsArgs::probe,
               "ask each port whether a meter or its bootloader answers"),
        Switch("--json", &PortsArgs::json, "print the ports as JSON for scripts"),
    });
    return options;
}

}  // namespace

const std::vector<OptionLine>& PortsOptions() { return PortsDeclared().HelpLines(); }
const std::vector<OptionLine>& ReadTablesOptions() { return ReadTablesDeclared().HelpLines(); }
const std::vector<OptionLine>& WriteTablesOptions() { return WriteTablesDeclared().HelpLines(); }
const std::vector<OptionLine>& WriteLogoOptions() { return WriteLogoDeclared().HelpLines(); }
const std::vector<OptionLine>& WriteIconOptions() { return WriteIconDeclared().HelpLines(); }
const std::vector<OptionLine>& DeleteIconsOptions() { return DeleteIconsDeclared().HelpLines(); }

int RunPorts(const std::vector<std::string>& args, CliStreams& io) {
    PortsArgs parsed;
    if (!PortsDeclared().Parse(io, args, parsed)) return kExitUsage;
    const bool json = parsed.json;
    const bool probe = parsed.probe;
    if (io.checkOnly) return kExitOk;
    const std::vector<PortInfo> ports = InspectPorts(PortSystem::Default());
    // The probe's answer of each port, by its place in the list.
    std::vector<std::optional<ProbeOutcome>> answers(ports.size());
    if (probe) {
        std::vector<ProbeTarget> targets;
        for (const PortInfo& p : ports) {
            if (!p.device.empty()) targets.push_back({p.name, p.device});
        }
        const std::vector<ProbeOutcome> found =
            ProbePortsForMeter(PortSystem::Default(), targets);
        for (std::size_t i = 0, next = 0; i < ports.size(); ++i) {
            if (!ports[i].device.empty()) answers[i] = found[next++];
        }
    }
    if (json) {
        using Json = nlohmann::ordered_json;
        // Absent facts are null, so scripts need no sentinel texts.
        auto textOrNull = [](const std::string& t) { return t.empty() ? Json() : Json(t); };
        Json list = Json::array();
        for (std::size_t i = 0; i < ports.size(); ++i) {
            const PortInfo& p = ports[i];
            Json entry;
            entry["name"] = p.name;
            entry["device"] = textOrNull(p.device);
            entry["opens"] = p.opens;
            entry["adapter"] = textOrNull(p.adapter);
            entry["access"] = textOrNull(p.access);
            entry["latencyTimerMs"] = p.lateMs > 0 ? Json(p.lateMs) : Json();
            if (probe) entry["answers"] = textOrNull(AnswerWord(answers[i], false));
            list.push_back(entry);
        }
        // A device name need not be UTF-8: its bad bytes become U+FFFD.
        io.out << list.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    } else {
        if (OutputIsTerminal(io.out))
            io.out << "PORT\tDEVICE\tSTATE\tADAPTER" << (probe ? "\tANSWERS" : "") << '\n';
        for (std::size_t i = 0; i < ports.size(); ++i) {
            const PortInfo& p = ports[i];
            const char* state = p.device.empty() ? "no device"
                                : p.opens        ? "opens"
                                                 : "cannot be opened (absent or in use)";
            std::string about = p.adapter;
            if (!p.device.empty()) about += (about.empty() ? "" : ", ") + p.access;
            io.out << p.name << '\t' << (p.device.empty() ? "-" : EscapeControls(p.device)) << '\t'
                   << state << '\t' << (about.empty() ? "-" : EscapeControls(about));
            if (probe) {
                const std::string word = AnswerWord(answers[i], true);
                io.out << '\t' << (word.empty() ? "-" : word);
            }
            io.out << '\n';
        }
    }
    // Said on the error stream so the table stays one line per port.
    for (const PortInfo& p : ports) {
        if (p.lateMs > 0) io.err << LateAnswerText(p.device, p.lateMs) << '\n';
    }
    for (const std::optional<ProbeOutcome>& a : answers) {
        if (a && !a->busy.empty()) io.err << EscapeControls(a->busy) << '\n';
    }
    for (const std::string& text : ClaimedAdapterTexts(PortSystem::Default())) {
        io.err << text << '\n';
    }
    return kExitOk;
}

int RunReadTables(const std::vector<std::string>& args, CliStreams& io) {
    auto parsed = ParseLinkArgs(io, args, ReadTablesDeclared(), false, true);
    if (!parsed) return kExitUsage;
    if (!OutputWritable(io, parsed->output)) return kExitFailed;
    return RunOnMeter(io, *parsed, [&](MeterLink& link, SatTpDatabase& db) {
        OpResult result = ReadTablesFromMeter(link);
        std::string whyNot;
        if (result == OpResult::Completed &&
            !WriteSatTpFile(db, parsed->output.c_str(), &whyNot)) {
            PrintError(io, "cannot write " + parsed->output + ": " + whyNot);
            return OpResult::Failed;
        }
        return result;
    });
}

int RunWriteTables(const std::vector<std::string>& args, CliStreams& io) {
    auto parsed = ParseLinkArgs(io, args, WriteTablesDeclared(), true, false, true);
    if (!parsed) return kExitUsage;
    const RecordOptions& recording = *parsed;
    // The table is read before the port is touched: a file that cannot be
    // used ends the command as it would without a meter.
    auto table = NewTable();
    if (int status = ReadTableFile(*table, parsed->file, io); status != kExitOk) return status;
    if (table->satCount <= 0) {
        PrintError(io, EscapeControls(parsed->file) + " holds no satellites; nothing to write");
        return kExitFailed;
    }
    records::UnitJob job = UnitJobFor(recording);
    job.tablesPath = parsed->file;
    job.tables = table.get();
    job.verify = parsed->verify;
    OneMeterRecord unit;
    if (!unit.Open(io, recording, std::move(job))) return kExitFailed;
    return RunOnMeter(
        io, *parsed,
        [&](MeterLink& link, SatTpDatabase& db) {
            db = *table;
            return WriteTablesToMeter(link, {parsed->verify, parsed->backup});
        },
        {BatchStep::Tables, unit.Wanted() ? &unit : nullptr});
}

int RunWriteLogo(const std::vector<std::string>& args, CliStreams& io) {
    return RunUpload(args, io, WriteLogoDeclared(), LoadLogoFile, LOGO_NAME_PREFIX,
                     WriteLogoToMeter, BatchStep::Logo);
}

int RunWriteIcon(const std::vector<std::string>& args, CliStreams& io) {
    return RunUpload(args, io, WriteIconDeclared(), LoadIconFile, ICON_NAME_PREFIX,
                     WriteIconToMeter, BatchStep::Icon);
}

int RunDeleteIcons(const std::vector<std::string>& args, CliStreams& io) {
    auto parsed = ParseLinkArgs(io, args, DeleteIconsDeclared(), false, false);
    if (!parsed) return kExitUsage;
    if (!parsed->yes) {
        PrintError(io, "deleting the meter's icons needs --yes");
        return kExitUsage;
    }
    return RunOnMeter(io, *parsed, [](MeterLink& link, SatTpDatabase&) {
        // The question and the answer --yes gave, as a line of its own.
        link.Host().ShowMessage(std::string(TEXT_DELETE_ICONS_QUESTION) + " yes");
        return DeleteMeterIcons(link);
    });
}

}  // namespace velmora::cli
