// STM32 product IDs the upgrade knows, with the flash range it writes.
#pragma once

#include <cstdint>
#include <span>

namespace velmora {

struct DeviceEntry {
    uint16_t productId;
    const char* name;
    uint32_t flashStart;
    uint32_t flashEnd;  // exclusive
};

inline constexpr int DEVICE_COUNT = 29;

// The 29 devices followed by the terminating entry whose ID is 0.
std::span<const DeviceEntry> DeviceTable();

// First entry with this ID, searched from the top; nullptr when unknown.
const DeviceEntry* FindDevice(uint16_t productId);

}  // namespace velmora
