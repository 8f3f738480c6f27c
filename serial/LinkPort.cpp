#include "serial/LinkPort.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace velmora {

namespace {

// Wakes from a timed sleep come this much late at worst on a loaded machine,
// so the watch starts this long before the awaited bytes can be there.
//
// The watch goes on kWatchSpan after they could first be there, which covers
// the meter's turnaround; a later answer is waited for asleep.
#ifdef _WIN32
// A timed wait on Windows lasts whole milliseconds, often one more than
// asked, so it would overshoot a watch that starts 200 us ahead: the wait
// for a frame's answer (a millisecond and a half) is watched throughout.
// The answer also travels further (a Wine server, a USB driver).
constexpr std::chrono::microseconds kWatchLead{2000};
constexpr std::chrono::microseconds kWatchSpan{1000};
#else
constexpr std::chrono::microseconds kWatchLead{200};
constexpr std::chrono::microseconds kWatchSpan{300};
#endif

// Waits in progress on every port of the process. The watch is worth its
// processor time for one port alone; with several ports at work (a
// production line) each wait sleeps until its bytes arrive, so eight ports
// cost little more processor time than one.
std::atomic<int> g_waiting{0};

class WaitingScope {
public:
    WaitingScope() { g_waiting.fetch_add(1, std::memory_order_relaxed); }
    ~WaitingScope() { g_waiting.fetch_sub(1, std::memory_order_relaxed); }
    WaitingScope(const WaitingScope&) = delete;
    WaitingScope& operator=(const WaitingScope&) = delete;
    // No other port waits now.
    static bool Alone() { return g_waiting.load(std::memory_order_relaxed) == 1; }
};

}  // namespace

void LinkPort::NoteSent(std::size_t count) {
    const auto now = Clock::now();
    lineFreeAt_ = std::max(now, lineFreeAt_) + charTime_ * static_cast<long>(count);
}

void LinkPort::ExpectBytes(int count) {
    expectedAt_ = std::max(Clock::now(), lineFreeAt_) + charTime_ * std::max(count, 0);
    previousExpected_.store(lastExpected_.load(std::memory_order_relaxed), std::memory_order_relaxed);
    lastExpected_.store(count, std::memory_order_relaxed);
}

int LinkPort::LikelyAnswerSize() const {
    const int last = lastExpected_.load(std::memory_order_relaxed);
    return last > 1 && last == previousExpected_.load(std::memory_order_relaxed) ? last : 1;
}

bool LinkPort::WaitForData(const std::function<bool()>& ready, std::chrono::microseconds timeout) {
    const auto start = Clock::now();
    const auto deadline = start + timeout;
    std::unique_lock<std::mutex> lock(waitMutex_);
    if (ready()) return true;
    WaitingScope waiting;
    const auto watchFrom = expectedAt_ - kWatchLead;
    const auto watchUntil = std::min(expectedAt_ + kWatchSpan, deadline);
    if (start < watchUntil && waiting.Alone()) {
        if (start < watchFrom && arrived_.wait_until(lock, std::min(watchFrom, deadline), ready))
            return true;
        // Yielding rather than spinning hard leaves the processor to the
        // threads that bring the answer: the driver's and the receiver.
        lock.unlock();
        while (Clock::now() < watchUntil) {
            if (ready()) return true;
            std::this_thread::yield();
        }
        lock.lock();
    }
    return arrived_.wait_until(lock, deadline, ready);
}

void LinkPort::Deliver(const uint8_t* data, std::size_t count) {
    if (count == 0) return;
    for (std::size_t i = 0; i < count; ++i) ring_.Append(data[i]);
    replyByte.store(data[0], std::memory_order_release);
    replyArrived.store(1, std::memory_order_release);
    // Taking the mutex orders this wake-up after a waiter's last look at its
    // condition, so no arrival is missed.
    { std::lock_guard<std::mutex> lock(waitMutex_); }
    arrived_.notify_all();
}

}  // namespace velmora
