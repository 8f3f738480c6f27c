#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "TempDir.h"
#include "flash/IntelHex.h"

namespace velmora {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

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

std::vector<uint8_t> Load(const std::string& text, LoadResult expected = LoadOk) {
    auto image = FirmwareImage::Create();
    EXPECT_EQ(image->LoadText(text), expected);
    return image->Bytes();
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
    auto bytes = Load(Record(0, 0, {1, 2, 3, 4}) + Record(0, 0x10, {5}) + kEof);
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

TEST(IntelHexLoad, ExtendedSegmentAddressesCountInParagraphs) {
    auto bytes = Load(Segment(0x1000) + Record(0, 0xFFFE, {1, 2}) + Segment(0x2000) +
                      Record(0, 0x0001, {3}) + kEof);
    EXPECT_EQ(bytes, Concat({Fill(0xFFFE), {1, 2}, Fill(1), {3}}));
}

TEST(IntelHexLoad, StartAddressAndUnknownRecordsAreCheckedButIgnored) {
    std::string text = Record(3, 0, {0, 0, 1, 0}) + Record(0, 0, {7}) + Record(5, 0, {8, 0, 1, 1}) +
                       Record(6, 0x1234, {9, 9}) + kEof;
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

TEST(IntelHexLoad, MissingEofRecordAndEmptyInputLoad) {
    EXPECT_EQ(Load(Record(0, 0, {1, 2})), (std::vector<uint8_t>{1, 2}));
    EXPECT_TRUE(Load("").empty());
}

TEST(IntelHexLoad, NothingAfterEofRecordIsRead) {
    EXPECT_EQ(Load(Record(0, 0, {1}) + kEof + ":zz garbage\n" + Record(0, 0, {2})),
              (std::vector<uint8_t>{1}));
}

// ---- malformed input -------------------------------------------------------

TEST(IntelHexReject, MalformedContent) {
    std::string good = Record(0, 0, {1, 2, 3, 4});
    const std::string cases[] = {
        "\xEF\xBB\xBF" + good,                 // byte-order mark
        " " + good,                            // blank before the colon
        good + "x",                            // stray character between records
        ":0400000001020304F3\n",               // checksum off by one
        ":04000000010203\n",                   // short data
        ":0400",                               // short header
        ":04000000010203G4F2\n",               // non-hex digit in the data
        ": 4000000010203040F2\n",              // blank inside the header
        ":+4000000010203040F2\n",              // sign inside the header
        ":0400000001020304F\n",                // one checksum digit
        Record(4, 0, {0x08}),                  // extended address of one byte
        Record(2, 0, {0x10, 0x00, 0x00}),      // extended address of three bytes
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        auto image = FirmwareImage::Create();
        EXPECT_EQ(image->LoadText(text), InvalidFile);
        EXPECT_EQ(image->Size(), 0u);
    }
}

TEST(IntelHexReject, BadChecksumAfterValidDataFailsWholeLoad) {
    Load(Record(0, 0, {1, 2, 3, 4}) + Record(0, 4, {5, 6, 7, 8}) + ":0100080009EF\n" + kEof, InvalidFile);
}

TEST(IntelHexReject, BackwardOrOverlappingRecords) {
    Load(Record(0, 0x10, {1}) + Record(0, 0x00, {2}) + kEof, InvalidFile);
    Load(Record(0, 0x00, {1, 2, 3, 4}) + Record(0, 0x03, {9}) + kEof, InvalidFile);
    Load(Linear(0x0801) + Record(0, 0, {1}) + Linear(0x0800) + Record(0, 0xFFFF, {2}) + kEof, InvalidFile);
    // Touching records are fine.
    EXPECT_EQ(Load(Record(0, 0, {1, 2}) + Record(0, 2, {3}) + kEof), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(IntelHexReject, ImageBeyondLargestFlash) {
    std::vector<uint8_t> sixteen(16, 0x5A);
    auto bytes = Load(Linear(0x0800) + Record(0, 0, {1}) + Linear(0x080F) + Record(0, 0xFFF0, sixteen) + kEof);
    EXPECT_EQ(bytes.size(), FIRMWARE_MAX_SIZE);
    Load(Linear(0x0800) + Record(0, 0, {1}) + Linear(0x080F) + Record(0, 0xFFF1, sixteen) + kEof, InvalidFile);
    Load(Linear(0x0800) + Record(0, 0, {1}) + Linear(0x0810) + Record(0, 0, {2}) + kEof, InvalidFile);
}

TEST(IntelHexReject, EveryTruncationEitherLoadsOrIsInvalid) {
    std::string text = Linear(0x0800) + Record(0, 0, {1, 2, 3, 4}) + Record(0, 8, {5, 6}) + kEof;
    for (std::size_t n = 0; n <= text.size(); ++n) {
        auto image = FirmwareImage::Create();
        LoadResult r = image->LoadText(text.substr(0, n));
        bool atRecordEnd = n == 0 || text[n - 1] == '\n' || (n < text.size() && text[n] == '\n');
        EXPECT_EQ(r, atRecordEnd ? LoadOk : InvalidFile) << "cut at " << n;
    }
}

// ---- files and sequential reading -------------------------------------------

TEST(IntelHexFile, LoadFromFileAndMissingFile) {
    TempDir dir;
    WriteFile(dir / "fw.hex", Linear(0x0800) + Record(0, 0, {1, 2, 3, 4}) + kEof);
    auto image = FirmwareImage::Create();
    EXPECT_EQ(image->Load(dir / "fw.hex"), LoadOk);
    EXPECT_EQ(image->Size(), 4u);
    EXPECT_EQ(image->Load(dir / "absent.hex"), CannotOpen);
    EXPECT_EQ(image->Size(), 0u);
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
    std::string text;
    for (std::size_t at = 0; at < data.size(); at += 16) {
        std::size_t n = std::min<std::size_t>(16, data.size() - at);
        text += Record(0, static_cast<uint16_t>(at), {data.begin() + at, data.begin() + at + n});
    }
    ASSERT_EQ(image->LoadText(text), LoadOk);
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
        return ReadFile(bin);
    }
    std::vector<uint8_t> Ours(const std::string& hex) {
        auto image = FirmwareImage::Create();
        EXPECT_EQ(image->Load(hex), LoadOk);
        return image->Bytes();
    }
    std::string Piece(const std::string& name, std::size_t n, unsigned seed) {
        WriteFile(dir_ / name, RandomBytes(n, seed));
        return dir_ / name;
    }
    TempDir dir_;
};

TEST_F(IntelHexTools, ObjcopyAcrossSegmentsWithStartAddress) {
    std::string bin = Piece("fw.bin", 200000, 1);
    std::string hex = dir_ / "fw.hex";
    ASSERT_TRUE(Shell("objcopy -I binary -O ihex --change-addresses 0x08000000 --set-start 0x08000101 " +
                    bin + " " + hex));
    EXPECT_EQ(Ours(hex), ReadFile(bin));
}

TEST_F(IntelHexTools, ObjcopyFirstRecordInsideSegment) {
    std::string bin = Piece("fw.bin", 3000, 2);
    std::string hex = dir_ / "fw.hex";
    ASSERT_TRUE(Shell("objcopy -I binary -O ihex --change-addresses 0x08004000 " + bin + " " + hex));
    EXPECT_EQ(Ours(hex), Concat({Fill(0x4000), ReadFile(bin)}));
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

TEST_F(IntelHexTools, SrecCatSegmentedAddressing) {
    std::string a = Piece("a.bin", 70000, 6), b = Piece("b.bin", 4096, 7);
    std::string hex = dir_ / "fw.hex";
    ASSERT_TRUE(Shell("srec_cat " + a + " -binary -offset 0x10000 " + b + " -binary -offset 0x30000 -o " +
                    hex + " -intel -address-length=3 -obs=32"));
    ASSERT_NE(ReadFile(hex).size(), 0u);
    EXPECT_EQ(Ours(hex), ToolBinary(hex));
}

}  // namespace
}  // namespace velmora
