// Firmware bytes loaded from an Intel HEX file, handed to the upgrade in
// pieces of at most 256 bytes from the image's first address onward.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum LoadResult : int {
    LoadOk = 0,
    CannotOpen = 1,
    InvalidFile = 2,
};

// The largest flash of the device table; no image may be bigger.
inline constexpr uint32_t FIRMWARE_MAX_SIZE = 0x100000;
// Where any STM32 maps its flash; data elsewhere (RAM, peripherals, a
// 16-bit segment address) cannot be flashed. The end is exclusive.
inline constexpr uint64_t STM32_FLASH_WINDOW_START = 0x08000000;
inline constexpr uint64_t STM32_FLASH_WINDOW_END = 0x09000000;

class FirmwareImage {
public:
    static std::unique_ptr<FirmwareImage> Create();

    // Replaces the image with the file's data, taking the file whole or not
    // at all. Byte k of the image belongs at Base() + k, Base() being the
    // extended address in force at the first data record; gaps are 0xFF.
    // InvalidFile for: a malformed record or checksum, an unknown record
    // type, data outside the STM32 flash window, records that go backwards
    // or overlap, an image beyond FIRMWARE_MAX_SIZE, no end-of-file record
    // and anything but line ends after it. whyNot then reads
    // "<path>:<line>: <reason>"; a missing end-of-file record is placed on
    // the line after the last record. CannotOpen (whyNot "<path> <reason>")
    // for a file that is not a regular file, is over 16 MB or cannot be
    // read. The image is empty after any failure.
    LoadResult Load(const std::string& path, std::string* whyNot = nullptr);
    // The same from text already in memory; name stands for the path.
    LoadResult LoadText(std::string_view text, std::string* whyNot = nullptr,
                        std::string_view name = "<text>");

    uint32_t Base() const { return base_; }
    uint32_t Size() const { return static_cast<uint32_t>(bytes_.size()); }
    // Copies up to length bytes from the read position; length returns the
    // count delivered (0 at the end). Always LoadOk.
    LoadResult Read(uint8_t* buffer, uint32_t& length);
    // Frees the bytes; the image is empty afterwards.
    void Destroy();

    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    uint32_t Position() const { return position_; }

private:
    std::vector<uint8_t> bytes_;
    uint32_t base_ = 0;
    uint32_t position_ = 0;
};

}  // namespace velmora
