#include "link/LinkPort.h"

namespace velmora {

bool LinkPort::WaitForData(const std::function<bool()>& ready, std::chrono::microseconds timeout) {
    std::unique_lock<std::mutex> lock(waitMutex_);
    return arrived_.wait_for(lock, timeout, ready);
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
