#include "core/SaveLosses.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <tuple>

#include "core/SatTpFile.h"

namespace velmora {

namespace {

constexpr const char* kCannotTell =
    "possibly part of the tables (the written text could not be checked)";

// Names listed in a phrase before the rest is only counted.
constexpr std::size_t kNamesShown = 5;

// "2", "2 and 5", "2, 3 and 5".
std::string JoinList(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

std::string NameList(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size() && i < kNamesShown; ++i) {
        if (i > 0) text += ", ";
        text += names[i];
    }
    if (names.size() > kNamesShown) text += ", ...";
    return text;
}

std::string Counted(std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}

// The tables as the file gives them back: their text read again; null when
// that text does not read as a table, so the comparison cannot tell. What
// the read reports needs no check of its own: whatever it passed over is
// missing from the comparison, and a frequency above 2^31 MHz, which the
// writer prints negative, reads back as itself.
std::unique_ptr<SatTpDatabase> ReadBack(const SatTpDatabase& db) {
    auto back = std::make_unique<SatTpDatabase>();
    ClearDatabase(*back);
    if (ReadSatTpText(*back, SatTpText(db)) != 0) return nullptr;
    return back;
}

void DescribeLnbLosses(const SatTpDatabase& db, const SatTpDatabase& back,
                       std::vector<std::string>& out) {
    // LNB numbers grouped by the settings they lose, so one phrase names
    // every LNB that loses the same ones.
    std::map<std::vector<std::string>, std::vector<std::string>> groups;
    std::vector<std::vector<std::string>> order;
    for (int i = 0; i < LNB_COUNT; ++i) {
        const LnbRecord& a = db.lnbs[i];
        const LnbRecord& b = back.lnbs[i];
        // An all-zero record was never set (the tables before any file was
        // read): the defaults a reopen gives take nothing away.
        static constexpr LnbRecord kNeverSet{};
        if (std::memcmp(&a, &kNeverSet, sizeof a) == 0) continue;
        std::vector<std::string> lost;
        if (a.type != b.type || (a.type == 0 && a.loFrequency != b.loFrequency)) lost.push_back("type");
        if (a.power != b.power) lost.push_back("power");
        if (a.dish != b.dish) lost.push_back("dish");
        if (a.diseqcSwitch != b.diseqcSwitch || a.diseqcInput != b.diseqcInput)
            lost.push_back("DiSEqC");
        if (a.tone22k != b.tone22k) lost.push_back("22K");
        if (lost.empty()) continue;
        if (groups.find(lost) == groups.end()) order.push_back(lost);
        groups[lost].push_back(std::to_string(i + 1));
    }
    for (const auto& lost : order) {
        const char* noun = lost.size() == 1 ? " setting" : " settings";
        out.push_back("the " + JoinList(lost) + noun + " of LNB " + JoinList(groups[lost]));
    }
}

using TpKey = std::tuple<std::string, uint16_t, int, uint32_t, uint32_t, int>;

TpKey KeyOf(const SatTpDatabase& db, int sat, const TpRecord& tp, bool written) {
    std::string name = SatName(db.satellites[sat]);
    // The writer turns these into blanks; that loss is reported by itself.
    if (written) {
        for (char& c : name) {
            if (c == ',' || c == '\r' || c == '\n') c = ' ';
        }
    }
    return {name, db.satellites[sat].position, db.satellites[sat].lnbIndex & 0x0F, tp.frequency,
            tp.symbolRate, tp.flags & (TP_FLAG_VERTICAL | TP_FLAG_UNIQUE)};
}

}  // namespace

std::vector<std::string> DescribeSaveLosses(const SatTpDatabase& db) {
    std::vector<std::string> out;
    std::unique_ptr<SatTpDatabase> back = ReadBack(db);
    if (!back) {
        out.push_back(kCannotTell);
        return out;
    }
    DescribeLnbLosses(db, *back, out);

    std::vector<std::string> empty;
    std::vector<std::string> renamed;
    std::size_t written = 0;
    std::vector<TpKey> kept;
    std::vector<int> perSat(MAX_SATELLITES, 0);
    std::size_t orphans = 0;
    for (int t = 0; t < UsedTps(db); ++t) {
        int sat = db.tps[t].satIndex;
        if (sat >= MAX_SATELLITES) {
            ++orphans;
            continue;
        }
        ++perSat[sat];
        kept.push_back(KeyOf(db, sat, db.tps[t], true));
    }
    for (int s = 0; s < MAX_SATELLITES; ++s) {
        std::string name = SatName(db.satellites[s]);
        if (perSat[s] == 0) {
            if (s < db.satCount) empty.push_back(name);
            continue;
        }
        ++written;
        if (name.find_first_of(",\r\n") != std::string::npos) renamed.push_back(name);
    }

    if (!empty.empty()) {
        out.push_back(Counted(empty.size(), "satellite", "satellites") + " without transponders (" +
                      NameList(empty) + ")");
    }
    if (!renamed.empty()) {
        out.push_back("the commas and line ends in the names of " + NameList(renamed) +
                      " (written as blanks)");
    }
    if (orphans > 0) {
        out.push_back(Counted(orphans, "transponder", "transponders") + " of no satellite");
    }

    // Whatever else does not come back: values the columns cannot hold,
    // positions out of range, satellites that fall together with the one
    // before them because name and position are the same.
    std::vector<TpKey> read;
    read.reserve(static_cast<std::size_t>(std::max(0, back->tpCount)));
    for (int t = 0; t < back->tpCount; ++t) {
        int sat = back->tps[t].satIndex;
        if (sat < MAX_SATELLITES) read.push_back(KeyOf(*back, sat, back->tps[t], false));
    }
    std::sort(kept.begin(), kept.end());
    std::sort(read.begin(), read.end());
    std::vector<TpKey> missing;
    std::set_difference(kept.begin(), kept.end(), read.begin(), read.end(),
                        std::back_inserter(missing));
    if (!missing.empty()) {
        out.push_back("the values of " + Counted(missing.size(), "transponder", "transponders") +
                      " (out of the file's range)");
    }
    std::size_t backSats = static_cast<std::size_t>(std::max(0, back->satCount));
    if (missing.empty() && backSats < written) {
        out.push_back(Counted(written - backSats, "satellite", "satellites") +
                      " merged with the one before (same name and position)");
    }
    return out;
}

std::string SaveLossNotice(const std::vector<std::string>& losses) {
    std::string list;
    for (std::size_t i = 0; i < losses.size(); ++i) {
        if (i > 0) list += "; ";
        list += losses[i];
    }
    return FillText(VELMORA_TR_NOOP("Core", "%1 cannot keep: %2."), {DEFAULT_DB_FILE, list});
}

std::string SaveLossQuestion(const std::vector<std::string>& losses) {
    return FillText(SAVE_ANYWAY_QUESTION, {SaveLossNotice(losses)});
}

}  // namespace velmora
