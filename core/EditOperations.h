// The table edits behind the form's TP, SAT and LNB buttons. They change the
// database and ask the presentation for the refresh each edit needs; dialogs
// collect their inputs beforehand. Whether the tables differ from the file is
// the session's history's to say, not theirs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"

namespace velmora {

inline constexpr int DISPLAY_TPS = 2;
inline constexpr int DISPLAY_LNBS = 3;

// The presentation state the edits work on; owned by the session.
struct EditState {
    int displayMode = DISPLAY_TPS;
    int satFilter = -1;
};

// What the edits need from the view: confirmations and row-level refreshes.
class EditView {
public:
    virtual ~EditView() = default;
    // Yes/No box with the question icon; true only for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
    virtual int SelectedRow() = 0;
    virtual void RebuildSatTree() = 0;
    virtual void ShowTpList(int satFilter) = 0;
    virtual void ShowLnbList() = 0;
    virtual void AppendSatItem(int satIndex) = 0;
    // A transponder was put into the table at tpIndex; those behind it moved
    // up one slot.
    virtual void InsertTpRow(int tpIndex) = 0;
    virtual void RefreshTpRow(int row, int tpIndex) = 0;
    virtual void RemoveTpRow(int row) = 0;
    virtual void RefreshLnbRow(int lnbIndex) = 0;
    // Makes the tree show satellite satIndex as the selected one.
    virtual void SelectSatItem(int /*satIndex*/) {}
    // The selected list rows, ascending; by default the one SelectedRow names.
    virtual std::vector<int> SelectedRows() { return {SelectedRow()}; }
    // The tree's item of a satellite shows its changed label.
    virtual void RefreshSatItem(int /*satIndex*/) {}
};

struct SatAddInput {
    std::string name;       // bytes; cut to 16
    std::string longitude;  // decimal degrees text
    int hemisphere = 0;     // 0 East, 1 West
    int lnb = 0;            // 0..15
};

struct TpInput {
    int satellite = 0;  // add only
    int lnb = 0;        // 0..15
    std::string frequency;
    std::string symbolRate;
    int polarisation = 0;  // 0 vertical, 1 horizontal
    int unique = 0;        // 0 no, 1 yes
};

struct LnbInput {
    int type = 0;    // 0..8, 0 offered as "5150"
    int power = 0;   // 0..3
    int dish = 0;    // 0..1
    int sw = 0;      // 0..2
    int input = 0;   // 0..15 inputs 1..16, 16 Burst A, 17 Burst B
    int tone = 0;    // 0..2
};

struct TpSortSettings {
    int firstSatellite = 0;
    int direction = 0;  // 0 West->East, 1 East->West
    int key1 = 0;       // 0 Frequency, 1 Symbolrate, 2 Pol
    int key2 = 1;
};

void AddSatellite(SatTpDatabase& db, EditState& state, EditView& view, const SatAddInput& in);
void DeleteSatellite(SatTpDatabase& db, EditState& state, EditView& view);
// Adds the transponder; returns why it was not added (a sentence for the
// user), or an empty text when it was.
std::string AddTp(SatTpDatabase& db, EditState& state, EditView& view, const TpInput& in);
// Why no transponder can be added now (no satellite, a full table), or empty.
std::string AddTpRefusal(const SatTpDatabase& db);
void EditTp(SatTpDatabase& db, EditState& state, EditView& view, const TpInput& in);
void DeleteTp(SatTpDatabase& db, EditState& state, EditView& view);
// Deletes every selected transponder after one question ("Delete 3 TPs ?");
// one selected row asks as DeleteTp does. Returns how many went.
int DeleteTps(SatTpDatabase& db, EditState& state, EditView& view);
// Changes satellite satIndex in place: name, position and LNB.
void EditSatellite(SatTpDatabase& db, EditState& state, EditView& view, int satIndex,
                   const SatAddInput& in);
void EditLnb(SatTpDatabase& db, EditState& state, EditView& view, const LnbInput& in);
void SortTps(SatTpDatabase& db, EditState& state, EditView& view, const TpSortSettings& settings);

// Negative when a goes first, positive when b goes first, 0 when equal.
int CompareTps(const SatTpDatabase& db, const TpSortSettings& settings, const TpRecord& a,
               const TpRecord& b);

// The question texts of the two deletes (two trailing blanks included).
std::string DeleteTpQuestion(const TpRecord& tp);
std::string DeleteTpsQuestion(int count);
std::string DeleteSatelliteQuestion(const SatTpDatabase& db, int satIndex);

}  // namespace velmora
