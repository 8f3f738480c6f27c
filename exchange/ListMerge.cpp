#include "exchange/ListMerge.h"

#include <memory>

namespace velmora {

namespace {

constexpr uint32_t kCBandBelowMhz = 5000;
constexpr uint32_t kKaBandFromMhz = 15000;
constexpr uint32_t kCBandLoBelowMhz = 6000;
constexpr uint32_t kKaLoFromMhz = 15000;

// kHz to MHz (or S/s to kS/s), halves up; false when it does not fit the
// table's 32-bit field.
bool RoundThousands(uint64_t value, uint32_t& rounded) {
    uint64_t r = value / 1000 + (value % 1000 >= 500 ? 1 : 0);
    if (r > UINT32_MAX) return false;
    rounded = static_cast<uint32_t>(r);
    return true;
}

struct TableTp {
    uint32_t frequency;
    uint32_t symbolRate;
    bool vertical;
};

std::vector<TableTp> ValidTransponders(const SourceSatellite& sat, int& invalid) {
    std::vector<TableTp> valid;
    valid.reserve(sat.tps.size());
    for (const SourceTp& s : sat.tps) {
        TableTp t{};
        if (TableTransponder(s, t.frequency, t.symbolRate, t.vertical)) {
            valid.push_back(t);
        } else {
            ++invalid;
        }
    }
    return valid;
}

Band BandOf(const std::vector<TableTp>& tps) {
    if (tps.empty()) return Band::Ku;
    bool allC = true;
    bool allKa = true;
    for (const TableTp& t : tps) {
        allC = allC && t.frequency < kCBandBelowMhz;
        allKa = allKa && t.frequency >= kKaBandFromMhz;
    }
    return allC ? Band::C : allKa ? Band::Ka : Band::Ku;
}

Band LnbBand(const LnbRecord& lnb) {
    if (lnb.type == 4 || lnb.type == 5) return Band::C;
    // An all-zero record is an LNB nobody set up (the tables before anything
    // was loaded), not a C-band one; calling it C-band would make every
    // satellite of a fresh table miss its Ku list on the next import.
    if (lnb.type == 0 && lnb.loFrequency == 0) return Band::Ku;
    if (lnb.type == 0 && lnb.loFrequency < kCBandLoBelowMhz) return Band::C;
    if (lnb.type == 0 && lnb.loFrequency >= kKaLoFromMhz) return Band::Ka;
    return Band::Ku;
}

// Deletes every transponder of satIndex, the others keeping their order;
// returns how many went.
int DeleteSatelliteTps(SatTpDatabase& db, int satIndex) {
    int kept = 0;
    for (int t = 0; t < db.tpCount; ++t) {
        if (db.tps[t].satIndex != satIndex) db.tps[kept++] = db.tps[t];
    }
    int deleted = db.tpCount - kept;
    db.tpCount = kept;
    return deleted;
}

void AddTransponders(SatTpDatabase& db, int satIndex, const std::vector<TableTp>& tps,
                     MergeCounts& counts) {
    for (const TableTp& t : tps) {
        if (FindTp(db, satIndex, t.frequency, t.vertical ? 1 : 0) >= 0) {
            ++counts.duplicates;
        } else if (db.tpCount >= MAX_TPS) {
            ++counts.leftOut;
        } else {
            TpRecord& r = db.tps[db.tpCount++];
            r = TpRecord{};
            r.satIndex = static_cast<uint16_t>(satIndex);
            r.flags = t.vertical ? TP_FLAG_VERTICAL : 0;
            r.frequency = t.frequency;
            r.symbolRate = t.symbolRate;
            ++counts.transpondersAdded;
        }
    }
}

int ValidLnb(int lnb, int fallback) { return lnb >= 0 && lnb < LNB_COUNT ? lnb : fallback; }

}  // namespace

std::string MergeSummary(const MergeCounts& c) {
    return "matched " + std::to_string(c.matched) + ", added " + std::to_string(c.satellitesAdded) +
           " satellites and " + std::to_string(c.transpondersAdded) + " transponders, " +
           std::to_string(c.duplicates) + " duplicates skipped, " + std::to_string(c.replaced) +
           " replaced, " + std::to_string(c.leftOut) + " left out (table full), " +
           std::to_string(c.invalid) + " invalid";
}

bool TableTransponder(const SourceTp& source, uint32_t& frequencyMhz, uint32_t& symbolRateKs,
                      bool& vertical) {
    if (source.pol == SourcePol::Missing || source.pol == SourcePol::Unknown) return false;
    if (!RoundThousands(source.frequency, frequencyMhz) ||
        !RoundThousands(source.symbolRate, symbolRateKs))
        return false;
    vertical = source.pol == SourcePol::V || source.pol == SourcePol::R;
    return frequencyMhz != 0 && symbolRateKs != 0;
}

Band SourceBand(const SourceSatellite& sat) {
    int invalid = 0;
    return BandOf(ValidTransponders(sat, invalid));
}

Band TableBand(const SatTpDatabase& db, int satIndex) {
    return LnbBand(db.lnbs[db.satellites[satIndex].lnbIndex & 0x0F]);
}

int MatchingSatellite(const SatTpDatabase& db, int position, Band band) {
    int count = db.satCount < MAX_SATELLITES ? db.satCount : MAX_SATELLITES;
    for (int s = 0; s < count; ++s) {
        if (db.satellites[s].position == position && TableBand(db, s) == band) return s;
    }
    return -1;
}

int DefaultCBandLnb(const SatTpDatabase& db) {
    for (int l = 0; l < LNB_COUNT; ++l)
        if (LnbBand(db.lnbs[l]) == Band::C) return l;
    return 0;
}

std::string TableSatelliteName(const SourceSatellite& sat) {
    int tenths = 0;
    std::string_view name = sat.name;
    std::size_t skip = LeadingPositionText(name, tenths);
    std::string_view rest = name.substr(skip);
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    if (rest.empty()) rest = name;
    std::string out;
    for (char c : rest) out += c == ',' || c == '\r' || c == '\n' ? ' ' : c;
    if (out.empty()) out = FormatPosition(static_cast<uint16_t>(sat.position));
    if (out.size() > SAT_NAME_BYTES) {
        std::size_t cut = SAT_NAME_BYTES;
        // Never leave half a character: back up over continuation bytes.
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) --cut;
        out.resize(cut);
    }
    return out;
}

