#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>
#include <zlib.h>

#include <csignal>
#include <cstring>
#include <memory>

#include "service/FactoryImage.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

using testing::ScratchFolder;
using testing::SlurpBytes;
using testing::Spit;

using Bytes = std::vector<uint8_t>;

Bytes Pattern(std::size_t n, uint8_t seed) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>(seed + i * 31 + (i >> 8));
    return b;
}

Bytes Icon(uint8_t l, uint8_t a, uint8_t b, std::size_t extra = 0) {
    Bytes icon = {l, a, b, 0x11, 0x22, 0x33};
    Bytes body = Pattern(4u * a * b * l + 4 + extra, 7);
    icon.insert(icon.end(), body.begin(), body.end());
    return icon;
}

uint32_t Crc(const uint8_t* p, std::size_t n) {
    return static_cast<uint32_t>(crc32(crc32(0L, Z_NULL, 0), p, static_cast<uInt>(n)));
}

class FactoryImage : public ::testing::Test {
protected:
    void SetUp() override {
        db = std::make_unique<SatTpDatabase>();
        ClearDatabase(*db);
        ApplyLnbDefaults(*db);
        db->satCount = 2;
        SetSatName(db->satellites[0], "Astra 1KR", 9);
        db->satellites[0].position = 192;
        SetSatName(db->satellites[1], "Hot Bird 13", 11);
        db->satellites[1].position = 130;
        db->satellites[1].lnbIndex = 3;
        SetSatName(db->satellites[2], "left over", 9);  // beyond satCount: not stored
        const uint32_t freqs[] = {11362, 11494, 12130, 10971, 11034};
        db->tpCount = 5;
        for (int i = 0; i < 5; ++i)
            db->tps[i] = TpRecord{static_cast<uint16_t>(i % 2), 0, uint8_t(i % 2), freqs[i], 22000u + i};
        db->tps[5] = TpRecord{1, 0, 1, 12000, 27500};  // beyond tpCount
        logo = Pattern(FACTORY_LOGO_BYTES + 10, 3);
        Spit(dir / "stm32logo.bin", logo);
        Spit(dir / "stm32icon.bin", Icon(16, 2, 3, 8));
    }

    FactoryResult Create(const std::string& out = "") {
        return CreateFactoryImage(*db, dir / "stm32logo.bin", dir / "stm32icon.bin",
                                  [this](const std::string& m) { messages.push_back(m); },
                                  out.empty() ? dir / FACTORY_IMAGE_FILE : out);
    }
    Bytes Image() {
        Bytes image = SlurpBytes(dir / FACTORY_IMAGE_FILE);
        EXPECT_EQ(image.size(), FACTORY_IMAGE_SIZE);
        return image;
    }
    long Entries() const {
        return std::distance(std::filesystem::directory_iterator(dir.Path()),
                             std::filesystem::directory_iterator{});
    }
    bool AllFF(const Bytes& image, std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            if (image[i] != 0xFF) return false;
        return true;
    }

    ScratchFolder dir;
    std::unique_ptr<SatTpDatabase> db;
    Bytes logo;
    std::vector<std::string> messages;
};

// ---- table block ----------------------------------------------------------------

