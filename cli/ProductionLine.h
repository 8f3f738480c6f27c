// velmora-cli batch on a production line: the same batch on several ports at
// once, each port on its own thread with its own link, host and tables, so a
// failure, hang-up or Stop on one never touches another; and with repeat,
// one meter after another on each port, found by probing for its bootloader
// (a batch with a firmware step) or for the meter itself (any other batch).
// Every meter gets a summary row and, with a report file, a JSON line.
#pragma once

#include "meter/TableTransfer.h"

#include <chrono>
#include <ctime>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "core/SatTpDatabase.h"
#include "service/BatchReport.h"
#include "bootloader/Bootloader.h"
#include "meter/MeterLink.h"
#include "records/UnitLog.h"
#include "core/SatTpDatabase.h"
#include "service/BatchReport.h"
#include "bootloader/Bootloader.h"
#include "meter/MeterLink.h"

namespace velmora::cli {

struct LineJob {
    std::string soft;
    std::string icon;
    std::string logo;
    const SatTpDatabase* tables = nullptr;  // null: no table step
    BatchTiming timing;
    std::chrono::microseconds pollPeriod{3000};
    // Serve one meter after another until Ctrl+C or count meters (0: no end).
    bool repeat = false;
    int count = 0;
    // A probe for the next meter starts this often and waits probeAnswer for
    // the bootloader's answer.
    std::chrono::milliseconds probeInterval{1000};
    std::chrono::milliseconds probeAnswer{100};
    std::string reportPath;  // empty: no report
    // Verify and back up the table write; every meter's backup gets a name
    // of its own beside the one given (see BackupPathForMeter).
    TableWriteOptions tableChecks;
    // Where every meter's unit record goes, and the job's limit; null: none.
    records::UnitLog* units = nullptr;
};

// The backup file of the meter on device at the local time when: "bk/meter.csv"
// for /dev/ttyUSB0 becomes "bk/meter-_dev_ttyUSB0-20261208-093000.csv" (the
// device's whole path, slashes as '_', so ports whose paths end alike differ).
// A name taken already gets "-2", "-3", ... when the backup is saved.
std::string BackupPathForMeter(const std::string& path, const std::string& device,
                               std::time_t when);

// Runs one meter's batch on the link (the link's host shows it) and fills
// the record; with synchronised the firmware step skips its INIT because a
// probe's was acknowledged. Appends the report line when the job asks for
// one; a line that cannot be written is said on err.
BatchRecord RunMeterBatch(MeterLink& link, const std::string& portName, const LineJob& job,
                          bool synchronised, BootOptions boot = {},
                          RecordingSteps::StepEvent onStep = {});

// Appends the record's line to the job's report file; false (said on err)
// when it cannot be written.
bool AppendToReport(const LineJob& job, const BatchRecord& record, std::ostream& err);

// Runs the job on every port at once (or one after another with repeat);
// live: err is a terminal, so each port's line is redrawn in place. Prints
// the summary table on out. Returns the exit status.
int RunProductionLine(const std::vector<std::string>& ports, const LineJob& job, CliStreams& io,
                      bool live);

}  // namespace velmora::cli
