// The command table: one row per command says where it shows (menu, toolbar,
// context menus, keys), what it runs and when it is enabled. The window
// builds its menus, toolbar and routing from these rows.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "session/SessionView.h"

namespace velmora {

class Session;

enum class CommandId {
    FileNew,
    FileOpen,
    FileSave,
    FileSaveAs,
    HelpContents,
    AppExit,
    Stop,
    Read,
    Write,
    DisplayLnb,
    DisplayTps,
    LoadLogo,
    WriteLogo,
    WriteIcon,
    LoadIcon,
    DeleteIcon,
    CreateFlash,
    SoftUpgrade,
    LoadSoft,
    PatchUp,
    EditUndo,
    EditRedo,
    SatEdit,
    // The form's buttons and fields as commands of the Edit menu.
    TpAdd,
    TpEdit,
    TpDelete,
    TpSort,
    SatAdd,
    SatDelete,
    LnbEdit,
    Find,
    CheckTable,
    FileImport,
    FileExport,
    // The Meter menu's comparison and options.
    CompareMeter,
    VerifyAfterWrite,
    BackupBeforeWrite,
    AppAbout,
    // Transponder lists from the web and from the installed scan tables.
    FileImportUrl,
    FileCatalog,
    FindMeter,
    UnitRecords,
    RestoreBackup,
    RecordUnits,
};

// The menu bar's menus, left to right.
enum class Menu { None, File, Edit, Meter, Help };
inline constexpr Menu kMenuBar[] = {Menu::File, Menu::Edit, Menu::Meter, Menu::Help};
// "File(&F)" ...
const char* MenuTitle(Menu menu);

// What a command needs of the window instead of a session method; the
// window maps each step to its code in one place.
enum class WindowStep {
    None,
    FileImport,
    FileImportUrl,
    FileCatalog,
    ExportDialog,
    CheckDialog,
    CompareDialog,
    UnitRecordsDialog,
    HelpContents,
    AboutBox,
    Exit,
    FocusFind,
    PressButton,  // the form button the command mirrors
    // The Meter menu's options, remembered by the window.
    ToggleVerify,
    ToggleBackup,
    // Meter > Restore a backup...: the window lists the backups.
    RestoreDialog,
    // Meter > Record unit records, remembered as [production] record=.
    ToggleRecord,
};

enum class ContextMenu { None, Tree, TpList, LnbList };

struct ContextPlace {
    ContextMenu menu = ContextMenu::None;
    int place = 0;  // 1 is the top item
    bool separatorBefore = false;
};

// Where a command's keys work: the row keys belong to the list, so in the
// find field they edit the text.
enum class KeyScope { Window, List };

// A submenu that follows a command's item.
enum class Submenu { None, RecentFiles, Language };

struct Command {
    CommandId id{};
    // The items of one menu show in the order of their rows.
    Menu menu = Menu::None;
    bool separatorBefore = false;
    const char* text = "";
    // QKeySequence text; "; " between two shortcuts.
    const char* keys = "";
    KeyScope keyScope = KeyScope::Window;
    Submenu submenuAfter = Submenu::None;
    // Status-bar prompt; the part after '\n' is the toolbar tooltip.
    const char* prompt = "";
    // 1 is the leftmost toolbar button; 0: not on the toolbar.
    int toolbarPlace = 0;
    // The toolbar image's name ("open").
    const char* icon = nullptr;
    // Exactly one of run and step carries the command out.
    void (*run)(Session&) = nullptr;
    WindowStep step = WindowStep::None;
    // The form button (a FormControl) the command mirrors; the command is off
    // while the button is.
    FormControl button = FormControl::None;
    bool (*enabled)(const Session&) = nullptr;
    // A long operation (the meter, the bootloader): the window runs it on a
    // thread of its own and stays responsive meanwhile.
    bool longOperation = false;
    std::array<ContextPlace, 2> contexts{};
    // The menu text follows the session ("Undo Delete 3 TPs").
    std::string (*liveText)(const Session&) = nullptr;
};

std::span<const Command> Commands();
// nullptr for an unknown id.
const Command* FindCommand(CommandId id);

// The toolbar's buttons, left to right.
std::vector<CommandId> ToolbarCommands();

struct ContextItem {
    const Command* command;
    bool separatorBefore;
};
// A context menu's items, top to bottom.
std::vector<ContextItem> ContextCommands(ContextMenu menu);

// The enable rule of a command; true for an id without a row.
bool CommandAllowed(const Session& session, CommandId id);

}  // namespace velmora
