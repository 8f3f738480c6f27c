// The LNBs new satellites get, one list per band (Ku, C, Ka): the choice the
// import and the catalog dialogs offer under their satellites.
#pragma once

#include <QString>
#include <array>
#include <functional>

#include "session/SessionImport.h"

class QComboBox;
class QGridLayout;
class QWidget;

namespace velmora {

struct NewSatelliteLnbs {
    // Indexed by Band; each list holds the table's 16 LNBs.
    std::array<QComboBox*, 3> lists{};

    QComboBox* List(Band band) const { return lists[static_cast<std::size_t>(band)]; }
    // The chosen LNBs into the merge's options.
    void ApplyTo(MergeOptions& options) const;
};

// A labelled list per band in rows of grid from its first free row, each on
// the band's default LNB; changed runs when any choice changes.
NewSatelliteLnbs AddNewSatelliteLnbs(QGridLayout* grid, QWidget* parent, const SatTpDatabase& db,
                                     const std::function<void()>& changed);

}  // namespace velmora
