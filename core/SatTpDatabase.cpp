#include "core/SatTpDatabase.h"
#include "core/TextMark.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace velmora {

const char* const kLnbTypeNames[9] = {
    nullptr,       "9750/10600",  "9750/10700", "9750/10750", "5150V/5750H",
    "5750V/5150H", "11300",       "10750",      "10700",
};

const char* TableKindName(TableKind kind) {
    switch (kind) {
        case TableKind::Lnb:
            return "lnb";
        case TableKind::Satellite:
            return "sat";
        case TableKind::Tp:
            return "tp";
    }
    return "?";
}

int UsedSatellites(const SatTpDatabase& db) {
    return std::clamp(static_cast<int>(db.satCount), 0, MAX_SATELLITES);
}

int UsedTps(const SatTpDatabase& db) {
    return std::clamp(static_cast<int>(db.tpCount), 0, MAX_TPS);
}

void ClearDatabase(SatTpDatabase& db) { std::memset(&db, 0, sizeof db); }

void ApplyLnbDefaults(SatTpDatabase& db) {
    for (int i = 0; i < LNB_COUNT; ++i) {
        LnbRecord& l = db.lnbs[i];
        l = LnbRecord{};
        l.type = 1;
        l.power = 1;
        l.dish = 0;
        l.diseqcSwitch = 1;
        l.diseqcInput = 0;
        l.tone22k = 1;
        l.loFrequency = 5150;
    }
    // LNBs 1..4 and 5..8 step through the four committed-switch inputs;
    // 5..8 default to a C-band LO, 9 and 10 have no switch.
    for (int i = 0; i < 4; ++i) {
        db.lnbs[i].diseqcInput = static_cast<uint8_t>(i);
        db.lnbs[4 + i].type = 0;
        db.lnbs[4 + i].diseqcInput = static_cast<uint8_t>(i);
    }
    db.lnbs[8].diseqcSwitch = 0;
    db.lnbs[9].type = 0;
    db.lnbs[9].diseqcSwitch = 0;
}

void FillUnusedSatSlots(SatTpDatabase& db) {
    int from = db.satCount < 0 ? 0 : db.satCount;
    for (int i = from; i < MAX_SATELLITES; ++i) {
        SatRecord& s = db.satellites[i];
        std::memset(&s, 0, sizeof s);
        std::memcpy(s.name, UNUSED_SAT_NAME, std::strlen(UNUSED_SAT_NAME));
    }
}

PositionParts PositionText(uint16_t position) {
    int p = position <= 3600 ? position : position % 3600;
    PositionParts parts{};
    if (p <= 1800) {
        parts.degrees = p / 10;
        parts.tenth = p % 10;
        parts.hemisphere = 'E';
    } else {
        int v = 3600 - p;
        parts.degrees = v / 10;
        parts.tenth = v % 10;
        parts.hemisphere = 'W';
    }
    return parts;
}

std::string TpText(const TpRecord& tp) {
    return std::to_string(tp.frequency) + ((tp.flags & TP_FLAG_VERTICAL) ? " V " : " H ") +
           std::to_string(tp.symbolRate);
}

std::string FormatPosition(uint16_t position) {
    PositionParts p = PositionText(position);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d.%d%c", p.degrees, p.tenth, p.hemisphere);
    return buf;
}

std::string SatName(const SatRecord& sat) {
    return std::string(sat.name, strnlen(sat.name, SAT_NAME_BYTES));
}

void SetSatName(SatRecord& sat, const char* name, std::size_t length) {
    std::memset(sat.name, 0, sizeof sat.name);
    if (name == nullptr) return;
    if (length > SAT_NAME_BYTES) length = SAT_NAME_BYTES;
    std::memcpy(sat.name, name, length);
}

static std::string Label(const SatTpDatabase& db, int satIndex, const char* numberFormat) {
    if (satIndex < 0 || satIndex >= MAX_SATELLITES) return {};
    const SatRecord& s = db.satellites[satIndex];
    PositionParts p = PositionText(s.position);
    char buf[64];
    std::snprintf(buf, sizeof buf, numberFormat, satIndex + 1);
    std::string out = buf;
    std::snprintf(buf, sizeof buf, " %d.%d%c ", p.degrees, p.tenth, p.hemisphere);
    out += buf;
    out += SatName(s);
    return out;
}

std::string SatelliteLabel(const SatTpDatabase& db, int satIndex) {
    return Label(db, satIndex, "[%d]");
}

std::string SatelliteLabel03(const SatTpDatabase& db, int satIndex) {
    return Label(db, satIndex, "[%03d]");
}

std::string LnbTypeText(uint8_t type, uint32_t loFrequency) {
    if (type == 0) return std::to_string(loFrequency);
    if (type <= 8) return kLnbTypeNames[type];
    return "5150";
}

std::string DiseqcInputText(uint8_t diseqcSwitch, uint8_t diseqcInput) {
    if (diseqcSwitch == 1 && diseqcInput == 4) return VELMORA_TR_NOOP("Core", "Burst A");
    if (diseqcSwitch == 1 && diseqcInput == 5) return VELMORA_TR_NOOP("Core", "Burst B");
    return std::to_string(diseqcInput + 1);
}

