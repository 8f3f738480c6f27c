#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "tests/cli/CliRun.h"
#include "cli/TerminalHost.h"
#include "core/SatTpFile.h"
#include "core/TextHelpers.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::cli {
namespace {

using ::testing::HasSubstr;
using testing::ScratchFolder;
using ::testing::StartsWith;

class CliTest : public ::testing::Test {
protected:
    int Run(std::vector<std::string> args) { return RunCaptured(std::move(args), out, err); }
    std::string Sample() {
        std::string path = folder.File("sattp.csv");
        EXPECT_TRUE(dbtest::WriteBytes(path, dbtest::kSampleFile));
        return path;
    }

    std::ostringstream out;
    std::ostringstream err;
    ScratchFolder folder;
};

// ---- dispatch ------------------------------------------------------------

TEST_F(CliTest, HelpVersionAndUsageErrors) {
    EXPECT_EQ(Run({"--help"}), kExitOk);
    for (const CliCommand& c : Commands()) EXPECT_THAT(out.str(), HasSubstr(c.name));
    std::istringstream help(out.str());
    for (std::string line; std::getline(help, line);) EXPECT_LE(line.size(), 80u) << line;
    EXPECT_EQ(Run({"--version"}), kExitOk);
    EXPECT_EQ(out.str(), "velmora-cli " VELMORA_VERSION "\n");
    // Each option of a command is explained on a line of its own.
    EXPECT_EQ(Run({"batch", "--help"}), kExitOk);
    EXPECT_THAT(out.str(), StartsWith("usage: velmora-cli batch (--port P... | --ports P1,P2"));
    EXPECT_THAT(out.str(), HasSubstr("\n  --step-wait-ms MS       wait after each upload step"));

    EXPECT_EQ(Run({}), kExitUsage);
    EXPECT_THAT(err.str(), StartsWith("usage: "));
    EXPECT_EQ(Run({"frobnicate"}), kExitUsage);
    EXPECT_THAT(err.str(), HasSubstr("unknown command 'frobnicate'"));
    EXPECT_EQ(Run({"dump"}), kExitUsage);
    EXPECT_EQ(err.str(), "velmora-cli: missing FILE\nusage: velmora-cli dump FILE\n");
    EXPECT_EQ(Run({"dump", "a", "b"}), kExitUsage);
    EXPECT_EQ(Run({"normalize", "a"}), kExitUsage);
    EXPECT_EQ(out.str(), "");
    // What was wrong comes before the usage line.
    const std::pair<std::vector<std::string>, std::string> wrong[] = {
        {{"batch", "--port", "COM1", "--tables", "t.csv", "--step-wait-ms", "abc"},
         "bad number for --step-wait-ms: 'abc'"},
        {{"read-tables", "--port", "COM1", "--frobnicate"}, "unknown option '--frobnicate'"},
        {{"read-tables", "-o", "x.csv"}, "missing --port"},
        {{"write-tables", "--port"}, "option --port needs a value"},
        {{"write-tables", "--port", "com12", "t.csv"},
         "there is no com12 (COM1 to COM9, or a device path such as /dev/ttyUSB0)"},
        {{"batch", "--ports", "COM1,COM0", "--soft", "x.hex"}, "there is no COM0"},
        {{"write-tables", "--port", "COM1", "--verify", "--no-verify", "t.csv"},
         "--verify and --no-verify exclude each other"},
        {{"batch", "--port", "COM1", "--soft", "x.hex", "--backup", "b.csv"},
         "--verify, --no-verify and --backup go with --tables"},
        {{"export", "base.csv"}, "missing -o OUT.xml\n"},
        {{"import", "list.xml", "base.csv"}, "missing -o OUT (or --dry-run)\n"},
        {{"diff", "base.csv"}, "missing NEW\n"},
    };
    for (const auto& [args, reason] : wrong) {
        EXPECT_EQ(Run(args), kExitUsage);
        EXPECT_THAT(err.str(), StartsWith("velmora-cli: " + reason)) << args[0];
    }
}

TEST_F(CliTest, ReadTablesRefusesAnOutputItCannotWriteBeforeTheMeter) {
    EXPECT_EQ(Run({"read-tables", "--port", "/dev/null", "-o", folder.File("no/such/x.csv")}),
              kExitFailed);
    EXPECT_EQ(err.str(), "velmora-cli: cannot write " + folder.File("no/such/x.csv") +
                             ": No such file or directory\n");
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliTest, CommandNamesAreUnique) {
    const auto& table = Commands();
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            EXPECT_STRNE(table[i].name, table[j].name);
        }
    }
}

