// velmora-cli: the table and meter operations from a terminal. One table in
// Cli.cpp maps each command name to its function; commands live in files of
// their own and are declared in CliCommands.h.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace velmora::cli {

// The exit statuses, the same for every command.
inline constexpr int kExitOk = 0;      // done, or nothing found
// Failed, findings or differences found, or a file opened but refused (not
// a table, a malformed list or HEX file).
inline constexpr int kExitFailed = 1;
// Wrong arguments, or a file that cannot be opened (missing, no permission,
// a folder, not a regular file, too large).
inline constexpr int kExitUsage = 2;
// What a command returns when a file cannot be opened: the process exits
// with kExitUsage, but without the usage line, which would not help.
inline constexpr int kExitCannotOpen = -2;

inline constexpr const char* kProgramName = "velmora-cli";

struct CliStreams {
    std::ostream& out;
    std::ostream& err;
    // Check the command line only: a command parses its arguments and checks
    // its input files, then ends with kExitOk where it would first reach a
    // port, a meter or a server. The test of the documented command lines
    // runs them so.
    bool checkOnly = false;
};

// A command gets the arguments after its name and returns one of the
// statuses above; for kExitUsage the dispatcher prints its usage line.
using CommandFunction = int (*)(const std::vector<std::string>& args, CliStreams& io);

// One line of COMMAND --help: "-o, --output OUT" and what it is for.
struct OptionLine {
    std::string first;
    std::string text;
};

struct CliCommand {
    const char* name;
    const char* arguments;  // "FILE", "IN OUT"
    const char* summary;    // one line for --help
    CommandFunction run;
    // The lines of COMMAND --help, from the declaration its function parses
    // with (cli/Arguments.h).
    const std::vector<OptionLine>& (*options)();
};

// The command table, for help texts and tests.
const std::vector<CliCommand>& Commands();

// Runs the command line; returns the process exit status.
int RunCli(int argc, char** argv, CliStreams& io);
int RunCli(int argc, char** argv);

// "velmora-cli: " + message + "\n" on the error stream.
void PrintError(CliStreams& io, const std::string& message);

}  // namespace velmora::cli
