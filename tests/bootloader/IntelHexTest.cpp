#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "bootloader/IntelHex.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

using testing::ScratchFolder;
using testing::SlurpBytes;
using testing::Spit;

std::string Record(int type, uint16_t address, const std::vector<uint8_t>& data) {
    char text[16];
    std::string line = ":";
    unsigned sum = static_cast<unsigned>(data.size()) + (address >> 8) + (address & 0xFF) + type;
    std::snprintf(text, sizeof text, "%02X%04X%02X", static_cast<unsigned>(data.size()), address, type);
    line += text;
    for (uint8_t b : data) {
        std::snprintf(text, sizeof text, "%02X", b);
        line += text;
        sum += b;
    }
    std::snprintf(text, sizeof text, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
    return line + text;
}

std::string Linear(uint16_t upper) { return Record(4, 0, {uint8_t(upper >> 8), uint8_t(upper)}); }
std::string Segment(uint16_t paragraph) {
    return Record(2, 0, {uint8_t(paragraph >> 8), uint8_t(paragraph)});
}
const std::string kEof = ":00000001FF\n";

const std::string kFlash = Linear(0x0800);

std::vector<uint8_t> Load(const std::string& text, LoadResult expected = LoadOk) {
    auto image = FirmwareImage::Create();
    EXPECT_EQ(image->LoadText(text), expected);
    return image->Bytes();
}

// Why the text is refused, as "fw.hex:LINE: reason"; empty when it loads.
std::string Refusal(const std::string& text) {
    auto image = FirmwareImage::Create();
    std::string why;
    if (image->LoadText(text, &why, "fw.hex") == LoadOk) return "";
    EXPECT_EQ(image->Size(), 0u);
    return why;
}

std::vector<uint8_t> Fill(std::size_t n, uint8_t value = 0xFF) { return std::vector<uint8_t>(n, value); }

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// ---- records and placement -------------------------------------------------

TEST(IntelHexLoad, ExtendedLinearThenDataThenEof) {
    EXPECT_EQ(Load(":020000040800F2\n:0400000001020304F2\n:00000001FF\n"),
              (std::vector<uint8_t>{1, 2, 3, 4}));
}

TEST(IntelHexLoad, GapInsideSegmentIsFilledWithFF) {
    auto bytes = Load(kFlash + Record(0, 0, {1, 2, 3, 4}) + Record(0, 0x10, {5}) + kEof);
    EXPECT_EQ(bytes, Concat({{1, 2, 3, 4}, Fill(0x0C), {5}}));
}

TEST(IntelHexLoad, FirstRecordCountsFromStartOfItsSegment) {
    auto bytes = Load(Linear(0x0800) + Record(0, 0x4000, {0xAB}) + kEof);
    ASSERT_EQ(bytes.size(), 0x4001u);
    EXPECT_EQ(bytes, Concat({Fill(0x4000), {0xAB}}));
}

TEST(IntelHexLoad, SegmentNotFilledToItsEndKeepsNextSegmentAtItsAddress) {
    auto bytes = Load(Linear(0x0800) + Record(0, 0, {1, 2}) + Linear(0x0801) + Record(0, 0, {3}) + kEof);
    EXPECT_EQ(bytes, Concat({{1, 2}, Fill(0x10000 - 2), {3}}));
}

// Paragraphs reach 0x10FFEF at most, far below any STM32 flash.
TEST(IntelHexLoad, ExtendedSegmentAddressesCountInParagraphs) {
    EXPECT_EQ(Refusal(Segment(0x1000) + Record(0, 0xFFFE, {1, 2}) + kEof),
              "fw.hex:2: data at 0x0001fffe lies outside the flash");
}

TEST(IntelHexLoad, StartAddressRecordsAreCheckedButIgnored) {
    std::string text = kFlash + Record(3, 0, {0, 0, 1, 0}) + Record(0, 0, {7}) +
                       Record(5, 0, {8, 0, 1, 1}) + kEof;
    EXPECT_EQ(Load(text), (std::vector<uint8_t>{7}));
    text[text.find(":04000005") + 12] ^= 1;  // one digit of the start address
    Load(text, InvalidFile);
}

TEST(IntelHexLoad, LineEndingsAndDigitCaseDoNotMatter) {
    std::string lf = Linear(0x0800) + Record(0, 0, {0xAB, 0xCD, 0xEF, 0x12}) + kEof;
    std::string crlf, lower;
    for (char c : lf) {
        if (c == '\n') crlf += '\r';
        crlf += c;
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    auto expected = Load(lf);
    EXPECT_EQ(Load(crlf), expected);
    EXPECT_EQ(Load(lower), expected);
    EXPECT_EQ(Load("\r\n\n\n" + lf + "\r\r"), expected);
}

TEST(IntelHexLoad, EofRecordAloneIsAnEmptyImage) {
    EXPECT_TRUE(Load(kEof).empty());
    EXPECT_TRUE(Load(kEof + "\r\n\n").empty());
    // Some tools end the file with blanks or a DOS end-of-file mark.
    EXPECT_TRUE(Load(kEof + " \t\r\n\x1a").empty());
}

// ---- a file is taken whole or not at all ---------------------------------

TEST(IntelHexReject, RefusalNamesTheFileAndLine) {
    const std::string data = kFlash + Record(0, 0, {1, 2});
    const struct {
        std::string text, why;
    } cases[] = {
        // A cut-off download: the record was due on the line after the last one.
        {.text = data, .why = "fw.hex:3: no end-of-file record"},
        {.text = data + "\n\n", .why = "fw.hex:3: no end-of-file record"},
        {.text = "", .why = "fw.hex:1: no end-of-file record"},
        {.text = data + kEof + Record(0, 2, {3}),
         .why = "fw.hex:4: data after the end-of-file record"},
        {.text = data + kEof + "\r\rx", .why = "fw.hex:6: data after the end-of-file record"},
        {.text = data + Record(1, 0, {0}), .why = "fw.hex:3: end-of-file record with data"},
        {.text = data + Record(6, 0x1234, {9, 9}) + kEof,
         .why = "fw.hex:3: unknown record type 0x06"},
        {.text = data + Record(5, 0, {8, 0}) + kEof,
         .why = "fw.hex:3: start address record of 2 bytes (4 expected)"},
        // Data the flash cannot hold, whichever way it is addressed.
        {.text = Linear(0x2000) + Record(0, 0, {1}) + kEof,
         .why = "fw.hex:2: data at 0x20000000 lies outside the flash"},
        {.text = Record(0, 0, {1}) + kEof,
         .why = "fw.hex:1: data at 0x00000000 lies outside the flash"},
        {.text = Linear(0xFFFF) + Record(0, 0xFFF0, Fill(16)) + kEof,
         .why = "fw.hex:2: data at 0xfffffff0 lies outside the flash"},
        {.text = Linear(0xFFFF) + Record(0, 0xFFFF, {1, 2}) + kEof,
         .why = "fw.hex:2: data at 0xffffffff lies outside the flash"},
        {.text = Linear(0x08FF) + Record(0, 0xFFFE, {1, 2, 3}) + kEof,
         .why = "fw.hex:2: data at 0x09000000 lies outside the flash"},
        {.text = Segment(0xFFFF) + Record(0, 0xFFFF, {1}) + kEof,
         .why = "fw.hex:2: data at 0x0010ffef lies outside the flash"},
        {.text = data + Linear(0x0810) + Record(0, 0, {3}) + kEof,
         .why = "fw.hex:4: data at 0x08100000 makes the image larger than the largest flash "
                "(1 MB)"},
        // A value quoted from the file cannot act on the terminal.
        {.text = data + "\x1b]0;x\x07",
         .why = "fw.hex:3: '\\x1b' where a record should begin with ':'"},
        {.text = kFlash + ":01000000\x9b", .why = "fw.hex:2: '\\x9b' is not a hex digit"},
    };
    for (const auto& c : cases) EXPECT_EQ(Refusal(c.text), c.why) << c.text;
}

// ---- malformed input -------------------------------------------------------

TEST(IntelHexReject, MalformedContent) {
    std::string good = Record(0, 0, {1, 2, 3, 4});
    const struct {
        std::string text, why;
    } cases[] = {
        {.text = "\xEF\xBB\xBF" + good, .why = "'\\xef' where a record should begin with ':'"},
        {.text = " " + good, .why = "' ' where a record should begin with ':'"},
        {.text = kFlash + good + "x", .why = "'x' where a record should begin with ':'"},
        {.text = ":0400000001020304F3\n", .why = "checksum 0xf3 should be 0xf2"},
        {.text = ":04000000010203\n", .why = "record cut short"},
        {.text = ":0400", .why = "record cut short"},
        {.text = ":04000000010203G4F2\n", .why = "'G' is not a hex digit"},
        {.text = ": 4000000010203040F2\n", .why = "' ' is not a hex digit"},
        {.text = ":+4000000010203040F2\n", .why = "'+' is not a hex digit"},
        {.text = ":0400000001020304F\n", .why = "record cut short"},
        {.text = Record(4, 0, {0x08}), .why = "extended address record of 1 bytes (2 expected)"},
        {.text = Record(2, 0, {0x10, 0x00, 0x00}),
         .why = "extended address record of 3 bytes (2 expected)"},
    };
    for (const auto& c : cases) EXPECT_THAT(Refusal(c.text), ::testing::EndsWith(c.why)) << c.text;
}

TEST(IntelHexReject, BadChecksumAfterValidDataFailsWholeLoad) {
    Load(kFlash + Record(0, 0, {1, 2, 3, 4}) + Record(0, 4, {5, 6, 7, 8}) + ":0100080009EF\n" + kEof,
         InvalidFile);
}

TEST(IntelHexReject, BackwardOrOverlappingRecords) {
    Load(kFlash + Record(0, 0x10, {1}) + Record(0, 0x00, {2}) + kEof, InvalidFile);
    Load(kFlash + Record(0, 0x00, {1, 2, 3, 4}) + Record(0, 0x03, {9}) + kEof, InvalidFile);
    Load(Linear(0x0801) + Record(0, 0, {1}) + Linear(0x0800) + Record(0, 0xFFFF, {2}) + kEof, InvalidFile);
    // Touching records are fine.
    EXPECT_EQ(Load(kFlash + Record(0, 0, {1, 2}) + Record(0, 2, {3}) + kEof),
              (std::vector<uint8_t>{1, 2, 3}));
}

TEST(IntelHexReject, ImageBeyondLargestFlash) {
    std::vector<uint8_t> sixteen(16, 0x5A);
    auto bytes = Load(Linear(0x0800) + Record(0, 0, {1}) + Linear(0x080F) + Record(0, 0xFFF0, sixteen) + kEof);
    EXPECT_EQ(bytes.size(), FIRMWARE_MAX_SIZE);
    Load(Linear(0x0800) + Record(0, 0, {1}) + Linear(0x080F) + Record(0, 0xFFF1, sixteen) + kEof, InvalidFile);
    Load(Linear(0x0800) + Record(0, 0, {1}) + Linear(0x0810) + Record(0, 0, {2}) + kEof, InvalidFile);
}

// A download cut anywhere before its end-of-file record is refused whole.
TEST(IntelHexReject, EveryTruncationIsInvalid) {
    std::string text = Linear(0x0800) + Record(0, 0, {1, 2, 3, 4}) + Record(0, 8, {5, 6}) + kEof;
    for (std::size_t n = 0; n <= text.size(); ++n) {
        auto image = FirmwareImage::Create();
        LoadResult r = image->LoadText(text.substr(0, n));
        EXPECT_EQ(r, n + 1 >= text.size() ? LoadOk : InvalidFile) << "cut at " << n;
    }
}

// ---- files and sequential reading -------------------------------------------

TEST(IntelHexFile, LoadFromFileAndMissingFile) {
    ScratchFolder dir;
    Spit(dir / "fw.hex", Linear(0x0800) + Record(0, 0, {1, 2, 3, 4}) + kEof);
    auto image = FirmwareImage::Create();
    EXPECT_EQ(image->Load(dir / "fw.hex"), LoadOk);
    EXPECT_EQ(image->Size(), 4u);
    EXPECT_EQ(image->Load(dir / "absent.hex"), CannotOpen);
    EXPECT_EQ(image->Size(), 0u);
    // A device would never end: refused before a byte is read.
    std::string why;
    EXPECT_EQ(image->Load("/dev/zero", &why), CannotOpen);
    EXPECT_EQ(why, "/dev/zero is not a regular file");
    EXPECT_EQ(image->Load(dir / "absent.hex", &why), CannotOpen);
    EXPECT_EQ(why, dir / "absent.hex" + " cannot be read: No such file or directory");
}

TEST(IntelHexFile, CommittedSampleFirmware) {
    auto image = FirmwareImage::Create();
    ASSERT_EQ(image->Load(VELMORA_SOURCE_DIR "/examples/rav32izazud_demo.hex"), LoadOk);
    ASSERT_EQ(image->Size(), 4096u);
    const auto& b = image->Bytes();
    EXPECT_EQ((std::vector<uint8_t>(b.begin(), b.begin() + 8)),
              (std::vector<uint8_t>{0x00, 0x50, 0x00, 0x20, 0x01, 0x01, 0x00, 0x08}));
}

TEST(IntelHexRead, DeliversWhatIsLeftThenNothing) {
    auto image = FirmwareImage::Create();
    std::vector<uint8_t> data(356);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 7);
    std::string text = kFlash;
    for (std::size_t at = 0; at < data.size(); at += 16) {
        std::size_t n = std::min<std::size_t>(16, data.size() - at);
        text += Record(0, static_cast<uint16_t>(at), {data.begin() + at, data.begin() + at + n});
    }
    ASSERT_EQ(image->LoadText(text + kEof), LoadOk);
    uint8_t block[256];
    uint32_t length = 256;
    EXPECT_EQ(image->Read(block, length), LoadOk);
    EXPECT_EQ(length, 256u);
    length = 256;
    image->Read(block, length);
    ASSERT_EQ(length, 100u);
    EXPECT_TRUE(std::equal(block, block + 100, data.begin() + 256));
    length = 256;
    image->Read(block, length);
    EXPECT_EQ(length, 0u);
    image->Destroy();
    EXPECT_EQ(image->Size(), 0u);
}

// ---- files written by objcopy and srec_cat ------------------------------------

bool HaveTool(const char* name) {
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

bool Shell(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

std::vector<uint8_t> RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> bytes(n);
    for (uint8_t& b : bytes) b = static_cast<uint8_t>(rng());
    return bytes;
}

class IntelHexTools : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveTool("objcopy") || !HaveTool("srec_cat")) GTEST_SKIP() << "objcopy or srec_cat missing";
    }
    // The tool's own binary view of the file: lowest address first, gaps 0xFF.
    std::vector<uint8_t> ToolBinary(const std::string& hex) {
        std::string bin = dir_ / "tool.bin";
        EXPECT_TRUE(Shell("objcopy -I ihex -O binary --gap-fill 0xFF " + hex + " " + bin));
        return SlurpBytes(bin);
    }
    std::vector<uint8_t> Ours(const std::string& hex) {
        auto image = FirmwareImage::Create();
        EXPECT_EQ(image->Load(hex), LoadOk);
        return image->Bytes();
    }
    std::string Piece(const std::string& name, std::size_t n, unsigned seed) {
        Spit(dir_ / name, RandomBytes(n, seed));
        return dir_ / name;
    }
    ScratchFolder dir_;
};

