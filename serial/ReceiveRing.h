// The 514-slot receive ring between the port's receive thread (the only
// producer) and the user-interface thread (the only consumer). At most 513
// bytes are held: one slot always stays free so that full and empty differ.
#pragma once

#include <atomic>
#include <cstdint>

namespace velmora {

class ReceiveRing {
public:
    static constexpr uint32_t kSlots = 514;
    static constexpr uint32_t kCapacity = kSlots - 1;

    // Producer side. Returns false (and drops the byte) when the ring is full.
    bool Append(uint8_t byte) {
        uint32_t w = write_.load(std::memory_order_relaxed);
        uint32_t next = (w + 1) % kSlots;
        if (next == read_.load(std::memory_order_acquire)) return false;
        slots_[next] = byte;
        write_.store(next, std::memory_order_release);
        return true;
    }

    // Consumer side: the oldest byte, or 0 without consuming when empty.
    uint8_t Pop() {
        uint32_t r = read_.load(std::memory_order_relaxed);
        if (r == write_.load(std::memory_order_acquire)) return 0;
        uint32_t next = (r + 1) % kSlots;
        uint8_t byte = slots_[next];
        read_.store(next, std::memory_order_release);
        return byte;
    }

    int Count() const {
        uint32_t w = write_.load(std::memory_order_acquire);
        uint32_t r = read_.load(std::memory_order_acquire);
        return static_cast<int>((w + kSlots - r) % kSlots);
    }

    // Consumer side: drops everything received so far. Only the read index
    // moves, so this is safe while the receive thread keeps appending.
    void Reset() { read_.store(write_.load(std::memory_order_acquire), std::memory_order_release); }

private:
    uint8_t slots_[kSlots] = {};
    std::atomic<uint32_t> read_{kSlots - 1};
    std::atomic<uint32_t> write_{kSlots - 1};
};

}  // namespace velmora
