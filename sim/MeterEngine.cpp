#include "sim/MeterEngine.h"

#include <cstdio>
#include <memory>

#include "core/SatTpDatabase.h"
#include "core/SatTpFile.h"
#include "core/TextHelpers.h"
#include "sim/TableDump.h"

namespace velmora::sim {

namespace {

constexpr uint8_t kAccepted = 0xAA;
constexpr uint8_t kRefused = 0x55;
constexpr uint8_t kReady = 0xCC;
constexpr uint8_t kReadyToSend = 0xA5;
constexpr uint8_t kGo = 0xCC;

constexpr int kLnbFrames = LNB_COUNT;
constexpr int kCountBytes = 4;
constexpr int kLogoFrames = 3200;
constexpr int kLogoFrameBytes = 48;
constexpr int kTrailerBytes = 4;
constexpr int kIconHeaderBytes = 6;

struct CommandInfo {
    uint8_t first;
    uint8_t second;
    const char* name;
};

constexpr CommandInfo kCommands[] = {
    {0xA5, 0x5B, "Read tables"},  {0x5A, 0xA5, "Write tables"}, {0xC5, 0x3A, "Write logo"},
    {0x5C, 0xA3, "Write icon"},   {0x93, 0x6C, "Delete icons"},
};

uint8_t Checksum(const uint8_t* p, std::size_t n) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += p[i];
    return static_cast<uint8_t>(sum);
}

uint16_t U16At(const std::vector<uint8_t>& bytes, std::size_t at) {
    return at + 1 < bytes.size() ? GetU16(&bytes[at]) : 0;
}

std::string Hex(uint8_t b) {
    const char c = static_cast<char>(b);
    return HexText(std::string_view(&c, 1), {}, HexCase::Upper);
}

// The fault that makes the meter's storage differ from what it acknowledged:
// the k-th transponder's frequency, one higher.
void StoreFlip(std::vector<uint8_t>& table, int k) {
    if (k <= 0) return;
    const std::size_t lnbBytes = kLnbFrames * LNB_RECORD_SIZE;
    const std::size_t tpCountAt = lnbBytes + kCountBytes + U16At(table, lnbBytes) * SAT_RECORD_SIZE;
    const std::size_t at = tpCountAt + kCountBytes + (k - 1) * TP_RECORD_SIZE + 4;
    if (k > U16At(table, tpCountAt) || at + 4 > table.size()) return;
    PutU32(&table[at], GetU32(&table[at]) + 1);
}

}  // namespace

const char* OpName(uint8_t first) {
    for (const CommandInfo& c : kCommands)
        if (c.first == first) return c.name;
    return "?";
}

MeterEngine::MeterEngine(MeterOptions options) : options_(std::move(options)) {}

MeterRecord MeterEngine::Record() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return record_;
}

void MeterEngine::SetFaults(const MeterFaults& faults) {
    std::lock_guard<std::mutex> lock(mutex_);
    options_.faults = faults;
}

void MeterEngine::Log(const std::string& line) const {
    if (options_.log) options_.log(line);
}

void MeterEngine::OnByte(uint8_t byte, SimClock::time_point at, SimOutput& out) {
    if (state_ != State::Idle && at - lastByte_ > options_.idleReset) Abandon("line idle");
    lastByte_ = at;
    switch (state_) {
        case State::Idle:
        case State::Command:
            Idle(byte, out);
            break;
        case State::WaitGo:
            if (byte == kGo) {
                SendNextFrame(out);
            } else {
                Abandon("no go byte");
                Idle(byte, out);
            }
            break;
        case State::WaitAck:
            OnAck(byte, out);
            break;
        case State::Receiving:
            OnFrameByte(byte, out);
            break;
    }
}

void MeterEngine::Idle(uint8_t byte, SimOutput& out) {
    if (state_ == State::Command) {
        for (const CommandInfo& c : kCommands) {
            if (c.first == firstByte_ && c.second == byte) {
                Begin(static_cast<Op>(&c - kCommands + 1), out);
                return;
            }
        }
    }
    for (const CommandInfo& c : kCommands) {
        if (c.first == byte) {
            state_ = State::Command;
            firstByte_ = byte;
            return;
        }
    }
    if (state_ == State::Idle) Log("stray byte " + Hex(byte));
    state_ = State::Idle;
}

