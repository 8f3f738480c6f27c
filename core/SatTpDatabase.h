// The meter's tuning table: 16 LNB settings, up to 300 satellites and up to
// 8000 transponders, in the byte layouts the meter itself uses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

inline constexpr int LNB_COUNT = 16;
inline constexpr int MAX_SATELLITES = 300;
inline constexpr int MAX_TPS = 8000;

inline constexpr uint8_t TP_FLAG_VERTICAL = 0x01;
inline constexpr uint8_t TP_FLAG_UNIQUE = 0x02;

inline constexpr std::size_t LNB_RECORD_SIZE = 12;
inline constexpr std::size_t SAT_RECORD_SIZE = 20;
inline constexpr std::size_t TP_RECORD_SIZE = 12;
inline constexpr std::size_t SAT_NAME_BYTES = 16;

// Name used for the satellite slots beyond satCount after a load.
inline constexpr const char* UNUSED_SAT_NAME = "-----";

struct LnbRecord {
    uint8_t type;          // 0: loFrequency, 1..8: fixed LO pairs, 9..255 shown as 5150
    uint8_t power;         // 0 Off, 1 13/18, 2 13V, 3 18V
    uint8_t dish;          // 0 Fixed, 1 Moved
    uint8_t diseqcSwitch;  // 0 Off, 1 V1.0, 2 V1.1
    uint8_t diseqcInput;   // 0-based switch input
    uint8_t tone22k;       // 0 Off, 1 0/22K, 2 22K
    uint8_t reserved;      // kept as received from the meter
    uint8_t padding;       // carries nothing, written as 0
    uint32_t loFrequency;  // MHz, used when type is 0
};

struct SatRecord {
    // Bytes 0..15 hold the name, byte 16 is the terminator that is always 0,
    // so a full 16-byte name still reads as a C string.
    char name[SAT_NAME_BYTES + 1];
    uint8_t lnbIndex;   // low 4 bits: LNB record; high 4 bits written as 0
    uint16_t position;  // tenths of a degree counted eastward, 0..3600
};

struct TpRecord {
    uint16_t satIndex;
    uint8_t reserved;
    uint8_t flags;  // TP_FLAG_VERTICAL, TP_FLAG_UNIQUE
    uint32_t frequency;   // MHz
    uint32_t symbolRate;  // kS/s
};

static_assert(sizeof(LnbRecord) == LNB_RECORD_SIZE, "LnbRecord is 12 bytes on the wire");
static_assert(sizeof(SatRecord) == SAT_RECORD_SIZE, "SatRecord is 20 bytes on the wire");
static_assert(sizeof(TpRecord) == TP_RECORD_SIZE, "TpRecord is 12 bytes on the wire");

struct SatTpDatabase {
    LnbRecord lnbs[LNB_COUNT];
    SatRecord satellites[MAX_SATELLITES];
    int32_t satCount;
    TpRecord tps[MAX_TPS];
    int32_t tpCount;
};

// The three tables, for whatever points into one of them: a finding, a
// difference, a row to select.
enum class TableKind { Lnb, Satellite, Tp };

// "lnb", "sat" or "tp", as machine-readable output names the tables.
const char* TableKindName(TableKind kind);

// The counts of satellites and transponders in use, clamped to 0..capacity,
// so that a count read from a file or a meter never reaches past its array.
int UsedSatellites(const SatTpDatabase& db);
int UsedTps(const SatTpDatabase& db);

// Zero-fills the whole database, as at process start.
void ClearDatabase(SatTpDatabase& db);

// Writes the default LNB table into db.lnbs.
void ApplyLnbDefaults(SatTpDatabase& db);

// Slots satCount..299 get the name "-----", LNB 0 and position 0.
void FillUnusedSatSlots(SatTpDatabase& db);

struct PositionParts {
    int degrees;
    int tenth;
    char hemisphere;  // 'E' or 'W'
};

// Splits an orbital position into whole degrees, tenth and hemisphere.
// Values above 3600 never come from this program, but a meter or a file can
// deliver them; they are taken modulo 3600 so the text stays well-formed.
PositionParts PositionText(uint16_t position);

// "19.2E", "30.0W".
std::string FormatPosition(uint16_t position);

// "11362 H 22000": frequency, polarisation and symbol rate, as lists and
// messages name a transponder.
std::string TpText(const TpRecord& tp);

// Tree and list label: "[%d] %d.%dE %s" with index + 1 and the raw name bytes.
std::string SatelliteLabel(const SatTpDatabase& db, int satIndex);

// Dialog and confirmation label: "[%03d] %d.%dE %s".
std::string SatelliteLabel03(const SatTpDatabase& db, int satIndex);

// The satellite's name bytes up to the terminator.
std::string SatName(const SatRecord& sat);

// Stores the first 16 bytes of name and terminates it.
void SetSatName(SatRecord& sat, const char* name, std::size_t length);

std::string LnbTypeText(uint8_t type, uint32_t loFrequency);
std::string DiseqcInputText(uint8_t diseqcSwitch, uint8_t diseqcInput);
const char* PowerText(uint8_t power);
const char* DishText(uint8_t dish);
const char* DiseqcSwitchText(uint8_t diseqcSwitch);
const char* Tone22kText(uint8_t tone22k);

// The texts of LNB types 1..8, index 0 unused.
extern const char* const kLnbTypeNames[9];

// Indexes of satellite satIndex's transponders in table order, every one of
// them (a satellite may hold all MAX_TPS).
std::vector<int> ListSatelliteTps(const SatTpDatabase& db, int satIndex);

// First transponder of satIndex with the same polarisation bit and a frequency
// within 2 MHz; -1 when there is none.
int FindTp(const SatTpDatabase& db, int satIndex, uint32_t frequency, int vertical);

// Index in tps of the row-th transponder that passes the filter (-1: all);
// -1 when there are fewer rows.
int TpIndexForRow(const SatTpDatabase& db, int row, int satFilter);

// Number of transponders that pass the filter.
int CountTpRows(const SatTpDatabase& db, int satFilter);

// Explicit little-endian record layouts, shared by the meter link, the
// download temp file and the factory image.
void EncodeLnb(const LnbRecord& rec, uint8_t out[LNB_RECORD_SIZE]);
LnbRecord DecodeLnb(const uint8_t in[LNB_RECORD_SIZE]);
void EncodeSat(const SatRecord& rec, uint8_t out[SAT_RECORD_SIZE]);
SatRecord DecodeSat(const uint8_t in[SAT_RECORD_SIZE]);
void EncodeTp(const TpRecord& rec, uint8_t out[TP_RECORD_SIZE]);
TpRecord DecodeTp(const uint8_t in[TP_RECORD_SIZE]);

inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t GetU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace velmora
