// Reads arbitrary bytes as sattp.csv, checks the table invariants, runs the
// table check over it, writes the table back and reads that file again.
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "db/SatTpFile.h"
#include "db/TableCheck.h"

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

// The input lives in a memory file reached by its /proc path, the output in
// a private folder on the memory file system; both are made once.
struct Files {
    int input = -1;
    char inputPath[64] = {};
    char outputPath[128] = {};

    Files() {
        input = memfd_create("sattp-input", MFD_CLOEXEC);
        Check(input >= 0);
        std::snprintf(inputPath, sizeof inputPath, "/proc/self/fd/%d", input);
        char folder[] = "/dev/shm/fuzz-sattp-XXXXXX";
        char fallback[] = "/tmp/fuzz-sattp-XXXXXX";
        const char* made = mkdtemp(folder);
        if (made == nullptr) made = mkdtemp(fallback);
        Check(made != nullptr);
        std::snprintf(outputPath, sizeof outputPath, "%s/out.csv", made);
        std::snprintf(folderPath, sizeof folderPath, "%s", made);
    }
    // A static object: this runs when libFuzzer exits normally.
    ~Files() {
        unlink(outputPath);
        rmdir(folderPath);
    }
    char folderPath[128] = {};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Files files;
    Check(ftruncate(files.input, 0) == 0);
    Check(pwrite(files.input, data, size, 0) == static_cast<ssize_t>(size));

    // A recognisable table, so that a failed read can be seen to change nothing.
    std::memset(&g_before, 0xA5, sizeof g_before);
    g_before.satCount = 7;
    g_before.tpCount = 9;
    g_db = g_before;
    if (ReadSatTpFile(g_db, files.inputPath) != 0) {
        Check(std::memcmp(&g_db, &g_before, sizeof g_db) == 0);
        return 0;
    }
    CheckInvariants(g_db);
    // Every finding points at a row that exists in its table.
    for (const TableFinding& f : CheckTable(g_db)) {
        int rows = f.table == FindingTable::Lnb         ? LNB_COUNT
                   : f.table == FindingTable::Satellite ? g_db.satCount
                                                        : g_db.tpCount;
        Check(f.index >= 0 && f.index < rows && f.earlierTp < f.index && !f.text.empty());
    }

    Check(WriteSatTpFile(g_db, files.outputPath));
    Check(ReadSatTpFile(g_back, files.outputPath) == 0);
    CheckInvariants(g_back);
    // Writing drops and merges satellites and TPs, it never adds any.
    Check(g_back.satCount <= g_db.satCount);
    Check(g_back.tpCount <= g_db.tpCount);
    return 0;
}
