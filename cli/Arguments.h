// The option parsing every velmora-cli command shares. A refusal names what
// was wrong on the error stream; the dispatcher then prints the usage line.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace velmora::cli {

struct Option {
    const char* name;            // "--port"
    std::string* value;          // takes the next argument; null for a switch
    bool* flag = nullptr;        // set by a switch
    const char* alias = nullptr; // "-o" beside "--output"
    // Set when the option is repeatable: every value is kept.
    std::vector<std::string>* values = nullptr;
};

// Takes "--name VALUE" pairs and switches of options, and up to
// maxPositional other arguments into positional. False, with the reason on
// the error stream, on an unknown option, a missing value or an argument too many.
bool ParseArguments(CliStreams& io, const std::vector<std::string>& args,
                    const std::vector<Option>& options,
                    std::vector<std::string>* positional = nullptr, std::size_t maxPositional = 0);

// False with "missing OPTION" when value is empty.
bool RequireOption(CliStreams& io, const std::string& value, const char* what);

// False, after "there is no COM12 (...)", for a COM name beyond the nine
// the program maps (COM0, COM12); any other text is a device path.
bool PortNameAccepted(CliStreams& io, const std::string& port);

// False, after the one wording every input file gets ("cannot open PATH:
// <reason>", "PATH is a folder"), when path cannot be opened for reading.
// An empty path is an option not given: true.
bool InputFileOpens(CliStreams& io, const std::string& path);

// "the file name of PATH must begin with PREFIX", with why and what to do.
void PrintFileNameRule(CliStreams& io, const std::string& path, const char* prefix);

// A whole number of milliseconds, 0 or more; false with the reason otherwise.
bool ParseMillisecondsOption(CliStreams& io, const std::string& text, const char* option,
                             std::chrono::milliseconds& value);

}  // namespace velmora::cli