MergeCounts MergeTransponderList(SatTpDatabase& db, const SourceList& list,
                                 const MergeOptions& options) {
    MergeCounts counts;
    // A table satellite is emptied by replace only the first time a source
    // satellite meets it, so several lists of one position all end up in it.
    std::vector<bool> cleared(MAX_SATELLITES, false);
    int kuLnb = ValidLnb(options.kuLnb, 0);
    int cLnb = ValidLnb(options.cBandLnb, DefaultCBandLnb(db));
    for (std::size_t i = 0; i < list.satellites.size(); ++i) {
        if (!options.selected.empty() && (i >= options.selected.size() || !options.selected[i]))
            continue;
        const SourceSatellite& sat = list.satellites[i];
        std::vector<TableTp> tps = ValidTransponders(sat, counts.invalid);
        Band band = BandOf(tps);
        int target = MatchingSatellite(db, sat.position, band);
        if (target >= 0) {
            ++counts.matched;
            if (options.replace && !cleared[target]) {
                counts.replaced += DeleteSatelliteTps(db, target);
                cleared[target] = true;
            }
            AddTransponders(db, target, tps, counts);
            continue;
        }
        if (db.satCount >= MAX_SATELLITES || db.tpCount >= MAX_TPS) {
            counts.leftOut += static_cast<int>(tps.size());
            continue;
        }
        if (tps.empty()) continue;
        target = db.satCount++;
        SatRecord& rec = db.satellites[target];
        rec = SatRecord{};
        std::string name = TableSatelliteName(sat);
        SetSatName(rec, name.data(), name.size());
        rec.lnbIndex = static_cast<uint8_t>(band == Band::C ? cLnb : kuLnb);
        rec.position = static_cast<uint16_t>(sat.position);
        cleared[target] = true;
        ++counts.satellitesAdded;
        AddTransponders(db, target, tps, counts);
    }
    return counts;
}

MergeCounts PreviewMerge(const SatTpDatabase& db, const SourceList& list,
                         const MergeOptions& options) {
    auto copy = std::make_unique<SatTpDatabase>(db);
    return MergeTransponderList(*copy, list, options);
}

}  // namespace velmora
