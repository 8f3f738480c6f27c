#include "link/TableTransfer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <cstdio>
#include <vector>
#include <filesystem>
#include <memory>

#include "db/SatTpFile.h"
#include "link/LinkTexts.h"
#include "link/TableVerify.h"
#include "link/WriteOperation.h"

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
    if (link.OpenOperation(CMD_READ_TABLES) != CommandAnswer::Ready) return OpResult::Stopped;
    std::vector<uint8_t> payload;
    payload.reserve(LNB_BLOCK_BYTES + 2 * COUNT_FRAME_BYTES);
    // A table that cannot be taken whole is a failed read, never a completed one.
    if (!ReceiveTables(link, payload) || !LoadTablesFromPayload(target, payload))
        return OpResult::Failed;
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
        WaitCursorScope cursor(host);
        result = ReceiveMeterTable(link, target, TEXT_WAIT_FOR_CONNECT);
        if (result == OpResult::NotStarted) {
            link.LeaveOperation();
            return result;
        }
        if (result == OpResult::Completed) {
            host.SetStatus(TEXT_READ_COMPLETED);
            WindowSide* window = host.Window();
            if (window != nullptr && &target == &host.Database()) window->TablesReplacedByRead();
        } else if (result == OpResult::Failed) {
            host.SetStatus(TEXT_READ_FAILED);
        } else {
            host.SetStatus("");
        }
    }
    link.CloseLink();
    if (WindowSide* window = host.Window()) window->RefreshFormControls();
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
// encode(index, frame). Edits dispatched while we wait may shrink the table
// (liveCount); a record beyond the current count is never sent, the write
// fails instead.
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
bool SaveBackup(const SatTpDatabase& meter, const std::string& path, std::string& whyNot) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (ec) {
        whyNot = ec.message();
        return false;
    }
    constexpr int kMostNames = 1000;
    for (int n = 1; n <= kMostNames; ++n) {
        const std::string name = NumberedPath(path, n);
        if (WriteSatTpFile(meter, name.c_str(), &whyNot, ReplaceRule::Never)) return true;
        if (whyNot != std::strerror(EEXIST)) return false;
    }
    return false;
}

// The checked write between opening and closing the link: backup, write,
// read back. Every way out leaves its status (and message) shown.
template <class Transfer>
OpResult CheckedWrite(MeterLink& link, const TableWriteOptions& options, Transfer transfer) {
    OperationHost& host = link.Host();
    if (!options.backupPath.empty()) {
        auto meter = std::make_unique<SatTpDatabase>();
        ClearDatabase(*meter);
        OpResult read = ReceiveMeterTable(link, *meter, TEXT_WAIT_FOR_CONNECT);
        if (read == OpResult::Stopped) {
            host.SetStatus("");
            return read;
        }
        if (read != OpResult::Completed) {
            host.SetStatus(TEXT_BACKUP_FAILED);
            host.ShowMessage(TEXT_BACKUP_READ_FAILED);
            return OpResult::Failed;
        }
        std::string whyNot;
        if (!SaveBackup(*meter, options.backupPath, whyNot)) {
            char text[2048];
            std::snprintf(text, sizeof text, TEXT_BACKUP_SAVE_FAILED, options.backupPath.c_str(),
                          whyNot.c_str());
            host.SetStatus(TEXT_BACKUP_FAILED);
            host.ShowMessage(text);
            return OpResult::Failed;
        }
    }
    // What is sent, kept for the comparison: the tables may not change
    // during the operation, but the check must not depend on that.
    std::unique_ptr<SatTpDatabase> sent;
    if (options.verify) sent = std::make_unique<SatTpDatabase>(host.Database());
    host.SetStatus(TEXT_WAIT_FOR_CONNECT);
    CommandAnswer answer = link.OpenOperation(CMD_WRITE_TABLES);
    if (answer == CommandAnswer::Stopped) {
        host.SetStatus("");
        return OpResult::Stopped;
    }
    if (answer != CommandAnswer::Ready || !transfer()) {
        host.SetStatus(TEXT_WRITE_FAILED);
        return OpResult::Failed;
    }
    if (sent) {
        auto readBack = std::make_unique<SatTpDatabase>();
        ClearDatabase(*readBack);
        std::string problem = ReceiveMeterTable(link, *readBack, TEXT_VERIFY) == OpResult::Completed
                                  ? VerifyMessage(*sent, *readBack)
                                  : TEXT_VERIFY_READ_FAILED;
        if (!problem.empty()) {
            host.SetStatus(TEXT_VERIFY_FAILED);
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
    SatTpDatabase& db = host.Database();
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
    OpResult result;
    if (!options.verify && options.backupPath.empty()) {
        result = RunWriteOperation(link, CMD_WRITE_TABLES, TEXT_WRITE_COMPLETED, TEXT_WRITE_FAILED,
                                   transfer);
    } else {
        if (!link.EnterOperation()) return OpResult::NotStarted;
        if (WindowSide* window = host.Window()) window->RefreshFormControls();
        {
            WaitCursorScope cursor(host);
            result = CheckedWrite(link, options, transfer);
        }
        link.LeaveOperation();
    }
    if (result == OpResult::Completed) host.Flags().batchFlags |= BATCH_TABLES_DONE;
    return result;
}

}  // namespace velmora
