// Choosing the firmware file, and the sample HEX files the upgrade tests use.
#include <gtest/gtest.h>

#include "bootloader/IntelHex.h"
#include "bootloader/SoftwareUpgrade.h"
#include "meter/LogoIconUpload.h"
#include "sim/FirmwareSample.h"

namespace velmora {
namespace {

TEST(LoadSoftFile, NameMustBeginWithTheMeterPrefixCaseSensitive) {
    ChosenFile ok = LoadSoftFile("/home/op/fw/rav32izazud_v12.hex");
    EXPECT_EQ(ok.path, "/home/op/fw/rav32izazud_v12.hex");
    EXPECT_EQ(ok.label, "SOFT: rav32izazud_v12.hex");

    for (const char* refused : {"/home/op/finder.hex", "/home/op/RAV32IZAZUD.hex",
                                "/home/op/rav32izazud/v12.hex", "rav32izazu.hex"}) {
        ChosenFile file = LoadSoftFile(refused);
        EXPECT_EQ(file.path, "") << refused;
        EXPECT_EQ(file.label, "SOFT:") << refused;
    }
}

TEST(LoadSoftFile, LabelShowsTheNameAfterEitherSeparatorCutTo36Characters) {
    EXPECT_EQ(LoadSoftFile("C:\\fw\\rav32izazud_v2.hex").label, "SOFT: rav32izazud_v2.hex");
    std::string name = "rav32izazud_0123456789abcdefghijklmn.hex";  // 40 characters
    ASSERT_EQ(name.size(), 40u);
    ChosenFile file = LoadSoftFile("/fw/" + name);
    EXPECT_EQ(file.label, "SOFT: " + name.substr(0, 36));
    EXPECT_EQ(file.path, "/fw/" + name);  // the path itself is kept whole
}

// The samples cross a 64 KB segment and end in a short record; the loader
// must give back exactly the bytes.
TEST(FirmwareSample, HexTextLoadsBackToTheSameBytes) {
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{1001}, std::size_t{70000}}) {
        std::vector<uint8_t> image = sim::SampleFirmware(size, 11);
        auto loaded = FirmwareImage::Create();
        ASSERT_EQ(loaded->LoadText(sim::EncodeIntelHex(image)), LoadOk) << size;
        EXPECT_EQ(loaded->Bytes(), image) << size;
    }
    EXPECT_NE(sim::SampleFirmware(64, 1), sim::SampleFirmware(64, 2));
}

}  // namespace
}  // namespace velmora
