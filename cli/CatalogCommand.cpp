// velmora-cli catalog: the dvbv5 scan tables installed on this machine, one
// satellite each, for picking what to import.
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/Arguments.h"
#include "cli/CliCommands.h"
#include "core/MessageText.h"
#include "exchange/ScanCatalog.h"

namespace velmora::cli {

namespace {

struct CatalogArgs {
    std::string folder = kScanTableFolder;
    bool json = false;
};

const CommandOptions<CatalogArgs>& CatalogDeclared() {
    static const CommandOptions<CatalogArgs> options({
        Value("--dir", "DIR", &CatalogArgs::folder,
              "the folder of scan tables (default /usr/share/dvb/dvb-s, from the "
              "dtv-scan-tables package)"),
        Switch("--json", &CatalogArgs::json,
               "print the tables as JSON (position, name, transponders, path)"),
    });
    return options;
}

}  // namespace

const std::vector<OptionLine>& CatalogOptions() { return CatalogDeclared().HelpLines(); }

int RunCatalog(const std::vector<std::string>& args, CliStreams& io) {
    CatalogArgs parsed;
    if (!CatalogDeclared().Parse(io, args, parsed)) return kExitUsage;
    const bool json = parsed.json;
    const std::string& folder = parsed.folder;
    std::vector<CatalogEntry> entries;
    std::string whyNot;
    if (!ListScanCatalog(folder, entries, whyNot)) {
        PrintError(io, EscapeControls(whyNot));
        return kExitCannotOpen;
    }
    if (!json) {
        for (const CatalogEntry& e : entries) {
            io.out << e.positionText << '\t' << EscapeControls(e.name) << '\t' << e.transponders
                   << '\t' << EscapeControls(e.path) << '\n';
        }
        return kExitOk;
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const CatalogEntry& e : entries) {
        list.push_back({{"position", e.positionText},
                        {"name", e.name},
                        {"transponders", e.transponders},
                        {"path", e.path}});
    }
    io.out << list.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    return kExitOk;
}

}  // namespace velmora::cli
