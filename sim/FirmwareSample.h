// Made-up firmware for the upgrade's tests and benchmarks: bytes that look
// like a Cortex-M image, and their Intel HEX text at the STM32 flash start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::sim {

inline constexpr uint32_t STM32_FLASH_START = 0x08000000;

// size bytes: a stack pointer and reset vector, then pseudo-random code
// bytes from seed (the same seed gives the same bytes).
std::vector<uint8_t> SampleFirmware(std::size_t size, uint32_t seed = 1);

// Intel HEX of image placed at base: an extended linear address record per
// 64 KB segment, 16-byte data records, the end-of-file record.
std::string EncodeIntelHex(const std::vector<uint8_t>& image, uint32_t base = STM32_FLASH_START);

// Writes EncodeIntelHex(image) to path; false when it cannot be written.
bool WriteIntelHexFile(const std::string& path, const std::vector<uint8_t>& image);

}  // namespace velmora::sim
