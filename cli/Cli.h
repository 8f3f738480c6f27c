// velmora-cli: the table and meter operations from a terminal. One table in
// Cli.cpp maps each command name to its function; commands live in files of
// their own and are declared in CliCommands.h.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // could not read, write or talk to the meter
inline constexpr int kExitUsage = 2;
// check reports what it found with 1, and diff a difference; their trouble
// (a file or the meter could not be read) is 2 as well. A command returns
// kExitTrouble for that, and the dispatcher exits with 2 without the usage line.
inline constexpr int kExitFindings = 1;
inline constexpr int kExitTrouble = -2;

inline constexpr const char* kProgramName = "velmora-cli";

struct CliStreams {
    std::ostream& out;
    std::ostream& err;
};

// A command gets the arguments after its name. It returns kExitUsage for
// wrong arguments; the dispatcher then prints the command's usage line.
using CommandFunction = int (*)(const std::vector<std::string>& args, CliStreams& io);

struct CliCommand {
    const char* name;
    const char* arguments;  // "FILE", "IN OUT"
    const char* summary;    // one line for --help
    CommandFunction run;
    // One "OPTION\texplanation" line per option or argument, for COMMAND --help.
    const char* options = "";
};

// The command table, for help texts and tests.
const std::vector<CliCommand>& Commands();

// Runs the command line; returns the process exit status.
int RunCli(int argc, char** argv, CliStreams& io);
int RunCli(int argc, char** argv);

// "velmora-cli: " + message + "\n" on the error stream.
void PrintError(CliStreams& io, const std::string& message);

}  // namespace velmora::cli
