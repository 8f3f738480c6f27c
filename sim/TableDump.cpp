#include "sim/TableDump.h"

#include <cstdio>
#include <memory>

#include "core/SatTpFile.h"

namespace velmora::sim {

namespace {

constexpr std::size_t kCountBytes = 4;

void AppendCount(std::vector<uint8_t>& out, int count) {
    uint8_t bytes[kCountBytes] = {};
    PutU16(bytes, static_cast<uint16_t>(count));
    out.insert(out.end(), bytes, bytes + kCountBytes);
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::vector<uint8_t> EncodeTableDump(const SatTpDatabase& db) {
    std::vector<uint8_t> out;
    uint8_t record[SAT_RECORD_SIZE];
    for (const LnbRecord& lnb : db.lnbs) {
        EncodeLnb(lnb, record);
        out.insert(out.end(), record, record + LNB_RECORD_SIZE);
    }
    AppendCount(out, db.satCount);
    for (int i = 0; i < db.satCount; ++i) {
        EncodeSat(db.satellites[i], record);
        out.insert(out.end(), record, record + SAT_RECORD_SIZE);
    }
    AppendCount(out, db.tpCount);
    for (int i = 0; i < db.tpCount; ++i) {
        EncodeTp(db.tps[i], record);
        out.insert(out.end(), record, record + TP_RECORD_SIZE);
    }
    return out;
}

bool DecodeTableDump(const std::vector<uint8_t>& dump, SatTpDatabase& db) {
    const std::size_t lnbBytes = LNB_COUNT * LNB_RECORD_SIZE;
    if (dump.size() < lnbBytes + kCountBytes) return false;
    const std::size_t sats = GetU16(&dump[lnbBytes]);
    const std::size_t tpCountAt = lnbBytes + kCountBytes + sats * SAT_RECORD_SIZE;
    if (sats > MAX_SATELLITES || dump.size() < tpCountAt + kCountBytes) return false;
    const std::size_t tps = GetU16(&dump[tpCountAt]);
    const std::size_t tpsAt = tpCountAt + kCountBytes;
    if (tps > MAX_TPS || dump.size() < tpsAt + tps * TP_RECORD_SIZE) return false;
    for (std::size_t i = 0; i < LNB_COUNT; ++i) db.lnbs[i] = DecodeLnb(&dump[i * LNB_RECORD_SIZE]);
    db.satCount = static_cast<int32_t>(sats);
    for (std::size_t i = 0; i < sats; ++i)
        db.satellites[i] = DecodeSat(&dump[lnbBytes + kCountBytes + i * SAT_RECORD_SIZE]);
    FillUnusedSatSlots(db);
    db.tpCount = static_cast<int32_t>(tps);
    for (std::size_t i = 0; i < tps; ++i) db.tps[i] = DecodeTp(&dump[tpsAt + i * TP_RECORD_SIZE]);
    return true;
}

bool LoadTableFile(const std::string& path, std::vector<uint8_t>& dump) {
    if (EndsWith(path, ".bin")) return ReadBinaryFile(path, dump);
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    if (ReadSatTpFile(*db, path.c_str()) != 0) return false;
    dump = EncodeTableDump(*db);
    return true;
}

bool WriteBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    // An empty file is written too; fwrite may not be given a null buffer.
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

bool ReadBinaryFile(const std::string& path, std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    bytes.clear();
    uint8_t chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    bool ok = std::ferror(file) == 0;
    std::fclose(file);
    return ok;
}

}  // namespace velmora::sim
