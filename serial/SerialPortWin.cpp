// The serial port on the Win32 comm API: the same ring, latch and framing as
// the termios port, a receive thread on overlapped reads that Close wakes
// through an event.
#include "serial/SerialPort.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "core/WideText.h"
#include "serial/LinkTexts.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortNames.h"

namespace velmora {

namespace {

// The receive thread reads at most this much per batch.
constexpr DWORD kReadBatch = 80;
// A write that the driver does not take within this time is given up; the
// reply wait of the protocol then fails.
constexpr DWORD kWriteStallMs = 2000;
// A pause this long after a byte ends a read that asked for more: an answer
// shorter than expected is handed on this much later than it came.
constexpr DWORD kReadGapMs = 2;

HANDLE Handle(void* h) { return static_cast<HANDLE>(h); }

// An overlapped operation's event with its low bit set: its completion is
// then never queued to a completion port, which saves Wine a call into its
// server for every read and write. Waits ignore the bit.
HANDLE Untracked(void* event) {
    return reinterpret_cast<HANDLE>(reinterpret_cast<ULONG_PTR>(event) | 1);
}

// "\\.\COM5" is shown as the user names it, "COM5".
std::string ShownName(const std::string& device) {
    return device.rfind("\\\\.\\", 0) == 0 ? device.substr(4) : device;
}

void BuildFraming(DCB& dcb, Framing framing) {
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = CBR_115200;
    dcb.ByteSize = 8;
    dcb.Parity = framing == Framing::Meter8O2 ? ODDPARITY : EVENPARITY;
    dcb.StopBits = framing == Framing::Meter8O2 ? TWOSTOPBITS : ONESTOPBIT;
    // Binary, parity sent but not checked (as termios without INPCK), no
    // flow control of either kind, no character replacement. The modem
    // lines are raised by EscapeCommFunction, whose failure is harmless:
    // DTR_CONTROL_ENABLE here would make SetCommState fail on a port
    // without modem lines.
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fTXContinueOnXoff = TRUE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fAbortOnError = FALSE;
}

// Errors of a read or write that mean the adapter went away.
bool DeviceGone(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_BAD_COMMAND ||
           error == ERROR_DEVICE_REMOVED || error == ERROR_INVALID_HANDLE ||
           error == ERROR_GEN_FAILURE || error == ERROR_FILE_NOT_FOUND ||
           error == ERROR_DEVICE_NOT_CONNECTED || error == ERROR_BROKEN_PIPE;
}

}  // namespace

SerialPort::SerialPort(PortSystem& system) : system_(system) {}

SerialPort::~SerialPort() {
    if (handle_ != nullptr) Close();
}

bool SerialPort::Open(const std::string& portName) {
    if (handle_ != nullptr) return IsOpen();
    openFailure_.clear();
    openErrno_ = 0;
    NoteUnplugged(false);
    const std::string device = ResolvePortDevice(portName);
    if (device.empty()) {
        openErrno_ = ENOENT;
        openFailure_ = PortUnmappedText(portName);
        return false;
    }
    DWORD error = ERROR_SUCCESS;
    HANDLE h = system_.OpenDevice(device, &error);
    if (h == INVALID_HANDLE_VALUE) {
        const std::string shown = ShownName(device);
        switch (error) {
            case ERROR_ACCESS_DENIED:
            case ERROR_SHARING_VIOLATION:
                openErrno_ = EBUSY;
                openFailure_ = PortOpenFailureText(EBUSY, shown, {}, {});
                break;
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND:
                openErrno_ = ENOENT;
                openFailure_ = PortOpenFailureText(ENOENT, shown, {}, {});
                break;
            default:
                openErrno_ = EIO;
                openFailure_ = FillText(TEXT_PORT_CANNOT_OPEN_WHY, {shown, WindowsErrorText(error)});
        }
        return false;
    }
    handle_ = h;
    system_.Purge(h, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT);
    if (!ApplyFraming(Framing::Meter8O2)) {
        CloseDevice();
        return false;
    }
    // A read waits for its first byte as long as it takes, then ends when
    // all it asked for has come or the line has paused for the gap limit;
    // the receive thread asks for a whole answer (ReceiveLoop). Writes give
    // up after the stall limit.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = kReadGapMs;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = kWriteStallMs;
    if (!system_.SetTimeouts(h, &timeouts)) {
        notices_.emplace_back(TEXT_SET_COMM_STATE_ERROR);
        CloseDevice();
        return false;
    }
    isOpen.store(1, std::memory_order_release);
    // One event for every write: each made anew would cost two calls into
    // Wine's server a frame.
    writeEvent_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    wakeEvent_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (wakeEvent_ == nullptr) {
        // Like a receive thread that could not set itself up: the port stays
        // open but deaf, and every wait of the protocol runs into its limit.
        notices_.emplace_back(TEXT_THREAD_EVENT_ERROR);
    } else {
        try {
            thread_ = std::thread(&SerialPort::ReceiveLoop, this);
        } catch (const std::system_error&) {
            isOpen.store(0, std::memory_order_release);
            CloseDevice();
            return false;
        }
    }
    // A pseudo-terminal under Wine refuses the modem lines (error 50);
    // nothing depends on them.
    system_.Escape(h, SETDTR);
    system_.Escape(h, SETRTS);
    return true;
}

void SerialPort::AddClaimedAdapters(std::string&) {}

bool SerialPort::Close() {
    isOpen.store(0, std::memory_order_release);
    if (thread_.joinable()) {
        ::SetEvent(Handle(wakeEvent_));
        thread_.join();
    }
    if (handle_ != nullptr) {
        system_.Escape(Handle(handle_), CLRDTR);
        system_.Purge(Handle(handle_), PURGE_RXCLEAR | PURGE_TXCLEAR);
    }
    CloseDevice();
    return true;
}

void SerialPort::CloseDevice() {
    for (void** event : {&wakeEvent_, &writeEvent_}) {
        if (*event != nullptr) ::CloseHandle(Handle(*event));
        *event = nullptr;
    }
    if (handle_ != nullptr) {
        system_.CloseDevice(Handle(handle_));
        handle_ = nullptr;
    }
}

bool SerialPort::ApplyBootloaderFraming() {
    if (handle_ == nullptr) return false;
    return ApplyFraming(Framing::Bootloader8E1);
}

bool SerialPort::ApplyFraming(Framing framing) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!system_.GetState(Handle(handle_), &dcb)) {
        dcb = DCB{};
        notices_.emplace_back(TEXT_GET_COMM_STATE_ERROR);
    }
    BuildFraming(dcb, framing);
    // Start, eight data bits, parity and one or two stop bits at 115200 baud.
    const int bits = framing == Framing::Meter8O2 ? 12 : 11;
    SetCharTime(std::chrono::nanoseconds(1'000'000'000LL * bits / 115200));
    // What a port reads back is not checked: on a pseudo-terminal the parity
    // comes back as a value no DCB holds, though the line carries it.
    if (system_.SetState(Handle(handle_), &dcb)) return true;
    // A pseudo-terminal under Wine already set to this framing by an earlier
    // opening refuses a change of nothing but the parity enable it cannot
    // keep (the kernel's EINVAL). Going through 8N1 makes both changes real.
    DCB plain = dcb;
    plain.Parity = NOPARITY;
    plain.StopBits = ONESTOPBIT;
    if (system_.SetState(Handle(handle_), &plain) && system_.SetState(Handle(handle_), &dcb))
        return true;
    notices_.emplace_back(TEXT_SET_COMM_STATE_ERROR);
    return false;
}

bool SerialPort::Write(const uint8_t* data, std::size_t count) {
    if (handle_ == nullptr || writeEvent_ == nullptr) return false;
    OVERLAPPED ov{};
    ov.hEvent = Untracked(writeEvent_);
    std::size_t done = 0;
    bool ok = true;
    while (done < count) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - done, 1u << 16));
        DWORD written = 0;
        BOOL r = ::WriteFile(Handle(handle_), data + done, chunk, &written, &ov);
        if (!r && ::GetLastError() == ERROR_IO_PENDING) {
            r = ::GetOverlappedResult(Handle(handle_), &ov, &written, TRUE);
        }
        if (!r) {
            if (DeviceGone(::GetLastError())) NoteUnplugged();
            // Bytes the driver did not take: the reply wait will fail.
            ok = done > 0;
            break;
        }
        if (written == 0) break;  // the write timed out: the line is stuck
        done += written;
        NoteSent(written);
    }
    return ok;
}

