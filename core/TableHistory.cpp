#include "core/TableHistory.h"

#include <algorithm>
#include <cstring>

namespace velmora {

TableHistory::TableHistory(std::size_t depth) : depth_(std::max<std::size_t>(depth, 1)) {}

TableHistory::Snapshot TableHistory::Take(const std::string& step, const SatTpDatabase& db) {
    Snapshot s;
    s.step = step;
    std::copy(std::begin(db.lnbs), std::end(db.lnbs), s.lnbs);
    std::copy(std::begin(db.satellites), std::end(db.satellites), s.satellites);
    s.satCount = db.satCount;
    int n = UsedTps(db);
    s.tps.assign(db.tps, db.tps + n);
    return s;
}

bool TableHistory::Same(const Snapshot& s, const SatTpDatabase& db) {
    int n = UsedTps(db);
    return s.satCount == db.satCount && s.tps.size() == static_cast<std::size_t>(n) &&
           std::memcmp(s.lnbs, db.lnbs, sizeof s.lnbs) == 0 &&
           std::memcmp(s.satellites, db.satellites, sizeof s.satellites) == 0 &&
           (s.tps.empty() ||
            std::memcmp(s.tps.data(), db.tps, sizeof(TpRecord) * s.tps.size()) == 0);
}

void TableHistory::Restore(const Snapshot& s, SatTpDatabase& db) {
    std::copy(std::begin(s.lnbs), std::end(s.lnbs), db.lnbs);
    std::copy(std::begin(s.satellites), std::end(s.satellites), db.satellites);
    db.satCount = s.satCount;
    std::copy(s.tps.begin(), s.tps.end(), db.tps);
    db.tpCount = static_cast<int32_t>(s.tps.size());
}

void TableHistory::Reset(const SatTpDatabase& db) {
    states_.clear();
    states_.push_back(Take({}, db));
    position_ = 0;
    saved_ = 0;
}

bool TableHistory::Record(const std::string& step, const SatTpDatabase& db) {
    if (states_.empty()) Reset(db);
    if (Same(states_[position_], db)) return false;
    states_.erase(states_.begin() + static_cast<long>(position_) + 1, states_.end());
    if (saved_ > static_cast<long>(position_)) saved_ = -1;
    states_.push_back(Take(step, db));
    ++position_;
    // The oldest state goes first; the saved one may go with it.
    while (states_.size() > depth_ + 1) {
        states_.pop_front();
        --position_;
        saved_ = saved_ > 0 ? saved_ - 1 : -1;
    }
    return true;
}

void TableHistory::Absorb(const SatTpDatabase& db) {
    if (states_.empty()) {
        Reset(db);
        return;
    }
    std::string step = states_[position_].step;
    states_[position_] = Take(step, db);
}

std::string TableHistory::UndoName() const { return CanUndo() ? states_[position_].step : ""; }

std::string TableHistory::RedoName() const { return CanRedo() ? states_[position_ + 1].step : ""; }

bool TableHistory::Undo(SatTpDatabase& db) {
    if (!CanUndo()) return false;
    Restore(states_[--position_], db);
    return true;
}

bool TableHistory::Redo(SatTpDatabase& db) {
    if (!CanRedo()) return false;
    Restore(states_[++position_], db);
    return true;
}

void TableHistory::MarkSaved() { saved_ = static_cast<long>(position_); }

bool TableHistory::Modified() const { return saved_ != static_cast<long>(position_); }

std::size_t TableHistory::MemoryBytes() const {
    std::size_t bytes = 0;
    for (const Snapshot& s : states_) bytes += sizeof s + s.tps.capacity() * sizeof(TpRecord);
    return bytes;
}

}  // namespace velmora
