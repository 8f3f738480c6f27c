#include "wasm/WebPort.h"

#include <emscripten.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

// The page's side (web/serial.js): Module.velmoraPort.
EM_ASYNC_JS(int, web_port_open, (int baud, int parity, int stopBits), {
    return await Module.velmoraPort.open(baud, String.fromCharCode(parity), stopBits);
});
EM_ASYNC_JS(void, web_port_close, (), { await Module.velmoraPort.close(); });
EM_JS(char*, web_port_failure, (), {
    return allocateUTF8(Module.velmoraPort.failure());
});
EM_JS(int, web_port_write, (const uint8_t* data, int count), {
    return Module.velmoraPort.write(HEAPU8.slice(data, data + count)) ? 1 : 0;
});
EM_JS(int, web_port_take, (uint8_t* buffer, int maxCount), {
    const bytes = Module.velmoraPort.take(maxCount);
    HEAPU8.set(bytes, buffer);
    return bytes.length;
});
EM_JS(int, web_port_gone, (), { return Module.velmoraPort.gone() ? 1 : 0; });
EM_ASYNC_JS(void, web_port_wait, (int ms), { await Module.velmoraPort.wait(ms); });

namespace velmora::web {

namespace {

constexpr int kBaud = 115200;
constexpr int kTakeChunk = 4096;

}  // namespace

WebPort::~WebPort() {
    if (IsOpen()) Close();
}

bool WebPort::OpenWith(char parity, int stopBits) {
    openFailure_.clear();
    NoteUnplugged(false);
    if (web_port_open(kBaud, parity, stopBits) == 0) {
        char* why = web_port_failure();
        openFailure_ = why;
        free(why);
        return false;
    }
    // Start, 8 data, parity and the stop bits.
    SetCharTime(std::chrono::nanoseconds(1'000'000'000LL * (10 + stopBits) / kBaud));
    ResetReceiveRing();
    isOpen.store(1, std::memory_order_release);
    return true;
}

bool WebPort::Open(const std::string& /*portName*/) {
    if (IsOpen()) Close();
    return OpenWith('o', 2);
}

bool WebPort::Close() {
    if (!IsOpen()) return true;
    isOpen.store(0, std::memory_order_release);
    web_port_close();
    return true;
}

bool WebPort::ApplyBootloaderFraming() {
    if (IsOpen()) {
        isOpen.store(0, std::memory_order_release);
        web_port_close();
    }
    return OpenWith('e', 1);
}

bool WebPort::Write(const uint8_t* data, std::size_t count) {
    if (!IsOpen() || Unplugged()) return false;
    if (web_port_write(data, static_cast<int>(count)) == 0) return false;
    NoteSent(count);
    return true;
}

void WebPort::TakeReceived() {
    uint8_t chunk[kTakeChunk];
    for (;;) {
        const int n = web_port_take(chunk, kTakeChunk);
        if (n <= 0) break;
        Deliver(chunk, static_cast<std::size_t>(n));
        if (n < kTakeChunk) break;
    }
    if (web_port_gone() != 0) NoteUnplugged();
}

bool WebPort::WaitForData(const std::function<bool()>& ready, std::chrono::microseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + timeout;
    // At least one wait: the page delivers bytes only while the core waits.
    for (bool waited = false;; waited = true) {
        TakeReceived();
        if (ready()) return true;
        if (Unplugged()) return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (waited && left.count() <= 0) return ready();
        // The page resolves the wait as soon as bytes arrive.
        web_port_wait(static_cast<int>(std::max<long long>(1, left.count())));
    }
}

}  // namespace velmora::web

// The browser has no event descriptors; the desktop's SerialPort, the only
// user, is linked in with the session but never opened in the page.
extern "C" int eventfd(unsigned int, int) {
    errno = ENOSYS;
    return -1;
}
