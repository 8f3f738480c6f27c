// velmora-cli check: what is probably wrong with a sattp.csv table, before it
// goes into a meter.
#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "core/TableCheck.h"

namespace velmora::cli {

namespace {

std::string CountLine(std::size_t count) {
    if (count == 0) return "no findings";
    return std::to_string(count) + (count == 1 ? " finding" : " findings");
}

nlohmann::ordered_json FindingsJson(const std::vector<std::string>& fileFindings,
                                    const std::vector<TableFinding>& findings) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const std::string& text : fileFindings)
        list.push_back({{"kind", "file-read"}, {"table", "file"}, {"text", text}});
    for (const TableFinding& f : findings) {
        nlohmann::ordered_json item{{"kind", FindingKindName(f.kind)},
                                    {"table", TableKindName(f.table)},
                                    {"index", f.index}};
        if (f.earlierTp >= 0) item["earlierTp"] = f.earlierTp;
        item["text"] = f.text;
        list.push_back(std::move(item));
    }
    return nlohmann::ordered_json{{"count", list.size()}, {"findings", std::move(list)}};
}

struct CheckArgs {
    std::vector<std::string> files;
    bool json = false;
};

const CommandOptions<CheckArgs>& CheckDeclared() {
    static const CommandOptions<CheckArgs> options(
        {Line{"FILE", "the sattp.csv table to check"},
         Switch("--json", &CheckArgs::json,
                "print the findings as JSON (kind, table: lnb, sat or tp, 0-based index, text)")},
        &CheckArgs::files, 1);
    return options;
}

}  // namespace

const std::vector<OptionLine>& CheckOptions() { return CheckDeclared().HelpLines(); }

int RunCheck(const std::vector<std::string>& args, CliStreams& io) {
    CheckArgs parsed;
    if (!CheckDeclared().Parse(io, args, parsed)) return kExitUsage;
    const std::vector<std::string>& files = parsed.files;
    const bool json = parsed.json;
    if (files.size() != 1) {
        PrintError(io, "missing FILE");
        return kExitUsage;
    }
    auto db = NewTable();
    // What the read passed over is a finding here, not a warning, and comes
    // first: the table below lacks it.
    SatTpReadReport report;
    if (int status = ReadTableFile(*db, files[0], io, &report); status != kExitOk) return status;
    std::vector<std::string> fileFindings = report.Lines();
    std::vector<TableFinding> findings = CheckTable(*db);
    std::size_t count = fileFindings.size() + findings.size();
    if (json) {
        io.out << FindingsJson(fileFindings, findings)
                      .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
               << '\n';
    } else {
        for (const std::string& text : fileFindings) io.out << text << '\n';
        for (const TableFinding& f : findings) io.out << f.text << '\n';
        io.out << CountLine(count) << '\n';
    }
    return count == 0 ? kExitOk : kExitFailed;
}

}  // namespace velmora::cli