TEST_F(FactoryImage, TwoSatellitesFiveTps) {
    ASSERT_EQ(Create(), FactoryResult::Ok);
    EXPECT_TRUE(messages.empty());
    Bytes image = Image();
    EXPECT_EQ(Bytes(image.begin() + 4, image.begin() + 8), (Bytes{0x05, 0x00, 0x00, 0x00}));
    for (int i = 0; i < MAX_TPS; ++i)
        ASSERT_EQ(GetU16(&image[FACTORY_TP_INDEX_OFFSET + 2 * i]), i < 5 ? i : 0) << "index " << i;

    uint8_t rec[SAT_RECORD_SIZE];
    for (int i = 0; i < LNB_COUNT; ++i) {
        EncodeLnb(db->lnbs[i], rec);
        EXPECT_EQ(0, std::memcmp(&image[FACTORY_LNB_OFFSET + 12 * i], rec, LNB_RECORD_SIZE));
    }
    for (int i = 0; i < 2; ++i) {
        EncodeSat(db->satellites[i], rec);
        EXPECT_EQ(0, std::memcmp(&image[FACTORY_SAT_OFFSET + 20 * i], rec, SAT_RECORD_SIZE));
    }
    const uint8_t unused[SAT_RECORD_SIZE] = {'-', '-', '-', '-', '-'};
    for (int i = 2; i < MAX_SATELLITES; ++i)
        ASSERT_EQ(0, std::memcmp(&image[FACTORY_SAT_OFFSET + 20 * i], unused, SAT_RECORD_SIZE)) << i;
    EXPECT_EQ(FACTORY_SAT_OFFSET + 20 * MAX_SATELLITES, FACTORY_TABLE_BLOCK_SIZE);

    for (int i = 0; i < 5; ++i) {
        EncodeTp(db->tps[i], rec);
        EXPECT_EQ(0, std::memcmp(&image[FACTORY_TP_OFFSET + 12 * i], rec, TP_RECORD_SIZE));
    }
    EXPECT_TRUE(AllFF(image, FACTORY_TABLE_BLOCK_SIZE, FACTORY_TP_OFFSET));
    EXPECT_TRUE(AllFF(image, FACTORY_TP_OFFSET + 60, FACTORY_LOGO_OFFSET));
}

TEST_F(FactoryImage, TpNormalisationStaysInTheTables) {
    db->tps[2].flags = 0x07;
    db->tps[2].reserved = 9;
    db->tps[4].flags = 0xFE;
    ASSERT_EQ(Create(), FactoryResult::Ok);
    Bytes image = Image();
    EXPECT_EQ(image[FACTORY_TP_OFFSET + 24 + 2], 0);
    EXPECT_EQ(image[FACTORY_TP_OFFSET + 24 + 3], 0x03);
    EXPECT_EQ(image[FACTORY_TP_OFFSET + 48 + 3], 0x02);
    EXPECT_EQ(db->tps[2].flags, 0x03);
    EXPECT_EQ(db->tps[2].reserved, 0);
    EXPECT_EQ(db->tps[5].flags, 1);  // beyond tpCount: untouched
}

TEST_F(FactoryImage, CrcCoversExactlyTheTableBlockAfterItself) {
    const char* check = "123456789";
    EXPECT_EQ(Crc(reinterpret_cast<const uint8_t*>(check), 9), 0xCBF43926u);

    db->satCount = MAX_SATELLITES;  // so the very last covered byte is data
    ASSERT_EQ(Create(), FactoryResult::Ok);
    Bytes first = Image();
    uint32_t stored = GetU32(first.data());
    EXPECT_EQ(stored, Crc(first.data() + 4, 22196));
    EXPECT_EQ(first[0], static_cast<uint8_t>(stored));  // little-endian

    db->satellites[MAX_SATELLITES - 1].position ^= 0x0100;  // byte 0x56B7
    ASSERT_EQ(Create(), FactoryResult::Ok);
    Bytes second = Image();
    EXPECT_NE(first[0x56B7], second[0x56B7]);
    EXPECT_NE(GetU32(second.data()), stored);

    // TPs, logo and icon lie outside the CRC.
    db->tps[0].frequency += 1;
    logo[0] ^= 0xFF;
    Spit(dir / "stm32logo.bin", logo);
    ASSERT_EQ(Create(), FactoryResult::Ok);
    EXPECT_EQ(GetU32(Image().data()), GetU32(second.data()));
}

TEST_F(FactoryImage, SecondRunWithFewerTps) {
    ASSERT_EQ(Create(), FactoryResult::Ok);
    db->tpCount = 2;
    ASSERT_EQ(Create(), FactoryResult::Ok);
    Bytes image = Image();
    EXPECT_EQ(GetU16(&image[4]), 2);
    EXPECT_EQ(GetU16(&image[FACTORY_TP_INDEX_OFFSET + 2]), 1);
    EXPECT_EQ(GetU16(&image[FACTORY_TP_INDEX_OFFSET + 4]), 0);
    EXPECT_TRUE(AllFF(image, FACTORY_TP_OFFSET + 24, FACTORY_LOGO_OFFSET));
}

// ---- logo and icon ----------------------------------------------------------------

