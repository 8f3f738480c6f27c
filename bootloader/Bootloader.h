// PC side of the STM32 USART bootloader (ST AN3155): synchronise, learn the
// command set, identify the device, then read, write, erase and start flash.
// Diagnostics go to a sink (standard error unless a test catches them).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "bootloader/BootPort.h"
#include "bootloader/DeviceTable.h"

namespace velmora {

inline constexpr uint8_t BOOT_ACK = 0x79;
inline constexpr uint8_t BOOT_NACK = 0x1F;
inline constexpr uint8_t BOOT_BUSY = 0x76;
inline constexpr uint8_t BOOT_INIT = 0x7F;
inline constexpr uint8_t BOOT_GET = 0x00;
inline constexpr uint8_t BOOT_GET_VERSION = 0x01;
inline constexpr uint8_t BOOT_NOT_AVAILABLE = 0xFF;

// Acknowledge deadlines, in seconds.
inline constexpr int BOOT_WRITE_TIMEOUT = 1;
inline constexpr int BOOT_MASS_ERASE_TIMEOUT = 35;
inline constexpr int BOOT_PAGE_ERASE_TIMEOUT = 5;

// The product that only takes the page-list erase, and how many pages it gets.
inline constexpr uint16_t BOOT_PAGE_ERASE_PID = 0x416;
inline constexpr int BOOT_PAGE_ERASE_PAGES = 248;

inline constexpr unsigned BOOT_MAX_TRANSFER = 256;

enum class BootResult : int { Ok = 0, Failed = 1, Nack = 2, NoCommand = 3 };

// The command codes a bootloader reported in its GET reply, one per slot.
class CommandTable {
public:
    enum Slot : int {
        Get,
        GetVersion,
        GetId,
        ReadMemory,
        Go,
        WriteMemory,
        Erase,
        WriteProtect,
        WriteUnprotect,
        ReadoutProtect,
        ReadoutUnprotect,
        Checksum,
        SlotCount,
    };

    CommandTable();
    // Files a code into its slot; false for a code no slot takes.
    bool Store(uint8_t code);
    uint8_t operator[](Slot slot) const { return slots_[slot]; }
    bool Has(Slot slot) const { return slots_[slot] != BOOT_NOT_AVAILABLE; }

private:
    uint8_t slots_[SlotCount];
};

struct BootOptions {
    // Wall-clock seconds for the acknowledge deadlines; the default is the
    // steady clock. Tests pass a clock that jumps.
    std::function<int64_t()> nowSeconds;
    int writeTimeout = BOOT_WRITE_TIMEOUT;
    int massEraseTimeout = BOOT_MASS_ERASE_TIMEOUT;
    int pageEraseTimeout = BOOT_PAGE_ERASE_TIMEOUT;
    // Receives every diagnostic line; the default writes to standard error.
    std::function<void(const std::string&)> diagnostic;
    // The bootloader already acknowledged an INIT (a probe found it), so the
    // upgrade starts with GET VERSION: a second INIT would be taken as the
    // start of a command.
    bool synchronised = false;
    // Told the product ID and the bootloader version once the device is known.
    std::function<void(uint16_t productId, uint8_t bootloaderVersion)> identified;
    // When set, the upgrade reads the chip's unique device ID after the
    // device is known and tells it here (UNIQUE_ID_BYTES, lowest address
    // first); a chip whose ID cannot be read is not told of, and the upgrade
    // goes on.
    std::function<void(std::span<const uint8_t> id)> uniqueIdRead;
};

class BootloaderConnection {
public:
    // Synchronises (when sendInit), reads GET VERSION, GET and GET ID and
    // finds the device; nullptr on any failure.
    static std::unique_ptr<BootloaderConnection> Init(BootPort& port, bool sendInit,
                                                      BootOptions options = {});
    static void Close(std::unique_ptr<BootloaderConnection>& connection) { connection.reset(); }

    BootResult ReadMemory(uint32_t address, uint8_t* buffer, unsigned length);
    BootResult WriteMemory(uint32_t address, const uint8_t* data, unsigned length);
    // Mass erase, or pages 0..247 on product 0x416.
    BootResult EraseAll();
    BootResult Go(uint32_t address);
    // The chip's 96-bit unique device ID into id, lowest address first.
    // False, and nothing said, when the device's family has no known ID
    // address or the bootloader refuses the read (read protection).
    bool ReadUniqueId(uint8_t (&id)[UNIQUE_ID_BYTES]);

    uint8_t BootloaderVersion() const { return bootloaderVersion_; }
    uint8_t Version() const { return version_; }
    uint8_t Option1() const { return option1_; }
    uint8_t Option2() const { return option2_; }
    uint16_t ProductId() const { return productId_; }
    const CommandTable& Commands() const { return commands_; }
    const DeviceEntry& Device() const { return *device_; }

private:
    BootloaderConnection(BootPort& port, BootOptions options);

    void Say(const char* format, ...) __attribute__((format(printf, 2, 3)));
    int64_t Now() const;
    BootResult GetAck(int deadline);
    BootResult SendCommand(uint8_t code, int deadline = 0);
    BootResult ReadVarLen(uint8_t code, uint8_t* buffer);
    BootResult SendInitSequence();
    BootResult SendAddress(uint32_t address);
    bool Identify(bool sendInit);

    BootPort& port_;
    BootOptions options_;
    uint8_t bootloaderVersion_ = 0;
    uint8_t version_ = 0;
    uint8_t option1_ = 0;
    uint8_t option2_ = 0;
    uint16_t productId_ = 0;
    CommandTable commands_;
    const DeviceEntry* device_ = nullptr;
    bool quiet_ = false;  // diagnostics held back during a read that may fail
};

}  // namespace velmora
