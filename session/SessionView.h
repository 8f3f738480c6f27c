// The operations of the main form that the session drives. The Qt form
// implements them; tests use a scripted fake.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/MessageText.h"

namespace velmora {

// Control identifiers of the main form.
enum class FormControl {
    None,  // the group boxes, which nothing addresses
    List,
    LogoLabel,
    IconLabel,
    TpAdd,
    TpEdit,
    TpDelete,
    SatDelete,
    SoftLabel,
    PortSelector,
    Progress,
    SatAdd,
    LnbEdit,
    TpSort,
    Status,
    Tree,
    PatchSoft,
    PatchIcon,
    PatchLogo,
    PatchSattp,
    SatEdit,
    Find,
};

struct FileDialogRequest {
    std::string title;             // "Open", "Save as"
    std::string filter;            // "sattp files (*.csv);;All Files (*)"
    std::string defaultExtension;  // without the dot; empty for none
    std::string proposedPath;      // the name a save dialog offers; empty for none
};

enum class SaveChangesAnswer { Yes, No, Cancel };

// What the session shows of a table edit (Session::ShowEditChange), and the
// selection it asks for before one.
class EditView {
public:
    virtual ~EditView() = default;
    virtual int SelectedRow() = 0;
    // The selected list rows, ascending; by default the one SelectedRow names.
    virtual std::vector<int> SelectedRows() { return {SelectedRow()}; }
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
    // The tree's item of a satellite shows its changed label.
    virtual void RefreshSatItem(int /*satIndex*/) {}
};

// The window's calls reach the form through gui/FormThreadView, which
// forwards each of them to the form's thread: a new call needs its line there.
class SessionView : public virtual EditView {
public:
    // Port selector.
    virtual void AddPortName(const std::string& name) = 0;
    // Makes the port of this name the chosen one, wherever the list put it.
    virtual void SelectPortName(const std::string& name) = 0;
    // An operation on this port succeeded: the window remembers it for the
    // next start.
    virtual void PortWorked(const std::string& /*name*/) {}
    virtual std::string SelectedPortName() = 0;
    // An adapter was plugged in or pulled out: the list of ports is stale.
    virtual void PortListChanged() {}
    virtual void EnablePortSelector(bool enable) = 0;

    // Static texts (status line, file labels), progress bar, buttons, check boxes.
    virtual void SetControlText(FormControl controlId, const std::string& text) = 0;
    virtual void SetProgressRange(int maximum) = 0;
    virtual void SetProgressPos(int position) = 0;
    virtual void EnableControl(FormControl controlId, bool enable) = 0;
    virtual void SetCheck(FormControl controlId, bool checked) = 0;
    virtual bool GetCheck(FormControl controlId) = 0;

    // Modal dialogs; nullopt when cancelled.
    virtual std::optional<std::string> AskOpenFile(const FileDialogRequest& dialog) = 0;
    virtual std::optional<std::string> AskSaveFile(const FileDialogRequest& dialog) = 0;
    // A box captioned "Orvane": the exclamation icon for a notice, the
    // information icon for a success.
    virtual void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Notice) = 0;
    // A table write broke off part-way after a backup was taken: message
    // names it; the box has a button to write the backup back beside OK.
    // True when the user chose it.
    virtual bool OfferWriteBack(const std::string& message) {
        ShowMessage(message);
        return false;
    }
    // Yes/No box with the question icon; true only for Yes.
    virtual bool AskYesNo(const std::string& question) = 0;
    // Yes / No / Cancel before unsaved edits would be lost.
    virtual SaveChangesAnswer AskSaveChanges(const std::string& question) = 0;

    virtual void SetTitle(const std::string& title) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    // Lets the window handle what the user did meanwhile (Stop, a close
    // request); called between two waits of a long operation.
    virtual void PumpOnce() = 0;
    // The session state changed: re-evaluate the enabling rules.
    virtual void StateChanged() {}
};

}  // namespace velmora
