#include "core/EditOperations.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/MessageText.h"
#include "core/NumberText.h"
#include "core/TextMark.h"

namespace velmora {

namespace {

uint8_t LnbChoice(int lnb) {
    return static_cast<uint8_t>(lnb & 0x0F);
}

uint8_t TpFlags(const TpInput& in) {
    uint8_t flags = 0;
    if (in.polarisation == 0) flags |= TP_FLAG_VERTICAL;
    if (in.unique == 1) flags |= TP_FLAG_UNIQUE;
    return flags;
}

EditChange Changed(EditChange::Kind kind, int index = -1) {
    EditChange change;
    change.kind = kind;
    change.index = index;
    return change;
}

EditChange Refused(std::string why) {
    EditChange change;
    change.refusal = std::move(why);
    return change;
}

int CompareUnsigned(uint32_t a, uint32_t b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

int CompareByKey(int key, const TpRecord& a, const TpRecord& b) {
    switch (key) {
        case 0:
            return CompareUnsigned(a.frequency, b.frequency);
        case 1:
            return CompareUnsigned(a.symbolRate, b.symbolRate);
        default:
            return CompareUnsigned(a.flags, b.flags);
    }
}

// The key that breaks ties left after key1 and key2, or -1. Only three
// pairs have one: frequency and symbol rate (either order) fall back to the
// flags byte, symbol rate then polarisation falls back to frequency.
int TieBreakKey(int key1, int key2) {
    if ((key1 == 0 && key2 == 1) || (key1 == 1 && key2 == 0)) return 2;
    if (key1 == 1 && key2 == 2) return 0;
    return -1;
}

uint16_t SatPosition(const SatTpDatabase& db, int satIndex) {
    return satIndex >= 0 && satIndex < MAX_SATELLITES ? db.satellites[satIndex].position : 0;
}

}  // namespace

std::string DeleteTpQuestion(const TpRecord& tp) {
    return FillText(VELMORA_TR_NOOP("Core", "Delete the transponder %1?"), {TpText(tp)});
}

std::string DeleteTpsQuestion(int count) {
    return FillText(VELMORA_TR_NOOP("Core", "Delete %1 TPs ?"), {std::to_string(count)});
}

std::string DeleteSatelliteQuestion(const SatTpDatabase& db, int satIndex) {
    return FillText(VELMORA_TR_NOOP("Core", "Delete the satellite %1 and its transponders?"),
                    {SatelliteLabel03(db, satIndex)});
}

EditChange AddSatellite(SatTpDatabase& db, const SatAddInput& in) {
    if (db.satCount >= MAX_SATELLITES || db.satCount < 0) return {};
    SatRecord& s = db.satellites[db.satCount];
    SetSatName(s, in.name.data(), in.name.size());
    s.lnbIndex = LnbChoice(in.lnb);
    s.position = PositionFromText(in.longitude.c_str(), in.hemisphere == 1);
    db.satCount += 1;
    return Changed(EditChange::Kind::SatAdded, db.satCount - 1);
}

std::string AddTpRefusal(const SatTpDatabase& db) {
    if (db.satCount <= 0) return "Add a satellite first: a transponder belongs to a satellite.";
    if (db.tpCount >= MAX_TPS)
        return "The table is full: it holds " + std::to_string(MAX_TPS) + " transponders.";
    return {};
}

namespace {

// The table slot for a new transponder of satIndex: after its last one, or
// before the first transponder of a later satellite, or at the end.
int TpSlotFor(const SatTpDatabase& db, int satIndex) {
    for (int i = db.tpCount; i-- > 0;) {
        if (db.tps[i].satIndex == satIndex) return i + 1;
    }
    for (int i = 0; i < db.tpCount; ++i) {
        if (db.tps[i].satIndex > satIndex) return i;
    }
    return db.tpCount;
}

}  // namespace

EditChange AddTp(SatTpDatabase& db, const TpInput& in) {
    if (std::string why = AddTpRefusal(db); !why.empty()) return Refused(why);
    if (in.satellite < 0 || in.satellite >= db.satCount || in.satellite >= MAX_SATELLITES)
        return Refused("Choose the satellite the transponder belongs to.");
    uint8_t flags = TpFlags(in);
    uint32_t frequency = LeadingU32(in.frequency.c_str());
    if (int twin = FindTp(db, in.satellite, frequency, flags & TP_FLAG_VERTICAL); twin >= 0) {
        return Refused("This transponder is already in the table: " + TpText(db.tps[twin]) +
                       " on " + FormatPosition(db.satellites[in.satellite].position) + " " +
                       EscapeControls(SatName(db.satellites[in.satellite])) + ".");
    }
    // It goes after the satellite's own transponders, so the list shows it
    // under its satellite and the file keeps a satellite's rows together.
    const int at = TpSlotFor(db, in.satellite);
    std::memmove(&db.tps[at + 1], &db.tps[at], sizeof(TpRecord) * (db.tpCount - at));
    TpRecord& tp = db.tps[at];
    tp = TpRecord{};
    tp.satIndex = static_cast<uint16_t>(in.satellite);
    tp.flags = flags;
    tp.frequency = frequency;
    tp.symbolRate = LeadingU32(in.symbolRate.c_str());
    db.tpCount += 1;
    db.satellites[in.satellite].lnbIndex = LnbChoice(in.lnb);
    return Changed(EditChange::Kind::TpAdded, at);
}

EditChange EditTp(SatTpDatabase& db, int tpIndex, const TpInput& in) {
    if (tpIndex < 0 || tpIndex >= db.tpCount) return {};
    TpRecord& tp = db.tps[tpIndex];
    tp.frequency = LeadingU32(in.frequency.c_str());
    tp.symbolRate = LeadingU32(in.symbolRate.c_str());
    tp.flags =
        static_cast<uint8_t>((tp.flags & ~(TP_FLAG_VERTICAL | TP_FLAG_UNIQUE)) | TpFlags(in));
    // A meter may deliver a satellite index beyond the table; such a
    // transponder keeps its values but has no satellite to move.
    if (tp.satIndex < MAX_SATELLITES) db.satellites[tp.satIndex].lnbIndex = LnbChoice(in.lnb);
    return Changed(EditChange::Kind::TpChanged, tpIndex);
}

std::vector<int> TpsOfRows(const SatTpDatabase& db, const std::vector<int>& rows, int satFilter) {
    std::vector<int> tps;
    for (int row : rows) {
        if (int i = TpIndexForRow(db, row, satFilter); i >= 0) tps.push_back(i);
    }
    std::sort(tps.begin(), tps.end());
    tps.erase(std::unique(tps.begin(), tps.end()), tps.end());
    return tps;
}

EditChange DeleteTps(SatTpDatabase& db, const std::vector<int>& tpIndexes) {
    std::vector<char> doomed(static_cast<std::size_t>(std::max(0, db.tpCount)), 0);
    for (int i : tpIndexes) {
        if (i >= 0 && i < db.tpCount) doomed[static_cast<std::size_t>(i)] = 1;
    }
    int kept = 0;
    for (int t = 0; t < db.tpCount; ++t) {
        if (!doomed[static_cast<std::size_t>(t)]) db.tps[kept++] = db.tps[t];
    }
    const int removed = db.tpCount - kept;
    db.tpCount = kept;
    if (removed == 0) return {};
    if (removed > 1) return Changed(EditChange::Kind::TpsRemoved);
    return Changed(EditChange::Kind::TpRemoved,
                   static_cast<int>(std::find(doomed.begin(), doomed.end(), 1) - doomed.begin()));
}

EditChange EditSatellite(SatTpDatabase& db, int satIndex, const SatAddInput& in) {
    if (satIndex < 0 || satIndex >= db.satCount || satIndex >= MAX_SATELLITES) return {};
    SatRecord& s = db.satellites[satIndex];
    SetSatName(s, in.name.data(), in.name.size());
    s.lnbIndex = LnbChoice(in.lnb);
    s.position = PositionFromText(in.longitude.c_str(), in.hemisphere == 1);
    return Changed(EditChange::Kind::SatChanged, satIndex);
}

EditChange DeleteSatellite(SatTpDatabase& db, int s) {
    if (s < 0 || s >= db.satCount || s >= MAX_SATELLITES) return {};
    std::memmove(&db.satellites[s], &db.satellites[s + 1],
                 sizeof(SatRecord) * (db.satCount - s - 1));
    db.satCount -= 1;
    int kept = 0;
    for (int t = 0; t < db.tpCount; ++t) {
        TpRecord tp = db.tps[t];
        if (tp.satIndex == s) continue;
        if (tp.satIndex > s) tp.satIndex -= 1;
        db.tps[kept++] = tp;
    }
    db.tpCount = kept;
    return Changed(EditChange::Kind::Tables);
}

EditChange EditLnb(SatTpDatabase& db, int lnbIndex, const LnbInput& in) {
    const int n = std::clamp(lnbIndex, 0, LNB_COUNT - 1);
    LnbRecord& l = db.lnbs[n];
    l.type = static_cast<uint8_t>(in.type);
    if (l.type == 0) l.loFrequency = 5150;
    l.power = static_cast<uint8_t>(in.power);
    l.dish = static_cast<uint8_t>(in.dish);
    l.diseqcSwitch = static_cast<uint8_t>(in.sw);
    int input = in.input;
    if (l.diseqcSwitch == 1 && input == 16) input = 4;
    if (l.diseqcSwitch == 1 && input == 17) input = 5;
    l.diseqcInput = static_cast<uint8_t>(input);
    l.tone22k = static_cast<uint8_t>(in.tone);
    return Changed(EditChange::Kind::LnbChanged, n);
}

int CompareTps(const SatTpDatabase& db, const TpSortSettings& settings, const TpRecord& a,
               const TpRecord& b) {
    if (a.satIndex != b.satIndex) {
        int f = SatPosition(db, settings.firstSatellite);
        int pa = SatPosition(db, a.satIndex);
        int pb = SatPosition(db, b.satIndex);
        // Positions beyond 3600 come only from outside; the extra modulo keeps
        // the distance non-negative for them as well.
        auto distance = [&](int from, int to) { return ((to - from) % 3600 + 3600) % 3600; };
        int da = settings.direction == 0 ? distance(f, pa) : distance(pa, f);
        int dbb = settings.direction == 0 ? distance(f, pb) : distance(pb, f);
        if (da != dbb) return da < dbb ? -1 : 1;
        return a.satIndex < b.satIndex ? -1 : 1;
    }
    if (int c = CompareByKey(settings.key1, a, b)) return c;
    if (int c = CompareByKey(settings.key2, a, b)) return c;
    int tie = TieBreakKey(settings.key1, settings.key2);
    return tie < 0 ? 0 : CompareByKey(tie, a, b);
}

EditChange SortTps(SatTpDatabase& db, const TpSortSettings& settings, int chosenSatellite) {
    std::sort(db.tps, db.tps + db.tpCount, [&](const TpRecord& a, const TpRecord& b) {
        return CompareTps(db, settings, a, b) < 0;
    });

    // New satellite order: first appearance in the sorted table, then the
    // satellites without transponders in their previous order.
    static_assert(MAX_SATELLITES <= 0xFFFF);
    int newIndex[MAX_SATELLITES];
    int order[MAX_SATELLITES];
    std::fill(std::begin(newIndex), std::end(newIndex), -1);
    int n = 0;
    for (int t = 0; t < db.tpCount; ++t) {
        int s = db.tps[t].satIndex;
        if (s < db.satCount && newIndex[s] < 0) {
            newIndex[s] = n;
            order[n++] = s;
        }
    }
    for (int s = 0; s < db.satCount; ++s) {
        if (newIndex[s] < 0) {
            newIndex[s] = n;
            order[n++] = s;
        }
    }
    for (int t = 0; t < db.tpCount; ++t) {
        int s = db.tps[t].satIndex;
        if (s < db.satCount) db.tps[t].satIndex = static_cast<uint16_t>(newIndex[s]);
    }
    SatRecord scratch[MAX_SATELLITES];
    for (int k = 0; k < db.satCount; ++k) scratch[k] = db.satellites[order[k]];
    std::copy(scratch, scratch + db.satCount, db.satellites);

    EditChange change = Changed(EditChange::Kind::Tables);
    if (chosenSatellite >= 0 && chosenSatellite < db.satCount)
        change.chosenSatellite = newIndex[chosenSatellite];
    return change;
}

}  // namespace velmora
