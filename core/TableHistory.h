// Undo and redo of table changes. Each step keeps a whole snapshot of the
// tables (at most about 100 kB for a full table): simple, and restoring one
// is a copy. The depth is bounded, so is the memory.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"

namespace velmora {

class TableHistory {
public:
    static constexpr std::size_t kDefaultDepth = 128;

    explicit TableHistory(std::size_t depth = kDefaultDepth);

    // A fresh history whose one state is db, taken as saved (Open, New).
    void Reset(const SatTpDatabase& db);

    // Records db as the state after a step; the steps that could be redone
    // are dropped. False (and nothing recorded) when db equals the current
    // state, so a cancelled or refused edit makes no step.
    bool Record(const std::string& step, const SatTpDatabase& db);

    // Takes db as the current state without a step: for changes that are no
    // edit of the user's (the factory image's normalising of spare bits).
    void Absorb(const SatTpDatabase& db);

    bool CanUndo() const { return position_ > 0; }
    bool CanRedo() const { return position_ + 1 < states_.size(); }
    // The name of the step Undo or Redo would take back or again; empty when none.
    std::string UndoName() const;
    std::string RedoName() const;

    // Restores the state before (after) the current step into db.
    bool Undo(SatTpDatabase& db);
    bool Redo(SatTpDatabase& db);

    // The current state is what the file holds now.
    void MarkSaved();
    // No state is in a file any more (tables read from the meter): modified
    // until the next save, whichever step undo or redo reaches.
    void ForgetSaved() { saved_ = -1; }
    // The tables differ from the saved state's place in the history.
    bool Modified() const;

    std::size_t Steps() const { return states_.empty() ? 0 : states_.size() - 1; }
    std::size_t MemoryBytes() const;

private:
    struct Snapshot {
        std::string step;  // the step that led here; empty for the first state
        LnbRecord lnbs[LNB_COUNT];
        SatRecord satellites[MAX_SATELLITES];
        int32_t satCount;
        std::vector<TpRecord> tps;
    };
    static Snapshot Take(const std::string& step, const SatTpDatabase& db);
    static bool Same(const Snapshot& s, const SatTpDatabase& db);
    static void Restore(const Snapshot& s, SatTpDatabase& db);

    std::size_t depth_;
    std::deque<Snapshot> states_;
    std::size_t position_ = 0;
    // Index of the saved state in states_; -1 once it fell out or was dropped.
    long saved_ = 0;
};

}  // namespace velmora
