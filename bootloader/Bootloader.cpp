#include "bootloader/Bootloader.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdarg>
#include <cstdio>

#include "core/TextHelpers.h"

namespace velmora {

namespace {

struct SlotRule {
    uint8_t code;
    CommandTable::Slot slot;
    bool newest;  // a later, larger code of the same command replaces the stored one
};

constexpr SlotRule kSlotRules[] = {
    {0x00, CommandTable::Get, false},
    {0x01, CommandTable::GetVersion, false},
    {0x02, CommandTable::GetId, false},
    {0x11, CommandTable::ReadMemory, false},
    {0x21, CommandTable::Go, false},
    {0x31, CommandTable::WriteMemory, true},
    {0x32, CommandTable::WriteMemory, true},
    {0x43, CommandTable::Erase, true},
    {0x44, CommandTable::Erase, true},
    {0x45, CommandTable::Erase, true},
    {0x63, CommandTable::WriteProtect, true},
    {0x64, CommandTable::WriteProtect, true},
    {0x73, CommandTable::WriteUnprotect, true},
    {0x74, CommandTable::WriteUnprotect, true},
    {0x82, CommandTable::ReadoutProtect, true},
    {0x83, CommandTable::ReadoutProtect, true},
    {0x92, CommandTable::ReadoutUnprotect, true},
    {0x93, CommandTable::ReadoutUnprotect, true},
    {0xA1, CommandTable::Checksum, true},
};

std::string VFormat(const char* format, va_list args) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args);
    va_end(args);
    return text;
}

void PutAddress(uint8_t out[5], uint32_t address) {
    out[0] = static_cast<uint8_t>(address >> 24);
    out[1] = static_cast<uint8_t>(address >> 16);
    out[2] = static_cast<uint8_t>(address >> 8);
    out[3] = static_cast<uint8_t>(address);
    out[4] = static_cast<uint8_t>(out[0] ^ out[1] ^ out[2] ^ out[3]);
}

}  // namespace

CommandTable::CommandTable() {
    for (uint8_t& s : slots_) s = BOOT_NOT_AVAILABLE;
}

bool CommandTable::Store(uint8_t code) {
    for (const SlotRule& rule : kSlotRules) {
        if (rule.code != code) continue;
        uint8_t& slot = slots_[rule.slot];
        if (!rule.newest || slot == BOOT_NOT_AVAILABLE || code > slot) slot = code;
        return true;
    }
    return false;
}

BootloaderConnection::BootloaderConnection(BootPort& port, BootOptions options)
    : port_(port), options_(std::move(options)) {}

void BootloaderConnection::Say(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args);
    va_end(args);
    if (quiet_) return;
    if (options_.diagnostic) {
        options_.diagnostic(text);
    } else {
        std::fputs(text.c_str(), stderr);
    }
}

