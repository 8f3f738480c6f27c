// The sattp.csv writer: the same text into a file or into memory.
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/AtomicFile.h"
#include "core/SatTpFile.h"

namespace velmora {

namespace {

constexpr std::string_view kHeaderLine =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n";

// Output collected in a fixed buffer and written in large blocks, to a
// descriptor or (without one) to a string; the first failed write sticks,
// so the caller checks once at the end.
class BlockWriter {
public:
    explicit BlockWriter(int fd) : fd_(fd) {}
    explicit BlockWriter(std::string& text) : text_(&text) {}

    void Put(std::string_view text) {
        if (used_ + text.size() > sizeof buffer_) Drain();
        if (text.size() > sizeof buffer_) {
            WriteAll(text.data(), text.size());
            return;
        }
        std::memcpy(buffer_ + used_, text.data(), text.size());
        used_ += text.size();
    }

    // "%d" of the original format strings: the 32-bit fields print signed.
    void PutInt(int64_t value) {
        char digits[24];
        auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
        (void)ec;
        Put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }

    bool Finish() {
        Drain();
        return ok_;
    }

private:
    void Drain() {
        WriteAll(buffer_, used_);
        used_ = 0;
    }

    void WriteAll(const char* data, std::size_t size) {
        if (text_ != nullptr) {
            text_->append(data, size);
            return;
        }
        ok_ = ok_ && WriteAllBytes(fd_, data, size);
    }

    int fd_ = -1;
    std::string* text_ = nullptr;
    bool ok_ = true;
    std::size_t used_ = 0;
    char buffer_[32768];
};

void PutLnbColumns(BlockWriter& out, const LnbRecord& lnb) {
    if (lnb.type == 0) {
        out.PutInt(static_cast<int32_t>(lnb.loFrequency));
        out.Put(",");
    } else if (lnb.type <= 8) {
        out.Put(kLnbTypeNames[lnb.type]);
        out.Put(",");
    } else {
        out.Put("5150,");
    }
    // A moved dish or a switch that is off leaves the column empty.
    if (lnb.dish != 1 && (lnb.diseqcSwitch == 1 || lnb.diseqcSwitch == 2)) {
        out.PutInt(lnb.diseqcInput + 1);
        if (lnb.diseqcSwitch == 2) out.Put("-V1.1");
    }
    out.Put(",");
}

void PutSatelliteColumns(BlockWriter& out, const SatTpDatabase& db, const SatRecord& sat) {
    // A comma in a name would shift every column of the line, a line end
    // would split it: both are written as blanks.
    char name[SAT_NAME_BYTES];
    std::size_t length = strnlen(sat.name, SAT_NAME_BYTES);
    for (std::size_t i = 0; i < length; ++i) {
        char c = sat.name[i];
        name[i] = (c == ',' || c == '\r' || c == '\n') ? ' ' : c;
    }
    out.Put(std::string_view(name, length));
    out.Put(",");

    PositionParts pos = PositionText(sat.position);
    out.PutInt(pos.degrees);
    out.Put(".");
    out.PutInt(pos.tenth);
    out.Put(pos.hemisphere == 'W' ? "W," : "E,");

    int lnb = sat.lnbIndex & 0x0F;
    out.PutInt(lnb + 1);
    out.Put(",");
    PutLnbColumns(out, db.lnbs[lnb]);
}

void PutTpColumns(BlockWriter& out, const TpRecord& tp) {
    out.PutInt(static_cast<int32_t>(tp.frequency));
    out.Put(",");
    out.PutInt(static_cast<int32_t>(tp.symbolRate));
    out.Put((tp.flags & TP_FLAG_VERTICAL) != 0 ? ",V," : ",H,");
    out.Put((tp.flags & TP_FLAG_UNIQUE) != 0 ? "Y,\r\n" : " ,\r\n");
}

bool WriteTable(BlockWriter& out, const SatTpDatabase& db) {
    out.Put(kHeaderLine);
    // Every transponder of every slot, not only of those below satCount: a
    // meter may deliver TPs of a slot beyond it, and those are written with
    // that slot's record. Gathered per slot in one pass over the table.
    std::vector<std::vector<int>> bySatellite(MAX_SATELLITES);
    for (int t = 0; t < UsedTps(db); ++t) {
        if (db.tps[t].satIndex < MAX_SATELLITES) bySatellite[db.tps[t].satIndex].push_back(t);
    }
    for (int s = 0; s < MAX_SATELLITES; ++s) {
        const std::vector<int>& list = bySatellite[s];
        if (list.empty()) continue;
        PutSatelliteColumns(out, db, db.satellites[s]);
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (i > 0) out.Put(",,,,,");
            PutTpColumns(out, db.tps[list[i]]);
        }
    }
    return out.Finish();
}

}  // namespace

std::string SatTpText(const SatTpDatabase& db) {
    std::string text;
    BlockWriter out(text);
    WriteTable(out, db);
    return text;
}

bool WriteSatTpFile(const SatTpDatabase& db, const char* path, std::string* whyNot,
                    ReplaceRule rule) {
    if (path == nullptr) {
        if (whyNot != nullptr) *whyNot = "no file name";
        return false;
    }
    auto write = [&db](int fd) {
        BlockWriter out(fd);
        return WriteTable(out, db);
    };
    return WriteFileThrough(path, rule, write, whyNot);
}

}  // namespace velmora
