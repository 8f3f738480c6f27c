#include "meter/TableTransfer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <vector>
#include <filesystem>
#include <memory>

#include "core/MessageText.h"
#include "core/SatTpFile.h"
#include "core/Utf8Path.h"
#include "serial/LinkTexts.h"
#include "meter/TableVerify.h"

namespace velmora {

namespace {

uint16_t CountOf(const uint8_t frame[COUNT_FRAME_BYTES]) { return GetU16(frame); }

void MakeCountFrame(uint8_t frame[COUNT_FRAME_BYTES], int count) {
    PutU16(frame, static_cast<uint16_t>(count));
    frame[2] = 0;
    frame[3] = 0;
}

// Receives length-byte frames, appending each payload to the transfer's own
// buffer. Each read keeps its frames in memory: no scratch file that two
// ports, two programs or the window and a terminal could share by name.
class FrameSink {
public:
    FrameSink(MeterLink& link, std::vector<uint8_t>& payload) : link_(link), payload_(payload) {}

    // One frame into buffer; false on a bad or missing frame.
    bool Take(uint8_t* buffer, int length) {
        if (!link_.ReceiveFrame(buffer, length)) return false;
        payload_.insert(payload_.end(), buffer, buffer + length);
        return true;
    }

    // A phase of count records of length bytes; check vets each payload.
    template <class Check>
    bool Phase(const char* text, int count, int length, Check check) {
        OperationHost& host = link_.Host();
        uint8_t buffer[SAT_RECORD_SIZE + 1];
        host.BeginProgress(text, count);
        for (int i = 0; i < count; ++i) {
            link_.PumpOnce();
            if (!Take(buffer, length) || !check(buffer)) return false;
            host.SetProgress(i + 1);
        }
        return true;
    }

private:
    MeterLink& link_;
    std::vector<uint8_t>& payload_;
};

bool ReceiveTables(MeterLink& link, std::vector<uint8_t>& payload) {
    FrameSink sink(link, payload);
    auto any = [](const uint8_t*) { return true; };
    // A transponder must name one of the 300 satellite slots, or later
    // lookups by satIndex would leave the table.
    auto tpInRange = [](const uint8_t* p) { return DecodeTp(p).satIndex < MAX_SATELLITES; };
    uint8_t count[COUNT_FRAME_BYTES + 1];
    if (!sink.Phase(TEXT_READ_LNB, LNB_COUNT, LNB_RECORD_SIZE, any)) return false;
    if (!sink.Take(count, COUNT_FRAME_BYTES) || CountOf(count) > MAX_SATELLITES) return false;
    if (!sink.Phase(TEXT_READ_SATELLITES, CountOf(count), SAT_RECORD_SIZE, any)) return false;
    if (!sink.Take(count, COUNT_FRAME_BYTES) || CountOf(count) > MAX_TPS) return false;
    return sink.Phase(TEXT_READ_TRANSPONDERS, CountOf(count), TP_RECORD_SIZE, tpInRange);
}

}  // namespace

bool LoadTablesFromPayload(SatTpDatabase& db, const std::vector<uint8_t>& payload) {
    // The counts and the length are checked before anything is taken, so a
    // damaged payload can neither leave the tables half replaced nor index
    // past them.
    const std::size_t satCountAt = LNB_BLOCK_BYTES;
    if (payload.size() < satCountAt + COUNT_FRAME_BYTES) return false;
    const int satCount = CountOf(&payload[satCountAt]);
    if (satCount > MAX_SATELLITES) return false;
    const std::size_t satsAt = satCountAt + COUNT_FRAME_BYTES;
    const std::size_t tpCountAt = satsAt + satCount * std::size_t{SAT_RECORD_SIZE};
    if (payload.size() < tpCountAt + COUNT_FRAME_BYTES) return false;
    const int tpCount = CountOf(&payload[tpCountAt]);
    if (tpCount > MAX_TPS) return false;
    const std::size_t tpsAt = tpCountAt + COUNT_FRAME_BYTES;
    if (payload.size() < tpsAt + tpCount * std::size_t{TP_RECORD_SIZE}) return false;
    for (int i = 0; i < LNB_COUNT; ++i) db.lnbs[i] = DecodeLnb(&payload[i * LNB_RECORD_SIZE]);
    db.satCount = satCount;
    for (int i = 0; i < satCount; ++i)
        db.satellites[i] = DecodeSat(&payload[satsAt + i * std::size_t{SAT_RECORD_SIZE}]);
    FillUnusedSatSlots(db);
    db.tpCount = tpCount;
    for (int i = 0; i < tpCount; ++i)
        db.tps[i] = DecodeTp(&payload[tpsAt + i * std::size_t{TP_RECORD_SIZE}]);
    return true;
}

OpResult ReceiveMeterTable(MeterLink& link, SatTpDatabase& target, const char* status) {
    OperationHost& host = link.Host();
    host.SetStatus(status);
    const CommandAnswer answer = link.OpenOperation(CMD_READ_TABLES);
    if (answer == CommandAnswer::Stopped) return OpResult::Stopped;
    if (answer != CommandAnswer::Ready) return OpResult::Failed;
    std::vector<uint8_t> payload;
    payload.reserve(LNB_BLOCK_BYTES + 2 * COUNT_FRAME_BYTES);
    // A table that cannot be taken whole is a failed read, never a completed one.
    if (!ReceiveTables(link, payload)) return OpResult::Failed;
    link.TransferCompleted();
    if (!LoadTablesFromPayload(target, payload)) return OpResult::Failed;
    return OpResult::Completed;
}

namespace {

// The whole read operation; only a read into the host's own tables tells the
// host they were replaced.
OpResult ReadTablesInto(MeterLink& link, SatTpDatabase& target) {
    OperationHost& host = link.Host();
    if (!link.EnterOperation()) return OpResult::NotStarted;
    OpResult result;
    {
        result = ReceiveMeterTable(link, target, TEXT_WAIT_FOR_CONNECT);
        if (result == OpResult::NotStarted) {
            link.LeaveOperation();
            return result;
        }
        if (result == OpResult::Completed) {
            host.SetStatus(TEXT_READ_COMPLETED);
        } else if (result == OpResult::Failed) {
            host.SetStatus(link.FailureStatus(TEXT_READ_FAILED));
        } else {
            host.SetStatus("");
        }
    }
    link.CloseLink();
    OperationFlags& flags = host.Flags();
    flags.runFlag = 0;
    flags.busyFlag = 0;
    return result;
}

}  // namespace

OpResult ReadTablesFromMeter(MeterLink& link) {
    return ReadTablesInto(link, link.Host().Database());
}

OpResult ReadMeterTable(MeterLink& link, SatTpDatabase& target) {
    ClearDatabase(target);
    return ReadTablesInto(link, target);
}

namespace {

// Sends the count frame and then the first count records, each built by
// encode(index, frame). The web page's operations yield to the browser
// between frames, so an edit there may shrink the table while we send
// (liveCount); a record beyond the current count is never sent, the write
// fails instead. (The window holds its edits while an operation runs.)
template <class Encode>
bool SendRecords(MeterLink& link, const char* text, const int32_t& liveCount, int capacity,
                 int length, Encode encode) {
    OperationHost& host = link.Host();
    uint8_t frame[SAT_RECORD_SIZE + 1];
    const int count = std::clamp(static_cast<int>(liveCount), 0, capacity);
    MakeCountFrame(frame, count);
    if (!link.SendFrame(frame, COUNT_FRAME_BYTES)) return false;
    host.BeginProgress(text, count);
    for (int i = 0; i < count; ++i) {
        link.PumpOnce();
        if (i >= liveCount) return false;
        encode(i, frame);
        if (!link.SendFrame(frame, length)) return false;
        host.SetProgress(i + 1);
    }
    return true;
}

}  // namespace

namespace {

// Saves the meter's table under path, or, when that name is taken, under
// "-2", "-3", ... before its extension: a backup never replaces another, also
// when several meters or programs back up under one name in one second.
// saved is the name it got.
bool SaveBackup(const SatTpDatabase& meter, const std::string& path, std::string& saved,
                std::string& whyNot) {
    std::error_code ec;
    const std::filesystem::path folder = PathFromUtf8(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (ec) {
        whyNot = ec.message();
        return false;
    }
    constexpr int kMostNames = 1000;
    for (int n = 1; n <= kMostNames; ++n) {
        saved = NumberedPath(path, n);
        if (WriteSatTpFile(meter, saved.c_str(), &whyNot, ReplaceRule::Never)) return true;
        if (whyNot != std::strerror(EEXIST)) return false;
    }
    return false;
}

// What a write that ended part-way left behind, and what to do about it.
std::string PartialWriteMessage(bool stoppedByUser, const std::string& backup) {
    std::string text = stoppedByUser ? TEXT_WRITE_STOPPED : TEXT_WRITE_BROKEN_OFF;
    if (backup.empty()) return text;
    return FillText(TEXT_BACKUP_BEFORE_WRITE, {text, EscapeControls(backup)});
}

// Reads the meter's table and saves it under options.backupPath before
// anything is written; Completed with the name saved, or the failure shown.
OpResult BackUpMeterTable(MeterLink& link, const TableWriteOptions& options, std::string& saved) {
    OperationHost& host = link.Host();
    auto meter = std::make_unique<SatTpDatabase>();
    ClearDatabase(*meter);
    OpResult read = ReceiveMeterTable(link, *meter, TEXT_WAIT_FOR_CONNECT);
    if (read == OpResult::Stopped) {
        host.SetStatus("");
        return read;
    }
    if (read != OpResult::Completed) {
        host.SetStatus(link.FailureStatus(TEXT_BACKUP_FAILED));
        const bool stopped = host.Flags().runFlag == 0;
        host.ShowMessage(stopped ? TEXT_BACKUP_READ_STOPPED : TEXT_BACKUP_READ_FAILED);
        return OpResult::Failed;
    }
    std::string whyNot;
    if (!SaveBackup(*meter, options.backupPath, saved, whyNot)) {
        host.SetStatus(TEXT_BACKUP_FAILED);
        host.ShowMessage(
            FillText(TEXT_BACKUP_SAVE_FAILED, {EscapeControls(options.backupPath), whyNot}));
        return OpResult::Failed;
    }
    return OpResult::Completed;
}

// The write between opening and closing the link: backup, write, read back,
// each when asked for. Every way out leaves its status (and message) shown.
template <class Transfer>
OpResult CheckedWrite(MeterLink& link, const TableWriteOptions& options, const SatTpDatabase& table,
                      Transfer transfer) {
    OperationHost& host = link.Host();
    std::string backup;
    if (!options.backupPath.empty()) {
        OpResult backedUp = BackUpMeterTable(link, options, backup);
        if (backedUp != OpResult::Completed) return backedUp;
    }
    // What is sent, kept for the comparison: the tables may not change
    // during the operation, but the check must not depend on that.
    std::unique_ptr<SatTpDatabase> sent;
    if (options.verify) sent = std::make_unique<SatTpDatabase>(table);
    host.SetStatus(TEXT_WAIT_FOR_CONNECT);
    CommandAnswer answer = link.OpenOperation(CMD_WRITE_TABLES);
    if (answer == CommandAnswer::Stopped) {
        host.SetStatus("");
        return OpResult::Stopped;
    }
    if (answer != CommandAnswer::Ready) {
        host.SetStatus(link.FailureStatus(TEXT_WRITE_FAILED));
        if (answer == CommandAnswer::TimedOut) host.ShowMessage(link.NoAnswerMessage());
        return OpResult::Failed;
    }
    if (!transfer()) {
        // The meter took some frames: its table is no longer what it was.
        host.SetStatus(link.FailureStatus(TEXT_WRITE_FAILED));
        const std::string message = PartialWriteMessage(host.Flags().runFlag == 0, backup);
        if (backup.empty()) {
            host.ShowMessage(message);
        } else {
            host.ShowPartialWrite(message, backup, link.PortName());
        }
        return OpResult::Failed;
    }
    link.TransferCompleted();
    if (sent) {
        auto readBack = std::make_unique<SatTpDatabase>();
        ClearDatabase(*readBack);
        const bool readBackWhole =
            ReceiveMeterTable(link, *readBack, TEXT_VERIFY) == OpResult::Completed;
        const bool stopped = host.Flags().runFlag == 0;
        std::string problem = readBackWhole ? VerifyMessage(*sent, *readBack)
                              : stopped     ? TEXT_VERIFY_READ_STOPPED
                                            : TEXT_VERIFY_READ_FAILED;
        if (!problem.empty()) {
            host.SetStatus(link.FailureStatus(TEXT_VERIFY_FAILED));
            host.ShowMessage(problem);
            return OpResult::Failed;
        }
    }
    host.SetStatus(TEXT_WRITE_COMPLETED);
    return OpResult::Completed;
}

}  // namespace

OpResult WriteTablesToMeter(MeterLink& link) { return WriteTablesToMeter(link, TableWriteOptions{}); }

OpResult WriteTablesToMeter(MeterLink& link, const TableWriteOptions& options) {
    OperationHost& host = link.Host();
    const SatTpDatabase& db = options.table != nullptr ? *options.table : host.Database();
    if (db.satCount <= 0) return OpResult::NotStarted;
    auto transfer = [&]() -> bool {
        uint8_t frame[LNB_RECORD_SIZE + 1];
        host.BeginProgress(TEXT_WRITE_LNB, LNB_COUNT);
        for (int i = 0; i < LNB_COUNT; ++i) {
            link.PumpOnce();
            EncodeLnb(db.lnbs[i], frame);
            if (!link.SendFrame(frame, LNB_RECORD_SIZE)) return false;
            host.SetProgress(i + 1);
        }
        return SendRecords(link, TEXT_WRITE_SATELLITES, db.satCount, MAX_SATELLITES,
                           SAT_RECORD_SIZE,
                           [&db](int i, uint8_t* out) { EncodeSat(db.satellites[i], out); }) &&
               SendRecords(link, TEXT_WRITE_TRANSPONDERS, db.tpCount, MAX_TPS, TP_RECORD_SIZE,
                           [&db](int i, uint8_t* out) { EncodeTp(db.tps[i], out); });
    };
    if (!link.EnterOperation()) return OpResult::NotStarted;
    const OpResult result = CheckedWrite(link, options, db, transfer);
    link.LeaveOperation();
    if (result == OpResult::Completed) host.Flags().batchFlags |= BATCH_TABLES_DONE;
    return result;
}

}  // namespace velmora
