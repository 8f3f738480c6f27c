// Every command line the Help, docs/cli.md and the manual page show must be
// one velmora-cli accepts. Each is taken from its file and run in a scratch
// folder holding files of the names it uses; the commands that would reach
// a meter or a server end there (CliStreams::checkOnly), the others run.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/CliRun.h"
#include "tests/core/SatTpTestFiles.h"
#include "tests/support/ScratchFolder.h"

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

std::string SourceFile(const std::string& relative) {
    std::ifstream in(std::string(VELMORA_SOURCE_DIR) + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The lines of text that begin with the program's name; a line ending in a
// backslash goes on on the next one.
std::vector<std::string> CommandLinesIn(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    std::string pending;
    while (std::getline(in, line)) {
        std::string trimmed = line.substr(std::min(line.find_first_not_of(" \t"), line.size()));
        if (pending.empty() && trimmed.rfind("velmora-cli ", 0) != 0) continue;
        bool goesOn = !trimmed.empty() && trimmed.back() == '\\';
        if (goesOn) trimmed.pop_back();
        pending += trimmed + " ";
        if (goesOn) continue;
        lines.push_back(pending);
        pending.clear();
    }
    return lines;
}

// Between the openings and closings of a kind of block or span.
std::vector<std::string> Between(const std::string& text, const std::string& open,
                                 const std::string& close) {
    std::vector<std::string> parts;
    for (std::size_t at = text.find(open); at != std::string::npos;
         at = text.find(open, at)) {
        std::size_t end = text.find(close, at + open.size());
        if (end == std::string::npos) break;
        parts.push_back(text.substr(at + open.size(), end - at - open.size()));
        at = end + close.size();
    }
    return parts;
}

std::vector<std::string> GuideLines() {
    std::string guide = SourceFile("gui/resources/guide.html");
    guide = ReplaceAll(ReplaceAll(ReplaceAll(guide, "&lt;", "<"), "&gt;", ">"), "&amp;", "&");
    std::vector<std::string> lines;
    for (const auto& [open, close] : {std::pair{"<pre>", "</pre>"}, std::pair{"<tt>", "</tt>"}})
        for (const std::string& part : Between(guide, open, close))
            for (const std::string& line : CommandLinesIn(part)) lines.push_back(line);
    return lines;
}

std::vector<std::string> MarkdownLines() {
    const std::string doc = SourceFile("docs/cli.md");
    std::vector<std::string> lines;
    std::string outside;  // the text outside the fenced blocks
    for (std::size_t at = 0;;) {
        std::size_t fence = doc.find("```", at);
        outside += doc.substr(at, fence == std::string::npos ? fence : fence - at);
        if (fence == std::string::npos) break;
        std::size_t end = doc.find("```", fence + 3);
        for (const std::string& line : CommandLinesIn(doc.substr(fence + 3, end - fence - 3)))
            lines.push_back(line);
        if (end == std::string::npos) break;
        at = end + 3;
    }
    // Inline spans may wrap over lines of the paragraph.
    for (const std::string& span : Between(outside, "`", "`")) {
        std::string flat = ReplaceAll(span, "\n", " ");
        if (flat.rfind("velmora-cli ", 0) == 0) lines.push_back(flat);
    }
    return lines;
}

std::vector<std::string> ManualLines() {
    std::string page = SourceFile("packaging/man/velmora-cli.1");
    page = ReplaceAll(ReplaceAll(page, "\\-", "-"), "\\e", "\\");
    std::vector<std::string> lines;
    for (const std::string& block : Between(page, "\n.nf\n", "\n.fi\n"))
        for (const std::string& line : CommandLinesIn(block)) lines.push_back(line);
    return lines;
}

// Words as the shell splits them, quotes taken off.
std::vector<std::string> Words(const std::string& command) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    char quote = 0;
    for (char c : command) {
        if (quote != 0) {
            if (c == quote) quote = 0;
            else word += c;
        } else if (c == '\'' || c == '"') {
            quote = c;
            inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// The program's invocations in one shell line: a command substitution is
// one of them and stands for a scan table in the line around it; pipes,
// && and comments end a command.
std::vector<std::vector<std::string>> Invocations(std::string line) {
    std::vector<std::vector<std::string>> found;
    std::smatch inner;
    static const std::regex kSubstitution(R"re("?\$\(([^)]*)\)"?)re");
    while (std::regex_search(line, inner, kSubstitution)) {
        for (auto& words : Invocations(inner[1].str())) found.push_back(words);
        line = inner.prefix().str() + "Astra-19.2E" + inner.suffix().str();
    }
    line = line.substr(0, line.find(" #"));
    static const std::regex kSeparator(R"( *(\|\||&&|\||;|&) *)");
    for (std::sregex_token_iterator it(line.begin(), line.end(), kSeparator, -1), end; it != end;
         ++it) {
        std::vector<std::string> words = Words(*it);
        // "velmora-cli 2.8.0" is what --version prints.
        if (words.size() >= 2 && words[0] == "velmora-cli" && !std::isdigit(words[1][0]))
            found.push_back(words);
    }
    return found;
}

// A synopsis names its arguments in capitals or brackets ("FILE",
// "[--json]"); a command line names files and ports ("COM1,COM2").
bool IsSynopsis(const std::vector<std::string>& words) {
    static const std::regex kPlaceholder(R"([A-Z][A-Z0-9]*([.,].*)?)");
    static const std::regex kPorts(R"((COM[0-9]+,?)+)");
    for (const std::string& w : words) {
        if (w.find_first_of("[]") != std::string::npos) return true;
        if (std::regex_match(w, kPlaceholder) && !std::regex_match(w, kPorts)) return true;
    }
    return false;
}

class DocCommandLines : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path examples = fs::path(VELMORA_SOURCE_DIR) / "examples";
        fs::copy(examples, fs::path(folder.Path()) / "examples");
        oldHome_ = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
        ::setenv("HOME", folder.Path().c_str(), 1);
    }
    void TearDown() override { ::setenv("HOME", oldHome_.c_str(), 1); }

    // Puts a file of the kind its name says wherever a word names one that
    // is not there; the installed examples' folder is the source's.
    std::string Provide(std::string word) {
        const std::string installed = "/usr/share/doc/velmora/examples/";
        if (word.rfind(installed, 0) == 0) word = "examples/" + word.substr(installed.size());
        if (word.empty() || word[0] == '-' || word.find("://") != std::string::npos) return word;
        const fs::path path = word[0] == '/' ? fs::path(word) : fs::path(folder.Path()) / word;
        if (fs::exists(path) || word.rfind("/dev/", 0) == 0) return word;
        const std::string name = path.filename().string();
        const fs::path examples = fs::path(folder.Path()) / "examples";
        fs::path sample;
        if (name.ends_with(".csv")) sample = examples / "sattp.csv";
        else if (name.ends_with(".hex")) sample = examples / "rav32izazud_demo.hex";
        else if (name.rfind("stm32logo", 0) == 0) sample = examples / "stm32logo_sample.bin";
        else if (name.rfind("stm32icon", 0) == 0) sample = examples / "stm32icon_sample.bin";
        if (!sample.empty() && word[0] != '/') {
            fs::create_directories(path.parent_path());
            fs::copy_file(sample, path);
        } else if (static const std::regex kScanTable(R"(.*-[0-9]+(\.[0-9])?[EW])");
                   name.ends_with(".xml") || std::regex_match(name, kScanTable)) {
            // A satellites.xml, or a dvbv5 scan table named by its position.
            std::string list = name.ends_with(".xml")
                                   ? "<satellites><sat name=\"A\" flags=\"0\" position=\"192\">"
                                     "<transponder frequency=\"11362000\" symbol_rate=\"22000000\" "
                                     "polarization=\"0\"/></sat><sat name=\"B\" flags=\"0\" "
                                     "position=\"130\"><transponder frequency=\"11034000\" "
                                     "symbol_rate=\"27500000\" polarization=\"1\"/></sat>"
                                     "</satellites>\n"
                                   : "[T1]\n\tDELIVERY_SYSTEM = DVBS\n\tFREQUENCY = 11362000\n"
                                     "\tPOLARIZATION = HORIZONTAL\n\tSYMBOL_RATE = 22000000\n";
            if (word[0] == '/') return word;  // an installed scan table it does not have
            EXPECT_TRUE(dbtest::WriteBytes(path.string(), list));
        }
        return word;
    }

    // Runs every invocation of the lines; returns how many there were.
    std::size_t RunAll(const std::vector<std::string>& lines, const char* source) {
        std::size_t count = 0;
        for (const std::string& line : lines) {
            for (std::vector<std::string> words : Invocations(line)) {
                if (IsSynopsis(words)) continue;
                words.erase(words.begin());
                for (std::string& w : words) w = Provide(w);
                std::ostringstream out;
                std::ostringstream err;
                int status = RunCaptured(words, out, err, folder.Path(), true);
                EXPECT_NE(status, kExitUsage) << source << ": " << line << "\n" << err.str();
                EXPECT_EQ(err.str().find("usage:"), std::string::npos) << source << ": " << line;
                ++count;
            }
        }
        return count;
    }

    testing::ScratchFolder folder;
    std::string oldHome_;
};

// The counts keep the extraction honest: a file whose examples were all
// passed over would otherwise pass.
TEST_F(DocCommandLines, HelpGuideRuns) { EXPECT_GE(RunAll(GuideLines(), "guide.html"), 2u); }
TEST_F(DocCommandLines, CliDocRuns) { EXPECT_GE(RunAll(MarkdownLines(), "docs/cli.md"), 15u); }
TEST_F(DocCommandLines, ManualPageRuns) {
    EXPECT_GE(RunAll(ManualLines(), "velmora-cli.1"), 8u);
}

}  // namespace
}  // namespace velmora::cli
