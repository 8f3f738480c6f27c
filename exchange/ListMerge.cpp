#include "exchange/ListMerge.h"

#include <algorithm>
#include <memory>

#include "core/InputRules.h"
#include "core/TextHelpers.h"
#include "core/TextMark.h"
#include "exchange/ListText.h"

namespace velmora {

namespace {

constexpr uint32_t kCBandBelowMhz = 5000;
constexpr uint32_t kKaBandFromMhz = 17300;
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

Band BandOfFrequency(uint32_t mhz) {
    return mhz < kCBandBelowMhz ? Band::C : mhz >= kKaBandFromMhz ? Band::Ka : Band::Ku;
}

// A source satellite's valid transponders, one part per band in the order
// of each band's first transponder. A satellite without any gives one empty
// Ku part, so that it still meets (and with replace clears) its table
// satellite.
struct BandPart {
    Band band;
    std::vector<TableTp> tps;
};

std::vector<BandPart> BandParts(const SourceSatellite& sat, int& invalid) {
    std::vector<BandPart> parts;
    for (const SourceTp& s : sat.tps) {
        TableTp t{};
        if (!TableTransponder(s, t.frequency, t.symbolRate, t.vertical)) {
            ++invalid;
            continue;
        }
        Band band = BandOfFrequency(t.frequency);
        auto part = std::find_if(parts.begin(), parts.end(),
                                 [band](const BandPart& p) { return p.band == band; });
        if (part == parts.end()) part = parts.insert(parts.end(), BandPart{band, {}});
        part->tps.push_back(t);
    }
    if (parts.empty()) parts.push_back(BandPart{Band::Ku, {}});
    return parts;
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

// Length of a band word at the start of a name ("C-band", "Ku band", "ka-BAND")
// that a blank or the end follows; 0 when there is none.
std::size_t LeadingBandWord(std::string_view text) {
    for (std::string_view letters : {"C", "Ku", "Ka", "S"}) {
        std::size_t end = letters.size() + 5;
        if (text.size() < end || !listtext::EqualNoCase(text.substr(0, letters.size()), letters))
            continue;
        char joint = text[letters.size()];
        if ((joint != '-' && joint != ' ') ||
            !listtext::EqualNoCase(text.substr(letters.size() + 1, 4), "band"))
            continue;
        if (end == text.size() || listtext::IsBlank(text[end])) return end;
    }
    return 0;
}

void TrimEnd(std::string& text) {
    while (!text.empty() && listtext::IsBlank(text.back())) text.pop_back();
}

// The last word of a name, words split at blanks, '-' and '_'.
std::string_view LastWord(std::string_view name) {
    std::size_t at = name.find_last_of(" \t-_");
    return at == std::string_view::npos ? name : name.substr(at + 1);
}

// Tenths of a degree between two positions, the short way round.
int PositionDistance(int a, int b) {
    int d = ((a - b) % 3600 + 3600) % 3600;
    return std::min(d, 3600 - d);
}

// The table satellite the user chose for a band, the automatic match, or -1
// for a new one.
int ChosenTarget(const SatTpDatabase& db, const MergeOptions& options, std::size_t source,
                 int position, Band band) {
    int choice = source < options.targets.size()
                     ? options.targets[source][static_cast<std::size_t>(band)]
                     : kTargetAutomatic;
    if (choice == kTargetNew) return -1;
    if (choice >= 0 && choice < UsedSatellites(db)) return choice;
    if (!options.matchNearby) return MatchingSatellite(db, position, band);
    // The same position comes first among the nearby ones.
    std::vector<int> nearby = NearbySatellites(db, position, band);
    return nearby.empty() ? -1 : nearby.front();
}

}  // namespace

std::string MergeSummary(const MergeCounts& c) {
    auto n = [](int v) { return std::to_string(v); };
    return FillText(VELMORA_TR_NOOP("Core",
                                    "matched %1, added %2 satellites and %3 transponders, %4 "
                                    "duplicates skipped, %5 replaced, %6 left out (table full), "
                                    "%7 invalid"),
                    {n(c.matched), n(c.satellitesAdded), n(c.transpondersAdded), n(c.duplicates),
                     n(c.replaced), n(c.leftOut), n(c.invalid)});
}

bool TableTransponder(const SourceTp& source, uint32_t& frequencyMhz, uint32_t& symbolRateKs,
                      bool& vertical) {
    if (source.pol == SourcePol::Missing || source.pol == SourcePol::Unknown) return false;
    if (!RoundThousands(source.frequency, frequencyMhz) ||
        !RoundThousands(source.symbolRate, symbolRateKs))
        return false;
    vertical = source.pol == SourcePol::V || source.pol == SourcePol::R;
    return frequencyMhz >= kFrequencyRule.min && frequencyMhz <= kFrequencyRule.max &&
           symbolRateKs >= kSymbolRateRule.min && symbolRateKs <= kSymbolRateRule.max;
}

std::vector<Band> SourceBands(const SourceSatellite& sat) {
    int invalid = 0;
    std::vector<Band> bands;
    for (const BandPart& part : BandParts(sat, invalid))
        if (!part.tps.empty()) bands.push_back(part.band);
    return bands;
}

Band TableBand(const SatTpDatabase& db, int satIndex) {
    Band band = LnbBand(db.lnbs[db.satellites[satIndex].lnbIndex & 0x0F]);
    if (band != Band::Ku) return band;
    // A Ka satellite put on a Ku LNB (no Ka LNB set up yet) is still known
    // by its transponders, so the next import meets it instead of adding it again.
    bool any = false;
    int tpCount = UsedTps(db);
    for (int t = 0; t < tpCount; ++t) {
        if (db.tps[t].satIndex != satIndex) continue;
        if (BandOfFrequency(db.tps[t].frequency) != Band::Ka) return Band::Ku;
        any = true;
    }
    return any ? Band::Ka : Band::Ku;
}

int MatchingSatellite(const SatTpDatabase& db, int position, Band band) {
    int count = UsedSatellites(db);
    for (int s = 0; s < count; ++s) {
        if (db.satellites[s].position == position && TableBand(db, s) == band) return s;
    }
    return -1;
}

std::vector<int> NearbySatellites(const SatTpDatabase& db, int position, Band band) {
    constexpr int kClusterTenths = 10;
    std::vector<int> found;
    int count = UsedSatellites(db);
    for (int s = 0; s < count; ++s) {
        if (PositionDistance(db.satellites[s].position, position) <= kClusterTenths &&
            TableBand(db, s) == band)
            found.push_back(s);
    }
    std::stable_sort(found.begin(), found.end(), [&](int a, int b) {
        return PositionDistance(db.satellites[a].position, position) <
               PositionDistance(db.satellites[b].position, position);
    });
    return found;
}

int DefaultLnb(const SatTpDatabase& db, Band band) {
    if (band == Band::Ku) return 0;
    for (int l = 0; l < LNB_COUNT; ++l)
        if (LnbBand(db.lnbs[l]) == band) return l;
    return 0;
}

std::string TableSatelliteName(const SourceSatellite& sat, Band band) {
    using listtext::IsBlank;
    auto skipBlanks = [](std::string_view t) {
        while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
        return t;
    };
    int tenths = 0;
    std::string_view name = sat.name;
    std::string_view rest = skipBlanks(name.substr(LeadingPositionText(name, tenths)));
    if (rest.empty()) rest = name;
    // The band goes to the end, judged by the transponders, not by the word.
    std::size_t word = LeadingBandWord(rest);
    if (word > 0 && !skipBlanks(rest.substr(word)).empty()) rest = skipBlanks(rest.substr(word));
    std::string out;
    for (char c : rest) out += c == ',' || c == '\r' || c == '\n' ? ' ' : c;
    TrimEnd(out);
    if (out.empty()) out = FormatPosition(static_cast<uint16_t>(sat.position));
    std::string_view ending = band == Band::C ? " C" : band == Band::Ka ? " Ka" : "";
    if (!ending.empty() && listtext::EqualNoCase(LastWord(out), ending.substr(1))) ending = {};
    std::size_t room = SAT_NAME_BYTES - ending.size();
    if (out.size() > room) {
        // Never leave half a character.
        std::size_t cut = Utf8CutBefore(out, room);
        out.resize(cut > 0 ? cut : room);
        TrimEnd(out);
    }
    return out + std::string(ending);
}

MergeCounts MergeTransponderList(SatTpDatabase& db, const SourceList& list,
                                 const MergeOptions& options, std::vector<MergeMatch>* matches) {
    MergeCounts counts;
    // A table satellite is emptied by replace only the first time a source
    // satellite meets it, so several lists of one position all end up in it.
    std::vector<bool> cleared(MAX_SATELLITES, false);
    int kuLnb = ValidLnb(options.kuLnb, 0);
    int cLnb = ValidLnb(options.cBandLnb, DefaultLnb(db, Band::C));
    int kaLnb = ValidLnb(options.kaBandLnb, DefaultLnb(db, Band::Ka));
    for (std::size_t i = 0; i < list.satellites.size(); ++i) {
        if (!options.selected.empty() && (i >= options.selected.size() || !options.selected[i]))
            continue;
        const SourceSatellite& sat = list.satellites[i];
        // A name the user gave takes the list's place; it is cleaned and cut as that one is.
        SourceSatellite renamed;
        bool rename = i < options.names.size() && !options.names[i].empty();
        if (rename) renamed = SourceSatellite{options.names[i], sat.position, 0, 0, {}};
        // Each band of the source satellite is a satellite of its own: the
        // table keeps C, Ku and Ka transponders apart by their LNBs.
        for (const BandPart& part : BandParts(sat, counts.invalid)) {
            int target = ChosenTarget(db, options, i, sat.position, part.band);
            if (target >= 0) {
                ++counts.matched;
                if (matches != nullptr) matches->push_back({i, target});
                if (options.replace && !cleared[target]) {
                    counts.replaced += DeleteSatelliteTps(db, target);
                    cleared[target] = true;
                }
                AddTransponders(db, target, part.tps, counts);
                continue;
            }
            if (db.satCount >= MAX_SATELLITES || db.tpCount >= MAX_TPS) {
                counts.leftOut += static_cast<int>(part.tps.size());
                continue;
            }
            if (part.tps.empty()) continue;
            target = db.satCount++;
            SatRecord& rec = db.satellites[target];
            rec = SatRecord{};
            std::string name = TableSatelliteName(rename ? renamed : sat, part.band);
            SetSatName(rec, name.data(), name.size());
            rec.lnbIndex = static_cast<uint8_t>(part.band == Band::C    ? cLnb
                                                : part.band == Band::Ka ? kaLnb
                                                                        : kuLnb);
            rec.position = static_cast<uint16_t>(sat.position);
            cleared[target] = true;
            ++counts.satellitesAdded;
            AddTransponders(db, target, part.tps, counts);
        }
    }
    return counts;
}

MergeCounts PreviewMerge(const SatTpDatabase& db, const SourceList& list,
                         const MergeOptions& options) {
    auto copy = std::make_unique<SatTpDatabase>(db);
    return MergeTransponderList(*copy, list, options);
}

}  // namespace velmora
