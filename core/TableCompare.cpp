#include "core/TableCompare.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

namespace velmora {

namespace {

// Satellites are identified by position and name across both tables; a
// transponder by its satellite's identity, its frequency and polarisation.
class SatIdentities {
public:
    int Of(const SatRecord& sat) {
        auto [it, inserted] = ids_.try_emplace({sat.position, SatName(sat)}, 0);
        if (inserted) it->second = static_cast<int>(ids_.size());
        return it->second;
    }

private:
    std::map<std::pair<uint16_t, std::string>, int> ids_;
};

// A transponder naming no satellite slot keeps the identity 0.
const SatRecord* SatelliteOf(const SatTpDatabase& db, const TpRecord& tp) {
    return tp.satIndex < MAX_SATELLITES ? &db.satellites[tp.satIndex] : nullptr;
}

// Pairs the records of equal key in order of appearance: the k-th old record
// of a key with its k-th new one. Returns, for each new record, the index of
// its old partner or -1.
std::vector<int> MatchByKey(const std::vector<uint64_t>& oldKeys,
                            const std::vector<uint64_t>& newKeys) {
    auto sorted = [](const std::vector<uint64_t>& keys) {
        std::vector<std::pair<uint64_t, int>> v(keys.size());
        for (std::size_t i = 0; i < keys.size(); ++i) v[i] = {keys[i], static_cast<int>(i)};
        std::sort(v.begin(), v.end());
        return v;
    };
    auto a = sorted(oldKeys);
    auto b = sorted(newKeys);
    std::vector<int> match(newKeys.size(), -1);
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].first < b[j].first) {
            ++i;
        } else if (b[j].first < a[i].first) {
            ++j;
        } else {
            match[static_cast<std::size_t>(b[j].second)] = a[i].second;
            ++i;
            ++j;
        }
    }
    return match;
}

// Walks the new table in order and puts each removal where it stood in the
// old one. fill(d, oldIndex, newIndex) completes a difference; changed(o, n)
// says whether a matched pair differs.
template <class Fill, class Changed>
bool EmitInTableOrder(TableKind kind, int oldCount, const std::vector<int>& match,
                      std::vector<TableDifference>& out, Fill fill, Changed changed) {
    std::vector<char> matched(static_cast<std::size_t>(oldCount), 0);
    for (int o : match)
        if (o >= 0) matched[static_cast<std::size_t>(o)] = 1;
    auto emit = [&](DiffChange change, int o, int n) {
        TableDifference d;
        d.kind = kind;
        d.change = change;
        d.oldIndex = o;
        d.newIndex = n;
        fill(d, o, n);
        out.push_back(d);
    };
    // For each new record, the old partner of the next matched one: an
    // addition follows the removals that stood before that partner, so a
    // replaced record reads as "-" then "+".
    const int newCount = static_cast<int>(match.size());
    std::vector<int> nextPartner(static_cast<std::size_t>(newCount) + 1, oldCount);
    for (int n = newCount - 1; n >= 0; --n) {
        const int o = match[static_cast<std::size_t>(n)];
        nextPartner[static_cast<std::size_t>(n)] =
            o >= 0 ? o : nextPartner[static_cast<std::size_t>(n) + 1];
    }
    bool reordered = false;
    int nextOld = 0;
    int lastMatched = -1;
    auto removeBefore = [&](int limit) {
        for (; nextOld < limit; ++nextOld)
            if (!matched[static_cast<std::size_t>(nextOld)]) emit(DiffChange::Removed, nextOld, -1);
    };
    for (int n = 0; n < newCount; ++n) {
        const int o = match[static_cast<std::size_t>(n)];
        removeBefore(nextPartner[static_cast<std::size_t>(n)]);
        if (o < 0) {
            emit(DiffChange::Added, -1, n);
            continue;
        }
        if (o < lastMatched) reordered = true;
        lastMatched = o;
        if (changed(o, n)) emit(DiffChange::Changed, o, n);
    }
    removeBefore(oldCount);
    return reordered;
}

bool SameLnb(const LnbRecord& a, const LnbRecord& b) {
    // The padding byte carries nothing and is never compared.
    return a.type == b.type && a.power == b.power && a.dish == b.dish &&
           a.diseqcSwitch == b.diseqcSwitch && a.diseqcInput == b.diseqcInput &&
           a.tone22k == b.tone22k && a.reserved == b.reserved &&
           (a.type != 0 || a.loFrequency == b.loFrequency);
}

bool Unique(const TpRecord& tp) {
    return (tp.flags & TP_FLAG_UNIQUE) != 0;
}

std::string SymbolRateText(const TpRecord& tp) {
    return std::to_string(tp.symbolRate) + (Unique(tp) ? " unique" : "");
}

// The LNB's type, followed by each other setting in which it differs from
// other, so a line names what changed.
std::string LnbDetail(const LnbRecord& l, const LnbRecord& other) {
    std::string text = LnbValueText(l);
    if (l.power != other.power) text += std::string(" power ") + PowerText(l.power);
    if (l.dish != other.dish) text += std::string(" dish ") + DishText(l.dish);
    if (l.diseqcSwitch != other.diseqcSwitch || l.diseqcInput != other.diseqcInput) {
        text += std::string(" diseqc ") + DiseqcSwitchText(l.diseqcSwitch) + " " +
                DiseqcInputText(l.diseqcSwitch, l.diseqcInput);
    }
    if (l.tone22k != other.tone22k) text += std::string(" 22k ") + Tone22kText(l.tone22k);
    if (l.reserved != other.reserved) text += " reserved " + std::to_string(l.reserved);
    return text;
}