// ---- dump ----------------------------------------------------------------

TEST_F(CliTest, DumpPrintsTheTablesAsJson) {
    ASSERT_EQ(Run({"dump", Sample()}), kExitOk);
    EXPECT_EQ(err.str(), "");
    nlohmann::json j = nlohmann::json::parse(out.str(), nullptr, false);
    ASSERT_FALSE(j.is_discarded());
    EXPECT_EQ(j["satCount"], 4);
    EXPECT_EQ(j["tpCount"], 5);
    ASSERT_EQ(j["lnbs"].size(), 16u);
    for (const char* key : {"type", "power", "dish", "diseqcSwitch", "diseqcInput", "tone22k",
                            "reserved", "loFrequency"}) {
        EXPECT_TRUE(j["lnbs"][0].contains(key)) << key;
    }
    EXPECT_EQ(j["lnbs"][2]["type"], 3);
    EXPECT_EQ(j["lnbs"][2]["diseqcSwitch"], 2);
    EXPECT_EQ(j["lnbs"][2]["diseqcInput"], 3);
    ASSERT_EQ(j["satellites"].size(), 4u);
    EXPECT_EQ(j["satellites"][1],
              (nlohmann::json{{"name", "SAT-B"}, {"nameHex", "5341542d42"}, {"lnbIndex", 1},
                              {"position", 3300}}));
    ASSERT_EQ(j["tps"].size(), 5u);
    EXPECT_EQ(j["tps"][1], (nlohmann::json{{"satIndex", 0}, {"reserved", 0}, {"flags", 3},
                                           {"frequency", 11538}, {"symbolRate", 22000}}));
    // Keys come in the documented order.
    std::vector<std::string> keys;
    nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(out.str(), nullptr, false);
    for (const auto& item : ordered.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"satCount", "tpCount", "lnbs", "satellites", "tps"}));
}

TEST_F(CliTest, DumpReplacesInvalidNameBytes) {
    std::string path = folder.File("latin1.csv");
    ASSERT_TRUE(dbtest::WriteBytes(
        path, "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization\r\n"
              "T\xFCrksat \xC3\xA9,42.0E,1,,,11054,30000,V\r\n"));
    ASSERT_EQ(Run({"dump", path}), kExitOk);
    nlohmann::json j = nlohmann::json::parse(out.str(), nullptr, false);
    ASSERT_FALSE(j.is_discarded());
    EXPECT_EQ(j["satellites"][0]["name"], "T\xEF\xBF\xBDrksat \xC3\xA9");
    EXPECT_EQ(j["satellites"][0]["nameHex"], "54fc726b73617420c3a9");
}

TEST_F(CliTest, DumpFailures) {
    // The messages and statuses of a table that cannot be read are those of
    // every command (TableReadFailuresAreTheSameInEveryCommand).
    std::string plain = folder.File("plain.txt");
    ASSERT_TRUE(dbtest::WriteBytes(plain, "just text\n"));
    EXPECT_EQ(Run({"dump", plain}), kExitFailed);
    EXPECT_EQ(out.str(), "");
}

// Every command that takes a table reads it alike: one message and one status
// for a file that cannot be opened (2) and for one that is not a table (1).
TEST_F(CliTest, TableReadFailuresAreTheSameInEveryCommand) {
    const std::string good = Sample();
    const std::string list = folder.File("satellites.xml");
    ASSERT_TRUE(dbtest::WriteBytes(list, "<satellites><sat name=\"A\" flags=\"0\" position=\"192\">"
                                         "<transponder frequency=\"11362000\" "
                                         "symbol_rate=\"22000000\" polarization=\"0\"/>"
                                         "</sat></satellites>\n"));
    const std::string plain = folder.File("plain.txt");
    ASSERT_TRUE(dbtest::WriteBytes(plain, "just text\n"));
    const std::string missing = folder.File("missing.csv");
    const std::string noTty = folder.File("no-tty");
    const std::string written = folder.File("out");
    const struct {
        std::string path, error;
        int status;
    } files[] = {
        {.path = missing,
         .error = "cannot open " + missing + ": No such file or directory",
         .status = kExitUsage},
        {.path = folder.Path(), .error = folder.Path() + " is a folder", .status = kExitUsage},
        {.path = plain,
         .error = plain + " is not a sattp.csv table: no header line",
         .status = kExitFailed},
    };
    for (const auto& f : files) {
        const std::vector<std::string> commands[] = {
            {"dump", f.path},
            {"normalize", f.path, written},
            {"check", f.path},
            {"check", "--json", f.path},
            {"diff", good, f.path},
            {"diff", f.path, good},
            {"import", list, f.path, "-o", written},
            {"export", f.path, "-o", written},
            {"write-tables", "--port", noTty, f.path},
            {"flash-image", "--db", f.path, "--logo", "stm32logo.bin", "--icon", "stm32icon.bin",
             "-o", written},
            {"batch", "--port", noTty, "--tables", f.path},
            {"batch", "--port", noTty, "--port", noTty + "2", "--tables", f.path},
        };
        for (const auto& args : commands) {
            SCOPED_TRACE(args[0] + " " + f.path);
            EXPECT_EQ(Run(args), f.status);
            EXPECT_EQ(err.str(), "velmora-cli: " + f.error + "\n");
            EXPECT_EQ(out.str(), "");
        }
    }
    EXPECT_FALSE(std::filesystem::exists(written));
}