std::size_t SerialPort::ReadAvailable(uint8_t* buffer, std::size_t maxCount) {
    if (handle_ == nullptr || maxCount == 0) return 0;
    DWORD errors = 0;
    COMSTAT status{};
    if (!::ClearCommError(Handle(handle_), &errors, &status) || status.cbInQue == 0) return 0;
    const HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (event == nullptr) return 0;
    OVERLAPPED ov{};
    ov.hEvent = Untracked(event);
    // No more than is queued, so the read never waits.
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(maxCount, status.cbInQue));
    DWORD got = 0;
    BOOL r = ::ReadFile(Handle(handle_), buffer, want, &got, &ov);
    if (!r && ::GetLastError() == ERROR_IO_PENDING) {
        r = ::GetOverlappedResult(Handle(handle_), &ov, &got, TRUE);
    }
    ::CloseHandle(event);
    return r ? got : 0;
}

// Each read asks for the answer the protocol most likely awaits next (the
// frame size while frames come in a run, else one byte) and ends the moment
// it is complete: Wine puts every read that has to wait through its server,
// so one read a frame instead of a byte and then the rest takes a frame's
// read direction a fifth of a millisecond faster. A guess too large costs
// the gap limit, one too small a second read.
void SerialPort::ReceiveLoop() {
    const HANDLE event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE wake = Handle(wakeEvent_);
    uint8_t batch[kReadBatch];
    while (event != nullptr && isOpen.load(std::memory_order_acquire) != 0) {
        OVERLAPPED ov{};
        ov.hEvent = Untracked(event);
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::clamp<int>(LikelyAnswerSize(), 1, kReadBatch));
        BOOL r = ::ReadFile(Handle(handle_), batch, want, &got, &ov);
        DWORD error = r ? ERROR_SUCCESS : ::GetLastError();
        if (!r && error == ERROR_IO_PENDING) {
            const HANDLE events[2] = {event, wake};
            if (::WaitForMultipleObjects(2, events, FALSE, INFINITE) != WAIT_OBJECT_0) {
                ::CancelIoEx(Handle(handle_), &ov);
                ::GetOverlappedResult(Handle(handle_), &ov, &got, TRUE);
                if (got > 0) Deliver(batch, got);
                break;
            }
            r = ::GetOverlappedResult(Handle(handle_), &ov, &got, FALSE);
            error = r ? ERROR_SUCCESS : ::GetLastError();
        }
        // A read the gap limit ended is complete with what it got; some
        // drivers report it as a timeout.
        if (!r && (error == ERROR_TIMEOUT || error == ERROR_SEM_TIMEOUT)) r = TRUE;
        if (r) {
            Deliver(batch, got);
            // A driver that ends the read empty all the same is not spun on.
            if (got == 0 && ::WaitForSingleObject(wake, 1) != WAIT_TIMEOUT) break;
            continue;
        }
        if (error == ERROR_OPERATION_ABORTED) continue;
        if (DeviceGone(error)) NoteUnplugged();
        // After the device went away only the wake-up is awaited.
        ::WaitForSingleObject(wake, INFINITE);
        break;
    }
    if (event != nullptr) ::CloseHandle(event);
}

}  // namespace velmora