// Codes outside the tables come only from a meter or a hand-made file; they
// get a visible "?" rather than a read beyond the text table.
template <std::size_t N>
static const char* Pick(const char* const (&texts)[N], uint8_t code) {
    return code < N ? texts[code] : "?";
}

const char* PowerText(uint8_t power) {
    static const char* const t[] = {VELMORA_TR_NOOP("Core", "Off"), "13/18", "13V", "18V"};
    return Pick(t, power);
}
const char* DishText(uint8_t dish) {
    static const char* const t[] = {VELMORA_TR_NOOP("Core", "Fixed"), VELMORA_TR_NOOP("Core", "Moved")};
    return Pick(t, dish);
}
const char* DiseqcSwitchText(uint8_t diseqcSwitch) {
    static const char* const t[] = {VELMORA_TR_NOOP("Core", "Off"), "V1.0", "V1.1"};
    return Pick(t, diseqcSwitch);
}
const char* Tone22kText(uint8_t tone22k) {
    static const char* const t[] = {VELMORA_TR_NOOP("Core", "Off"), "0/22K", "22K"};
    return Pick(t, tone22k);
}

std::vector<int> ListSatelliteTps(const SatTpDatabase& db, int satIndex) {
    std::vector<int> list;
    for (int t = 0; t < UsedTps(db); ++t) {
        if (db.tps[t].satIndex == satIndex) list.push_back(t);
    }
    return list;
}

int FindTp(const SatTpDatabase& db, int satIndex, uint32_t frequency, int vertical) {
    for (int t = 0; t < db.tpCount; ++t) {
        const TpRecord& tp = db.tps[t];
        if (tp.satIndex != satIndex) continue;
        if ((tp.flags & TP_FLAG_VERTICAL) != (vertical ? TP_FLAG_VERTICAL : 0)) continue;
        int64_t diff = static_cast<int64_t>(tp.frequency) - static_cast<int64_t>(frequency);
        if (diff >= -2 && diff <= 2) return t;
    }
    return -1;
}

int TpIndexForRow(const SatTpDatabase& db, int row, int satFilter) {
    if (row < 0) return -1;
    if (satFilter == -1) return row < db.tpCount ? row : -1;
    int r = 0;
    for (int t = 0; t < db.tpCount; ++t) {
        if (db.tps[t].satIndex != satFilter) continue;
        if (r == row) return t;
        ++r;
    }
    return -1;
}

int CountTpRows(const SatTpDatabase& db, int satFilter) {
    if (satFilter == -1) return db.tpCount;
    int n = 0;
    for (int t = 0; t < db.tpCount; ++t) n += db.tps[t].satIndex == satFilter;
    return n;
}

void EncodeLnb(const LnbRecord& r, uint8_t out[LNB_RECORD_SIZE]) {
    out[0] = r.type;
    out[1] = r.power;
    out[2] = r.dish;
    out[3] = r.diseqcSwitch;
    out[4] = r.diseqcInput;
    out[5] = r.tone22k;
    out[6] = r.reserved;
    out[7] = 0;
    PutU32(out + 8, r.loFrequency);
}

LnbRecord DecodeLnb(const uint8_t in[LNB_RECORD_SIZE]) {
    LnbRecord r{};
    r.type = in[0];
    r.power = in[1];
    r.dish = in[2];
    r.diseqcSwitch = in[3];
    r.diseqcInput = in[4];
    r.tone22k = in[5];
    r.reserved = in[6];
    r.padding = 0;
    r.loFrequency = GetU32(in + 8);
    return r;
}

void EncodeSat(const SatRecord& r, uint8_t out[SAT_RECORD_SIZE]) {
    std::memcpy(out, r.name, SAT_NAME_BYTES);
    out[16] = 0;
    out[17] = r.lnbIndex;  // the whole byte travels; readers mask it
    PutU16(out + 18, r.position);
}

SatRecord DecodeSat(const uint8_t in[SAT_RECORD_SIZE]) {
    SatRecord r{};
    std::memcpy(r.name, in, SAT_NAME_BYTES);
    r.name[SAT_NAME_BYTES] = 0;  // a meter's unterminated name still ends here
    r.lnbIndex = in[17];
    r.position = GetU16(in + 18);
    return r;
}

void EncodeTp(const TpRecord& r, uint8_t out[TP_RECORD_SIZE]) {
    PutU16(out, r.satIndex);
    out[2] = r.reserved;
    out[3] = r.flags;
    PutU32(out + 4, r.frequency);
    PutU32(out + 8, r.symbolRate);
}

TpRecord DecodeTp(const uint8_t in[TP_RECORD_SIZE]) {
    TpRecord r{};
    r.satIndex = GetU16(in);
    r.reserved = in[2];
    r.flags = in[3];
    r.frequency = GetU32(in + 4);
    r.symbolRate = GetU32(in + 8);
    return r;
}

}  // namespace velmora
