// Firmware bytes loaded from an Intel HEX file, handed to the upgrade in
// pieces of at most 256 bytes from the flash start onward.
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

class FirmwareImage {
public:
    static std::unique_ptr<FirmwareImage> Create();

    // Replaces the image with the file's data. Byte k of the image belongs
    // at (extended address in force at the first data record) + k; gaps are
    // 0xFF. Records that go backwards or overlap, and images beyond
    // FIRMWARE_MAX_SIZE, make the file InvalidFile. The image is empty after
    // any failure.
    LoadResult Load(const std::string& path);
    // The same from text already in memory.
    LoadResult LoadText(std::string_view text);

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
    uint32_t position_ = 0;
};

}  // namespace velmora