TEST_F(IntelHexTools, ObjcopyAcrossSegmentsWithStartAddress) {
    std::string bin = Piece("fw.bin", 200000, 1);
    std::string hex = dir_ / "fw.hex";
    ASSERT_TRUE(Shell("objcopy -I binary -O ihex --change-addresses 0x08000000 --set-start 0x08000101 " +
                    bin + " " + hex));
    EXPECT_EQ(Ours(hex), SlurpBytes(bin));
}

TEST_F(IntelHexTools, ObjcopyFirstRecordInsideSegment) {
    std::string bin = Piece("fw.bin", 3000, 2);
    std::string hex = dir_ / "fw.hex";
    ASSERT_TRUE(Shell("objcopy -I binary -O ihex --change-addresses 0x08004000 " + bin + " " + hex));
    EXPECT_EQ(Ours(hex), Concat({Fill(0x4000), SlurpBytes(bin)}));
}

TEST_F(IntelHexTools, SrecCatPiecesWithGapsAndStartAddress) {
    std::string a = Piece("a.bin", 5000, 3), b = Piece("b.bin", 777, 4), c = Piece("c.bin", 100, 5);
    std::string hex = dir_ / "fw.hex";
    ASSERT_TRUE(Shell("srec_cat " + a + " -binary -offset 0x08000000 " + b + " -binary -offset 0x08001400 " +
                    c + " -binary -offset 0x08020010 -o " + hex +
                    " -intel -Output_Block_Size=255 -execution-start-address=0x08000101"));
    auto ours = Ours(hex);
    EXPECT_EQ(ours, ToolBinary(hex));
    ASSERT_EQ(ours.size(), 0x20010u + 100);
    EXPECT_EQ(ours[0x1400 + 777], 0xFF);
    EXPECT_EQ(ours[0x20000], 0xFF);
}

// Segmented addressing cannot reach the flash window: such a file is refused.
TEST_F(IntelHexTools, SrecCatSegmentedAddressing) {
    std::string a = Piece("a.bin", 70000, 6), b = Piece("b.bin", 4096, 7);
    std::string hex = dir_ / "fw.hex";
    ASSERT_TRUE(Shell("srec_cat " + a + " -binary -offset 0x10000 " + b + " -binary -offset 0x30000 -o " +
                    hex + " -intel -address-length=3 -obs=32"));
    ASSERT_NE(SlurpBytes(hex).size(), 0u);
    auto image = FirmwareImage::Create();
    std::string why;
    EXPECT_EQ(image->Load(hex, &why), InvalidFile);
    EXPECT_THAT(why, ::testing::EndsWith(": data at 0x00010000 lies outside the flash"));
}

}  // namespace
}  // namespace velmora
