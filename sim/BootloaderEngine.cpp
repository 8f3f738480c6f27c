#include "sim/BootloaderEngine.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr uint8_t kAck = 0x79;
constexpr uint8_t kNack = 0x1F;
constexpr uint8_t kBusy = 0x76;
constexpr uint8_t kInit = 0x7F;

enum Code : uint8_t {
    kGet = 0x00,
    kGetVersion = 0x01,
    kGetId = 0x02,
    kReadMemory = 0x11,
    kGo = 0x21,
    kWriteMemory = 0x31,
    kErase = 0x43,
    kExtendedErase = 0x44,
    kWriteProtect = 0x63,
    kWriteUnprotect = 0x73,
    kReadoutProtect = 0x82,
    kReadoutUnprotect = 0x92,
};

uint8_t Xor(const uint8_t* p, std::size_t n) {
    uint8_t x = 0;
    for (std::size_t i = 0; i < n; ++i) x ^= p[i];
    return x;
}

}  // namespace

uint32_t UniqueIdAddress(uint16_t productId) {
    switch (productId) {
        case 0x440: case 0x444: case 0x445: case 0x448:  // F0
        case 0x432: case 0x422: case 0x439: case 0x438:  // F3
            return 0x1FFFF7AC;
        case 0x412: case 0x410: case 0x414: case 0x420: case 0x428: case 0x418: case 0x430:
            return 0x1FFFF7E8;  // F1
        case 0x411: case 0x413: case 0x419: case 0x423: case 0x433:
            return 0x1FFF7A10;  // F2, F4
        default:
            return 0;
    }
}

BootloaderEngine::BootloaderEngine(BootloaderEngineOptions options)
    : options_(options),
      flash_(options.flashSize, 0xFF),
      state_(options.synchronised ? State::Command : State::Unsynced),
      weakWritesLeft_(options.weakWrites) {
    if (state_ == State::Command) Expect(State::Command, 2);
}

std::vector<uint8_t> BootloaderEngine::Receive(std::span<const uint8_t> data) {
    std::vector<uint8_t> out;
    Receive(data.data(), data.size(), out);
    return out;
}

void BootloaderEngine::Receive(const uint8_t* data, std::size_t n, std::vector<uint8_t>& out) {
    for (std::size_t i = 0; i < n; ++i) Byte(data[i], out);
}

void BootloaderEngine::Expect(State state, std::size_t count) {
    state_ = state;
    buffer_.clear();
    need_ = count;
}

void BootloaderEngine::Byte(uint8_t b, std::vector<uint8_t>& out) {
    switch (state_) {
        case State::Unsynced:
            // Autobaud: everything before the first INIT is line noise.
            if (b == kInit) {
                out.push_back(kAck);
                Expect(State::Command, 2);
            }
            return;
        case State::Running:
            return;
        default:
            break;
    }
    buffer_.push_back(b);
    // Frames whose length is only known from their first bytes.
    if (state_ == State::WriteData && buffer_.size() == 1) need_ = std::size_t{b} + 3;
    if (state_ == State::EraseArgs && buffer_.size() == 1) need_ = b == 0xFF ? 2 : std::size_t{b} + 3;
    if (state_ == State::ExtendedEraseArgs && buffer_.size() == 2) {
        unsigned n = buffer_[0] << 8 | buffer_[1];
        need_ = n >= 0xFFF0 ? 3 : 2 + 2 * (std::size_t{n} + 1) + 1;
    }
    if (buffer_.size() == need_) Complete(out);
}

bool BootloaderEngine::InFlash(uint32_t address, uint32_t length) const {
    uint64_t start = options_.flashStart;
    return address >= start && uint64_t{address} + length <= start + flash_.size();
}

bool BootloaderEngine::InUniqueId(uint32_t address, uint32_t length) const {
    uint64_t start = UniqueIdAddress(options_.productId);
    return options_.uniqueIdReadable && start != 0 && address >= start &&
           uint64_t{address} + length <= start + options_.uniqueId.size();
}

bool BootloaderEngine::TakeAddress(bool forRead) {
    if (Xor(buffer_.data(), 4) != buffer_[4]) return false;
    address_ = uint32_t{buffer_[0]} << 24 | uint32_t{buffer_[1]} << 16 | uint32_t{buffer_[2]} << 8 |
               buffer_[3];
    return InFlash(address_, 1) || (forRead && InUniqueId(address_, 1));
}

void BootloaderEngine::Program(uint32_t offset, const uint8_t* data, uint32_t length) {
    bool weak = address_ == options_.weakBlockAddress && weakWritesLeft_ > 0;
    if (weak) --weakWritesLeft_;
    for (uint32_t i = 0; i < length; ++i) {
        uint8_t& cell = flash_[offset + i];
        uint8_t cleared = cell & static_cast<uint8_t>(~data[i]);
        // Programming only clears bits; only an erase sets them again.
        cell &= data[i];
        if (weak && cleared != 0) {
            cell |= cleared & static_cast<uint8_t>(-cleared);  // lowest bit stays 1
            weak = false;
        }
    }
}

bool BootloaderEngine::ErasePages(const std::vector<uint16_t>& pages) {
    uint32_t pageCount = options_.pageSize == 0 ? 0 : options_.flashSize / options_.pageSize;
    for (uint16_t p : pages)
        if (p >= pageCount) return false;
    for (uint16_t p : pages)
        for (uint32_t i = 0; i < options_.pageSize; ++i) flash_[p * options_.pageSize + i] = 0xFF;
    ++stats_.pageErases;
    stats_.lastErasedPages = pages;
    return true;
}

