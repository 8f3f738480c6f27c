#include "cli/Cli.h"

#include <algorithm>
#include <cstring>
#include <iostream>

#include "cli/CliCommands.h"
#include "cli/FlashCommands.h"
#include "cli/LinkCommands.h"

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "unknown"
#endif

namespace velmora::cli {

const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> table = {
        {"dump", "FILE", "print the tables read from a sattp.csv file as JSON", RunDump},
        {"normalize", "IN OUT", "read a sattp.csv file and write it again in the program's form",
         RunNormalize},
        {"diff", "[--json] OLD NEW | [--json] --port P FILE",
         "list what changes from OLD (or the meter's table) to NEW; exit 0 equal, 1 different",
         RunDiff},
        {"ports", "", "list COM1..COM9, the device each maps to and whether it opens", RunPorts},
        {"read-tables", "--port P -o FILE", "read the meter's tables into a sattp.csv file", RunReadTables},
        {"write-tables", "--port P [--verify] [--backup FILE] FILE",
         "write the tables of a sattp.csv file into the meter (backed up first, read back after)",
         RunWriteTables},
        {"write-logo", "--port P FILE", "upload a boot logo file (stm32logo*) to the meter", RunWriteLogo},
        {"write-icon", "--port P FILE", "upload an icon-set file (stm32icon*) to the meter", RunWriteIcon},
        {"delete-icons", "--port P --yes", "delete the meter's on-screen icons", RunDeleteIcons},
        {"upgrade", "--port P FILE.hex", "upgrade the meter's firmware (rav32izazud*) in its bootloader",
         RunUpgrade},
        {"flash-image", "--db FILE --logo FILE --icon FILE [-o OUT]",
         "build the 1 MB factory image (Flash1M.bin) without a meter", RunFlashImage},
        {"batch", "--port P [--soft F] [--icon F] [--logo F] [--tables F [--verify] [--backup F]]",
         "patch up: firmware, icon, logo and tables one after another", RunPatchUp},
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

void PrintHelp(std::ostream& s) {
    s << "usage: " << kProgramName << " COMMAND [ARGUMENTS]\n"
      << "       " << kProgramName << " --help | --version\n\ncommands:\n";
    for (const CliCommand& c : Commands()) {
        std::string synopsis = Synopsis(c);
        synopsis.resize(std::max<std::size_t>(synopsis.size(), 30), ' ');
        s << "  " << synopsis << ' ' << c.summary << '\n';
    }
    s << "\nExit status: 0 done, 1 failed, 2 usage error.\n";
}

}  // namespace

void PrintError(CliStreams& io, const std::string& message) {
    io.err << kProgramName << ": " << message << '\n';
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
    if (args.size() == 1 && IsHelp(args[0].c_str())) {
        PrintCommandUsage(io.out, *command);
        return kExitOk;
    }
    int status = command->run(args, io);
    if (status == kExitUsage) PrintCommandUsage(io.err, *command);
    return status & 0xFF;
}

int RunCli(int argc, char** argv) {
    CliStreams io{std::cout, std::cerr};
    return RunCli(argc, argv, io);
}

}  // namespace velmora::cli
