// The manual page and the bash completion are written by hand; these tests
// fail when the manual page lacks a command or option --help names, or the
// completion offers other options than a command declares.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/CliRun.h"

namespace velmora::cli {
namespace {

std::string SourceFile(const std::string& relative) {
    std::ifstream in(std::string(VELMORA_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Help(std::vector<std::string> args) {
    std::ostringstream out;
    std::ostringstream err;
    args.push_back("--help");
    EXPECT_EQ(RunCaptured(args, out, err), kExitOk) << err.str();
    return out.str();
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; }

// "-o" and "--name" where they start a word: "Ka-band" and "0-based" are no options.
std::set<std::string> OptionNames(const std::string& text) {
    std::set<std::string> names;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '-' || (i > 0 && (IsNameChar(text[i - 1]) || text[i - 1] == '.'))) continue;
        std::size_t end = i + (text.compare(i, 2, "--") == 0 ? 2 : 1);
        if (end >= text.size() || !std::islower(static_cast<unsigned char>(text[end]))) continue;
        while (end < text.size() && IsNameChar(text[end])) ++end;
        names.insert(text.substr(i, end - i));
        i = end;
    }
    return names;
}

bool HasWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        std::size_t after = at + word.size();
        if ((at == 0 || !IsNameChar(text[at - 1])) &&
            (after == text.size() || !IsNameChar(text[after])))
            return true;
    }
    return false;
}

// The command names of the "commands:" list of --help.
std::vector<std::string> CommandNames() {
    std::istringstream help(Help({}));
    std::vector<std::string> names;
    bool inList = false;
    for (std::string line; std::getline(help, line);) {
        if (line == "commands:") {
            inList = true;
        } else if (inList && line.rfind("  ", 0) == 0) {
            names.push_back(line.substr(2, line.find(' ', 2) - 2));
        } else {
            inList = false;
        }
    }
    EXPECT_GT(names.size(), 10u);
    return names;
}

// The page as it reads: "\-" is a minus, "\fB" and the like only set the font.
std::string UnescapedManual() {
    std::string page = SourceFile("packaging/man/velmora-cli.1");
    EXPECT_FALSE(page.empty());
    page = std::regex_replace(page, std::regex(R"(\\f[BIRP])"), "");
    page = std::regex_replace(page, std::regex(R"(\\%)"), "");
    return std::regex_replace(page, std::regex(R"(\\-)"), "-");
}

// Each command's ".SS" sections up to the next heading, by command name.
std::map<std::string, std::string> ManualSections(const std::string& page) {
    std::map<std::string, std::string> sections;
    std::istringstream lines(page);
    std::string* current = nullptr;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(".SS", 0) == 0) {
            std::size_t from = line.find_first_not_of(" \"", 3);
            std::size_t to = line.find_first_of(" \"", from);
            current = from == std::string::npos ? nullptr
                                                : &sections[line.substr(from, to - from)];
        } else if (line.rfind(".SH", 0) == 0) {
            current = nullptr;
        } else if (current != nullptr) {
            *current += line + "\n";
        }
    }
    return sections;
}

TEST(HelpDocumented, ManualPageHasEveryCommandWithItsOptions) {
    const std::string page = UnescapedManual();
    const std::map<std::string, std::string> sections = ManualSections(page);
    std::string missing;
    for (const std::string& option : OptionNames(Help({})))
        if (!HasWord(page, option)) missing += " " + option;
    for (const std::string& command : CommandNames()) {
        auto section = sections.find(command);
        if (section == sections.end()) {
            missing += " " + command + " (no section)";
            continue;
        }
        for (const std::string& option : OptionNames(Help({command})))
            if (!HasWord(section->second, option)) missing += " " + command + " " + option;
    }
    EXPECT_EQ(missing, "") << "not in packaging/man/velmora-cli.1";
}

// What a command declares (cli/Arguments.h): its options and aliases, and
// the words it takes instead of an argument ("summary"), without the
// placeholders of values and arguments.
std::set<std::string> DeclaredWords(const CliCommand& command) {
    std::set<std::string> words{"--help"};
    for (const OptionLine& line : command.options()) {
        std::istringstream first(std::regex_replace(line.first, std::regex(","), " "));
        for (std::string word; first >> word;)
            if (word[0] == '-' || std::islower(static_cast<unsigned char>(word[0])))
                words.insert(word);
    }
    return words;
}

// The completion offers each command exactly what it declares, and so does
// its usage line: an option the parser does not know is refused.
TEST(HelpDocumented, CompletionAndUsageOfferEachCommandExactlyItsOptions) {
    const std::string script = SourceFile("packaging/completion/velmora-cli");
    ASSERT_FALSE(script.empty());
    std::smatch match;
    ASSERT_TRUE(std::regex_search(script, match, std::regex(R"(commands="([^"]*)\")")));
    std::set<std::string> commands;
    std::istringstream listed(match[1].str());
    for (std::string name; listed >> name;) commands.insert(name);
    // "write-logo | write-icon) options="--port --help" ;;"
    std::map<std::string, std::set<std::string>> offered;
    const std::regex entry(R"(([a-z][a-z| -]*)\) options="([^"]*)\")");
    for (std::sregex_iterator it(script.begin(), script.end(), entry), end; it != end; ++it) {
        std::istringstream labels(std::regex_replace((*it)[1].str(), std::regex(R"(\|)"), " "));
        for (std::string label; labels >> label;) {
            std::istringstream options((*it)[2].str());
            for (std::string option; options >> option;) offered[label].insert(option);
        }
    }
    std::set<std::string> declaredCommands;
    for (const CliCommand& command : Commands()) {
        declaredCommands.insert(command.name);
        const std::set<std::string> declared = DeclaredWords(command);
        EXPECT_EQ(offered[command.name], declared) << command.name;
        // The usage line shows no option the parser would refuse.
        for (const std::string& option : OptionNames(command.arguments))
            EXPECT_EQ(declared.count(option), 1u) << command.name << " " << option;
    }
    EXPECT_EQ(commands, declaredCommands);
}

}  // namespace
}  // namespace velmora::cli
