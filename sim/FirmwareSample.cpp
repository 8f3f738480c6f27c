#include "sim/FirmwareSample.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "core/TextHelpers.h"

namespace velmora::sim {

namespace {

void Record(std::string& out, uint8_t type, uint16_t address, const uint8_t* data, std::size_t n) {
    unsigned sum = static_cast<unsigned>(n) + (address >> 8) + (address & 0xFF) + type;
    char text[16];
    std::snprintf(text, sizeof text, ":%02X%04X%02X", static_cast<unsigned>(n), address, type);
    out += text;
    out += HexText(std::string_view(reinterpret_cast<const char*>(data), n), {}, HexCase::Upper);
    for (std::size_t i = 0; i < n; ++i) sum += data[i];
    std::snprintf(text, sizeof text, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
    out += text;
}

}  // namespace

std::vector<uint8_t> SampleFirmware(std::size_t size, uint32_t seed) {
    std::vector<uint8_t> image(size);
    // Initial stack pointer and reset vector (Thumb bit set), little-endian.
    const uint32_t vectors[2] = {0x20005000, STM32_FLASH_START + 0x101};
    std::size_t i = 0;
    for (uint32_t word : vectors)
        for (int b = 0; b < 4 && i < size; ++b) image[i++] = static_cast<uint8_t>(word >> (8 * b));
    uint32_t x = seed != 0 ? seed : 1;  // xorshift32
    for (; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        image[i] = static_cast<uint8_t>(x);
    }
    return image;
}

std::string EncodeIntelHex(const std::vector<uint8_t>& image, uint32_t base) {
    std::string out;
    uint32_t segment = 0xFFFFFFFF;
    for (std::size_t at = 0; at < image.size(); at += 16) {
        uint32_t address = base + static_cast<uint32_t>(at);
        if (address >> 16 != segment) {
            segment = address >> 16;
            const uint8_t upper[2] = {static_cast<uint8_t>(segment >> 8),
                                      static_cast<uint8_t>(segment)};
            Record(out, 0x04, 0, upper, 2);
        }
        std::size_t n = std::min<std::size_t>(16, image.size() - at);
        Record(out, 0x00, static_cast<uint16_t>(address), image.data() + at, n);
    }
    Record(out, 0x01, 0, nullptr, 0);
    return out;
}

bool WriteIntelHexFile(const std::string& path, const std::vector<uint8_t>& image) {
    std::ofstream file(path, std::ios::binary);
    file << EncodeIntelHex(image);
    return static_cast<bool>(file.flush());
}

}  // namespace velmora::sim
