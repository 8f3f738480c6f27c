// velmora-cli diff: what changes from one table to another, the old one
// being a file or the meter's table.
#include <memory>
#include <ostream>

#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "cli/TableJson.h"
#include "cli/TerminalHost.h"
#include "core/MessageText.h"
#include "core/TableCompare.h"
#include "serial/SerialPort.h"
#include "meter/TableTransfer.h"

namespace velmora::cli {

namespace {

struct DiffArgs {
    bool json = false;
    std::string port;
    std::vector<std::string> files;
};

const CommandOptions<DiffArgs>& DiffDeclared() {
    static const CommandOptions<DiffArgs> options(
        {Line{"OLD NEW",
              "two sattp.csv tables; the lines say what changes from OLD to NEW; exit 0 equal, "
              "1 different"},
         Value("--port", "P", &DiffArgs::port, "read the meter's table on this port and take it as OLD"),
         Line{"FILE", "with --port: the sattp.csv table taken as NEW (only read, never sent)"},
         Switch("--json", &DiffArgs::json, "print the differences as JSON")},
        &DiffArgs::files, 2);
    return options;
}

// OLD NEW, or --port P FILE; false with the reason on the error stream.
bool ParseDiffArgs(CliStreams& io, const std::vector<std::string>& args, DiffArgs& parsed) {
    if (!DiffDeclared().Parse(io, args, parsed)) return false;
    if (!parsed.port.empty()) {
        if (!PortNameAccepted(io, parsed.port)) return false;
        if (parsed.files.size() == 2) {
            // The meter's table takes the place of OLD.
            PrintError(io, "unexpected argument '" + parsed.files[1] + "' beside --port");
            return false;
        }
        return RequireOption(io, parsed.files.empty() ? "" : "FILE", "FILE");
    }
    if (parsed.files.size() == 2) return true;
    PrintError(io, parsed.files.empty() ? "missing OLD and NEW" : "missing NEW");
    return false;
}

// The meter's table, read as read-tables reads it; null after a message
// when the read did not complete.
std::unique_ptr<SatTpDatabase> ReadFromMeter(const std::string& portName, CliStreams& io) {
    TerminalHost host(io.err, ProgressBarWanted(io.err));
    SerialPort port;
    MeterLink link(port, host);
    link.SetPortName(portName);
    auto db = NewTable();
    OpResult result;
    {
        TerminalHost::InterruptScope interrupt;
        result = ReadMeterTable(link, *db);
    }
    if (result == OpResult::Completed) return db;
    if (result == OpResult::Stopped) {
        PrintError(io, "stopped");
    } else if (!host.LastStatus().empty()) {
        PrintError(io, "cannot read the meter's table: " + host.LastStatus());
    } else {
        PrintError(io, "cannot read the meter's table");
    }
    return nullptr;
}

const char* ChangeName(DiffChange c) {
    switch (c) {
        case DiffChange::Added:
            return "added";
        case DiffChange::Removed:
            return "removed";
        case DiffChange::Changed:
            return "changed";
    }
    return "?";
}

Json DifferenceJson(const TableDifference& d) {
    Json j{{"kind", TableKindName(d.kind)}, {"change", ChangeName(d.change)}};
    const bool hasBefore = d.change != DiffChange::Added;
    const bool hasAfter = d.change != DiffChange::Removed;
    switch (d.kind) {
        case TableKind::Lnb:
            j["lnb"] = d.oldIndex + 1;
            j["before"] = LnbJson(d.lnbBefore);
            j["after"] = LnbJson(d.lnbAfter);
            break;
        case TableKind::Satellite:
            if (hasBefore) j["before"] = SatelliteJson(d.satBefore);
            if (hasAfter) j["after"] = SatelliteJson(d.satAfter);
            break;
        case TableKind::Tp: {
            // satIndex counts in its own table; the satellite says which one.
            const SatRecord& sat = hasBefore ? d.satBefore : d.satAfter;
            Json satellite = SatelliteJson(sat);
            satellite.erase("lnbIndex");
            j["satellite"] = std::move(satellite);
            if (hasBefore) j["before"] = TpJson(d.tpBefore);
            if (hasAfter) j["after"] = TpJson(d.tpAfter);
            break;
        }
    }
    return j;
}

}  // namespace

const std::vector<OptionLine>& DiffOptions() { return DiffDeclared().HelpLines(); }

int RunDiff(const std::vector<std::string>& args, CliStreams& io) {
    DiffArgs parsed;
    if (!ParseDiffArgs(io, args, parsed)) return kExitUsage;
    std::unique_ptr<SatTpDatabase> before;
    auto after = NewTable();
    // The file first: a file that cannot be read needs no meter.
    if (int status = ReadTableFile(*after, parsed.files.back(), io); status != kExitOk)
        return status;
    if (parsed.port.empty()) {
        before = NewTable();
        if (int status = ReadTableFile(*before, parsed.files.front(), io); status != kExitOk)
            return status;
    } else {
        if (io.checkOnly) return kExitOk;
        before = ReadFromMeter(parsed.port, io);
        if (!before) return kExitFailed;
    }
    TableComparison c = CompareTables(*before, *after);
    if (parsed.json) {
        Json list = Json::array();
        for (const TableDifference& d : c.differences) list.push_back(DifferenceJson(d));
        io.out << JsonText(list) << '\n';
    } else {
        // Names are bytes from a file or the meter: a control byte in one
        // must not act on the terminal.
        for (const TableDifference& d : c.differences)
            io.out << EscapeControls(DifferenceLine(d)) << '\n';
        if (c.orderDiffers) io.out << ORDER_DIFFERS_TEXT << '\n';
        io.out << DifferenceCountText(c.differences.size()) << '\n';
    }
    return c.Equal() ? kExitOk : kExitFailed;
}

}  // namespace velmora::cli
