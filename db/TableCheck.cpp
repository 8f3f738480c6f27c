#include "db/TableCheck.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "db/InputRules.h"

namespace velmora {

namespace {

// Highest position that is not a full circle or more, in tenths of a degree.
constexpr uint16_t kMaxPosition = 3599;
// FindTp's tolerance: transponders this close count as the same one.
constexpr int64_t kDuplicateMHz = 2;


bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

std::string HexList(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

// "frequency 0 is outside 1..30000 MHz"
std::string RangeText(const NumberRule& rule, uint32_t value) {
    std::string field = rule.field;
    if (!field.empty() && field[0] >= 'A' && field[0] <= 'Z')
        field[0] = static_cast<char>(field[0] + 32);
    return field + " " + std::to_string(value) + " is outside " + std::to_string(rule.min) + ".." +
           std::to_string(rule.max) + " " + rule.unit;
}

bool InRule(const NumberRule& rule, uint32_t value) {
    return value >= rule.min && value <= rule.max;
}

class Checker {
public:
    explicit Checker(const SatTpDatabase& db)
        : db_(db),
          satCount_(std::clamp<int32_t>(db.satCount, 0, MAX_SATELLITES)),
          tpCount_(std::clamp<int32_t>(db.tpCount, 0, MAX_TPS)) {}

    std::vector<TableFinding> Run() {
        for (int l = 0; l < LNB_COUNT; ++l) CheckLnb(l);
        // Transponders per satellite, counted once rather than per satellite.
        std::vector<int> tpsOfSat(static_cast<std::size_t>(satCount_), 0);
        for (int t = 0; t < tpCount_; ++t) {
            int s = db_.tps[t].satIndex;
            if (s < satCount_) ++tpsOfSat[static_cast<std::size_t>(s)];
        }
        for (int s = 0; s < satCount_; ++s)
            CheckSatellite(s, tpsOfSat[static_cast<std::size_t>(s)]);
        IndexFirstTps();
        for (int t = 0; t < tpCount_; ++t) CheckTp(t);
        return std::move(findings_);
    }

private:
    void Add(FindingKind kind, FindingTable table, int index, std::string text, int earlier = -1) {
        findings_.push_back(TableFinding{kind, table, index, earlier, std::move(text)});
    }

    std::string SatText(int s) const {
        const SatRecord& sat = db_.satellites[s];
        return FormatPosition(sat.position) + " " + NameAsShown(SatName(sat));
    }

    std::string SatRow(int s) const { return "SAT " + std::to_string(s + 1) + ": " + SatText(s); }

    // "TP 12: 19.2E Astra 11362 H 22000", as the row reads in the list.
    std::string TpRow(int t) const {
        const TpRecord& tp = db_.tps[t];
        std::string sat = tp.satIndex < satCount_ ? SatText(tp.satIndex)
                                                  : "SAT " + std::to_string(tp.satIndex + 1);
        return "TP " + std::to_string(t + 1) + ": " + sat + " " + std::to_string(tp.frequency) +
               ((tp.flags & TP_FLAG_VERTICAL) ? " V " : " H ") + std::to_string(tp.symbolRate);
    }

    void CheckLnb(int l) {
        const LnbRecord& lnb = db_.lnbs[l];
        if (lnb.type <= 8) return;
        Add(FindingKind::LnbUnknownType, FindingTable::Lnb, l,
            "LNB " + std::to_string(l + 1) + ": unknown type " + std::to_string(lnb.type) +
                " (shown as 5150)");
    }

    void CheckSatellite(int s, int tpCount) {
        const SatRecord& sat = db_.satellites[s];
        if (sat.position > kMaxPosition) {
            Add(FindingKind::SatellitePosition, FindingTable::Satellite, s,
                SatRow(s) + ": position " + std::to_string(sat.position) +
                    " is above 3599 tenths of a degree (shown as " + FormatPosition(sat.position) +
                    ")");
        }
        std::string name = SatName(sat);
        if (!IsUtf8(name)) {
            Add(FindingKind::SatelliteNameNotUtf8, FindingTable::Satellite, s,
                SatRow(s) + ": name has bytes that are not UTF-8 (" + HexList(name) + ")");
        }
        if (tpCount == 0) {
            Add(FindingKind::SatelliteWithoutTps, FindingTable::Satellite, s,
                SatRow(s) + ": no transponders");
        }
    }

    // Key of a satellite, polarisation and frequency; the frequency is
    // shifted by the tolerance so the neighbours below 0 and above 2^32-1
    // have keys of their own.
    static uint64_t Key(uint16_t sat, bool vertical, int64_t shiftedFrequency) {
        return (static_cast<uint64_t>(sat) << 36) | (static_cast<uint64_t>(vertical) << 35) |
               static_cast<uint64_t>(shiftedFrequency);
    }

    // The first transponder of every (satellite, polarisation, frequency), so
    // a duplicate is found with five look-ups instead of a scan of the table.
    void IndexFirstTps() {
        firstTp_.reserve(static_cast<std::size_t>(tpCount_) * 2);
        for (int t = 0; t < tpCount_; ++t) {
            const TpRecord& tp = db_.tps[t];
            firstTp_.emplace(Key(tp.satIndex, tp.flags & TP_FLAG_VERTICAL,
                                 static_cast<int64_t>(tp.frequency) + kDuplicateMHz),
                             t);
        }
    }

    // FindTp's answer for this transponder's values: the first one in table
    // order that matches; it is a duplicate when that one comes earlier.
    int FirstMatch(int t) const {
        const TpRecord& tp = db_.tps[t];
        int first = t;
        int64_t shifted = static_cast<int64_t>(tp.frequency) + kDuplicateMHz;
        for (int64_t d = -kDuplicateMHz; d <= kDuplicateMHz; ++d) {
            auto it = firstTp_.find(Key(tp.satIndex, tp.flags & TP_FLAG_VERTICAL, shifted + d));
            if (it != firstTp_.end()) first = std::min(first, it->second);
        }
        return first;
    }

    void CheckTp(int t) {
        const TpRecord& tp = db_.tps[t];
        if (!InRule(kFrequencyRule, tp.frequency)) {
            Add(FindingKind::TpFrequencyRange, FindingTable::Tp, t,
                TpRow(t) + ": " + RangeText(kFrequencyRule, tp.frequency));
        }
        if (!InRule(kSymbolRateRule, tp.symbolRate)) {
            Add(FindingKind::TpSymbolRateRange, FindingTable::Tp, t,
                TpRow(t) + ": " + RangeText(kSymbolRateRule, tp.symbolRate));
        }
        if (tp.satIndex >= satCount_) {
            Add(FindingKind::TpSatelliteNotInUse, FindingTable::Tp, t,
                TpRow(t) + ": SAT " + std::to_string(tp.satIndex + 1) +
                    " is not in use (the table has " + std::to_string(satCount_) + " satellites)");
        }
        int first = FirstMatch(t);
        if (first < t) {
            const TpRecord& e = db_.tps[first];
            Add(FindingKind::TpDuplicate, FindingTable::Tp, t,
                TpRow(t) + ": duplicate of TP " + std::to_string(first + 1) + " (" +
                    std::to_string(e.frequency) + ((e.flags & TP_FLAG_VERTICAL) ? " V " : " H ") +
                    std::to_string(e.symbolRate) + ")",
                first);
        }
    }

    const SatTpDatabase& db_;
    int satCount_;
    int tpCount_;
    std::unordered_map<uint64_t, int> firstTp_;
    std::vector<TableFinding> findings_;
};

}  // namespace

// Length of the well-formed UTF-8 sequence at the start of s, 0 if none.
std::size_t Utf8SequenceLength(std::string_view s) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    auto within = [&](std::size_t i, unsigned lo, unsigned hi) {
        return i < s.size() && byte(i) >= lo && byte(i) <= hi;
    };
    unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return within(1, 0x80, 0xBF) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        unsigned lo = lead == 0xE0 ? 0xA0 : 0x80;  // overlong
        unsigned hi = lead == 0xED ? 0x9F : 0xBF;  // surrogates
        return within(1, lo, hi) && within(2, 0x80, 0xBF) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        unsigned lo = lead == 0xF0 ? 0x90 : 0x80;  // overlong
        unsigned hi = lead == 0xF4 ? 0x8F : 0xBF;  // above U+10FFFF
        return within(1, lo, hi) && within(2, 0x80, 0xBF) && within(3, 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

bool IsUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        std::size_t n = Utf8SequenceLength(bytes);
        if (n == 0) return false;
        bytes.remove_prefix(n);
    }
    return true;
}

std::string NameAsShown(std::string_view bytes) {
    bool utf8 = IsUtf8(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (IsControl(b) || (!utf8 && b >= 0x80 && b < 0xA0)) {
            out += '?';
        } else if (utf8 || b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::vector<TableFinding> CheckTable(const SatTpDatabase& db) {
    return Checker(db).Run();
}

const char* FindingKindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::LnbUnknownType:
            return "lnb-type";
        case FindingKind::SatellitePosition:
            return "satellite-position";
        case FindingKind::SatelliteNameNotUtf8:
            return "satellite-name";
        case FindingKind::SatelliteWithoutTps:
            return "satellite-without-tps";
        case FindingKind::TpFrequencyRange:
            return "tp-frequency";
        case FindingKind::TpSymbolRateRange:
            return "tp-symbol-rate";
        case FindingKind::TpSatelliteNotInUse:
            return "tp-satellite";
        case FindingKind::TpDuplicate:
            return "tp-duplicate";
    }
    return "?";
}

const char* FindingTableName(FindingTable table) {
    switch (table) {
        case FindingTable::Lnb:
            return "lnb";
        case FindingTable::Satellite:
            return "satellite";
        case FindingTable::Tp:
            return "tp";
    }
    return "?";
}

}  // namespace velmora
