// Reads arbitrary bytes as sattp.csv, checks the table invariants and the
// read report, runs the table check over it, writes the table's text and
// reads that again.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/SatTpFile.h"
#include "core/TableCheck.h"

using namespace velmora;

namespace {

SatTpDatabase g_db;
SatTpDatabase g_before;
SatTpDatabase g_back;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

void CheckInvariants(const SatTpDatabase& db) {
    Check(db.satCount >= 0 && db.satCount <= MAX_SATELLITES);
    Check(db.tpCount >= 0 && db.tpCount <= MAX_TPS);
    for (int t = 0; t < db.tpCount; ++t) Check(db.tps[t].satIndex < db.satCount);
    for (const SatRecord& s : db.satellites) Check(s.name[SAT_NAME_BYTES] == '\0');
    for (int s = 0; s < db.satCount; ++s) Check(db.satellites[s].lnbIndex < LNB_COUNT);
}

// Each finding is one line of text with no control byte in it.
void CheckReport(const SatTpReadReport& report) {
    Check(report.findings.size() <= SatTpReadReport::kListed);
    for (const std::string& text : report.findings) {
        Check(!text.empty());
        for (char c : text) Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    // A recognisable table, so that a failed read can be seen to change nothing.
    std::memset(&g_before, 0xA5, sizeof g_before);
    g_before.satCount = 7;
    g_before.tpCount = 9;
    g_db = g_before;
    SatTpReadReport report;
    if (ReadSatTpText(g_db, input, nullptr, &report) != 0) {
        Check(std::memcmp(&g_db, &g_before, sizeof g_db) == 0);
        return 0;
    }
    CheckInvariants(g_db);
    CheckReport(report);
    // Every finding points at a row that exists in its table.
    for (const TableFinding& f : CheckTable(g_db)) {
        int rows = f.table == TableKind::Lnb         ? LNB_COUNT
                   : f.table == TableKind::Satellite ? g_db.satCount
                                                     : g_db.tpCount;
        Check(f.index >= 0 && f.index < rows && f.earlierTp < f.index && !f.text.empty());
    }

    // What the writer writes reads back whole: nothing skipped, nothing cut.
    // Its only note can be a frequency of 2^31 MHz or more, which it prints
    // negative and which reads back as itself.
    SatTpReadReport backReport;
    Check(ReadSatTpText(g_back, SatTpText(g_db), nullptr, &backReport) == 0);
    for (const std::string& text : backReport.findings)
        Check(text.find(": frequency \"-") != std::string::npos &&
              text.find("\" is negative; stored as ") != std::string::npos);
    CheckInvariants(g_back);
    // Writing drops and merges satellites and TPs, it never adds any.
    Check(g_back.satCount <= g_db.satCount);
    Check(g_back.tpCount <= g_db.tpCount);
    return 0;
}