// A file that is not there reads the same in every role it can have.
TEST_F(CliTest, MissingInputFilesReadAlike) {
    const std::string good = Sample();
    const std::string noTty = folder.File("no-tty");
    const std::string written = folder.File("out");
    const std::string list = folder.File("list.xml");
    const std::string hex = folder.File("rav32izazud.hex");
    const std::string logo = folder.File("stm32logo.bin");
    const std::string icon = folder.File("stm32icon.bin");
    const struct {
        std::vector<std::string> args;
        std::string missing;
    } cases[] = {
        {{"import", list, good, "-o", written}, list},
        {{"upgrade", "--port", noTty, hex}, hex},
        {{"write-logo", "--port", noTty, logo}, logo},
        {{"write-icon", "--port", noTty, icon}, icon},
        {{"batch", "--port", noTty, "--soft", hex}, hex},
        {{"batch", "--port", noTty, "--logo", logo}, logo},
        {{"flash-image", "--db", good, "--logo", logo, "--icon", icon, "-o", written}, logo},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + c.missing);
        EXPECT_EQ(Run(c.args), kExitUsage);
        EXPECT_EQ(err.str().substr(0, err.str().find('\n') + 1),
                  "velmora-cli: cannot open " + c.missing + ": No such file or directory\n");
    }
    EXPECT_FALSE(std::filesystem::exists(written));
}

// ---- normalize -----------------------------------------------------------

TEST_F(CliTest, NormalizeWritesTheProgramsForm) {
    std::string in = folder.File("in.csv");
    ASSERT_TRUE(dbtest::WriteBytes(
        in, "exported\nname,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization\n"
            "SAT-A,19.2E,1,9750/10600,1,11362,22000,H\n,,,,,11538,22000,V,y\n"
            "SAT-B,30.0W,2,9750/10600,2,10882,27500,V\nSAT-C,105.5E,10,5150,,3880,27500,H\n"
            "SAT-D,91.5E,3,9750/10750,4-V1.1,12000,30000,H\n"));
    std::string result = folder.File("out.csv");
    EXPECT_EQ(Run({"normalize", in, result}), kExitOk);
    EXPECT_EQ(dbtest::ReadBytes(result), dbtest::kSampleFile);
}

TEST_F(CliTest, NormalizeFailures) {
    std::string target = folder.File("target.csv");
    ASSERT_TRUE(dbtest::WriteBytes(target, "keep"));
    EXPECT_EQ(Run({"normalize", folder.File("missing.csv"), target}), kExitUsage);
    EXPECT_EQ(dbtest::ReadBytes(target), "keep");

    // No diagnostic of the writer's own; the error names the reason.
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    int status = Run({"normalize", Sample(), folder.File("no/folder/out.csv")});
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(status, kExitFailed);
    EXPECT_EQ(err.str(), "velmora-cli: cannot write " + folder.File("no/folder/out.csv") +
                             ": No such file or directory\n");
}

