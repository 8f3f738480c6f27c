#include "sim/PtyRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <system_error>

namespace velmora::sim {

namespace {

// Time between the last answer and the line going dead on a hang-up: the
// hang-up drops what the other side has not read yet, so a loaded machine
// (sanitizers, every core busy) needs the time to take the last answer.
constexpr std::chrono::milliseconds kHangUpGrace{150};
// The last stretch before an answer is due is spun rather than slept: a
// timer wake-up comes up to a hundred microseconds late, once per answer.
constexpr std::chrono::microseconds kSpinBeforeDue{150};

}  // namespace

PtyRunner::PtyRunner(SimEngine& engine, LinePacing pacing) : engine_(engine), pacing_(pacing) {}

PtyRunner::~PtyRunner() {
    Stop();
    CloseAll();
}

bool PtyRunner::Open(std::string* error) {
    auto fail = [&](const char* what) {
        if (error != nullptr) *error = std::string(what) + ": " + std::strerror(errno);
        CloseAll();
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return fail("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return fail("grantpt/unlockpt");
    const char* name = ::ptsname(master_);
    if (name == nullptr) return fail("ptsname");
    slavePath_ = name;
    // Holding the slave open keeps the master readable while the program
    // under test closes and reopens its port between operations, and makes
    // the line raw before anyone writes to it.
    // Read-only: it only keeps the terminal alive, and is not named as the
    // program talking on it.
    slaveHold_ = ::open(name, O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (slaveHold_ < 0) return fail("open slave");
    termios raw{};
    if (::tcgetattr(slaveHold_, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(slaveHold_, TCSANOW, &raw);
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    stopFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (stopFd_ < 0) return fail("eventfd");
    return true;
}

bool PtyRunner::Start() {
    if (master_ < 0 || thread_.joinable()) return false;
    try {
        thread_ = std::thread(&PtyRunner::Run, this);
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void PtyRunner::RequestStop() {
    if (stopFd_ < 0) return;
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(stopFd_, &one, sizeof one);
}

void PtyRunner::Stop() {
    RequestStop();
    if (thread_.joinable()) thread_.join();
}

void PtyRunner::CloseAll() {
    for (int* fd : {&master_, &slaveHold_, &stopFd_}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

SimClock::duration PtyRunner::ByteTime() const {
    if (pacing_.baud <= 0) return SimClock::duration::zero();
    auto ns = std::chrono::nanoseconds(1'000'000'000LL * engine_.BitsPerByte() / pacing_.baud);
    return std::chrono::duration_cast<SimClock::duration>(ns);
}

void PtyRunner::Run() {
    // Sleeps end when asked, not up to 50 us later: the pacing depends on it.
    ::prctl(PR_SET_TIMERSLACK, 1UL);
    while (master_ >= 0) {
        std::optional<SimClock::time_point> deadline;
        if (!out_.empty()) deadline = out_.front().due;
        if (hangUpAt_) deadline = deadline ? std::min(*deadline, *hangUpAt_) : *hangUpAt_;
        timespec wait{};
        if (deadline) {
            auto left = std::max(*deadline - SimClock::now() - kSpinBeforeDue,
                                 SimClock::duration::zero());
            auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
            wait.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            wait.tv_nsec = static_cast<long>(ns % 1'000'000'000);
        }
        pollfd fds[2] = {{master_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
        int r = ::ppoll(fds, 2, deadline ? &wait : nullptr, nullptr);
        if (r < 0 && errno != EINTR) break;
        if (r > 0 && (fds[1].revents & POLLIN)) break;
        if (r > 0 && (fds[0].revents & POLLIN)) TakeInput(SimClock::now());
        FlushDue();
        if (hangUpPending_ && out_.empty() && !hangUpAt_) {
            // Let the reader take the last answer before the line drops.
            hangUpAt_ = SimClock::now() + kHangUpGrace;
        }
        if (hangUpAt_ && SimClock::now() >= *hangUpAt_) {
            ::close(master_);
            ::close(slaveHold_);
            master_ = slaveHold_ = -1;
            hungUp_.store(true);
        }
    }
}

void PtyRunner::TakeInput(SimClock::time_point now) {
    uint8_t buffer[4096];
    ssize_t n = ::read(master_, buffer, sizeof buffer);
    for (ssize_t i = 0; i < n; ++i) {
        // A character is there once its last bit is; characters queue on the line.
        SimClock::time_point arrived = std::max(now, rxFree_) + ByteTime();
        rxFree_ = arrived;
        SimOutput out;
        engine_.OnByte(buffer[i], arrived, out);
        Schedule(out, arrived);
        if (out.WantsHangUp()) hangUpPending_ = true;
    }
}

void PtyRunner::Schedule(const SimOutput& out, SimClock::time_point arrived) {
    const auto& bytes = out.Bytes();
    if (bytes.empty()) return;
    SimClock::time_point at = std::max(arrived + pacing_.turnaround, txFree_);
    std::size_t segmentStart = out_.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        SimClock::duration delay = out.DelayBefore(i);
        if (delay > SimClock::duration::zero()) {
            segmentStart = out_.size();
            at += delay;
        }
        at += ByteTime();
        out_.push_back({bytes[i], at});
        for (std::size_t k = segmentStart; k < out_.size(); ++k) out_[k].due = at;
    }
    txFree_ = at;
}

void PtyRunner::FlushDue() {
    if (out_.empty() || master_ < 0) return;
    uint8_t buffer[4096];
    std::size_t n = 0;
    const SimClock::time_point now = SimClock::now();
    for (auto it = out_.begin(); it != out_.end() && it->due <= now && n < sizeof buffer; ++it)
        buffer[n++] = it->byte;
    if (n == 0) return;
    ssize_t written = ::write(master_, buffer, n);
    if (written > 0) out_.erase(out_.begin(), out_.begin() + written);
}

}  // namespace velmora::sim
