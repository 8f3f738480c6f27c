#include "bootloader/DeviceTable.h"

namespace velmora {

namespace {

constexpr uint32_t kFlash = 0x08000000;
// The unique device ID of each family, from the reference manuals.
constexpr uint32_t kIdF0F3 = 0x1FFFF7AC;
constexpr uint32_t kIdF1 = 0x1FFFF7E8;
constexpr uint32_t kIdF2F4 = 0x1FFF7A10;
constexpr uint32_t kIdL0L1Small = 0x1FF80050;  // L0, and L1 categories 1 and 2
constexpr uint32_t kIdL1Large = 0x1FF800D0;    // L1 categories 3 to 6
constexpr uint8_t kIdWhole = 8;  // the 12 bytes follow each other
constexpr uint8_t kIdL = 0x14;   // the L series' split third word

constexpr DeviceEntry kDevices[DEVICE_COUNT + 1] = {
    {0x440, "STM32F051xx", kFlash, 0x08010000, kIdF0F3, kIdWhole},
    {0x444, "STM32F030/F031", kFlash, 0x08010000, kIdF0F3, kIdWhole},
    {0x445, "STM32F042xx", kFlash, 0x08008000, kIdF0F3, kIdWhole},
    {0x448, "STM32F072xx", kFlash, 0x08020000, kIdF0F3, kIdWhole},
    {0x412, "Low-density", kFlash, 0x08008000, kIdF1, kIdWhole},
    {0x410, "Medium-density", kFlash, 0x08020000, kIdF1, kIdWhole},
    {0x414, "High-density", kFlash, 0x08080000, kIdF1, kIdWhole},
    {0x420, "Medium-density VL", kFlash, 0x08020000, kIdF1, kIdWhole},
    {0x428, "High-density VL", kFlash, 0x08080000, kIdF1, kIdWhole},
    {0x418, "Connectivity line", kFlash, 0x08040000, kIdF1, kIdWhole},
    {0x430, "XL-density", kFlash, 0x08100000, kIdF1, kIdWhole},
    {0x411, "STM32F2xx", kFlash, 0x08100000, kIdF2F4, kIdWhole},
    {0x432, "STM32F373/8", kFlash, 0x08040000, kIdF0F3, kIdWhole},
    {0x422, "F302xB/303xB/358", kFlash, 0x08040000, kIdF0F3, kIdWhole},
    {0x439, "STM32F302x4(6/8)", kFlash, 0x08040000, kIdF0F3, kIdWhole},
    {0x438, "F303x4/334/328", kFlash, 0x08040000, kIdF0F3, kIdWhole},
    {0x413, "STM32F40/1", kFlash, 0x08100000, kIdF2F4, kIdWhole},
    {0x419, "STM32F427/37", kFlash, 0x08100000, kIdF2F4, kIdWhole},
    {0x423, "STM32F401xB(C)", kFlash, 0x08100000, kIdF2F4, kIdWhole},
    {0x433, "STM32F401xD(E)", kFlash, 0x08100000, kIdF2F4, kIdWhole},
    {0x417, "L05xxx/06xxx", kFlash, 0x08010000, kIdL0L1Small, kIdL},
    {0x416, "L1xxx6(8/B)", kFlash, 0x08020000, kIdL0L1Small, kIdL},
    {0x429, "L1xxx6(8/B)A", kFlash, 0x08020000, kIdL0L1Small, kIdL},
    {0x427, "L1xxxC", kFlash, 0x08020000, kIdL1Large, kIdL},
    {0x436, "L1xxxD", kFlash, 0x08060000, kIdL1Large, kIdL},
    {0x437, "L1xxxE", kFlash, 0x08060000, kIdL1Large, kIdL},
    {0x641, "Medium_Density PL", kFlash, 0x08020000, 0, kIdWhole},
    {0x9A8, "STM32W-128K", kFlash, 0x08020000, 0, kIdWhole},
    {0x9B0, "STM32W-256K", kFlash, 0x08040000, 0, kIdWhole},
    {0, nullptr, 0, 0, 0, 0},
};

}  // namespace

std::span<const DeviceEntry> DeviceTable() { return kDevices; }

const DeviceEntry* FindDevice(uint16_t productId) {
    for (const DeviceEntry* d = kDevices; d->productId != 0; ++d)
        if (d->productId == productId) return d;
    return nullptr;
}

}  // namespace velmora