// An output that is not a plain file is written into, never replaced.
TEST_F(CliTest, NormalizeIntoADeviceOrAPipeWritesThrough) {
    struct stat before {};
    ASSERT_EQ(::stat("/dev/null", &before), 0);
    EXPECT_EQ(Run({"normalize", Sample(), "/dev/null"}), kExitOk) << err.str();
    struct stat after {};
    ASSERT_EQ(::stat("/dev/null", &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_ino, before.st_ino);

    const std::string fifo = folder.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Run({"normalize", Sample(), fifo}), kExitFailed);
    EXPECT_EQ(err.str(), "velmora-cli: cannot write " + fifo + ": no program reads from it\n");
    // A reader is there: the table goes through the pipe (it fits its buffer).
    int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(Run({"normalize", Sample(), fifo}), kExitOk) << err.str();
    std::string got(std::string(dbtest::kSampleFile).size() + 1, '\0');
    ssize_t n = ::read(reader, got.data(), got.size());
    got.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    ::close(reader);
    EXPECT_EQ(got, dbtest::kSampleFile);
    struct stat st {};
    EXPECT_TRUE(::stat(fifo.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));
}

TEST_F(CliTest, NormalizeSaysWhatTheFileCannotKeep) {
    std::string in = folder.File("in.csv");
    ASSERT_TRUE(dbtest::WriteBytes(in, dbtest::kSampleFile));
    EXPECT_EQ(Run({"normalize", in, folder.File("out.csv")}), kExitOk);
    EXPECT_EQ(err.str(), "");
    // A position beyond a full circle is written as the one it stands for.
    ASSERT_TRUE(dbtest::WriteBytes(
        in, "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\n"
            "Far,400.0E,1,9750/10600,1,11362,22000,H, ,\n"));
    EXPECT_EQ(Run({"normalize", in, folder.File("out.csv")}), kExitOk);
    EXPECT_EQ(err.str(), "velmora-cli: sattp.csv cannot keep: the values of 1 transponder (out "
                         "of the file's range).\n");
}

// A table the read shortened is never written over the file it came from,
// by whatever name, unless --force says so; another output is written.
TEST_F(CliTest, AShortenedTableIsNotWrittenOverItsOwnFile) {
    using namespace std::string_literals;
    const std::string header =
        "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n";
    std::string crOnly = dbtest::kSampleFile;
    std::erase(crOnly, '\n');
    std::string full = header;
    for (int s = 0; s <= MAX_SATELLITES; ++s)
        full += "S" + std::to_string(s) + "," + std::to_string(s) + ".0E,1,,,11000,27500,H, ,\r\n";
    const struct {
        std::string text;
        std::string finding;
    } files[] = {
        {crOnly, "no line feeds: CR-only line ends?"},
        {full, "line 302: table cut at 300 satellites: 1 more line not read"},
        {header + "S\0T,19.2E,1,,,11362,22000,H, ,\r\n"s,
         "line 2: name \"S\\x00T\": a NUL byte ends the field"},
    };
    const std::string list = folder.File("list.xml");
    ASSERT_TRUE(dbtest::WriteBytes(
        list, "<satellites><sat name=\"Astra\" position=\"192\"><transponder frequency=\"11600000\" "
              "symbol_rate=\"22000000\" polarization=\"1\"/></sat></satellites>\n"));
    const std::string table = folder.File("table.csv");
    const std::string link = folder.File("link.csv");
    ASSERT_EQ(::symlink(table.c_str(), link.c_str()), 0);
    const std::string otherName = folder.Path() + "/./table.csv";
    const std::vector<std::vector<std::string>> rewrites = {
        {"normalize", table, table},
        {"normalize", table, link},
        {"import", list, table, "-o", otherName},
    };
    for (const auto& file : files) {
        for (const auto& args : rewrites) {
            SCOPED_TRACE(args[0] + " " + args.back() + ": " + file.finding);
            ASSERT_TRUE(dbtest::WriteBytes(table, file.text));
            EXPECT_EQ(Run(args), kExitFailed);
            EXPECT_EQ(dbtest::ReadBytes(table), file.text);
            EXPECT_EQ(err.str(), "velmora-cli: warning: " + table + ": " + file.finding +
                                     "\nvelmora-cli: not writing " + args.back() +
                                     " over the file it was read from: the 1 finding listed "
                                     "above would be lost (--force writes it anyway)\n");
            std::vector<std::string> forced = args;
            forced.push_back("--force");
            EXPECT_EQ(Run(forced), kExitOk) << err.str();
            EXPECT_NE(dbtest::ReadBytes(table), file.text);
        }
        // Into another file: written, after the warning.
        ASSERT_TRUE(dbtest::WriteBytes(table, file.text));
        EXPECT_EQ(Run({"normalize", table, folder.File("other.csv")}), kExitOk);
        EXPECT_THAT(err.str(), StartsWith("velmora-cli: warning: " + table + ": " + file.finding));
        EXPECT_EQ(dbtest::ReadBytes(table), file.text);
        EXPECT_TRUE(std::filesystem::exists(folder.File("other.csv")));
    }
}

