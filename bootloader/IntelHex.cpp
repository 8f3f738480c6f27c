#include "bootloader/IntelHex.h"

#include <cstdio>

#include "core/InputFile.h"
#include "core/MessageText.h"

namespace velmora {

namespace {

constexpr int kEnd = -1;

// The text byte by byte, counting lines: "\n", "\r\n" and a lone "\r" each
// end one, so a message can name the line whatever the file's line ends.
class TextSource {
public:
    explicit TextSource(std::string_view text) : text_(text) {}
    int Get() {
        if (pos_ >= text_.size()) return kEnd;
        int c = static_cast<unsigned char>(text_[pos_++]);
        if (c == '\n' || (c == '\r' && (pos_ == text_.size() || text_[pos_] != '\n'))) ++line_;
        return c;
    }
    std::size_t Line() const { return line_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

struct Failure {
    std::size_t line = 0;
    std::string reason;
};

std::string Quoted(int c) {
    return "'" + EscapeControls(std::string(1, static_cast<char>(c))) + "'";
}

std::string Format(const char* format, unsigned long long a, unsigned long long b = 0) {
    char text[96];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

int HexDigit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `digits` hex digits into value; false, with the reason, on a short
// record or a non-hex character. Stricter than a scanf "%x", which would
// take blanks and signs.
bool ReadHex(TextSource& src, int digits, uint32_t& value, std::string& why) {
    value = 0;
    for (int i = 0; i < digits; ++i) {
        int c = src.Get();
        int d = HexDigit(c);
        if (d < 0) {
            bool cut = c == kEnd || c == '\r' || c == '\n';
            why = cut ? "record cut short" : Quoted(c) + " is not a hex digit";
            return false;
        }
        value = (value << 4) | static_cast<uint32_t>(d);
    }
    return true;
}

enum RecordType : uint32_t {
    kData = 0x00,
    kEndOfFile = 0x01,
    kExtendedSegment = 0x02,
    kStartSegment = 0x03,
    kExtendedLinear = 0x04,
    kStartLinear = 0x05,
};

struct Record {
    std::size_t line = 0;
    uint32_t count = 0, address = 0, type = 0;
    uint8_t data[255] = {};
};

// Reads one record after its ':' and checks its checksum; false with the
// reason otherwise.
bool ReadRecord(TextSource& src, Record& r, std::string& why) {
    if (!ReadHex(src, 2, r.count, why) || !ReadHex(src, 4, r.address, why) ||
        !ReadHex(src, 2, r.type, why))
        return false;
    uint32_t sum = r.count + (r.address >> 8) + (r.address & 0xFF) + r.type;
    for (uint32_t i = 0; i < r.count; ++i) {
        uint32_t byte = 0;
        if (!ReadHex(src, 2, byte, why)) return false;
        r.data[i] = static_cast<uint8_t>(byte);
        sum += byte;
    }
    uint32_t checksum = 0;
    if (!ReadHex(src, 2, checksum, why)) return false;
    uint32_t expected = (0x100 - (sum & 0xFF)) & 0xFF;
    if (checksum == expected) return true;
    why = Format("checksum 0x%02llx should be 0x%02llx", checksum, expected);
    return false;
}

// Places a data record: absolute addresses are 64-bit, so a high segment or
// linear address plus the offset can never wrap back into the flash.
bool PlaceData(const Record& r, uint64_t extended, std::vector<uint8_t>& image, uint64_t& base,
               bool& haveBase, std::string& why) {
    if (r.count == 0) return true;
    uint64_t start = extended + r.address;
    uint64_t end = start + r.count;
    if (start < STM32_FLASH_WINDOW_START || end > STM32_FLASH_WINDOW_END) {
        uint64_t outside = start < STM32_FLASH_WINDOW_START || start >= STM32_FLASH_WINDOW_END
                               ? start
                               : STM32_FLASH_WINDOW_END;
        why = Format("data at 0x%08llx lies outside the flash", outside);
        return false;
    }
    if (!haveBase) {
        base = extended;
        haveBase = true;
    }
    if (start < base || start - base < image.size()) {
        why = Format("data at 0x%08llx overlaps or comes before earlier data", start);
        return false;
    }
    uint64_t offset = start - base;
    if (offset + r.count > FIRMWARE_MAX_SIZE) {
        why = Format("data at 0x%08llx makes the image larger than the largest flash", start) +
              " (" + SizeLimitText(FIRMWARE_MAX_SIZE) + ")";
        return false;
    }
    image.resize(static_cast<std::size_t>(offset), 0xFF);
    image.insert(image.end(), r.data, r.data + r.count);
    return true;
}

bool Parse(TextSource& src, std::vector<uint8_t>& image, uint64_t& base, Failure& fail) {
    uint64_t extended = 0;  // address of the extended record in force
    bool haveBase = false;
    std::size_t lastRecordLine = 0;
    Record r;
    for (;;) {
        int c = src.Get();
        // A cut-off download ends without its end-of-file record: the record
        // was due on the line after the last one.
        if (c == kEnd) {
            fail = {lastRecordLine + 1, "no end-of-file record"};
            return false;
        }
        if (c == '\r' || c == '\n') continue;
        if (c != ':') {
            fail = {src.Line(), Quoted(c) + " where a record should begin with ':'"};
            return false;
        }
        r.line = lastRecordLine = src.Line();
        fail.line = r.line;
        if (!ReadRecord(src, r, fail.reason)) return false;

        switch (r.type) {
            case kData:
                if (!PlaceData(r, extended, image, base, haveBase, fail.reason)) return false;
                break;
            case kEndOfFile:
                if (r.count != 0) {
                    fail.reason = "end-of-file record with data";
                    return false;
                }
                // Whatever follows would be lost without a word: refuse it.
                // Blank space and the DOS end-of-file mark (Ctrl+Z) that some
                // tools append carry nothing.
                for (c = src.Get(); c != kEnd; c = src.Get()) {
                    if (c == '\r' || c == '\n' || c == ' ' || c == '\t' || c == 0x1A) continue;
                    fail = {src.Line(), "data after the end-of-file record"};
                    return false;
                }
                return true;
            case kExtendedSegment:
            case kExtendedLinear: {
                if (r.count != 2) {
                    fail.reason = Format("extended address record of %llu bytes (2 expected)",
                                         r.count);
                    return false;
                }
                uint64_t value = uint64_t{r.data[0]} << 8 | r.data[1];
                extended = r.type == kExtendedLinear ? value << 16 : value << 4;
                break;
            }
            case kStartSegment:
            case kStartLinear:
                // Where the firmware starts: the upgrade always starts it at the flash start.
                if (r.count != 4) {
                    fail.reason = Format("start address record of %llu bytes (4 expected)",
                                         r.count);
                    return false;
                }
                break;
            default:
                fail.reason = Format("unknown record type 0x%02llx", r.type);
                return false;
        }
    }
}

}  // namespace

std::unique_ptr<FirmwareImage> FirmwareImage::Create() { return std::make_unique<FirmwareImage>(); }

LoadResult FirmwareImage::Load(const std::string& path, std::string* whyNot) {
    Destroy();
    std::string text;
    std::string why;
    if (!ReadInputFile(path, HEX_FILE_MAX_BYTES, text, why)) {
        if (whyNot != nullptr) *whyNot = EscapeControls(path) + " " + why;
        return CannotOpen;
    }
    return LoadText(text, whyNot, path);
}

LoadResult FirmwareImage::LoadText(std::string_view text, std::string* whyNot,
                                   std::string_view name) {
    Destroy();
    TextSource src(text);
    Failure fail;
    uint64_t base = 0;
    if (!Parse(src, bytes_, base, fail)) {
        Destroy();
        if (whyNot != nullptr) {
            *whyNot = EscapeControls(name) + ":" + std::to_string(fail.line) + ": " + fail.reason;
        }
        return InvalidFile;
    }
    base_ = static_cast<uint32_t>(base);
    if (whyNot != nullptr) whyNot->clear();
    return LoadOk;
}

LoadResult FirmwareImage::Read(uint8_t* buffer, uint32_t& length) {
    uint32_t left = Size() - position_;
    if (length > left) length = left;
    for (uint32_t i = 0; i < length; ++i) buffer[i] = bytes_[position_ + i];
    position_ += length;
    return LoadOk;
}

void FirmwareImage::Destroy() {
    std::vector<uint8_t>().swap(bytes_);
    base_ = 0;
    position_ = 0;
}

}  // namespace velmora