char ChangeMark(DiffChange c) {
    switch (c) {
        case DiffChange::Added:
            return '+';
        case DiffChange::Removed:
            return '-';
        case DiffChange::Changed:
            return '~';
    }
    return '?';
}

}  // namespace

TableComparison CompareTables(const SatTpDatabase& before, const SatTpDatabase& after) {
    TableComparison result;
    auto& out = result.differences;
    for (int i = 0; i < LNB_COUNT; ++i) {
        if (SameLnb(before.lnbs[i], after.lnbs[i])) continue;
        TableDifference d;
        d.kind = TableKind::Lnb;
        d.oldIndex = d.newIndex = i;
        d.lnbBefore = before.lnbs[i];
        d.lnbAfter = after.lnbs[i];
        out.push_back(d);
    }

    SatIdentities ids;
    const int oldSats = UsedSatellites(before);
    const int newSats = UsedSatellites(after);
    std::vector<uint64_t> oldKeys(static_cast<std::size_t>(oldSats));
    std::vector<uint64_t> newKeys(static_cast<std::size_t>(newSats));
    for (int i = 0; i < oldSats; ++i)
        oldKeys[i] = static_cast<uint64_t>(ids.Of(before.satellites[i]));
    for (int i = 0; i < newSats; ++i)
        newKeys[i] = static_cast<uint64_t>(ids.Of(after.satellites[i]));
    bool reordered = EmitInTableOrder(
        TableKind::Satellite, oldSats, MatchByKey(oldKeys, newKeys), out,
        [&](TableDifference& d, int o, int n) {
            if (o >= 0) d.satBefore = before.satellites[o];
            if (n >= 0) d.satAfter = after.satellites[n];
        },
        [&](int o, int n) {
            return before.satellites[o].lnbIndex != after.satellites[n].lnbIndex;
        });

    auto tpKey = [&ids](const SatTpDatabase& db, const TpRecord& tp) {
        const SatRecord* sat = SatelliteOf(db, tp);
        const uint64_t id = sat != nullptr ? static_cast<uint64_t>(ids.Of(*sat)) : 0;
        return (id << 33) | (static_cast<uint64_t>(tp.frequency) << 1) |
               static_cast<uint64_t>(tp.flags & TP_FLAG_VERTICAL);
    };
    const int oldTps = UsedTps(before);
    const int newTps = UsedTps(after);
    oldKeys.resize(static_cast<std::size_t>(oldTps));
    newKeys.resize(static_cast<std::size_t>(newTps));
    for (int i = 0; i < oldTps; ++i) oldKeys[i] = tpKey(before, before.tps[i]);
    for (int i = 0; i < newTps; ++i) newKeys[i] = tpKey(after, after.tps[i]);
    auto satOf = [](const SatTpDatabase& db, const TpRecord& tp) {
        const SatRecord* sat = SatelliteOf(db, tp);
        return sat != nullptr ? *sat : SatRecord{};
    };
    reordered |= EmitInTableOrder(
        TableKind::Tp, oldTps, MatchByKey(oldKeys, newKeys), out,
        [&](TableDifference& d, int o, int n) {
            if (o >= 0) {
                d.tpBefore = before.tps[o];
                d.satBefore = satOf(before, d.tpBefore);
            }
            if (n >= 0) {
                d.tpAfter = after.tps[n];
                d.satAfter = satOf(after, d.tpAfter);
            }
        },
        [&](int o, int n) {
            const TpRecord& a = before.tps[o];
            const TpRecord& b = after.tps[n];
            return a.symbolRate != b.symbolRate || Unique(a) != Unique(b);
        });
    result.orderDiffers = reordered;
    return result;
}

std::string LnbValueText(const LnbRecord& lnb) {
    return LnbTypeText(lnb.type, lnb.loFrequency);
}

std::string SatValueText(const SatRecord& sat) {
    return FormatPosition(sat.position) + " " + SatName(sat);
}

std::string TpValueText(const TpRecord& tp) {
    return TpText(tp) + (Unique(tp) ? " unique" : "");
}

std::string DifferenceLine(const TableDifference& d) {
    std::string line(1, ChangeMark(d.change));
    const bool added = d.change == DiffChange::Added;
    const bool changed = d.change == DiffChange::Changed;
    switch (d.kind) {
        case TableKind::Lnb:
            line += " LNB " + std::to_string(d.oldIndex + 1) + "  " +
                    LnbDetail(d.lnbBefore, d.lnbAfter) + " -> " +
                    LnbDetail(d.lnbAfter, d.lnbBefore);
            break;
        case TableKind::Satellite: {
            const SatRecord& sat = added ? d.satAfter : d.satBefore;
            line += " SAT " + SatValueText(sat);
            if (changed) {
                line += "  LNB " + std::to_string((d.satBefore.lnbIndex & 0x0F) + 1) + " -> LNB " +
                        std::to_string((d.satAfter.lnbIndex & 0x0F) + 1);
            }
            break;
        }
        case TableKind::Tp: {
            const SatRecord& sat = added ? d.satAfter : d.satBefore;
            const TpRecord& tp = added ? d.tpAfter : d.tpBefore;
            line += " TP  " + SatValueText(sat) + "  " + TpValueText(tp);
            if (changed) line += " -> " + SymbolRateText(d.tpAfter);
            break;
        }
    }
    return line;
}

std::string DifferenceCountText(std::size_t count) {
    return count == 1 ? VELMORA_TR_NOOP("Core", "1 difference")
                      : FillText(VELMORA_TR_NOOP("Core", "%1 differences"),
                                 {std::to_string(count)});
}

}  // namespace velmora
