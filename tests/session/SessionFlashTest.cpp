// The firmware, factory image and batch commands as the window runs them:
// through the session, on the real port, against the simulated meter.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <regex>

#include "service/FactoryImage.h"
#include "serial/LinkTexts.h"
#include "sim/BootMeterSim.h"
#include "sim/FirmwareSample.h"
#include "tests/support/FakeViews.h"
#include "tests/support/ScratchFolder.h"
#include "session/Commands.h"
#include "session/Session.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::FakeSessionView;

class SessionFlashTest : public testing::InFreshFolder {
protected:
    void SetUp() override {
        InFreshFolder::SetUp();
        SessionOptions options;
        options.historyFile = (dir / "orvanelog.txt").string();
        options.defaultDbFile = (dir / "sattp.csv").string();
        options.probePorts = [] { return std::vector<std::string>{}; };
        options.batchTiming.afterSoft = 1ms;
        options.batchTiming.afterUpload = 1ms;
        options.bootOptions.diagnostic = [](const std::string&) {};
        session = std::make_unique<Session>(view, options);
        session->StartUp();
        session->Link().Settings().pollPeriod = 100us;
        session->Link().Settings().replyTimeout = 100ms;
        session->Link().Settings().bootReadTimeout = 100ms;
    }

    void AddOneTransponder() {
        session->SatAdd({"Astra", "19.2", 0, 0});
        session->TpAdd({0, 0, "11362", "22000", 1, 0});
        ASSERT_EQ(session->Database().tpCount, 1);
    }
    void UseMeter(sim::BootMeterSim& meter) {
        std::string error;
        ASSERT_TRUE(meter.Start(&error)) << error;
        view.AddPortName(meter.SlavePath());
        view.SelectPortIndex(0);
    }
    std::string Example(const char* name) {
        return std::string(VELMORA_SOURCE_DIR) + "/examples/" + name;
    }

    FakeSessionView view;
    std::unique_ptr<Session> session;
};

TEST_F(SessionFlashTest, LoadSoftThenUpgradeThenBatchOnTheNewFirmware) {
    BootloaderEngineOptions boot;
    boot.productId = 0x440;
    boot.flashSize = 0x10000;
    sim::BootMeterSim meter(boot);
    UseMeter(meter);
    std::vector<uint8_t> image = sim::SampleFirmware(1000);
    std::string hex = (dir / "rav32izazud_demo.hex").string();
    ASSERT_TRUE(sim::WriteIntelHexFile(hex, image));

    view.openAnswers = {(dir / "finder.hex").string(), hex};
    session->LoadSoft();
    EXPECT_EQ(view.texts[FormControl::SoftLabel], "SOFT:");
    EXPECT_FALSE(session->IsEnabled(CommandId::SoftUpgrade));
    EXPECT_EQ(view.messages,
              (std::vector<std::string>{"A firmware file's name begins with rav32izazud."}));
    view.messages.clear();
    view.messageKinds.clear();
    session->LoadSoft();
    EXPECT_EQ(view.texts[FormControl::SoftLabel], "SOFT: rav32izazud_demo.hex");
    ASSERT_TRUE(session->IsEnabled(CommandId::SoftUpgrade));

    // The question says what happens; No sends nothing.
    session->SoftUpgrade();
    ASSERT_EQ(view.questions.size(), 1u);
    EXPECT_EQ(view.questions[0].rfind("SOFT upgrade erases the meter's firmware and writes "
                                      "rav32izazud_demo.hex in its place.\n\nSwitch the meter "
                                      "on while holding EXIT",
                                      0),
              0u);
    EXPECT_EQ(meter.Engine().BootCounts().pcBytes, 0);
    view.yesNoAnswers = {true};
    session->SoftUpgrade();
    EXPECT_EQ(view.texts[FormControl::Status], "Software upgrade success ! ");
    EXPECT_EQ(view.progressPos, 101);
    std::vector<uint8_t> flash = meter.Engine().Flash();
    EXPECT_TRUE(std::equal(image.begin(), image.end(), flash.begin()));
    EXPECT_TRUE(view.portSelectorEnabled);
    EXPECT_FALSE(session->Flags().busyFlag);

    // The meter now runs its firmware and answers the table write of a batch.
    AddOneTransponder();
    view.checks[FormControl::PatchSattp] = true;
    session->PatchCheckBoxesClicked();
    ASSERT_TRUE(session->IsEnabled(CommandId::PatchUp));
    session->PatchUp();
    // A success in words, with the information icon; the record keeps the report.
    ASSERT_EQ(view.messages.size(), 1u);
    // The end message says where the station's record went.
    const std::string where =
        "\n\nThe result was added to " + (dir / "patchup-report.jsonl").string() + ".";
    const std::size_t cut = view.messages[0].find("\n\n");
    EXPECT_TRUE(std::regex_match(view.messages[0].substr(0, cut),
                                 std::regex("Patch up done in [0-9]+ s: tables written\\.")))
        << view.messages[0];
    EXPECT_EQ(view.messages[0].substr(cut == std::string::npos ? 0 : cut), where);
    EXPECT_EQ(view.messageKinds, std::vector<MessageKind>{MessageKind::Success});
    EXPECT_EQ(view.texts[FormControl::Status], "Write Completed ! ");
    // The station's record, beside the table file: one line, only the tables asked for.
    std::ifstream report(dir / "patchup-report.jsonl");
    std::string line;
    ASSERT_TRUE(std::getline(report, line));
    EXPECT_TRUE(std::regex_search(line, std::regex(R"("steps":\{"tables":\{"result":"ok".*"ok":true\}$)")))
        << line;
    EXPECT_FALSE(std::getline(report, line));
    meter.Stop();
}