// ---- check ---------------------------------------------------------------

TEST_F(CliTest, CheckListsFindingsAndExitsOneOnlyWhenThereAreAny) {
    EXPECT_EQ(Run({"check", Sample()}), kExitOk);
    EXPECT_EQ(out.str(), "no findings\n");
    EXPECT_EQ(err.str(), "");

    std::string path = folder.File("odd.csv");
    ASSERT_TRUE(dbtest::WriteBytes(
        path, "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization\r\n"
              "Astra,19.2E,1,,,11362,0,H\r\n,,,,,11363,22000,H\r\n"));
    EXPECT_EQ(Run({"check", path}), kExitFailed);
    EXPECT_EQ(out.str(),
              "TP 1: 19.2E Astra 11362 H 0: symbol rate 0 is outside 100..70000 kS/s\n"
              "TP 1: 19.2E Astra 11362 H 0: LNB 1 (5150) receives 3000..4200 MHz only\n"
              "TP 2: 19.2E Astra 11363 H 22000: LNB 1 (5150) receives 3000..4200 MHz only\n"
              "TP 2: 19.2E Astra 11363 H 22000: duplicate of TP 1 (11362 H 0)\n"
              "4 findings\n");
    EXPECT_EQ(Run({"check", "--json", path}), kExitFailed);
    nlohmann::json j = nlohmann::json::parse(out.str(), nullptr, false);
    ASSERT_FALSE(j.is_discarded());
    EXPECT_EQ(j["count"], 4);
    EXPECT_EQ(j["findings"][3], (nlohmann::json{{"kind", "tp-duplicate"},
                                                {"table", "tp"},
                                                {"index", 1},
                                                {"earlierTp", 0},
                                                {"text", "TP 2: 19.2E Astra 11363 H 22000: "
                                                         "duplicate of TP 1 (11362 H 0)"}}));
    // A satellite's finding names its table as diff --json does.
    ASSERT_TRUE(dbtest::WriteBytes(
        path, "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization\r\n"
              "Astr\xe9,19.2E,1,,,11362,22000,H\r\n"));
    EXPECT_EQ(Run({"check", "--json", path}), kExitFailed);
    j = nlohmann::json::parse(out.str(), nullptr, false);
    EXPECT_EQ(j["findings"][0]["kind"], "satellite-name");
    EXPECT_EQ(j["findings"][0]["table"], "sat");
}

