// What changes between two tables: the 16 LNB slots slot by slot, the
// satellites matched by position and name, the transponders matched by their
// satellite (its position and name), frequency and polarisation. The window,
// the command-line tool and the check after a meter write all use it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"
#include "core/TextMark.h"

namespace velmora {

enum class DiffChange { Added, Removed, Changed };

// One difference with the records before and after; a side that does not
// exist (before of an addition, after of a removal) is zero and its index -1.
// A transponder carries its satellite's record so the difference reads on
// its own, whatever happens to the tables afterwards.
struct TableDifference {
    TableKind kind = TableKind::Lnb;
    DiffChange change = DiffChange::Changed;
    int oldIndex = -1;  // slot in the old table (the LNB slot for LNBs)
    int newIndex = -1;
    LnbRecord lnbBefore{};
    LnbRecord lnbAfter{};
    SatRecord satBefore{};  // for a transponder: its satellite
    SatRecord satAfter{};
    TpRecord tpBefore{};
    TpRecord tpAfter{};
};

struct TableComparison {
    // LNBs first, then satellites, then transponders; within a kind in table
    // order (a removal where it stood in the old table, the rest where they
    // stand in the new one).
    std::vector<TableDifference> differences;
    // The satellites or transponders both tables hold appear in another
    // order; not a difference by itself.
    bool orderDiffers = false;

    bool Equal() const { return differences.empty(); }
    // How many differences of each kind, indexed by DiffChange.
    std::array<int, 3> CountsByChange() const {
        std::array<int, 3> counts{};
        for (const TableDifference& d : differences) ++counts[static_cast<int>(d.change)];
        return counts;
    }
};

TableComparison CompareTables(const SatTpDatabase& before, const SatTpDatabase& after);

// One line per difference, for example "+ TP  19.2E Astra  11362 H 22000",
// "- SAT 30.0W Hispasat", "~ TP  13.0E Hot Bird  10992 V 27500 -> 29900",
// "~ LNB 3  9750/10600 -> 9750/10750". Names are the raw name bytes.
std::string DifferenceLine(const TableDifference& d);

// "3 differences", "1 difference".
std::string DifferenceCountText(std::size_t count);

inline constexpr const char* ORDER_DIFFERS_TEXT = VELMORA_TR_NOOP("Core", "order differs");

// Parts of the lines, shared with the check after a write.
std::string LnbValueText(const LnbRecord& lnb);
std::string SatValueText(const SatRecord& sat);  // "19.2E Astra"
std::string TpValueText(const TpRecord& tp);     // "11362 H 22000", "... unique" when marked

}  // namespace velmora
