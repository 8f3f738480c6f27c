// Moving the whole table (16 LNBs, the satellites, the transponders) between
// the PC and the meter. A read collects the payloads in memory and replaces
// the tables only after the last frame arrived intact.
#pragma once

#include <vector>

#include "meter/MeterLink.h"

namespace velmora {

// The received payload sizes: 16 LNBs, two count frames.
inline constexpr int LNB_BLOCK_BYTES = LNB_COUNT * static_cast<int>(LNB_RECORD_SIZE);
inline constexpr int COUNT_FRAME_BYTES = 4;

OpResult ReadTablesFromMeter(MeterLink& link);
// The same read into target instead of the host's tables (a comparison with
// the meter, a backup): target is cleared first and the host's tables and
// view are left alone.
OpResult ReadMeterTable(MeterLink& link, SatTpDatabase& target);
// The read inside an operation that already holds the link: the command,
// the frames, the table into target. Shows status first; Failed when the
// frames do not make a whole table (target unchanged then).
OpResult ReceiveMeterTable(MeterLink& link, SatTpDatabase& target, const char* status);
// Does nothing (NotStarted) without satellites; sets BATCH_TABLES_DONE on success.
OpResult WriteTablesToMeter(MeterLink& link);

struct TableWriteOptions {
    // Read the table back after the last frame was acknowledged and compare
    // it with what was sent: "Verify Failed ! " and a message when it differs.
    bool verify = false;
    // Where the meter's table is saved (as sattp.csv, atomically, its folder
    // created) before any frame of the write is sent; empty: no backup. When
    // the read or the save fails the write does not start ("Backup Failed ! ").
    std::string backupPath;
    // The table to write; null: the host's tables. A backup written back
    // goes from a table of its own, leaving the host's document alone.
    const SatTpDatabase* table = nullptr;
};

// The write with its checks, all on one opening of the port.
OpResult WriteTablesToMeter(MeterLink& link, const TableWriteOptions& options);
// Parses the received payloads (16 LNBs, count, satellites, count,
// transponders) into the tables. False, with the tables unchanged, when they
// do not hold a whole table.
bool LoadTablesFromPayload(SatTpDatabase& db, const std::vector<uint8_t>& payload);

}  // namespace velmora
