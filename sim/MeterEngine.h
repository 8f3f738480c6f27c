// The meter's side of its command protocol: it answers the five commands,
// serves its tables on Read, and keeps what it receives (tables, logo, icon).
// Faults can be switched on to test the PC's failure paths.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "sim/SimEngine.h"

namespace velmora::sim {

// Frame and byte numbers count from 1 within one operation (one command).
struct MeterFaults {
    int corruptSentFrame = 0;     // send frame K with a wrong checksum
    int refuseReceivedFrame = 0;  // answer received frame K with 0x55
    int ignoreReceivedFrame = 0;  // never acknowledge received frame K
    int dropSentByte = 0;         // byte K the meter sends (its answer is byte 1) is lost
    bool noAnswer = false;        // commands are never answered
    int hangUpAfterFrames = 0;    // close the line after K frames, sent or received
    // Store the K-th received transponder with its frequency one higher,
    // acknowledging every frame as usual.
    int storeFlipTp = 0;
};

struct MeterOptions {
    // The table served on Read, in transfer order (see TableDump.h).
    std::vector<uint8_t> tables;
    // Received tables (tables.bin, sattp.csv), logo (logo.bin) and icon
    // (icon.bin) are written here; empty keeps them in memory only.
    std::string outputDir;
    // A completed table write replaces the table served on Read, as on the
    // real meter; off, Read keeps serving the table given above.
    bool storeWrites = true;
    MeterFaults faults;
    // A transfer that hears nothing for this long is abandoned.
    std::chrono::milliseconds idleReset{2000};
    // One line per command and frame; none when empty.
    std::function<void(const std::string&)> log;
};

// What the meter has seen and stored.
struct MeterRecord {
    std::vector<std::string> commands;
    std::vector<uint8_t> tables;  // the last complete table written to it, as stored
    std::vector<uint8_t> logo;
    std::vector<uint8_t> icon;
    int iconDeletes = 0;
    int tablesServed = 0;  // reads whose last frame was acknowledged
    int framesReceived = 0;
    int framesSent = 0;
};

class MeterEngine : public SimEngine {
public:
    explicit MeterEngine(MeterOptions options);

    void OnByte(uint8_t byte, SimClock::time_point at, SimOutput& out) override;

    // A copy, safe to take while the engine runs on the line's thread.
    MeterRecord Record() const;
    // Replaces the faults for the next operations.
    void SetFaults(const MeterFaults& faults);

private:
    enum class State { Idle, Command, WaitGo, WaitAck, Receiving };
    enum class Op { None, ReadTables, WriteTables, WriteLogo, WriteIcon, DeleteIcons };

    void Begin(Op op, SimOutput& out);
    void Idle(uint8_t byte, SimOutput& out);
    void SendNextFrame(SimOutput& out);
    void OnAck(uint8_t byte, SimOutput& out);
    void OnFrameByte(uint8_t byte, SimOutput& out);
    // Length of the next frame the PC sends; -1 when the transfer is complete.
    int ExpectedLength() const;
    bool NextServedPayload(std::vector<uint8_t>& payload);
    void Finish();
    void Abandon(const std::string& why);
    void SendByte(uint8_t byte, SimOutput& out);
    bool CountFrames(SimOutput& out);
    void Log(const std::string& line) const;

    MeterOptions options_;
    mutable std::mutex mutex_;
    MeterRecord record_;

    State state_ = State::Idle;
    Op op_ = Op::None;
    uint8_t firstByte_ = 0;
    SimClock::time_point lastByte_{};
    // Current operation.
    int framesDone_ = 0;  // frames sent or received
    int framesIn_ = 0;
    int framesOut_ = 0;
    int bytesOut_ = 0;
    std::size_t serveOffset_ = 0;
    std::vector<uint8_t> frame_;     // frame being received, or the last frame sent
    std::vector<uint8_t> payloads_;  // received payloads in order
    bool lastFrameSent_ = false;
    int acceptedFrames_ = 0;
};

const char* OpName(uint8_t first);

}  // namespace velmora::sim
