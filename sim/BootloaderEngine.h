// The device side of the STM32 USART bootloader as a pure state machine:
// bytes from the host go in, the bootloader's answer bytes come out. No I/O,
// so a pseudo-terminal runner or a test can host it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace velmora {

struct BootloaderEngineOptions {
    uint16_t productId = 0x410;
    uint32_t flashStart = 0x08000000;
    uint32_t flashSize = 0x20000;
    uint32_t pageSize = 1024;
    // The erase command GET offers: 0x43 (standard) or 0x44 (extended).
    uint8_t eraseCommand = 0x44;
    uint8_t bootloaderVersion = 0x31;
    // Answered as if an earlier session had already synchronised: the first
    // INIT is then taken as the start of a command.
    bool synchronised = false;
    // BUSY bytes sent before the ACK that ends an erase.
    int busyBeforeEraseAck = 0;
    // The n-th WRITE MEMORY (1-based) is refused with NACK; 0 never.
    int nackWriteNumber = 0;
    // The n-th READ MEMORY (1-based) is refused with NACK; 0 never.
    int nackReadNumber = 0;
    // Erases are refused with NACK, leaving the flash as it was.
    bool nackErase = false;
    // The first weakWrites WRITE MEMORY commands to weakBlockAddress leave one
    // bit unprogrammed, as a marginal cell would; a later write clears it.
    uint32_t weakBlockAddress = 0;
    int weakWrites = 0;
    // The chip's 96-bit unique device ID, answered to READ MEMORY at the
    // place its family keeps it (F0, F1, F2, F3, F4; see UniqueIdAddress).
    std::array<uint8_t, 12> uniqueId{0x34, 0x00, 0x21, 0x5a, 0x34, 0x32,
                                     0x47, 0x0d, 0x20, 0x38, 0x33, 0x52};
    // False: the read of the ID is refused, as under read protection.
    bool uniqueIdReadable = true;
};

// Where the family of productId keeps its unique device ID; 0 when this
// simulator does not know.
uint32_t UniqueIdAddress(uint16_t productId);

struct BootloaderEngineStats {
    int writes = 0;       // WRITE MEMORY data frames received
    int reads = 0;        // READ MEMORY answers sent
    int readRequests = 0; // READ MEMORY byte counts received, answered or not
    int massErases = 0;
    int pageErases = 0;   // page-list erase commands
    std::vector<uint16_t> lastErasedPages;
};

class BootloaderEngine {
public:
    explicit BootloaderEngine(BootloaderEngineOptions options = {});

    // Takes bytes the host sent and appends the bootloader's answer to out.
    void Receive(const uint8_t* data, std::size_t n, std::vector<uint8_t>& out);
    std::vector<uint8_t> Receive(std::span<const uint8_t> data);

    // GO was accepted: the device now runs its firmware and stays silent.
    bool GoReceived() const { return state_ == State::Running; }
    uint32_t GoAddress() const { return goAddress_; }
    void SetGoHandler(std::function<void(uint32_t address)> handler) { onGo_ = std::move(handler); }

    std::span<uint8_t> Flash() { return flash_; }
    std::span<const uint8_t> Flash() const { return flash_; }
    const BootloaderEngineStats& Stats() const { return stats_; }
    const BootloaderEngineOptions& Options() const { return options_; }

private:
    enum class State {
        Unsynced,
        Command,
        ReadAddress,
        ReadCount,
        WriteAddress,
        WriteData,
        EraseArgs,
        ExtendedEraseArgs,
        GoAddress,
        Running,
    };

    void Expect(State state, std::size_t count);
    void Byte(uint8_t b, std::vector<uint8_t>& out);
    void Complete(std::vector<uint8_t>& out);
    void Command(uint8_t code, std::vector<uint8_t>& out);
    // Decodes the 5-byte address frame in buffer_; false when it is corrupt
    // or outside the flash.
    bool TakeAddress(bool forRead = false);
    bool InUniqueId(uint32_t address, uint32_t length) const;
    bool InFlash(uint32_t address, uint32_t length) const;
    void Program(uint32_t offset, const uint8_t* data, uint32_t length);
    bool ErasePages(const std::vector<uint16_t>& pages);
    void EraseDone(std::vector<uint8_t>& out);

    BootloaderEngineOptions options_;
    std::vector<uint8_t> flash_;
    BootloaderEngineStats stats_;
    State state_;
    std::vector<uint8_t> buffer_;
    std::size_t need_ = 0;
    uint32_t address_ = 0;
    uint32_t goAddress_ = 0;
    int weakWritesLeft_;
    std::function<void(uint32_t)> onGo_;
};

}  // namespace velmora