TEST_F(SessionFlashTest, BatchReportsTheStepsThatDidNotRun) {
    sim::BootMeterSim meter;  // silent on the meter protocol: it waits in its bootloader
    UseMeter(meter);
    AddOneTransponder();
    session->State().iconPath = Example("stm32icon_sample.bin");
    view.checks[FormControl::PatchSoft] = true;  // ticked, but no firmware chosen
    view.checks[FormControl::PatchIcon] = true;
    session->PatchCheckBoxesClicked();
    session->PatchUp();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0], FillText(TEXT_NO_ANSWER_UNCHANGED, {meter.SlavePath()}));
    EXPECT_EQ(view.messages[1].rfind("SOFT ICON upgrade failed ! \n\nThe result was added to ", 0),
              0u);
    EXPECT_EQ(view.texts[FormControl::Status], "Write Failed ! ");
    meter.Stop();
}

// Data meant for RAM would otherwise land at the flash start.
TEST_F(SessionFlashTest, RefusedFirmwareFileIsToldInAMessageBoxAndNeverSent) {
    sim::BootMeterSim meter(BootloaderEngineOptions{});
    UseMeter(meter);
    std::string hex = (dir / "rav32izazud_ram.hex").string();
    std::ofstream(hex) << sim::EncodeIntelHex(sim::SampleFirmware(100), 0x20000000);
    session->State().softPath = hex;
    const std::string why = hex + ":2: data at 0x20000000 lies outside the flash";

    view.yesNoAnswers = {true, false, true};
    session->SoftUpgrade();
    EXPECT_EQ(view.messages, std::vector<std::string>{why});
    EXPECT_EQ(view.texts[FormControl::Status], "File open failed ! ");

    view.messages.clear();
    view.checks[FormControl::PatchSoft] = true;
    session->PatchCheckBoxesClicked();
    session->PatchUp();  // answered No: no batch runs
    EXPECT_EQ(view.questions.size(), 2u);
    EXPECT_TRUE(view.messages.empty());
    session->PatchUp();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0], why);
    EXPECT_EQ(view.messages[1].rfind("SOFT upgrade failed ! \n\n", 0), 0u);
    EXPECT_EQ(meter.Engine().BootCounts().pcBytes, 0);
    meter.Stop();
}

TEST_F(SessionFlashTest, CreateFlashImageAsksWhereThenWritesOrTellsWhy) {
    AddOneTransponder();
    SessionState& st = session->State();
    st.logoPath = Example("stm32logo_sample.bin");
    st.iconPath = Example("stm32icon_sample.bin");
    ASSERT_TRUE(session->IsEnabled(CommandId::CreateFlash));
    // Cancelled: nothing is written.
    session->CreateFlashImage();
    EXPECT_EQ(view.dialogs.back().proposedPath, (dir / "Flash1M.bin").string());
    EXPECT_FALSE(fs::exists(dir / "Flash1M.bin"));

    // Offered beside the table.
    st.dbPath = (dir / "tables" / "mine.csv").string();
    view.saveAnswers = {(dir / "image.bin").string()};
    session->CreateFlashImage();
    EXPECT_EQ(view.dialogs.back().proposedPath, (dir / "tables" / "Flash1M.bin").string());
    EXPECT_EQ(view.messages,
              (std::vector<std::string>{"Flash1M.bin written: " + (dir / "image.bin").string() +
                                        " (1048576 bytes)"}));
    EXPECT_EQ(view.messageKinds, std::vector<MessageKind>{MessageKind::Success});
    EXPECT_EQ(fs::file_size(dir / "image.bin"), FACTORY_IMAGE_SIZE);

    view.messages.clear();
    fs::resize_file(dir / "image.bin", 10);
    st.logoPath = (dir / "stm32logo_missing.bin").string();
    view.saveAnswers = {(dir / "image.bin").string()};
    session->CreateFlashImage();
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Open logo file error !"}));
    EXPECT_EQ(fs::file_size(dir / "image.bin"), 10u);  // the old image stays
}

}  // namespace
}  // namespace velmora
