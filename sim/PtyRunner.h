// Runs a SimEngine on the master side of a pseudo-terminal; the program under
// test opens the slave side as its serial port. Optionally paces the line as
// if the characters travelled at a given baud rate in both directions, with a
// turnaround delay before each answer.
#pragma once

#include <atomic>
#include <chrono>
#include <deque>
#include <optional>
#include <string>
#include <thread>

#include "sim/SimEngine.h"

namespace velmora::sim {

struct LinePacing {
    int baud = 0;  // 0: no pacing, bytes pass as fast as the pty moves them
    std::chrono::microseconds turnaround{0};
};

class PtyRunner {
public:
    PtyRunner(SimEngine& engine, LinePacing pacing = {});
    ~PtyRunner();
    PtyRunner(const PtyRunner&) = delete;
    PtyRunner& operator=(const PtyRunner&) = delete;

    // Creates the pseudo-terminal; false (with a reason in error) on failure.
    bool Open(std::string* error = nullptr);
    const std::string& SlavePath() const { return slavePath_; }

    // Runs on a thread of its own until Stop, or on the calling thread until
    // RequestStop (which is safe in a signal handler) or a hang-up.
    bool Start();
    void Run();
    void RequestStop();
    void Stop();

    // The engine asked to hang up and the line was closed.
    bool HungUp() const { return hungUp_.load(); }

private:
    // A byte goes out together with the rest of its answer, when the last
    // of them has crossed the line: the reader sees the same completion
    // times as with byte-by-byte delivery, at a fraction of the wake-ups.
    struct Timed {
        uint8_t byte;
        SimClock::time_point due;  // when the whole answer (up to a delay) has arrived
    };

    SimClock::duration ByteTime() const;
    void TakeInput(SimClock::time_point now);
    void Schedule(const SimOutput& out, SimClock::time_point arrived);
    void FlushDue();
    void CloseAll();

    SimEngine& engine_;
    LinePacing pacing_;
    int master_ = -1;
    int slaveHold_ = -1;
    int stopFd_ = -1;
    std::string slavePath_;
    std::thread thread_;
    std::deque<Timed> out_;
    SimClock::time_point rxFree_{};
    SimClock::time_point txFree_{};
    bool hangUpPending_ = false;
    std::optional<SimClock::time_point> hangUpAt_;
    std::atomic<bool> hungUp_{false};
};

}  // namespace velmora::sim
