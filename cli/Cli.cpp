#include "cli/Cli.h"

#include <algorithm>
#include <cstring>
#include <iostream>

#include "cli/CliCommands.h"
#include "core/MessageText.h"

namespace velmora::cli {

// The summaries stay within 54 characters: --help prints them from column 27
// and keeps within 80.
const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> table = {
        {"dump", "FILE", "print the tables of a sattp.csv file as JSON", RunDump, DumpOptions},
        {"normalize", "[--force] IN OUT", "write the table IN again as OUT in the program's form",
         RunNormalize, NormalizeOptions},
        {"check", "[--json] FILE", "list what is probably wrong in a table; exit 1 if any",
         RunCheck, CheckOptions},
        {"import",
         "SOURCE TABLE (-o OUT | --dry-run) [--sat POS]... [--replace] [--lnb N] "
         "[--c-band-lnb N] [--ka-band-lnb N] [--format xml|ini|dvbv5] [--position POS] "
         "[--timeout SECONDS] [--max-time SECONDS] [--json] [--force]",
         "merge a transponder list into TABLE, written as OUT", RunImport, ImportOptions},
        {"export", "TABLE -o OUT.xml", "write the tables of a sattp.csv file as satellites.xml",
         RunExport, ExportOptions},
        {"catalog", "[--json] [--dir DIR]",
         "list the installed dvbv5 scan tables: position, name", RunCatalog, CatalogOptions},
        {"diff", "[--json] OLD NEW | [--json] --port P FILE",
         "list changes from OLD (or the meter's table) to NEW", RunDiff, DiffOptions},
        {"ports", "[--probe] [--json]", "list COM1..COM9: device, whether it opens, USB adapter",
         RunPorts, PortsOptions},
        {"read-tables", "--port P -o FILE", "read the meter's tables into a sattp.csv file",
         RunReadTables, ReadTablesOptions},
        {"write-tables", "--port P [--no-verify] [--backup FILE] FILE",
         "write a table into the meter, then read it back", RunWriteTables, WriteTablesOptions},
        {"write-logo", "--port P FILE",
         "upload a boot logo file (stm32logo*) to the meter", RunWriteLogo, WriteLogoOptions},
        {"write-icon", "--port P FILE",
         "upload an icon-set file (stm32icon*) to the meter", RunWriteIcon, WriteIconOptions},
        {"delete-icons", "--port P --yes", "delete the meter's on-screen icons (needs --yes)",
         RunDeleteIcons, DeleteIconsOptions},
        {"upgrade", "--port P FILE.hex",
         "write new firmware (rav32izazud*) via the bootloader", RunUpgrade, UpgradeOptions},
        {"flash-image", "--tables FILE --logo FILE --icon FILE [-o OUT]",
         "build the 1 MB factory image (Flash1M.bin), no meter", RunFlashImage, FlashImageOptions},
        {"batch",
         "(--port P... | --ports P1,P2,...) [--soft F] [--icon F] [--logo F] "
         "[--tables F [--no-verify] [--backup F]] [--repeat] [--count N] "
         "[--probe-interval-ms MS] [--soft-wait-ms MS] [--step-wait-ms MS] [--report FILE] "
         "[--record [FILE|URL]] [--bench NAME] [--run ID] [--limit N]",
         "patch up meters: firmware, icon, logo, then tables", RunPatchUp, PatchUpOptions},
        {"units",
         "[summary | sync] [--record FILE|URL] [--uid ID] [--since T] [--until T] "
         "[--bench NAME] [--run ID] [--result passed|failed] [--firmware SHA256|NAME] "
         "[--json | --csv]",
         "list the unit records, newest first, or count them", RunUnits, UnitsOptions},
    };
    return table;
}

namespace {

const CliCommand* FindCommand(const char* name) {
    for (const CliCommand& c : Commands()) {
        if (std::strcmp(c.name, name) == 0) return &c;
    }
    return nullptr;
}

bool IsHelp(const char* arg) { return std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0; }

// "dump FILE", or the bare name of a command without arguments.
std::string Synopsis(const CliCommand& c) {
    std::string synopsis = c.name;
    if (*c.arguments != '\0') synopsis += std::string(" ") + c.arguments;
    return synopsis;
}

void PrintCommandUsage(std::ostream& s, const CliCommand& c) {
    s << "usage: " << kProgramName << ' ' << Synopsis(c) << '\n';
}

// Two columns: a first column wider than the width gets a line of its own
// and the text starts below it, so the second column stays aligned.
void PrintColumns(std::ostream& s, const std::string& first, const std::string& text) {
    constexpr std::size_t kFirstColumn = 24;
    s << "  " << first;
    if (first.size() >= kFirstColumn) {
        s << '\n' << std::string(kFirstColumn + 2, ' ');
    } else {
        s << std::string(kFirstColumn - first.size(), ' ');
    }
    s << text << '\n';
}

void PrintCommandHelp(std::ostream& s, const CliCommand& c) {
    PrintCommandUsage(s, c);
    s << '\n' << c.summary << '\n';
    const std::vector<OptionLine>& lines = c.options();
    if (lines.empty()) return;
    s << '\n';
    for (const OptionLine& line : lines) PrintColumns(s, line.first, line.text);
}

void PrintHelp(std::ostream& s) {
    s << "usage: " << kProgramName << " COMMAND [ARGUMENTS]\n"
      << "       " << kProgramName << " COMMAND --help\n"
      << "       " << kProgramName << " --help | --version\n\ncommands:\n";
    for (const CliCommand& c : Commands()) PrintColumns(s, c.name, c.summary);
    s << "\nExit status: 0 done or nothing found; 1 failed, findings, differences or a\n"
         "refused file; 2 usage error or a file that cannot be opened.\n";
}

}  // namespace

void PrintError(CliStreams& io, const std::string& message) {
    io.err << kProgramName << ": " << EscapeControlsKeepLines(message) << '\n';
}

int RunCli(int argc, char** argv, CliStreams& io) {
    if (argc < 2) {
        PrintHelp(io.err);
        return kExitUsage;
    }
    const char* first = argv[1];
    if (IsHelp(first)) {
        PrintHelp(io.out);
        return kExitOk;
    }
    if (std::strcmp(first, "--version") == 0) {
        io.out << kProgramName << ' ' << VELMORA_VERSION << '\n';
        return kExitOk;
    }
    const CliCommand* command = FindCommand(first);
    if (command == nullptr) {
        PrintError(io, std::string("unknown command '") + first + "' (see --help)");
        return kExitUsage;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    if (std::any_of(args.begin(), args.end(), [](const std::string& a) { return IsHelp(a.c_str()); })) {
        PrintCommandHelp(io.out, *command);
        return kExitOk;
    }
    int status = command->run(args, io);
    if (status == kExitCannotOpen) return kExitUsage;
    if (status == kExitUsage) PrintCommandUsage(io.err, *command);
    return status & 0xFF;
}

int RunCli(int argc, char** argv) {
    CliStreams io{std::cout, std::cerr};
    return RunCli(argc, argv, io);
}

}  // namespace velmora::cli
