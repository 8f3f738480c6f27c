// STM32 product IDs the upgrade knows, with the flash range it writes.
#pragma once

#include <cstdint>
#include <span>

namespace velmora {

inline constexpr unsigned UNIQUE_ID_BYTES = 12;

struct DeviceEntry {
    uint16_t productId;
    const char* name;
    uint32_t flashStart;
    uint32_t flashEnd;  // exclusive
    // Where the family keeps the chip's 96-bit unique device ID (from its
    // reference manual); 0 when not known here.
    uint32_t uniqueIdAddress = 0;
    // The offset of the ID's last 32 bits: 8 where the 12 bytes follow each
    // other, 0x14 on the L0 and L1 series.
    uint8_t uniqueIdHighOffset = 8;
};

inline constexpr int DEVICE_COUNT = 29;

// The 29 devices followed by the terminating entry whose ID is 0.
std::span<const DeviceEntry> DeviceTable();

// First entry with this ID, searched from the top; nullptr when unknown.
const DeviceEntry* FindDevice(uint16_t productId);

}  // namespace velmora