TEST_F(FactoryImage, LogoAndIconAreas) {
    ASSERT_EQ(Create(), FactoryResult::Ok);
    Bytes image = Image();
    EXPECT_TRUE(std::equal(logo.begin(), logo.begin() + FACTORY_LOGO_BYTES, image.begin() + 0x070000));
    EXPECT_EQ(image[0x095803], logo[FACTORY_LOGO_BYTES - 1]);
    EXPECT_TRUE(AllFF(image, 0x095804, FACTORY_ICON_OFFSET));

    Bytes icon = Icon(16, 2, 3, 8);
    EXPECT_TRUE(std::equal(icon.begin(), icon.begin() + 6 + 384 + 4, image.begin() + 0x0A0000));
    EXPECT_EQ(image[0x0A0186], icon[6 + 384]);  // the trailer
    EXPECT_TRUE(AllFF(image, 0x0A018A, FACTORY_IMAGE_SIZE));
}

// A cut logo or icon file would leave the rest of its area 0xFF: each is
// refused by name with what is missing, and the old image stays.
TEST_F(FactoryImage, PartsOfFilesAreRefused) {
    Bytes cutIcon = Icon(16, 2, 3);
    cutIcon.resize(100);
    struct Case {
        const char* file;
        Bytes bytes;
        FactoryResult result;
        std::string message;  // after the file's path
    } cases[] = {
        {"stm32logo.bin", {}, FactoryResult::LogoTooShort, " holds 0 bytes; a logo takes 153604."},
        {"stm32logo.bin", Pattern(100, 5), FactoryResult::LogoTooShort,
         " holds 100 bytes; a logo takes 153604."},
        {"stm32icon.bin", {}, FactoryResult::IconRefused,
         " holds 0 bytes; an icon header takes 6."},
        {"stm32icon.bin", Bytes{16, 2}, FactoryResult::IconRefused,
         " holds 2 bytes; an icon header takes 6."},
        {"stm32icon.bin", cutIcon, FactoryResult::IconRefused,
         " holds 100 bytes; its header announces 394."},
        // A header alone: 6 + 4 x 10 x 10 x 250 + 4 bytes announced.
        {"stm32icon.bin", Bytes{250, 10, 10, 0, 0, 0}, FactoryResult::IconRefused,
         " holds 6 bytes; its header announces 100010."},
        {"stm32icon.bin", Bytes{16, 0, 3, 0, 0, 0, 1, 2, 3, 4}, FactoryResult::IconRefused,
         " announces records of 16 bytes, 0 x 3 of each size: all three must be above 0."},
        {"stm32icon.bin", Bytes{0, 255, 255, 0, 0, 0, 1, 2, 3, 4}, FactoryResult::IconRefused,
         " announces records of 0 bytes, 255 x 255 of each size: all three must be above 0."},
    };
    Spit(dir / FACTORY_IMAGE_FILE, Bytes{1, 2, 3});
    for (const Case& c : cases) {
        SetUp();
        Spit(dir / c.file, c.bytes);
        messages.clear();
        EXPECT_EQ(Create(), c.result) << c.message;
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].find((dir / c.file) + c.message), std::string::npos) << messages[0];
        EXPECT_EQ(SlurpBytes(dir / FACTORY_IMAGE_FILE), (Bytes{1, 2, 3})) << c.message;
    }
}

TEST_F(FactoryImage, IconThatFillsTheAreaExactly) {
    // 6 + 4 x 21 x 31 x 151 + 4 = 393,216 bytes.
    Spit(dir / "stm32icon.bin", Icon(151, 21, 31, 100));
    ASSERT_EQ(Create(), FactoryResult::Ok);
    Bytes image = Image();
    Bytes icon = Icon(151, 21, 31);
    EXPECT_TRUE(std::equal(icon.begin(), icon.end(), image.begin() + FACTORY_ICON_OFFSET));
}

// ---- refusals and write failures ----------------------------------------------------

TEST_F(FactoryImage, IconTooLargeWritesNothing) {
    Spit(dir / FACTORY_IMAGE_FILE, Bytes{1, 2, 3});
    for (Bytes header : {Bytes{152, 21, 31, 0, 0, 0}, Bytes{255, 255, 255, 0, 0, 0}}) {
        Spit(dir / "stm32icon.bin", header);
        messages.clear();
        EXPECT_EQ(Create(), FactoryResult::IconTooLarge);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind("Icon file too large ! " + (dir / "stm32icon.bin"), 0), 0u);
        EXPECT_EQ(SlurpBytes(dir / FACTORY_IMAGE_FILE), (Bytes{1, 2, 3}));
    }
}