void BootloaderEngine::EraseDone(std::vector<uint8_t>& out) {
    for (int i = 0; i < options_.busyBeforeEraseAck; ++i) out.push_back(kBusy);
    out.push_back(kAck);
}

void BootloaderEngine::Command(uint8_t code, std::vector<uint8_t>& out) {
    const uint8_t codes[] = {kGet,          kGetVersion,    kGetId,          kReadMemory,
                             kGo,           kWriteMemory,   options_.eraseCommand,
                             kWriteProtect, kWriteUnprotect, kReadoutProtect, kReadoutUnprotect};
    switch (code) {
        case kGet:
            out.push_back(kAck);
            out.push_back(sizeof codes);
            out.push_back(options_.bootloaderVersion);
            out.insert(out.end(), codes, codes + sizeof codes);
            out.push_back(kAck);
            break;
        case kGetVersion:
            out.insert(out.end(), {kAck, options_.bootloaderVersion, 0x00, 0x00, kAck});
            break;
        case kGetId:
            out.insert(out.end(), {kAck, 0x01, static_cast<uint8_t>(options_.productId >> 8),
                                   static_cast<uint8_t>(options_.productId), kAck});
            break;
        case kReadMemory:
            out.push_back(kAck);
            Expect(State::ReadAddress, 5);
            return;
        case kWriteMemory:
            out.push_back(kAck);
            Expect(State::WriteAddress, 5);
            return;
        case kGo:
            out.push_back(kAck);
            Expect(State::GoAddress, 5);
            return;
        case kErase:
        case kExtendedErase:
            // Only the erase command this bootloader lists is understood.
            if (code != options_.eraseCommand) {
                out.push_back(kNack);
                break;
            }
            out.push_back(kAck);
            Expect(code == kErase ? State::EraseArgs : State::ExtendedEraseArgs,
                   code == kErase ? 1 : 2);
            return;
        default:
            out.push_back(kNack);
            break;
    }
    Expect(State::Command, 2);
}

void BootloaderEngine::Complete(std::vector<uint8_t>& out) {
    const std::vector<uint8_t>& b = buffer_;
    switch (state_) {
        case State::Command:
            if ((b[0] ^ b[1]) != 0xFF) break;
            Command(b[0], out);
            return;
        case State::ReadAddress:
        case State::WriteAddress:
        case State::GoAddress: {
            if (!TakeAddress(state_ == State::ReadAddress)) break;
            out.push_back(kAck);
            if (state_ == State::ReadAddress) {
                Expect(State::ReadCount, 2);
            } else if (state_ == State::WriteAddress) {
                Expect(State::WriteData, 1);
            } else {
                goAddress_ = address_;
                Expect(State::Running, 0);
                if (onGo_) onGo_(goAddress_);
            }
            return;
        }
        case State::ReadCount: {
            uint32_t length = b[0] + 1u;
            if ((b[0] ^ b[1]) == 0xFF && InUniqueId(address_, length)) {
                // Not flash: the counts and refusals of flash reads do not apply.
                const uint8_t* id = options_.uniqueId.data() +
                                    (address_ - UniqueIdAddress(options_.productId));
                out.push_back(kAck);
                out.insert(out.end(), id, id + length);
                Expect(State::Command, 2);
                return;
            }
            ++stats_.readRequests;
            if ((b[0] ^ b[1]) != 0xFF || !InFlash(address_, length) ||
                stats_.readRequests == options_.nackReadNumber)
                break;
            out.push_back(kAck);
            uint32_t offset = address_ - options_.flashStart;
            out.insert(out.end(), flash_.begin() + offset, flash_.begin() + offset + length);
            ++stats_.reads;
            Expect(State::Command, 2);
            return;
        }
        case State::WriteData: {
            uint32_t length = b[0] + 1u;
            ++stats_.writes;
            if (Xor(b.data(), length + 1) != b[length + 1] || !InFlash(address_, length) ||
                stats_.writes == options_.nackWriteNumber)
                break;
            Program(address_ - options_.flashStart, b.data() + 1, length);
            out.push_back(kAck);
            Expect(State::Command, 2);
            return;
        }
        case State::EraseArgs: {
            if (options_.nackErase) break;
            if (b[0] == 0xFF) {
                if (b[1] != 0x00) break;
                std::fill(flash_.begin(), flash_.end(), 0xFF);
                ++stats_.massErases;
            } else {
                if (Xor(b.data(), b.size() - 1) != b.back()) break;
                if (!ErasePages(std::vector<uint16_t>(b.begin() + 1, b.end() - 1))) break;
            }
            EraseDone(out);
            Expect(State::Command, 2);
            return;
        }
        case State::ExtendedEraseArgs: {
            unsigned n = b[0] << 8 | b[1];
            if (options_.nackErase || Xor(b.data(), b.size() - 1) != b.back()) break;
            if (n == 0xFFFF) {
                std::fill(flash_.begin(), flash_.end(), 0xFF);
                ++stats_.massErases;
            } else if (n >= 0xFFF0) {
                break;  // bank erases: this flash has a single bank
            } else {
                std::vector<uint16_t> pages;
                for (std::size_t i = 2; i + 1 < b.size(); i += 2)
                    pages.push_back(static_cast<uint16_t>(b[i] << 8 | b[i + 1]));
                if (!ErasePages(pages)) break;
            }
            EraseDone(out);
            Expect(State::Command, 2);
            return;
        }
        case State::Unsynced:
        case State::Running:
            return;
    }
    out.push_back(kNack);
    Expect(State::Command, 2);
}

}  // namespace velmora
