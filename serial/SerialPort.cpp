#include "serial/SerialPort.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "serial/LinkTexts.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortHolders.h"
#include "serial/PortNames.h"

namespace velmora {

namespace {

// The receive thread reads at most this much per batch.
constexpr std::size_t kReadBatch = 80;
// A write that the driver does not take within this time is given up; the
// reply wait of the protocol then fails.
constexpr int kWriteStallMs = 2000;

void BuildFraming(termios& t, Framing framing) {
    ::cfsetispeed(&t, B115200);
    ::cfsetospeed(&t, B115200);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL);
    t.c_cflag |= CS8 | CREAD | CLOCAL | PARENB;
    if (framing == Framing::Meter8O2) t.c_cflag |= PARODD | CSTOPB;
    // Binary, no flow control, no character replacement; INPCK stays as read.
    t.c_iflag &= ~(IXON | IXOFF | IXANY | IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                   ICRNL | IGNPAR);
    t.c_oflag &= ~OPOST;
    t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    // Reads return what is queued at once.
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
}

// A pseudo-terminal keeps everything but the parity enable, and glibc then
// reports EINVAL when that was the only change. What a device shows after a
// failed write decides: everything but PARENB must have been taken.
bool SettingsTaken(const termios& want, const termios& got) {
    constexpr tcflag_t kCflagMask = CSIZE | PARODD | CSTOPB | CRTSCTS | CREAD | CLOCAL;
    constexpr tcflag_t kIflagMask = IXON | IXOFF | IXANY | ISTRIP | INLCR | IGNCR | ICRNL;
    constexpr tcflag_t kLflagMask = ECHO | ICANON | ISIG | IEXTEN;
    return ::cfgetospeed(&want) == ::cfgetospeed(&got) &&
           ::cfgetispeed(&want) == ::cfgetispeed(&got) &&
           (want.c_cflag & kCflagMask) == (got.c_cflag & kCflagMask) &&
           (want.c_iflag & kIflagMask) == (got.c_iflag & kIflagMask) &&
           (want.c_lflag & kLflagMask) == (got.c_lflag & kLflagMask) &&
           (want.c_oflag & OPOST) == (got.c_oflag & OPOST) &&
           want.c_cc[VMIN] == got.c_cc[VMIN] && want.c_cc[VTIME] == got.c_cc[VTIME];
}

bool DeviceGone(int err) { return err == ENODEV || err == EIO || err == ENXIO; }

}  // namespace

SerialPort::SerialPort(PortSystem& system) : system_(system) {}

SerialPort::~SerialPort() {
    if (fd_ >= 0) Close();
}

bool SerialPort::Open(const std::string& portName) {
    if (fd_ >= 0) return IsOpen();
    openFailure_.clear();
    openErrno_ = 0;
    NoteUnplugged(false);
    const std::string device = ResolvePortDevice(portName);
    if (device.empty()) {
        openErrno_ = ENOENT;
        openFailure_ = PortUnmappedText(portName);
        AddClaimedAdapters(openFailure_);
        return false;
    }
    errno = 0;
    fd_ = system_.OpenDevice(device);
    if (fd_ < 0) {
        const int err = errno;
        openErrno_ = err;
        const bool busy = err == EBUSY || err == EWOULDBLOCK;
        openFailure_ = PortOpenFailureText(err, device, system_.DeviceGroup(device),
                                           busy ? system_.DeviceHolder(device) : std::string());
        if (err == ENOENT || err == ENODEV || err == ENXIO) AddClaimedAdapters(openFailure_);
        return false;
    }
    system_.Flush(fd_, TCIOFLUSH);
    if (!ApplyFraming(Framing::Meter8O2)) {
        CloseDevice();
        return false;
    }
    const LatencyOutcome latency = LowerLatency(system_, fd_, device);
    latency_ = latency.changes;
    if (latency.lateMs > 0 && toldLate_.insert(device).second) {
        notices_.push_back(LateAnswerText(device, latency.lateMs));
    }
    isOpen.store(1, std::memory_order_release);
    wakeFd_ = system_.CreateWakeEvent();
    if (wakeFd_ < 0) {
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
    // A pseudo-terminal refuses the modem lines; nothing depends on them.
    system_.ModemLines(fd_, TIOCMBIS, TIOCM_DTR);
    return true;
}

void SerialPort::AddClaimedAdapters(std::string& reason) {
    // An adapter that is plugged in but got no port is the likely cause.
    for (const std::string& text : ClaimedAdapterTexts(system_)) reason += "\n" + text;
}

bool SerialPort::Close() {
    isOpen.store(0, std::memory_order_release);
    if (thread_.joinable()) {
        uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(wakeFd_, &one, sizeof one);
        thread_.join();
    }
    if (fd_ >= 0) {
        system_.ModemLines(fd_, TIOCMBIC, TIOCM_DTR);
        system_.Flush(fd_, TCIOFLUSH);
    }
    CloseDevice();
    return true;
}

void SerialPort::CloseDevice() {
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
        wakeFd_ = -1;
    }
    if (fd_ >= 0) {
        RestoreLatency(system_, fd_, latency_);
        latency_ = {};
        system_.CloseDevice(fd_);
        fd_ = -1;
    }
}

