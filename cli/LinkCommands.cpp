// velmora-cli commands that talk to the meter: ports, read-tables,
// write-tables, write-logo, write-icon, delete-icons. Each runs the same link
// operation as the window, with a TerminalHost.
#include <unistd.h>

#include <iostream>
#include <optional>

#include "cli/LinkCommands.h"
#include "cli/TerminalHost.h"
#include "db/SatTpFile.h"
#include "link/ComPort.h"
#include "link/LogoIconUpload.h"
#include "link/PortNames.h"
#include "link/TableTransfer.h"

namespace velmora::cli {

namespace {

struct LinkArgs {
    std::string port;
    std::string output;
    std::string file;
    bool yes = false;
    // write-tables only.
    bool verify = false;
    std::string backup;
};

// Parses --port P, -o FILE, --yes, write-tables' --verify and --backup FILE,
// and at most one file argument; nullopt on anything else or a missing --port.
std::optional<LinkArgs> ParseLinkArgs(const std::vector<std::string>& args, bool wantFile,
                                      bool wantOutput, bool allowYes, bool allowChecks = false) {
    LinkArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--port" && hasValue) {
            parsed.port = args[++i];
        } else if (wantOutput && (a == "-o" || a == "--output") && hasValue) {
            parsed.output = args[++i];
        } else if (allowYes && a == "--yes") {
            parsed.yes = true;
        } else if (allowChecks && a == "--verify") {
            parsed.verify = true;
        } else if (allowChecks && a == "--backup" && hasValue && parsed.backup.empty()) {
            parsed.backup = args[++i];
        } else if (wantFile && parsed.file.empty() && !a.empty() && a[0] != '-') {
            parsed.file = a;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.port.empty() || (wantFile && parsed.file.empty()) ||
        (wantOutput && parsed.output.empty())) {
        return std::nullopt;
    }
    return parsed;
}

// Runs one operation with a terminal host on the named port and reports its
// outcome: the final status on the output stream, exit 0 only when it
// completed. The operation may also refuse before the link is used.
template <class Operation>
int RunOnMeter(CliStreams& io, const LinkArgs& args, Operation operation) {
    TerminalHost host(args.port, io.err, ProgressBarWanted(io.err));
    host.SetAnswer(args.yes);
    CComPort port;
    MeterLink link(port, host);
    OpResult result;
    {
        TerminalHost::InterruptScope interrupt;
        result = operation(link, host.Database());
    }
    if (!host.LastStatus().empty()) io.out << host.LastStatus() << '\n';
    if (result == OpResult::Stopped) PrintError(io, "stopped");
    return result == OpResult::Completed ? kExitOk : kExitFailed;
}

// The logo and icon commands: the file name must carry the meter's prefix.
int RunUpload(const std::vector<std::string>& args, CliStreams& io,
              ChosenFile (*choose)(const std::string&), const char* prefix,
              OpResult (*upload)(MeterLink&, const std::string&)) {
    auto parsed = ParseLinkArgs(args, true, false, false);
    if (!parsed) return kExitUsage;
    if (choose(parsed->file).path.empty()) {
        PrintError(io, "the file name must begin with \"" + std::string(prefix) + "\"");
        return kExitUsage;
    }
    return RunOnMeter(io, *parsed, [&](MeterLink& link, SatTpDatabase&) {
        return upload(link, parsed->file);
    });
}

}  // namespace

int RunPorts(const std::vector<std::string>& args, CliStreams& io) {
    if (!args.empty()) return kExitUsage;
    for (int n = 1; n <= kPortCount; ++n) {
        std::string device = PortDevicePath(n);
        const char* state = "no device";
        if (!device.empty()) {
            int fd = OpenDeviceExclusive(device);
            state = fd >= 0 ? "opens" : "cannot be opened (absent or in use)";
            if (fd >= 0) PortSystem::Default().CloseDevice(fd);
        }
        io.out << PortName(n) << '\t' << (device.empty() ? "-" : device) << '\t' << state << '\n';
    }
    return kExitOk;
}

int RunReadTables(const std::vector<std::string>& args, CliStreams& io) {
    auto parsed = ParseLinkArgs(args, false, true, false);
    if (!parsed) return kExitUsage;
    return RunOnMeter(io, *parsed, [&](MeterLink& link, SatTpDatabase& db) {
        OpResult result = ReadTablesFromMeter(link);
        if (result == OpResult::Completed && !WriteSatTpFile(db, parsed->output.c_str())) {
            PrintError(io, "cannot write " + parsed->output);
            return OpResult::Failed;
        }
        return result;
    });
}

int RunWriteTables(const std::vector<std::string>& args, CliStreams& io) {
    auto parsed = ParseLinkArgs(args, true, false, false, true);
    if (!parsed) return kExitUsage;
    return RunOnMeter(io, *parsed, [&](MeterLink& link, SatTpDatabase& db) {
        if (ReadSatTpFile(db, parsed->file.c_str()) != 0) {
            PrintError(io, "cannot read " + parsed->file);
            return OpResult::NotStarted;
        }
        if (db.satCount <= 0) {
            PrintError(io, parsed->file + " holds no satellites; nothing to write");
            return OpResult::NotStarted;
        }
        return WriteTablesToMeter(link, {parsed->verify, parsed->backup});
    });
}

int RunWriteLogo(const std::vector<std::string>& args, CliStreams& io) {
    return RunUpload(args, io, LoadLogoFile, LOGO_NAME_PREFIX, WriteLogoToMeter);
}

int RunWriteIcon(const std::vector<std::string>& args, CliStreams& io) {
    return RunUpload(args, io, LoadIconFile, ICON_NAME_PREFIX, WriteIconToMeter);
}

int RunDeleteIcons(const std::vector<std::string>& args, CliStreams& io) {
    auto parsed = ParseLinkArgs(args, false, false, true);
    if (!parsed) return kExitUsage;
    if (!parsed->yes) {
        PrintError(io, "deleting the meter's icons needs --yes");
        return kExitUsage;
    }
    return RunOnMeter(io, *parsed, [](MeterLink& link, SatTpDatabase&) {
        return DeleteMeterIcons(link);
    });
}

}  // namespace velmora::cli
