#include "core/TableCheck.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "core/InputRules.h"
#include "core/TextHelpers.h"
#include "core/TextMark.h"

namespace velmora {

namespace {

// Highest position that is not a full circle or more, in tenths of a degree.
constexpr uint16_t kMaxPosition = 3599;
// FindTp's tolerance: transponders this close count as the same one.
constexpr int64_t kDuplicateMHz = 2;

// "TP 12: ...: frequency 0 is outside 3000..30000 MHz"; a template per rule, so
// the field's name is translated with the sentence.
std::string RangeText(const std::string& row, const NumberRule& rule, uint32_t value) {
    const char* templ =
        &rule == &kFrequencyRule
            ? VELMORA_TR_NOOP("Core", "%1: frequency %2 is outside %3..%4 MHz")
            : VELMORA_TR_NOOP("Core", "%1: symbol rate %2 is outside %3..%4 kS/s");
    return FillText(templ, {row, std::to_string(value), std::to_string(rule.min),
                            std::to_string(rule.max)});
}

bool InRule(const NumberRule& rule, uint32_t value) {
    return value >= rule.min && value <= rule.max;
}

class Checker {
public:
    explicit Checker(const SatTpDatabase& db)
        : db_(db), satCount_(UsedSatellites(db)), tpCount_(UsedTps(db)) {}

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
    void Add(FindingKind kind, TableKind table, int index, std::string text, int earlier = -1) {
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
        return "TP " + std::to_string(t + 1) + ": " + sat + " " + TpText(tp);
    }

    void CheckLnb(int l) {
        const LnbRecord& lnb = db_.lnbs[l];
        if (lnb.type <= 8) return;
        Add(FindingKind::LnbUnknownType, TableKind::Lnb, l,
            FillText(VELMORA_TR_NOOP("Core", "LNB %1: unknown type %2 (shown as 5150)"),
                     {std::to_string(l + 1), std::to_string(lnb.type)}));
    }

    void CheckSatellite(int s, int tpCount) {
        const SatRecord& sat = db_.satellites[s];
        if (sat.position > kMaxPosition) {
            Add(FindingKind::SatellitePosition, TableKind::Satellite, s,
                FillText(VELMORA_TR_NOOP("Core", "%1: position %2 is above 3599 tenths of a "
                                                 "degree (shown as %3)"),
                         {SatRow(s), std::to_string(sat.position),
                          FormatPosition(sat.position)}));
        }
        std::string name = SatName(sat);
        if (!IsUtf8(name)) {
            Add(FindingKind::SatelliteNameNotUtf8, TableKind::Satellite, s,
                FillText(VELMORA_TR_NOOP("Core", "%1: name has bytes that are not UTF-8 (%2)"),
                         {SatRow(s), HexText(name, " ")}));
        }
        if (tpCount == 0) {
            Add(FindingKind::SatelliteWithoutTps, TableKind::Satellite, s,
                FillText(VELMORA_TR_NOOP("Core", "%1: no transponders"), {SatRow(s)}));
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
            Add(FindingKind::TpFrequencyRange, TableKind::Tp, t,
                RangeText(TpRow(t), kFrequencyRule, tp.frequency));
        }
        if (!InRule(kSymbolRateRule, tp.symbolRate)) {
            Add(FindingKind::TpSymbolRateRange, TableKind::Tp, t,
                RangeText(TpRow(t), kSymbolRateRule, tp.symbolRate));
        }
        if (tp.satIndex < satCount_ && InRule(kFrequencyRule, tp.frequency)) CheckLnbRange(t);
        if (tp.satIndex >= satCount_) {
            Add(FindingKind::TpSatelliteNotInUse, TableKind::Tp, t,
                FillText(VELMORA_TR_NOOP("Core", "%1: SAT %2 is not in use (the table has %3 "
                                                 "satellites)"),
                         {TpRow(t), std::to_string(tp.satIndex + 1), std::to_string(satCount_)}));
        }
        int first = FirstMatch(t);
        if (first < t) {
            Add(FindingKind::TpDuplicate, TableKind::Tp, t,
                FillText(VELMORA_TR_NOOP("Core", "%1: duplicate of TP %2 (%3)"),
                         {TpRow(t), std::to_string(first + 1), TpText(db_.tps[first])}),
                first);
        }
    }

    void CheckLnbRange(int t) {
        const TpRecord& tp = db_.tps[t];
        int l = db_.satellites[tp.satIndex].lnbIndex & 0x0F;
        const LnbRecord& lnb = db_.lnbs[l];
        uint32_t low = 0;
        uint32_t high = 0;
        if (!LnbReceiveRange(lnb, low, high) || (tp.frequency >= low && tp.frequency <= high))
            return;
        Add(FindingKind::TpOutsideLnb, TableKind::Tp, t,
            FillText(VELMORA_TR_NOOP("Core", "%1: LNB %2 (%3) receives %4..%5 MHz only"),
                     {TpRow(t), std::to_string(l + 1), LnbTypeText(lnb.type, lnb.loFrequency),
                      std::to_string(low), std::to_string(high)}));
    }

    const SatTpDatabase& db_;
    int satCount_;
    int tpCount_;
    std::unordered_map<uint64_t, int> firstTp_;
    std::vector<TableFinding> findings_;
};

}  // namespace

bool LnbReceiveRange(const LnbRecord& lnb, uint32_t& lowMhz, uint32_t& highMhz) {
    // The meter's tuner input, and the LO below which an LNB is a C-band one.
    constexpr uint32_t kIfLowMhz = 950;
    constexpr uint32_t kIfHighMhz = 2150;
    constexpr uint32_t kCBandLoBelowMhz = 6000;
    struct LoPair {
        uint32_t low, high;
    };
    // Types 1..8; a C-band type is marked by a 0 pair.
    constexpr LoPair kTypeLos[9] = {{0, 0},         {9750, 10600}, {9750, 10700},
                                    {9750, 10750},  {0, 0},        {0, 0},
                                    {11300, 11300}, {10750, 10750}, {10700, 10700}};
    if (lnb.type == 4 || lnb.type == 5) {
        lowMhz = 3400;
        highMhz = 4200;
        return true;
    }
    if (lnb.type >= 1 && lnb.type <= 8) {
        lowMhz = kTypeLos[lnb.type].low + kIfLowMhz;
        highMhz = kTypeLos[lnb.type].high + kIfHighMhz;
        return true;
    }
    if (lnb.type != 0 || lnb.loFrequency == 0) return false;
    if (lnb.loFrequency < kCBandLoBelowMhz) {
        lowMhz = lnb.loFrequency > kIfHighMhz ? lnb.loFrequency - kIfHighMhz : 0;
        highMhz = lnb.loFrequency > kIfLowMhz ? lnb.loFrequency - kIfLowMhz : 0;
    } else {
        lowMhz = lnb.loFrequency + kIfLowMhz;
        highMhz = lnb.loFrequency + kIfHighMhz;
    }
    return true;
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
        case FindingKind::TpOutsideLnb:
            return "tp-lnb";
        case FindingKind::TpSatelliteNotInUse:
            return "tp-satellite";
        case FindingKind::TpDuplicate:
            return "tp-duplicate";
    }
    return "?";
}

}  // namespace velmora
