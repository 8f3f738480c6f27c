// Builds two tables from arbitrary bytes (any counts, satellite indexes,
// names and flags, as a hand-made file or a faulty meter may deliver) and
// runs the comparison, its lines and the check after a write on them.
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/TableCompare.h"
#include "meter/TableVerify.h"

using namespace velmora;

namespace {

SatTpDatabase g_a;
SatTpDatabase g_b;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// Records are taken from the bytes over and over, so a short input still
// fills a whole table; the first bytes choose the counts, sometimes outside
// the limits.
void Build(SatTpDatabase& db, const uint8_t* data, std::size_t size) {
    ClearDatabase(db);
    if (size < 4) return;
    std::size_t at = 4;
    uint8_t record[SAT_RECORD_SIZE];
    auto next = [&](std::size_t length) {
        for (std::size_t i = 0; i < length; ++i) record[i] = data[at++ % size];
        return record;
    };
    for (LnbRecord& l : db.lnbs) l = DecodeLnb(next(LNB_RECORD_SIZE));
    for (SatRecord& s : db.satellites) s = DecodeSat(next(SAT_RECORD_SIZE));
    for (TpRecord& t : db.tps) t = DecodeTp(next(TP_RECORD_SIZE));
    if (data[3] & 1) {
        std::memcpy(&db.satCount, data, 2);
        db.satCount -= 1000;
        std::memcpy(&db.tpCount, data + 1, 2);
        db.tpCount *= -(data[3] >> 1);
    } else {
        db.satCount = data[0] % (MAX_SATELLITES + 1);
        db.tpCount = (data[1] | data[2] << 8) % (MAX_TPS + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::size_t half = size / 2;
    Build(g_a, data, half);
    Build(g_b, data + half, size - half);
    TableComparison c = CompareTables(g_a, g_b);
    for (const TableDifference& d : c.differences) Check(!DifferenceLine(d).empty());
    // A table never differs from itself.
    Check(CompareTables(g_a, g_a).Equal() && !CompareTables(g_a, g_a).orderDiffers);
    Check(VerifyMessage(g_b, g_b).empty());
    return 0;
}
