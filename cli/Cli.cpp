#include "cli/Cli.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string_view>

#include "cli/CliCommands.h"
#include "core/MessageText.h"

namespace velmora::cli {

#define PORT_OPTION_HELP "--port P\tthe meter's port: COM1..COM9 or a device path such as /dev/ttyUSB0\n"
#define RECORD_OPTION_HELP                                                                        \
    "--record [FILE|URL]\tkeep a unit record of the meter in an SQLite FILE (default "            \
    "~/.local/share/velmora/units.sqlite) or a postgresql:// URL; [production] record= in the "    \
    "settings does the same\n"                                                                     \
    "--bench NAME\tthe bench named in the record (default the host name)\n"                       \
    "--run ID\tthe run the record belongs to (default a new one)\n"

// The summaries stay within 54 characters: --help prints them from column 27
// and keeps within 80.
const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> table = {
        {"dump", "FILE", "print the tables of a sattp.csv file as JSON", RunDump,
         "FILE\tthe sattp.csv table to read\n"},
        {"normalize", "[--force] IN OUT", "write the table IN again as OUT in the program's form",
         RunNormalize,
         "IN\tthe sattp.csv table to read\n"
         "OUT\tthe file to write (replaced only once it is whole)\n"
         "--force\twrite OUT even when it is IN and IN was not read completely\n"},
        {"check", "[--json] FILE", "list what is probably wrong in a table; exit 1 if any",
         RunCheck,
         "FILE\tthe sattp.csv table to check\n"
         "--json\tprint the findings as JSON (kind, table: lnb, sat or tp, 0-based index, text)\n"},
        {"import",
         "SOURCE TABLE (-o OUT | --dry-run) [--sat POS]... [--replace] [--lnb N] "
         "[--c-band-lnb N] [--ka-band-lnb N] [--format xml|ini|dvbv5] [--position POS] "
         "[--timeout SECONDS] [--max-time SECONDS] [--json] [--force]",
         "merge a transponder list into TABLE, written as OUT", RunImport,
         "SOURCE\tthe transponder list: satellites.xml, .ini or a dvbv5 scan table; a file "
         "or an http:// or https:// URL\n"
         "TABLE\tthe sattp.csv table to merge into (not changed unless it is OUT)\n"
         "-o, --output OUT\tthe table to write (may be TABLE; replaced only once whole)\n"
         "--sat POS\ttake only the satellite at this position (19.2E, 30.0W); repeatable\n"
         "--replace\treplace the transponders of matched satellites instead of adding\n"
         "--lnb N\tthe LNB (1..16) of new Ku-band satellites (default 1)\n"
         "--c-band-lnb N\tthe LNB (1..16) of new C-band satellites\n"
         "--ka-band-lnb N\tthe LNB (1..16) of new Ka-band satellites (above 17300 MHz)\n"
         "--format F\tread SOURCE as xml, ini or dvbv5 instead of recognising it\n"
         "--position POS\tthe position of a dvbv5 list (wins over its file or URL name)\n"
         "--timeout SECONDS\tend a download after this long without data (default 30)\n"
         "--max-time SECONDS\tend a download that takes longer than this (default 300)\n"
         "--dry-run\twrite nothing; print what the merge would change, satellite by "
         "satellite (not with -o)\n"
         "--json\tprint the counts as one JSON object (with --dry-run also the changes of "
         "each satellite)\n"
         "--force\twrite OUT even when it is TABLE and TABLE was not read completely\n"},
        {"export", "TABLE -o OUT.xml", "write the tables of a sattp.csv file as satellites.xml",
         RunExport,
         "TABLE\tthe sattp.csv table to read\n"
         "-o, --output OUT.xml\tthe satellites.xml file to write\n"},
        {"catalog", "[--json] [--dir DIR]",
         "list the installed dvbv5 scan tables: position, name", RunCatalog,
         "--dir DIR\tthe folder of scan tables (default /usr/share/dvb/dvb-s, from the "
         "dtv-scan-tables package)\n"
         "--json\tprint the tables as JSON (position, name, transponders, path)\n"},
        {"diff", "[--json] OLD NEW | [--json] --port P FILE",
         "list changes from OLD (or the meter's table) to NEW", RunDiff,
         "OLD NEW\ttwo sattp.csv tables; the lines say what changes from OLD to NEW; "
         "exit 0 equal, 1 different\n"
         "--port P\tread the meter's table on this port and take it as OLD\n"
         "FILE\twith --port: the sattp.csv table taken as NEW (only read, never sent)\n"
         "--json\tprint the differences as JSON\n"},
        {"ports", "[--probe] [--json]", "list COM1..COM9: device, whether it opens, USB adapter",
         RunPorts,
         "--probe\task each port whether a meter or its bootloader answers\n"
         "--json\tprint the ports as JSON for scripts\n"},
        {"read-tables", "--port P -o FILE", "read the meter's tables into a sattp.csv file",
         RunReadTables, PORT_OPTION_HELP "-o, --output FILE\tthe sattp.csv file to write\n"},
        {"write-tables", "--port P [--no-verify] [--backup FILE] FILE",
         "write a table into the meter, then read it back", RunWriteTables,
         PORT_OPTION_HELP "FILE\tthe sattp.csv table to send\n"
         "--verify\tread the tables back after the write and compare them, exit 1 if they "
         "differ (the default)\n"
         "--no-verify\tdo not read the tables back after the write\n"
         "--backup FILE\tfirst save the meter's tables to FILE (a name taken already gets "
         "-2, -3, ...); without it nothing is saved\n" RECORD_OPTION_HELP},
        {"write-logo", "--port P FILE",
         "upload a boot logo file (stm32logo*) to the meter", RunWriteLogo,
         PORT_OPTION_HELP "FILE\tthe logo file; its name begins with stm32logo\n" RECORD_OPTION_HELP},
        {"write-icon", "--port P FILE",
         "upload an icon-set file (stm32icon*) to the meter", RunWriteIcon,
         PORT_OPTION_HELP "FILE\tthe icon file; its name begins with stm32icon\n" RECORD_OPTION_HELP},
        {"delete-icons", "--port P --yes", "delete the meter's on-screen icons (needs --yes)",
         RunDeleteIcons, PORT_OPTION_HELP "--yes\tconfirm the deletion (it cannot be undone)\n"},
        {"upgrade", "--port P FILE.hex",
         "write new firmware (rav32izazud*) via the bootloader", RunUpgrade,
         PORT_OPTION_HELP "FILE.hex\tthe Intel HEX firmware; its name begins with rav32izazud; "
         "the meter must be in its bootloader\n" RECORD_OPTION_HELP},
        {"flash-image", "--tables FILE --logo FILE --icon FILE [-o OUT]",
         "build the 1 MB factory image (Flash1M.bin), no meter", RunFlashImage,
         "--tables FILE\tthe sattp.csv table to put in the image (as batch takes it)\n"
         "--db FILE\tthe same as --tables\n"
         "--logo FILE\tthe logo file (stm32logo*)\n"
         "--icon FILE\tthe icon file (stm32icon*)\n"
         "-o, --output OUT\tthe image to write (default Flash1M.bin in the current folder)\n"},
        {"batch",
         "(--port P... | --ports P1,P2,...) [--soft F] [--icon F] [--logo F] "
         "[--tables F [--no-verify] [--backup F]] [--repeat] [--count N] "
         "[--probe-interval-ms MS] [--soft-wait-ms MS] [--step-wait-ms MS] [--report FILE] "
         "[--record [FILE|URL]] [--bench NAME] [--run ID] [--limit N]",
         "patch up meters: firmware, icon, logo, then tables", RunPatchUp,
         "--port P\ta meter's port: COM1..COM9 or a device path; repeat it for several "
         "meters at once\n"
         "--ports P1,P2,...\tseveral ports in one argument\n"
         "--soft F\tupgrade the firmware from this HEX file first (rav32izazud*)\n"
         "--icon F\tthen upload this icon file (stm32icon*)\n"
         "--logo F\tthen upload this logo file (stm32logo*)\n"
         "--tables F\tthen write the tables of this sattp.csv file and read them back\n"
         "--verify\twith --tables: read the tables back and compare them (the default)\n"
         "--no-verify\twith --tables: do not read the tables back\n"
         "--backup F\twith --tables: first save each meter's tables to F, its name "
         "followed by the port and the time\n"
         "--soft-wait-ms MS\twait after the firmware step while the meter restarts "
         "(default 12000)\n"
         "--step-wait-ms MS\twait after each upload step (default 200)\n"
         "--repeat\tkeep serving: after each meter wait until its line is silent, then for the "
         "next one\n"
         "--count N\tstop after N meters on each port (implies --repeat)\n"
         "--probe-interval-ms MS\thow often --repeat looks for the next meter (default 1000)\n"
         "--report FILE\tappend one JSON line per meter to FILE\n"
         "--record [FILE|URL]\tkeep a unit record of every meter in an SQLite FILE (default "
         "~/.local/share/velmora/units.sqlite) or a postgresql:// URL; [production] record= in "
         "the settings does the same\n"
         "--bench NAME\tthe bench named in the records (default the host name)\n"
         "--run ID\tcontinue the run of this ID (printed when a run starts)\n"
         "--limit N\tstop after N passed meters in the run (implies --repeat)\n"},
        {"units",
         "[summary | sync] [--record FILE|URL] [--uid ID] [--since T] [--until T] "
         "[--bench NAME] [--run ID] [--result passed|failed] [--firmware SHA256|NAME] "
         "[--json | --csv]",
         "list the unit records, newest first, or count them", RunUnits,
         "summary\tcount per day and bench: serviced, passed, failed, top reasons\n"
         "sync\tsend the records kept locally to the --record postgresql:// server\n"
         "--record FILE|URL\tthe SQLite file or postgresql:// URL (default the local file)\n"
         "--uid ID\tonly the meter of this unique ID\n"
         "--since T\tfrom this UTC day or time (2026-12-09, 2026-12-09T08:00:00Z)\n"
         "--until T\tup to this UTC day (to its end) or time\n"
         "--bench NAME\tonly this bench\n"
         "--run ID\tonly this run\n"
         "--result R\tpassed or failed only\n"
         "--firmware F\tonly this firmware (its SHA-256 or file name)\n"
         "--json\tprint the records as JSON\n"
         "--csv\tprint the records as CSV\n"},
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
    std::string_view options = c.options;
    if (options.empty()) return;
    s << '\n';
    while (!options.empty()) {
        std::size_t end = options.find('\n');
        std::string_view line = options.substr(0, end);
        std::size_t tab = line.find('\t');
        PrintColumns(s, std::string(line.substr(0, tab)),
                     tab == std::string_view::npos ? "" : std::string(line.substr(tab + 1)));
        options = end == std::string_view::npos ? std::string_view() : options.substr(end + 1);
    }
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
