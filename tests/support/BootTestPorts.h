// Ports for the bootloader client tests: one scripted byte by byte, one
// wired to the simulated bootloader. Both run a fake clock that moves on by
// the adapter's nominal three seconds whenever a read times out.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "bootloader/Bootloader.h"
#include "sim/BootloaderEngine.h"

namespace velmora::test {

struct FakeClock {
    int64_t now = 1000;
    int64_t readSeconds = 3;
};

class TestPort : public BootPort {
public:
    explicit TestPort(FakeClock& clock) : clock_(clock) {}

    PortResult read(uint8_t* buffer, std::size_t n) override {
        ++reads;
        if (!events_.empty() && events_.front() < 0) {
            int marker = events_.front();
            events_.pop_front();
            if (marker == kTimeout) clock_.now += clock_.readSeconds;
            return marker == kTimeout ? PortResult::TimedOut : PortResult::Failed;
        }
        std::size_t ready = 0;
        while (ready < events_.size() && events_[ready] >= 0) ++ready;
        if (ready < n) {
            clock_.now += clock_.readSeconds;
            return PortResult::TimedOut;
        }
        for (std::size_t i = 0; i < n; ++i) {
            buffer[i] = static_cast<uint8_t>(events_.front());
            events_.pop_front();
        }
        return PortResult::Ok;
    }

    PortResult write(const uint8_t* buffer, std::size_t n) override {
        if (++writes == failWrite) return PortResult::Failed;
        written.insert(written.end(), buffer, buffer + n);
        Delivered(buffer, n);
        return PortResult::Ok;
    }

    void Reply(std::initializer_list<uint8_t> bytes) { Reply(std::vector<uint8_t>(bytes)); }
    void Reply(const std::vector<uint8_t>& bytes) { events_.insert(events_.end(), bytes.begin(), bytes.end()); }
    void TimeOut() { events_.push_back(kTimeout); }
    void Fail() { events_.push_back(kFailure); }

    std::vector<uint8_t> written;
    int reads = 0;
    int writes = 0;
    int failWrite = 0;  // this write call (1-based) fails

protected:
    virtual void Delivered(const uint8_t*, std::size_t) {}

private:
    static constexpr int kTimeout = -1;
    static constexpr int kFailure = -2;
    FakeClock& clock_;
    std::deque<int> events_;
};

// Whatever the host writes goes to the simulated bootloader; its answer
// becomes readable.
class EnginePort : public TestPort {
public:
    EnginePort(FakeClock& clock, BootloaderEngine& engine) : TestPort(clock), engine_(engine) {}

protected:
    void Delivered(const uint8_t* buffer, std::size_t n) override {
        std::vector<uint8_t> out;
        engine_.Receive(buffer, n, out);
        Reply(out);
    }

private:
    BootloaderEngine& engine_;
};

// The answers of a healthy bootloader to GET VERSION, GET and GET ID.
inline std::vector<uint8_t> InitReplies(uint16_t pid, const std::vector<uint8_t>& codes) {
    std::vector<uint8_t> r = {BOOT_ACK, 0x22, 0x00, 0x00, BOOT_ACK};
    r.push_back(BOOT_ACK);
    r.push_back(static_cast<uint8_t>(codes.size()));
    r.push_back(0x31);
    r.insert(r.end(), codes.begin(), codes.end());
    r.push_back(BOOT_ACK);
    r.insert(r.end(), {BOOT_ACK, 0x01, static_cast<uint8_t>(pid >> 8), static_cast<uint8_t>(pid), BOOT_ACK});
    return r;
}

inline const std::vector<uint8_t> kAllCommands = {0x00, 0x01, 0x02, 0x11, 0x21, 0x31,
                                                  0x44, 0x63, 0x73, 0x82, 0x92};

}  // namespace velmora::test