TEST_F(FactoryImage, MissingLogoOrIcon) {
    db->tps[0].reserved = 7;
    EXPECT_EQ(CreateFactoryImage(*db, dir / "none", dir / "stm32icon.bin",
                                 [this](const std::string& m) { messages.push_back(m); },
                                 dir / FACTORY_IMAGE_FILE),
              FactoryResult::LogoOpenFailed);
    EXPECT_EQ(db->tps[0].reserved, 0);  // normalised before the files are opened
    EXPECT_EQ(CreateFactoryImage(*db, dir / "stm32logo.bin", dir / "none",
                                 [this](const std::string& m) { messages.push_back(m); },
                                 dir / FACTORY_IMAGE_FILE),
              FactoryResult::IconOpenFailed);
    EXPECT_EQ(messages, (std::vector<std::string>{"Open logo file error !", "Open icon file error !"}));
    EXPECT_FALSE(std::filesystem::exists(dir / FACTORY_IMAGE_FILE));
}

TEST_F(FactoryImage, UnwritableTargetIsReportedAndLeavesNoTemporary) {
    std::filesystem::create_directory(dir / FACTORY_IMAGE_FILE);
    EXPECT_EQ(Create(), FactoryResult::WriteFailed);
    EXPECT_EQ(Create(dir / "missing/Flash1M.bin"), FactoryResult::WriteFailed);
    EXPECT_EQ(messages, std::vector<std::string>(2, "Create Flash1M.bin error !"));
    EXPECT_EQ(Entries(), 3);  // the two input files and the directory in the way
}

// A link that leads nowhere is kept, not replaced by a file; one to a file
// is written through.
TEST_F(FactoryImage, OutputLinksAreFollowedOrRefused) {
    const std::string out = dir / "out.bin";
    struct Case {
        const char* points;
        const char* why;  // empty: written through
    } cases[] = {
        {"missing.bin", "is a link that leads nowhere (No such file or directory)"},
        {"out.bin", "is a link that leads nowhere (Too many levels of symbolic links)"},
        {"real.bin", ""},
    };
    Spit(dir / "real.bin", Bytes{1});
    for (const Case& c : cases) {
        std::filesystem::remove(out);
        std::filesystem::create_symlink(c.points, out);
        std::string whyNot;
        FactoryResult r = CreateFactoryImage(*db, dir / "stm32logo.bin", dir / "stm32icon.bin",
                                             nullptr, out, &whyNot);
        EXPECT_EQ(r, *c.why ? FactoryResult::WriteFailed : FactoryResult::Ok) << c.points;
        EXPECT_EQ(whyNot, c.why);
        EXPECT_TRUE(std::filesystem::is_symlink(out)) << c.points;
    }
    EXPECT_EQ(std::filesystem::file_size(dir / "real.bin"), FACTORY_IMAGE_SIZE);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.bin"));
}

TEST_F(FactoryImage, DiskFullMidwayKeepsThePreviousImage) {
    ASSERT_EQ(Create(), FactoryResult::Ok);
    Bytes previous = Image();
    db->tpCount = 1;

    // The file-size limit makes the write fail part of the way through.
    struct rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    FactoryResult r = Create();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(r, FactoryResult::WriteFailed);
    EXPECT_EQ(messages, std::vector<std::string>{"Create Flash1M.bin error !"});
    EXPECT_EQ(Image(), previous);
    EXPECT_EQ(Entries(), 3);  // no temporary left beside the image
}

TEST_F(FactoryImage, DefaultNameInTheCurrentDirectory) {
    auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    FactoryResult r = CreateFactoryImage(*db, "stm32logo.bin", "stm32icon.bin", nullptr);
    std::filesystem::current_path(cwd);
    EXPECT_EQ(r, FactoryResult::Ok);
    EXPECT_EQ(std::filesystem::file_size(dir / "Flash1M.bin"), FACTORY_IMAGE_SIZE);
}

}  // namespace
}  // namespace velmora