void MeterEngine::Begin(Op op, SimOutput& out) {
    op_ = op;
    framesDone_ = framesIn_ = framesOut_ = bytesOut_ = 0;
    serveOffset_ = 0;
    lastFrameSent_ = false;
    acceptedFrames_ = 0;
    frame_.clear();
    payloads_.clear();
    const char* name = OpName(firstByte_);
    MeterFaults faults;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        record_.commands.push_back(name);
        faults = options_.faults;
    }
    if (faults.noAnswer) {
        Log(std::string("command ") + name + ": not answered");
        state_ = State::Idle;
        return;
    }
    Log(std::string("command ") + name);
    switch (op) {
        case Op::ReadTables:
            SendByte(kReadyToSend, out);
            state_ = State::WaitGo;
            break;
        case Op::DeleteIcons: {
            SendByte(kReady, out);
            std::lock_guard<std::mutex> lock(mutex_);
            ++record_.iconDeletes;
            record_.icon.clear();
            if (!options_.outputDir.empty()) std::remove((options_.outputDir + "/icon.bin").c_str());
            state_ = State::Idle;
            break;
        }
        default:
            SendByte(kReady, out);
            state_ = State::Receiving;
            break;
    }
}

void MeterEngine::SendByte(uint8_t byte, SimOutput& out) {
    ++bytesOut_;
    int drop;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        drop = options_.faults.dropSentByte;
    }
    if (drop == bytesOut_) {
        Log("byte " + std::to_string(bytesOut_) + " lost");
        return;
    }
    out.Send(byte);
}

bool MeterEngine::CountFrames(SimOutput& out) {
    ++framesDone_;
    int hangUpAfter;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        hangUpAfter = options_.faults.hangUpAfterFrames;
    }
    if (hangUpAfter == 0 || framesDone_ < hangUpAfter) return false;
    Log("hanging up after " + std::to_string(framesDone_) + " frames");
    out.HangUp();
    state_ = State::Idle;
    return true;
}

// The served table is walked in transfer order; the counts come from the
// table itself, so a table with impossible counts is served as it is.
bool MeterEngine::NextServedPayload(std::vector<uint8_t>& payload) {
    const std::vector<uint8_t>& t = options_.tables;
    const std::size_t lnbBytes = kLnbFrames * LNB_RECORD_SIZE;
    const std::size_t sats = U16At(t, lnbBytes);
    const std::size_t tpCountAt = lnbBytes + kCountBytes + sats * SAT_RECORD_SIZE;
    const std::size_t tps = U16At(t, tpCountAt);
    const std::size_t end = tpCountAt + kCountBytes + tps * TP_RECORD_SIZE;
    std::size_t length;
    const std::size_t at = serveOffset_;
    if (at < lnbBytes) {
        length = LNB_RECORD_SIZE;
    } else if (at == lnbBytes || at == tpCountAt) {
        length = kCountBytes;
    } else if (at < tpCountAt) {
        length = SAT_RECORD_SIZE;
    } else if (at < end) {
        length = TP_RECORD_SIZE;
    } else {
        return false;
    }
    payload.assign(length, 0);
    for (std::size_t i = 0; i < length && at + i < t.size(); ++i) payload[i] = t[at + i];
    serveOffset_ += length;
    lastFrameSent_ = serveOffset_ >= end;
    return true;
}

void MeterEngine::SendNextFrame(SimOutput& out) {
    if (!NextServedPayload(frame_)) {
        state_ = State::Idle;
        return;
    }
    ++framesOut_;
    uint8_t sum = Checksum(frame_.data(), frame_.size());
    int corrupt;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        corrupt = options_.faults.corruptSentFrame;
        ++record_.framesSent;
    }
    if (corrupt == framesOut_) {
        sum = static_cast<uint8_t>(sum + 1);
        Log("frame " + std::to_string(framesOut_) + " out: checksum corrupted");
    }
    Log("frame " + std::to_string(framesOut_) + " out: " + std::to_string(frame_.size()) + " bytes");
    for (uint8_t b : frame_) SendByte(b, out);
    SendByte(sum, out);
    state_ = State::WaitAck;
    CountFrames(out);
}

void MeterEngine::OnAck(uint8_t byte, SimOutput& out) {
    if (byte == kAccepted) {
        if (!lastFrameSent_) {
            SendNextFrame(out);
            return;
        }
        Log("tables served");
        std::lock_guard<std::mutex> lock(mutex_);
        ++record_.tablesServed;
        state_ = State::Idle;
    } else if (byte == kRefused) {
        Abandon("frame " + std::to_string(framesOut_) + " refused by the PC");
    } else {
        // The PC gave up (its last acknowledgement may be purged with its
        // port): this byte is the start of the next command.
        Abandon("no acknowledgement");
        Idle(byte, out);
    }
}