// What the read passed over: a finding for check, a warning for the others,
// which otherwise do what they do with a whole table.
TEST_F(CliTest, ReadReportIsAFindingOfCheckAndAWarningElsewhere) {
    std::string path = folder.File("short.csv");
    ASSERT_TRUE(dbtest::WriteBytes(path, std::string(dbtest::kSampleFile) + "Hotbird,13.0E\r\n"));
    const std::string warning =
        "velmora-cli: warning: " + path + ": line 7: 2 columns, the header has 9; skipped\n";
    struct Case {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {.args = {"dump", path}, .status = kExitOk},
        {.args = {"normalize", path, folder.File("out.csv")}, .status = kExitOk},
        {.args = {"export", path, "-o", folder.File("out.xml")}, .status = kExitOk},
        {.args = {"diff", path, path}, .status = kExitOk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        EXPECT_EQ(Run(c.args), c.status);
        EXPECT_THAT(err.str(), StartsWith(warning));
    }
    EXPECT_EQ(Run({"check", path}), kExitFailed);
    EXPECT_EQ(out.str(), "line 7: 2 columns, the header has 9; skipped\n1 finding\n");
    EXPECT_EQ(Run({"check", "--json", path}), kExitFailed);
    nlohmann::json j = nlohmann::json::parse(out.str(), nullptr, false);
    EXPECT_EQ(j["findings"][0]["kind"], "file-read");
    // A device is refused before a byte of it is read.
    EXPECT_EQ(Run({"check", "/dev/zero"}), kExitUsage);
    EXPECT_EQ(err.str(), "velmora-cli: /dev/zero is not a regular file\n");
}

TEST_F(CliTest, CheckTroubleIsTwoWithoutTheUsageLine) {
    EXPECT_EQ(Run({"check", folder.File("missing.csv")}), kExitUsage);
    EXPECT_EQ(err.str(), "velmora-cli: cannot open " + folder.File("missing.csv") +
                             ": No such file or directory\n");
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(Run({"check"}), kExitUsage);
    EXPECT_EQ(err.str(), "velmora-cli: missing FILE\nusage: velmora-cli check [--json] FILE\n");
}

TEST(TerminalHostTest, TheFinalStatusIsLeftToStandardOutput) {
    std::ostringstream err;
    {
        TerminalHost host(err, true);
        host.SetStatus("Wait for connect ...");
        host.BeginProgress("Read Satellites ...", 10);
        host.SetProgress(10);
        host.SetStatus("Read Completed ! ");
        EXPECT_EQ(host.TakeFinalStatus(), "Read Completed ! ");
        // The bar's line is ended before the status is printed after it.
        EXPECT_THAT(err.str(), ::testing::EndsWith("] 10/10\n"));
        // So is it before a batch's report, after the last step's status.
        host.BeginProgress("Write Satellites ...", 4);
        host.SetProgress(4);
        host.SetStatus("Logo written");
        host.EndDisplay();
        EXPECT_THAT(err.str(), ::testing::EndsWith("] 4/4\nLogo written\n"));
    }
    EXPECT_THAT(err.str(), HasSubstr("Wait for connect ...\nRead Satellites ...\n"));
    EXPECT_EQ(err.str().find("Completed"), std::string::npos);
}

// Messages and the notice of a long wait are error lines of the tool, also
// where no status line is drawn.
TEST(TerminalHostTest, MessagesAndWaitNoticesAreTheToolsErrorLines) {
    std::ostringstream err;
    TerminalHost host(err, false);
    host.SetStatus("Wait for connect ...");
    host.ShowWaitNotice("No answer from the meter on /dev/ttyUSB0 yet: ...");
    host.ShowMessage(" ask timeout !  ");
    host.ShowMessage("Connect fail \n/dev/ttyUSB0 is gone: is the cable plugged in?");
    EXPECT_EQ(err.str(),
              "velmora-cli: No answer from the meter on /dev/ttyUSB0 yet: ...\n"
              "velmora-cli:  ask timeout !  \n"
              "velmora-cli: Connect fail \n"
              "velmora-cli: /dev/ttyUSB0 is gone: is the cable plugged in?\n");
}

// A command line the tool prints must give each word back to the shell whole.
TEST(TerminalHostTest, ShellWordsQuoteWhatTheShellWouldSplitOrExpand) {
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/ttyUSB0", "/dev/ttyUSB0"},
        {"COM3", "COM3"},
        {"backups/meter-20261208-120509.csv", "backups/meter-20261208-120509.csv"},
        {"my tables/b.csv", "'my tables/b.csv'"},
        {"it's $HOME", "'it'\\''s $HOME'"},
        {"", "''"},
    };
    for (const auto& [word, quoted] : cases) EXPECT_EQ(ShellWord(word), quoted) << word;
}

// ---- the program ---------------------------------------------------------

TEST(CliProgramTest, ExitStatusesOfTheBinary) {
    auto status = [](const std::string& args) {
        std::string command = std::string(VELMORA_CLI_BINARY) + " " + args + " >/dev/null 2>&1";
        int raw = std::system(command.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(status("--version"), 0);
    EXPECT_EQ(status("dump /nonexistent/sattp.csv"), 2);
    EXPECT_EQ(status("check /nonexistent/sattp.csv"), 2);
    EXPECT_EQ(status("no-such-command"), 2);
}

// ---- name bytes ----------------------------------------------------------

TEST(TextEncodingTest, InvalidBytesBecomeReplacementCharacters) {
    const std::string r = "\xEF\xBF\xBD";
    EXPECT_EQ(Utf8WithReplacements("Astra"), "Astra");
    EXPECT_EQ(Utf8WithReplacements("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x93\xA1"),
              "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x93\xA1");
    EXPECT_EQ(Utf8WithReplacements("\xFC"), r);
    EXPECT_EQ(Utf8WithReplacements("\xE2\x82" "A"), r + r + "A");  // cut short
    EXPECT_EQ(Utf8WithReplacements("\xC0\xAF"), r + r);             // overlong
    EXPECT_EQ(Utf8WithReplacements("\xED\xA0\x80"), r + r + r);     // surrogate
    EXPECT_EQ(Utf8WithReplacements("\xF4\x90\x80\x80"), r + r + r + r);  // above U+10FFFF
    EXPECT_EQ(Utf8WithReplacements(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(HexText(std::string("\x00\x7F\xFF", 3)), "007fff");
}

}  // namespace
}  // namespace velmora::cli
