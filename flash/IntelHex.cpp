#include "flash/IntelHex.h"

#include <cstdio>

namespace velmora {

namespace {

constexpr int kEnd = -1;

class FileSource {
public:
    explicit FileSource(std::FILE* f) : f_(f) {}
    int Get() { return std::getc(f_); }

private:
    std::FILE* f_;
};

class TextSource {
public:
    explicit TextSource(std::string_view text) : text_(text) {}
    int Get() { return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_++]) : kEnd; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int HexDigit(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads `digits` hex digits into value; false on a short read or a non-hex
// character. Stricter than a scanf "%x", which would take blanks and signs.
template <class Source>
bool ReadHex(Source& src, int digits, uint32_t& value) {
    value = 0;
    for (int i = 0; i < digits; ++i) {
        int d = HexDigit(src.Get());
        if (d < 0) return false;
        value = (value << 4) | static_cast<uint32_t>(d);
    }
    return true;
}

enum RecordType : uint32_t {
    kData = 0x00,
    kEndOfFile = 0x01,
    kExtendedSegment = 0x02,
    kExtendedLinear = 0x04,
};

template <class Source>
LoadResult Parse(Source& src, std::vector<uint8_t>& image) {
    uint64_t extended = 0;  // address of the extended record in force
    uint64_t base = 0;      // absolute address of image byte 0
    bool haveBase = false;
    for (;;) {
        int c = src.Get();
        if (c == kEnd) return LoadOk;  // a missing end-of-file record is tolerated
        if (c == '\r' || c == '\n') continue;
        if (c != ':') return InvalidFile;

        uint32_t count = 0, address = 0, type = 0;
        if (!ReadHex(src, 2, count) || !ReadHex(src, 4, address) || !ReadHex(src, 2, type))
            return InvalidFile;
        uint32_t sum = count + (address >> 8) + (address & 0xFF) + type;

        std::size_t dataAt = 0;
        if (type == kData) {
            if (!haveBase) {
                base = extended;
                haveBase = true;
            }
            uint64_t absolute = extended + address;
            if (absolute < base) return InvalidFile;
            uint64_t offset = absolute - base;
            if (offset < image.size()) return InvalidFile;  // backward or overlapping
            if (offset + count > FIRMWARE_MAX_SIZE) return InvalidFile;
            image.resize(static_cast<std::size_t>(offset), 0xFF);
            dataAt = image.size();
            image.resize(dataAt + count);
        }

        uint32_t payload = 0;  // the value of a 2-byte extended address
        for (uint32_t i = 0; i < count; ++i) {
            uint32_t byte = 0;
            if (!ReadHex(src, 2, byte)) return InvalidFile;
            sum += byte;
            payload = ((payload << 8) | byte) & 0xFFFF;
            if (type == kData) image[dataAt + i] = static_cast<uint8_t>(byte);
        }

        uint32_t checksum = 0;
        if (!ReadHex(src, 2, checksum) || ((sum + checksum) & 0xFF) != 0) return InvalidFile;

        switch (type) {
            case kEndOfFile:
                return LoadOk;  // whatever follows is never read
            case kExtendedSegment:
            case kExtendedLinear:
                if (count != 2) return InvalidFile;
                extended = type == kExtendedLinear ? uint64_t{payload} << 16 : uint64_t{payload} << 4;
                break;
            default:
                break;  // start addresses and unknown types carry nothing for the flash
        }
    }
}

}  // namespace

std::unique_ptr<FirmwareImage> FirmwareImage::Create() { return std::make_unique<FirmwareImage>(); }

LoadResult FirmwareImage::Load(const std::string& path) {
    Destroy();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return CannotOpen;
    FileSource src(f);
    LoadResult r = Parse(src, bytes_);
    std::fclose(f);
    if (r != LoadOk) Destroy();
    return r;
}

LoadResult FirmwareImage::LoadText(std::string_view text) {
    Destroy();
    TextSource src(text);
    LoadResult r = Parse(src, bytes_);
    if (r != LoadOk) Destroy();
    return r;
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
    position_ = 0;
}

}  // namespace velmora