bool SerialPort::ApplyBootloaderFraming() {
    if (fd_ < 0) return false;
    return ApplyFraming(Framing::Bootloader8E1);
}

bool SerialPort::ApplyFraming(Framing framing) {
    termios wanted;
    std::memset(&wanted, 0, sizeof wanted);
    if (system_.GetAttr(fd_, &wanted) != 0) {
        std::memset(&wanted, 0, sizeof wanted);
        notices_.emplace_back(TEXT_GET_COMM_STATE_ERROR);
    }
    BuildFraming(wanted, framing);
    // Start, eight data bits, parity and one or two stop bits at 115200 baud.
    const int bits = framing == Framing::Meter8O2 ? 12 : 11;
    SetCharTime(std::chrono::nanoseconds(1'000'000'000LL * bits / 115200));
    if (system_.SetAttr(fd_, &wanted) == 0) return true;
    termios now;
    std::memset(&now, 0, sizeof now);
    if (system_.GetAttr(fd_, &now) == 0 && SettingsTaken(wanted, now)) return true;
    notices_.emplace_back(TEXT_SET_COMM_STATE_ERROR);
    return false;
}

bool SerialPort::Write(const uint8_t* data, std::size_t count) {
    if (fd_ < 0) return false;
    std::size_t done = 0;
    bool pending = false;
    while (done < count) {
        ssize_t n = ::write(fd_, data + done, count - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            NoteSent(static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            if (DeviceGone(errno)) NoteUnplugged();
            return pending;
        }
        // The driver's queue is full: wait until it takes more.
        pending = true;
        pollfd p{fd_, POLLOUT, 0};
        if (::poll(&p, 1, kWriteStallMs) <= 0) return true;
        if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) {
            if (p.revents & (POLLERR | POLLHUP)) NoteUnplugged();
            return true;
        }
    }
    return true;
}

std::size_t SerialPort::ReadAvailable(uint8_t* buffer, std::size_t maxCount) {
    if (fd_ < 0 || maxCount == 0) return 0;
    for (;;) {
        ssize_t n = ::read(fd_, buffer, maxCount);
        if (n > 0) return static_cast<std::size_t>(n);
        if (n < 0 && errno == EINTR) continue;
        return 0;
    }
}

void SerialPort::ReceiveLoop() {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    nfds_t watched = 2;
    uint8_t batch[kReadBatch];
    while (isOpen.load(std::memory_order_acquire) != 0) {
        // After a hang-up only the wake-up is watched, so Close still ends us.
        int r = ::poll(watched == 2 ? fds : fds + 1, watched, -1);
        if (r < 0) {
            if (errno == EINTR) continue;
            break;
        }
        if (fds[1].revents & POLLIN) break;
        if (watched != 2) continue;
        short ev = fds[0].revents;
        if (ev & POLLIN) {
            std::size_t n;
            while ((n = ReadAvailable(batch, sizeof batch)) > 0) Deliver(batch, n);
        }
        if (ev & (POLLHUP | POLLERR | POLLNVAL)) {
            uint8_t probe;
            ssize_t n = ::read(fd_, &probe, 1);
            if (n > 0) {
                Deliver(&probe, 1);
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                // End of file or ENODEV, EIO, ENXIO after a hang-up: the
                // device is gone.
                if (n == 0 || DeviceGone(errno)) NoteUnplugged();
                fds[0].revents = 0;
                watched = 1;
            }
        }
    }
}

}  // namespace velmora