int MeterEngine::ExpectedLength() const {
    const std::vector<uint8_t>& p = payloads_;
    const int k = static_cast<int>(p.size());
    switch (op_) {
        case Op::WriteTables: {
            const int lnbBytes = kLnbFrames * static_cast<int>(LNB_RECORD_SIZE);
            if (k < lnbBytes) return LNB_RECORD_SIZE;
            const int sats = U16At(p, lnbBytes);
            const int satsEnd = lnbBytes + kCountBytes + sats * static_cast<int>(SAT_RECORD_SIZE);
            if (k == lnbBytes || k == satsEnd) return kCountBytes;
            if (k < satsEnd) return SAT_RECORD_SIZE;
            const int tps = U16At(p, satsEnd);
            const int end = satsEnd + kCountBytes + tps * static_cast<int>(TP_RECORD_SIZE);
            return k < end ? static_cast<int>(TP_RECORD_SIZE) : -1;
        }
        case Op::WriteLogo:
            if (k < kLogoFrames * kLogoFrameBytes) return kLogoFrameBytes;
            return k == kLogoFrames * kLogoFrameBytes ? kTrailerBytes : -1;
        case Op::WriteIcon: {
            // Counted in frames: the header may announce frames of 0 bytes.
            if (acceptedFrames_ == 0) return kIconHeaderBytes;
            const int frames = 4 * p[1] * p[2];
            if (acceptedFrames_ <= frames) return p[0];
            return acceptedFrames_ == frames + 1 ? kTrailerBytes : -1;
        }
        default:
            return -1;
    }
}

void MeterEngine::OnFrameByte(uint8_t byte, SimOutput& out) {
    const int length = ExpectedLength();
    if (length < 0) {
        Abandon("unexpected byte");
        return;
    }
    frame_.push_back(byte);
    if (static_cast<int>(frame_.size()) < length + 1) return;
    ++framesIn_;
    MeterFaults faults;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        faults = options_.faults;
        ++record_.framesReceived;
    }
    const std::string frameName = "frame " + std::to_string(framesIn_) + " in";
    const bool sumOk = Checksum(frame_.data(), static_cast<std::size_t>(length)) == frame_[length];
    if (faults.ignoreReceivedFrame == framesIn_) {
        Log(frameName + ": ignored");
        frame_.clear();
        CountFrames(out);
        return;
    }
    bool refuse = !sumOk || faults.refuseReceivedFrame == framesIn_;
    if (!refuse && op_ == Op::WriteTables && length == kCountBytes) {
        const int limit = payloads_.size() == kLnbFrames * LNB_RECORD_SIZE ? MAX_SATELLITES : MAX_TPS;
        refuse = GetU16(frame_.data()) > limit;
    }
    if (refuse) {
        Log(frameName + ": refused" + (sumOk ? "" : " (bad checksum)"));
        SendByte(kRefused, out);
        Abandon("transfer ended by a refused frame");
        return;
    }
    Log(frameName + ": " + std::to_string(length) + " bytes");
    payloads_.insert(payloads_.end(), frame_.begin(), frame_.begin() + length);
    ++acceptedFrames_;
    frame_.clear();
    SendByte(kAccepted, out);
    if (ExpectedLength() < 0) Finish();
    CountFrames(out);
}

void MeterEngine::Finish() {
    const std::string& dir = options_.outputDir;
    std::lock_guard<std::mutex> lock(mutex_);
    switch (op_) {
        case Op::WriteTables: {
            StoreFlip(payloads_, options_.faults.storeFlipTp);
            record_.tables = payloads_;
            if (options_.storeWrites) options_.tables = payloads_;
            if (!dir.empty()) {
                WriteBinaryFile(dir + "/tables.bin", payloads_);
                auto db = std::make_unique<SatTpDatabase>();
                ClearDatabase(*db);
                if (DecodeTableDump(payloads_, *db)) WriteSatTpFile(*db, (dir + "/sattp.csv").c_str());
            }
            break;
        }
        case Op::WriteLogo:
            record_.logo = payloads_;
            if (!dir.empty()) WriteBinaryFile(dir + "/logo.bin", payloads_);
            break;
        case Op::WriteIcon:
            record_.icon = payloads_;
            if (!dir.empty()) WriteBinaryFile(dir + "/icon.bin", payloads_);
            break;
        default:
            break;
    }
    Log(std::string(OpName(kCommands[static_cast<int>(op_) - 1].first)) + " completed");
    state_ = State::Idle;
}

void MeterEngine::Abandon(const std::string& why) {
    if (state_ != State::Idle && state_ != State::Command) Log(std::string(OpName(firstByte_)) + " abandoned: " + why);
    state_ = State::Idle;
    frame_.clear();
}

}  // namespace velmora::sim