int64_t BootloaderConnection::Now() const {
    if (options_.nowSeconds) return options_.nowSeconds();
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

BootResult BootloaderConnection::GetAck(int deadline) {
    int64_t start = deadline != 0 ? Now() : 0;
    for (;;) {
        uint8_t byte = 0;
        PortResult r = port_.read(&byte, 1);
        if (r == PortResult::TimedOut && deadline != 0 && Now() < start + deadline) continue;
        if (r != PortResult::Ok) {
            Say("Failed to read ACK byte\n");
            return BootResult::Failed;
        }
        if (byte == BOOT_ACK) return BootResult::Ok;
        if (byte == BOOT_NACK) return BootResult::Nack;
        if (byte == BOOT_BUSY) continue;  // still working: the deadline does not apply here
        Say("Got byte 0x%02x instead of ACK\n", byte);
        return BootResult::Failed;
    }
}

BootResult BootloaderConnection::SendCommand(uint8_t code, int deadline) {
    const uint8_t frame[2] = {code, static_cast<uint8_t>(code ^ 0xFF)};
    if (port_.write(frame, 2) != PortResult::Ok) {
        Say("Failed to send command\n");
        return BootResult::Failed;
    }
    BootResult r = GetAck(deadline);
    if (r == BootResult::Ok) return r;
    if (r == BootResult::Nack) {
        Say("Got NACK from device on command 0x%02x\n", code);
    } else {
        Say("Unexpected reply from device on command 0x%02x\n", code);
    }
    return BootResult::Failed;
}

BootResult BootloaderConnection::ReadVarLen(uint8_t code, uint8_t* buffer) {
    if (SendCommand(code) != BootResult::Ok) return BootResult::Failed;
    if (port_.read(buffer, 1) != PortResult::Ok) return BootResult::Failed;
    if (port_.read(buffer + 1, std::size_t{buffer[0]} + 1) != PortResult::Ok)
        return BootResult::Failed;
    return BootResult::Ok;
}

BootResult BootloaderConnection::SendInitSequence() {
    const uint8_t init = BOOT_INIT;
    if (port_.write(&init, 1) != PortResult::Ok) {
        Say("Failed to send init to device\n");
        return BootResult::Failed;
    }
    uint8_t byte = 0;
    PortResult r = port_.read(&byte, 1);
    if (r == PortResult::Ok && byte == BOOT_ACK) return BootResult::Ok;
    if (r == PortResult::Ok && byte == BOOT_NACK) {
        Say("Warning: the interface was not closed properly.\n");
        return BootResult::Ok;
    }
    if (r != PortResult::TimedOut) {
        Say("Failed to init device.\n");
        return BootResult::Failed;
    }
    // A bootloader that was already synchronised took the first INIT as the
    // start of a command; the second one completes it and is refused.
    if (port_.write(&init, 1) != PortResult::Ok) {
        Say("Failed to send init to device\n");
        return BootResult::Failed;
    }
    r = port_.read(&byte, 1);
    if (r == PortResult::Ok && byte == BOOT_NACK) return BootResult::Ok;
    Say("Failed to init device.\n");
    return BootResult::Failed;
}

BootResult BootloaderConnection::SendAddress(uint32_t address) {
    uint8_t frame[5];
    PutAddress(frame, address);
    return port_.write(frame, 5) == PortResult::Ok ? BootResult::Ok : BootResult::Failed;
}

std::unique_ptr<BootloaderConnection> BootloaderConnection::Init(BootPort& port, bool sendInit,
                                                                 BootOptions options) {
    std::unique_ptr<BootloaderConnection> c(new BootloaderConnection(port, std::move(options)));
    if (!c->Identify(sendInit)) c.reset();
    return c;
}

bool BootloaderConnection::Identify(bool sendInit) {
    if (sendInit && SendInitSequence() != BootResult::Ok) return false;

    uint8_t reply[257];
    if (SendCommand(BOOT_GET_VERSION) != BootResult::Ok) return false;
    if (port_.read(reply, 3) != PortResult::Ok) return false;
    version_ = reply[0];
    option1_ = reply[1];
    option2_ = reply[2];
    if (GetAck(0) != BootResult::Ok) return false;

    if (ReadVarLen(BOOT_GET, reply) != BootResult::Ok) return false;
    bootloaderVersion_ = reply[1];
    std::string unknown;
    for (int i = 0; i < reply[0]; ++i) {
        uint8_t code = reply[2 + i];
        if (commands_.Store(code)) continue;
        unknown += Format(unknown.empty() ? "GET returns unknown commands (0x%2x" : ", 0x%2x", code);
    }
    if (!unknown.empty()) Say("%s)\n", unknown.c_str());
    if (GetAck(0) != BootResult::Ok) return false;

    if (!commands_.Has(CommandTable::Get) || !commands_.Has(CommandTable::GetVersion) ||
        !commands_.Has(CommandTable::GetId)) {
        Say("Error: bootloader did not returned correct information from GET command\n");
        return false;
    }

    if (ReadVarLen(commands_[CommandTable::GetId], reply) != BootResult::Ok) return false;
    int len = reply[0] + 1;
    if (len < 2) {
        Say("Only %d bytes sent in the PID, unknown/unsupported device\n", len);
        return false;
    }
    productId_ = static_cast<uint16_t>(reply[1] << 8 | reply[2]);
    if (len > 2) {
        std::string extra = Format("This bootloader returns %d extra bytes in PID:", len);
        extra += " " + HexText(std::string_view(reinterpret_cast<const char*>(&reply[2]),
                                                static_cast<std::size_t>(len - 1)),
                               " ");
        Say("%s\n", extra.c_str());
    }
    if (GetAck(0) != BootResult::Ok) return false;

    device_ = FindDevice(productId_);
    if (device_ == nullptr) {
        Say("Unknown/unsupported device (Device ID: 0x%03x)\n", productId_);
        return false;
    }
    return true;
}

BootResult BootloaderConnection::ReadMemory(uint32_t address, uint8_t* buffer, unsigned length) {
    if (length == 0) return BootResult::Ok;
    if (length > BOOT_MAX_TRANSFER) {
        Say("Error: READ length limit at 256 bytes\n");
        return BootResult::Failed;
    }
    if (!commands_.Has(CommandTable::ReadMemory)) {
        Say("Error: READ command not implemented in bootloader.\n");
        return BootResult::NoCommand;
    }
    if (SendCommand(commands_[CommandTable::ReadMemory]) != BootResult::Ok ||
        SendAddress(address) != BootResult::Ok || GetAck(0) != BootResult::Ok ||
        SendCommand(static_cast<uint8_t>(length - 1)) != BootResult::Ok ||
        port_.read(buffer, length) != PortResult::Ok)
        return BootResult::Failed;
    return BootResult::Ok;
}

BootResult BootloaderConnection::WriteMemory(uint32_t address, const uint8_t* data,
                                             unsigned length) {
    if (length == 0) return BootResult::Ok;
    if (length > BOOT_MAX_TRANSFER) return BootResult::Failed;
    if ((address & 3) != 0 || (length & 3) != 0) {
        Say("Error: WRITE address and length must be 4 byte aligned\n");
        return BootResult::Failed;
    }
    if (!commands_.Has(CommandTable::WriteMemory)) {
        Say("Error: WRITE command not implemented in bootloader.\n");
        return BootResult::NoCommand;
    }
    if (SendCommand(commands_[CommandTable::WriteMemory]) != BootResult::Ok ||
        SendAddress(address) != BootResult::Ok || GetAck(0) != BootResult::Ok)
        return BootResult::Failed;

    uint8_t frame[BOOT_MAX_TRANSFER + 2];
    uint8_t checksum = static_cast<uint8_t>(length - 1);
    frame[0] = checksum;
    for (unsigned i = 0; i < length; ++i) {
        frame[1 + i] = data[i];
        checksum ^= data[i];
    }
    frame[length + 1] = checksum;
    if (port_.write(frame, length + 2) != PortResult::Ok) return BootResult::Failed;
    return GetAck(options_.writeTimeout) == BootResult::Ok ? BootResult::Ok : BootResult::Failed;
}

BootResult BootloaderConnection::EraseAll() {
    if (!commands_.Has(CommandTable::Erase)) {
        Say("Error: ERASE command not implemented in bootloader.\n");
        return BootResult::NoCommand;
    }
    uint8_t code = commands_[CommandTable::Erase];
    if (SendCommand(code) != BootResult::Ok) {
        Say("Can't initiate chip erase!\n");
        return BootResult::Failed;
    }
    if (code == 0x43) return SendCommand(0xFF, options_.massEraseTimeout);

    if (productId_ != BOOT_PAGE_ERASE_PID) {
        const uint8_t mass[3] = {0xFF, 0xFF, 0x00};
        if (port_.write(mass, 3) != PortResult::Ok) {
            Say("Mass erase error.\n");
            return BootResult::Failed;
        }
        if (GetAck(options_.massEraseTimeout) != BootResult::Ok) {
            Say("Mass erase failed. Try specifying the number of pages to be erased.\n");
            return BootResult::Failed;
        }
        return BootResult::Ok;
    }

    // This part refuses the mass erase; its pages go in one list instead.
    std::array<uint8_t, 2 + 2 * BOOT_PAGE_ERASE_PAGES + 1> list{};
    std::size_t n = 0;
    list[n++] = static_cast<uint8_t>((BOOT_PAGE_ERASE_PAGES - 1) >> 8);
    list[n++] = static_cast<uint8_t>(BOOT_PAGE_ERASE_PAGES - 1);
    for (int page = 0; page < BOOT_PAGE_ERASE_PAGES; ++page) {
        list[n++] = static_cast<uint8_t>(page >> 8);
        list[n++] = static_cast<uint8_t>(page);
    }
    uint8_t checksum = 0;
    for (std::size_t i = 0; i < n; ++i) checksum ^= list[i];
    list[n++] = checksum;
    if (port_.write(list.data(), n) != PortResult::Ok) {
        Say("Page-by-page erase error.\n");
        return BootResult::Failed;
    }
    if (GetAck(options_.pageEraseTimeout) != BootResult::Ok) {
        Say("Page-by-page erase failed. Check the maximum pages your device supports.\n");
        return BootResult::Failed;
    }
    return BootResult::Ok;
}

bool BootloaderConnection::ReadUniqueId(uint8_t (&id)[UNIQUE_ID_BYTES]) {
    if (device_ == nullptr || device_->uniqueIdAddress == 0) return false;
    const unsigned high = device_->uniqueIdHighOffset;
    uint8_t bytes[BOOT_MAX_TRANSFER];
    // A read-protected chip refuses the read: the record goes without the
    // ID, and the user needs no NACK line for it.
    quiet_ = true;
    BootResult r = ReadMemory(device_->uniqueIdAddress, bytes, high + 4);
    quiet_ = false;
    if (r != BootResult::Ok) return false;
    std::copy(bytes, bytes + 8, id);
    std::copy(bytes + high, bytes + high + 4, id + 8);
    return true;
}

BootResult BootloaderConnection::Go(uint32_t address) {
    if (!commands_.Has(CommandTable::Go)) {
        Say("Error: GO command not implemented in bootloader.\n");
        return BootResult::NoCommand;
    }
    if (SendCommand(commands_[CommandTable::Go]) != BootResult::Ok ||
        SendAddress(address) != BootResult::Ok || GetAck(0) != BootResult::Ok)
        return BootResult::Failed;
    return BootResult::Ok;
}

}  // namespace velmora
