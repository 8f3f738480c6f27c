#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/LinkTestSupport.h"
#include "serial/LinkTexts.h"
#include "meter/LogoIconUpload.h"

namespace velmora {
namespace {

using testing::SimLink;
using Bytes = std::vector<uint8_t>;

Bytes Pattern(std::size_t size, unsigned seed) {
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<uint8_t>((i * 31 + seed) >> 3);
    return b;
}

Bytes IconFile(uint8_t length, uint8_t a, uint8_t b, std::size_t extra = 0) {
    Bytes file = {length, a, b, 0x11, 0x22, 0x33};
    Bytes data = Pattern(4u * a * b * length + 4 + extra, 5);
    file.insert(file.end(), data.begin(), data.end());
    return file;
}

sim::MeterOptions WithFaults(sim::MeterFaults faults) {
    sim::MeterOptions options;
    options.faults = faults;
    return options;
}

// ---- choosing files ----

TEST(ChooseFile, NameMustBeginWithThePrefixExactly) {
    EXPECT_EQ(FileNameOf("/home/u/logos/stm32logo_v2.bin"), "stm32logo_v2.bin");
    EXPECT_EQ(FileNameOf("C:\\meter\\stm32icon.bin"), "stm32icon.bin");
    EXPECT_EQ(FileNameOf("stm32logo.bin"), "stm32logo.bin");

    ChosenFile ok = LoadLogoFile("/home/u/logos/stm32logo_v2.bin");
    EXPECT_EQ(ok.path, "/home/u/logos/stm32logo_v2.bin");
    EXPECT_EQ(ok.label, "LOGO: stm32logo_v2.bin");
    for (const char* refused : {"/x/Stm32logo.bin", "/x/bootlogo.bin", "/stm32logo/a.bin", "/x/stm32log"}) {
        ChosenFile no = LoadLogoFile(refused);
        EXPECT_EQ(no.path, "") << refused;
        EXPECT_EQ(no.label, LOGO_LABEL) << refused;
    }
    EXPECT_EQ(LoadIconFile("/x/stm32icon_set.bin").label, "ICON: stm32icon_set.bin");
    EXPECT_EQ(LoadIconFile("/x/stm32logo.bin").label, ICON_LABEL);
}

// ---- logo ----

TEST(WriteLogo, SendsExactly3201FramesOfTheFirst153604Bytes) {
    SimLink s;
    Bytes logo = Pattern(LOGO_FILE_BYTES + 100, 1);
    ASSERT_TRUE(sim::WriteBinaryFile(s.dir.File("stm32logo.bin"), logo));
    EXPECT_EQ(WriteLogoToMeter(s.link, s.dir.File("stm32logo.bin")), OpResult::Completed);
    auto record = s.meter.Engine().Record();
    EXPECT_EQ(record.logo, Bytes(logo.begin(), logo.begin() + LOGO_FILE_BYTES));
    EXPECT_EQ(record.framesReceived, 3201);
    using Phase = std::pair<std::string, int>;
    EXPECT_EQ(s.host.phases, (std::vector<Phase>{{TEXT_WRITE_LOGO, 3201}}));
    EXPECT_EQ(s.host.progress, 3201);
    EXPECT_EQ(s.host.LastStatus(), TEXT_WRITE_COMPLETED);
    EXPECT_EQ(s.host.flags.batchFlags.load(), BATCH_LOGO_DONE);
    s.ExpectIdle();
}

TEST(WriteLogo, UnusableFileIsRefusedBeforeThePortOpens) {
    SimLink s;
    ASSERT_TRUE(sim::WriteBinaryFile(s.dir.File("stm32logo.bin"), Pattern(LOGO_FILE_BYTES - 1, 1)));
    EXPECT_EQ(WriteLogoToMeter(s.link, s.dir.File("stm32logo.bin")), OpResult::NotStarted);
    EXPECT_EQ(WriteLogoToMeter(s.link, s.dir.File("absent.bin")), OpResult::NotStarted);
    // A named pipe would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(s.dir.File("stm32logo_pipe.bin").c_str(), 0600), 0);
    EXPECT_EQ(WriteLogoToMeter(s.link, s.dir.File("stm32logo_pipe.bin")), OpResult::NotStarted);
    EXPECT_EQ(s.host.messages, (std::vector<std::string>{TEXT_LOGO_TOO_SHORT, TEXT_OPEN_LOGO_ERROR,
                                                          TEXT_OPEN_LOGO_ERROR}));
    EXPECT_TRUE(s.meter.Engine().Record().commands.empty());
}

TEST(WriteLogo, RefusedFrameEndsTheTransferThere) {
    sim::MeterFaults faults;
    faults.refuseReceivedFrame = 100;
    SimLink s(WithFaults(faults));
    ASSERT_TRUE(sim::WriteBinaryFile(s.dir.File("stm32logo.bin"), Pattern(LOGO_FILE_BYTES, 1)));
    EXPECT_EQ(WriteLogoToMeter(s.link, s.dir.File("stm32logo.bin")), OpResult::Failed);
    EXPECT_EQ(s.host.progress, 99);
    EXPECT_EQ(s.host.LastStatus(), TEXT_WRITE_FAILED);
    EXPECT_EQ(s.host.flags.batchFlags.load(), 0);
    EXPECT_TRUE(s.host.messages.empty());
    s.ExpectIdle();
}

TEST(WriteLogo, StopWhileWaitingForTheAnswer) {
    sim::MeterFaults faults;
    faults.noAnswer = true;
    SimLink s(WithFaults(faults));
    ASSERT_TRUE(sim::WriteBinaryFile(s.dir.File("stm32logo.bin"), Pattern(LOGO_FILE_BYTES, 1)));
    s.host.stopAfterPumps = 2;
    EXPECT_EQ(WriteLogoToMeter(s.link, s.dir.File("stm32logo.bin")), OpResult::Stopped);
    EXPECT_EQ(s.host.LastStatus(), "");
    s.ExpectIdle();
}

// ---- icon ----

TEST(WriteIcon, HeaderAnnouncesFrameSizeAndCount) {
    SimLink s;
    Bytes icon = IconFile(0x40, 2, 3, 50);
    ASSERT_TRUE(sim::WriteBinaryFile(s.dir.File("stm32icon.bin"), icon));
    EXPECT_EQ(WriteIconToMeter(s.link, s.dir.File("stm32icon.bin")), OpResult::Completed);
    auto record = s.meter.Engine().Record();
    // Header, 24 frames of 64 bytes, the 4-byte trailer; the rest stays.
    EXPECT_EQ(record.framesReceived, 26);
    EXPECT_EQ(record.icon, Bytes(icon.begin(), icon.begin() + 6 + 24 * 64 + 4));
    using Phase = std::pair<std::string, int>;
    EXPECT_EQ(s.host.phases, (std::vector<Phase>{{TEXT_WRITE_ICON, 25}}));
    EXPECT_EQ(s.host.progress, 25);
    EXPECT_EQ(s.host.flags.batchFlags.load(), BATCH_ICON_DONE);
    s.ExpectIdle();
}

// Headers with nothing to send, or more than the icon area holds, never
// reach the meter.
TEST(WriteIcon, HeadersThatMakeNoSenseAreRefusedBeforeThePortOpens) {
    struct Case {
        Bytes file;
        std::string message;  // after the file's path
    } cases[] = {
        {IconFile(0x40, 0, 9), " announces records of 64 bytes, 0 x 9 of each size: all three "
                               "must be above 0."},
        {IconFile(0x40, 9, 0), " announces records of 64 bytes, 9 x 0 of each size: all three "
                               "must be above 0."},
        {IconFile(0, 255, 255), " announces records of 0 bytes, 255 x 255 of each size: all "
                                "three must be above 0."},
        {IconFile(152, 21, 31), " announces 395818 bytes; the meter's icon area holds 393216."},
    };
    for (const Case& c : cases) {
        SimLink s;
        const std::string path = s.dir.File("stm32icon.bin");
        ASSERT_TRUE(sim::WriteBinaryFile(path, c.file));
        EXPECT_EQ(WriteIconToMeter(s.link, path), OpResult::NotStarted);
        ASSERT_EQ(s.host.messages.size(), 1u);
        EXPECT_NE(s.host.messages[0].find(path + c.message), std::string::npos)
            << s.host.messages[0];
        EXPECT_TRUE(s.meter.Engine().Record().commands.empty());
    }
}

TEST(WriteIcon, FileShorterThanItsHeaderAnnouncesIsRefused) {
    SimLink s;
    Bytes icon = IconFile(0x40, 2, 3);
    icon.pop_back();
    ASSERT_TRUE(sim::WriteBinaryFile(s.dir.File("stm32icon.bin"), icon));
    ASSERT_TRUE(sim::WriteBinaryFile(s.dir.File("stm32icon_hdr.bin"), Bytes{1, 1, 1}));
    EXPECT_EQ(WriteIconToMeter(s.link, s.dir.File("stm32icon.bin")), OpResult::NotStarted);
    EXPECT_EQ(WriteIconToMeter(s.link, s.dir.File("stm32icon_hdr.bin")), OpResult::NotStarted);
    EXPECT_EQ(WriteIconToMeter(s.link, s.dir.File("absent.bin")), OpResult::NotStarted);
    EXPECT_EQ(s.host.messages, (std::vector<std::string>{TEXT_ICON_TOO_SHORT, TEXT_ICON_TOO_SHORT,
                                                          TEXT_OPEN_ICON_ERROR}));
    EXPECT_TRUE(s.meter.Engine().Record().commands.empty());
}

TEST(WriteIcon, UnacknowledgedFrameTimesOut) {
    sim::MeterFaults faults;
    faults.ignoreReceivedFrame = 1;  // the header
    SimLink s(WithFaults(faults), std::chrono::microseconds(300));
    ASSERT_TRUE(sim::WriteBinaryFile(s.dir.File("stm32icon.bin"), IconFile(8, 1, 1)));
    s.host.flags.batchFlags = BATCH_TABLES_DONE;
    EXPECT_EQ(WriteIconToMeter(s.link, s.dir.File("stm32icon.bin")), OpResult::Failed);
    EXPECT_EQ(s.host.messages, std::vector<std::string>{TEXT_ASK_TIMEOUT});
    EXPECT_EQ(s.host.LastStatus(), TEXT_WRITE_FAILED);
    EXPECT_EQ(s.host.flags.batchFlags.load(), BATCH_TABLES_DONE);
    s.ExpectIdle();
}

// ---- delete icons ----

TEST(DeleteIcons, DeletesAndSetsNoBatchFlag) {
    SimLink s;
    EXPECT_EQ(DeleteMeterIcons(s.link), OpResult::Completed);
    EXPECT_EQ(s.host.LastStatus(), TEXT_DELETE_COMPLETED);
    EXPECT_EQ(s.meter.Engine().Record().iconDeletes, 1);
    EXPECT_EQ(s.host.flags.batchFlags.load(), 0);
    s.ExpectIdle();
}

TEST(DeleteIcons, SilentMeterFailsAndStopEmptiesTheStatus) {
    sim::MeterFaults faults;
    faults.noAnswer = true;
    SimLink s(WithFaults(faults), std::chrono::microseconds(100));
    EXPECT_EQ(DeleteMeterIcons(s.link), OpResult::Failed);
    EXPECT_EQ(s.host.LastStatus(), TEXT_DELETE_FAILED);
    EXPECT_EQ(s.host.messages, std::vector<std::string>{
                                   FillText(TEXT_NO_ANSWER_UNCHANGED, {s.link.PortName()})});
    s.ExpectIdle();

    s.host.stopAfterPumps = s.host.pumps + 3;
    EXPECT_EQ(DeleteMeterIcons(s.link), OpResult::Stopped);
    EXPECT_EQ(s.host.LastStatus(), "");
    s.ExpectIdle();
}

}  // namespace
}  // namespace velmora
