// The option parsing every velmora-cli command shares. Each command declares
// its options once, in a CommandOptions of its own arguments: the name, the
// value's placeholder, the line of COMMAND --help and the member the value
// goes to. The same declaration parses the command line and prints --help.
// A refusal names what was wrong on the error stream; the dispatcher then
// prints the usage line.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "cli/Cli.h"

namespace velmora::cli {

// What an option takes from the command line.
enum class Takes {
    Nothing,      // a switch: sets its flag
    Value,        // the next argument; the last one given counts
    EveryValue,   // the next argument, kept each time the option is given
    // Taken out of the command line before the other options, wherever it
    // stands (the unit record's): the value is the next argument unless that
    // is empty or starts with '-'.
    FirstValue,       // the value must follow
    FirstMaybeValue,  // sets its flag; the value may be left out
    Line,             // no option: a line of --help for an argument ("FILE")
};

// A line of --help for an argument that is not an option: Line{"FILE", "..."}.
struct Line {
    const char* name;
    const char* help;
};

// One option of a command whose arguments are an Args.
template <class Args>
struct OptionSpec {
    Takes takes = Takes::Line;
    const char* name = "";         // "--port", or an argument's "FILE"
    const char* placeholder = "";  // "P" after the name in --help
    const char* help = nullptr;    // null: accepted but not shown
    const char* alias = nullptr;   // "-o" beside "--output"
    std::string Args::*value = nullptr;
    bool Args::*flag = nullptr;
    std::vector<std::string> Args::*values = nullptr;

    OptionSpec() = default;
    OptionSpec(Line line) : name(line.name), help(line.help) {}
    // The options of a part the arguments hold as a base, such as the
    // unit record's RecordOptions.
    template <class Part>
        requires(std::is_base_of_v<Part, Args> && !std::is_same_v<Part, Args>)
    OptionSpec(const OptionSpec<Part>& o)
        : takes(o.takes), name(o.name), placeholder(o.placeholder), help(o.help),
          alias(o.alias), value(o.value), flag(o.flag), values(o.values) {}
};

template <class Args>
OptionSpec<Args> Switch(const char* name, bool Args::*flag, const char* help) {
    OptionSpec<Args> o;
    o.takes = Takes::Nothing;
    o.name = name;
    o.help = help;
    o.flag = flag;
    return o;
}

template <class Args>
OptionSpec<Args> Value(const char* name, const char* placeholder, std::string Args::*value,
                       const char* help, const char* alias = nullptr) {
    OptionSpec<Args> o;
    o.takes = Takes::Value;
    o.name = name;
    o.placeholder = placeholder;
    o.help = help;
    o.alias = alias;
    o.value = value;
    return o;
}

template <class Args>
OptionSpec<Args> EveryValue(const char* name, const char* placeholder,
                            std::vector<std::string> Args::*values, const char* help) {
    OptionSpec<Args> o = Value<Args>(name, placeholder, nullptr, help);
    o.takes = Takes::EveryValue;
    o.values = values;
    return o;
}


// An option bound to the member its value goes to, for ParseArguments.
struct Option {
    Takes takes;
    const char* name;
    const char* alias;
    std::string* value;
    bool* flag;
    std::vector<std::string>* values;
};

// Takes the options' values (first those taken first, wherever they stand,
// then afterFirst checks them) and up to maxPositional other arguments into
// positional. False, with the reason on the error stream, on an unknown
// option, a missing value, an argument too many or when afterFirst refuses.
bool ParseArguments(CliStreams& io, const std::vector<std::string>& args,
                    const std::vector<Option>& options, std::vector<std::string>* positional,
                    std::size_t maxPositional, const std::function<bool()>& afterFirst = {});

// A command's options in the order --help shows them, and where its other
// arguments go (at most `most` of them).
template <class Args>
class CommandOptions {
public:
    CommandOptions(std::vector<OptionSpec<Args>> options,
                   std::vector<std::string> Args::*arguments = nullptr, std::size_t most = 0)
        : options_(std::move(options)), arguments_(arguments), most_(most) {
        for (const OptionSpec<Args>& o : options_) {
            if (o.help == nullptr) continue;
            std::string first = o.alias != nullptr ? std::string(o.alias) + ", " + o.name : o.name;
            if (*o.placeholder != '\0') first += std::string(" ") + o.placeholder;
            lines_.push_back({first, o.help});
        }
    }
    // The options of a part the arguments hold as a base, after these.
    template <class Part>
    CommandOptions(std::vector<OptionSpec<Args>> options, const std::vector<OptionSpec<Part>>& more,
                   std::vector<std::string> Args::*arguments = nullptr, std::size_t most = 0)
        : CommandOptions(Joined(std::move(options), more), arguments, most) {}

    // The command line into into; false after the reason. afterFirst runs
    // once the options taken first are in.
    bool Parse(CliStreams& io, const std::vector<std::string>& args, Args& into,
               const std::function<bool()>& afterFirst = {}) const {
        std::vector<Option> bound;
        for (const OptionSpec<Args>& o : options_) {
            if (o.takes == Takes::Line) continue;
            bound.push_back({o.takes, o.name, o.alias, o.value ? &(into.*o.value) : nullptr,
                             o.flag ? &(into.*o.flag) : nullptr,
                             o.values ? &(into.*o.values) : nullptr});
        }
        return ParseArguments(io, args, bound, arguments_ ? &(into.*arguments_) : nullptr, most_,
                              afterFirst);
    }
    const std::vector<OptionLine>& HelpLines() const { return lines_; }

private:
    template <class Part>
    static std::vector<OptionSpec<Args>> Joined(std::vector<OptionSpec<Args>> options,
                                                const std::vector<OptionSpec<Part>>& more) {
        options.insert(options.end(), more.begin(), more.end());
        return options;
    }

    std::vector<OptionSpec<Args>> options_;
    std::vector<std::string> Args::*arguments_;
    std::size_t most_;
    std::vector<OptionLine> lines_;
};

// The port option's line, the same for every command on one meter.
inline constexpr const char* kPortHelp =
    "the meter's port: COM1..COM9 or a device path such as /dev/ttyUSB0";

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
