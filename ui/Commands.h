// The command table: one row per command says where it shows (menu, toolbar,
// context menus, keys), what it runs and when it is enabled. The window
// builds its menus, toolbar and routing from these rows.
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

namespace velmora {

class Session;

enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_HELP_CONTENTS = 57664,
    ID_APP_EXIT = 57665,
    ID_STOP = 32775,
    ID_READ = 32776,
    ID_WRITE = 32777,
    ID_DISPLAY_LNB = 32791,
    ID_DISPLAY_TPS = 32792,
    ID_LOAD_LOGO = 32799,
    ID_WRITE_LOGO = 32806,
    ID_WRITE_ICON = 32809,
    ID_LOAD_ICON = 32810,
    ID_DELETE_ICON = 32811,
    ID_CREATE_FLASH = 32812,
    ID_SOFT_UPGRADE = 32813,
    ID_LOAD_SOFT = 32814,
    ID_PATCH_UP = 32816,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_SAT_EDIT = 32820,
    // The form's buttons and fields as commands of the Edit menu.
    ID_TP_ADD = 32830,
    ID_TP_EDIT = 32831,
    ID_TP_DELETE = 32832,
    ID_TP_SORT = 32833,
    ID_SAT_ADD = 32834,
    ID_SAT_DELETE = 32835,
    ID_LNB_EDIT = 32836,
    ID_FIND = 32837,
    ID_CHECK_TABLE = 32838,
    ID_FILE_IMPORT = 32822,
    ID_FILE_EXPORT = 32823,
    // The Meter menu's comparison and options.
    ID_COMPARE_METER = 32840,
    ID_VERIFY_AFTER_WRITE = 32841,
    ID_BACKUP_BEFORE_WRITE = 32842,
    ID_APP_ABOUT = 32843,
    // Transponder lists from the web and from the installed scan tables.
    ID_FILE_IMPORT_URL = 32850,
    ID_FILE_CATALOG = 32851,
    ID_FIND_METER = 32860,
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
    HelpContents,
    AboutBox,
    Exit,
    FocusFind,
    PressButton,  // the form button the command mirrors
    // The Meter menu's two options, remembered by the window.
    ToggleVerify,
    ToggleBackup,
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
    int id = 0;
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
    // The form button (IDC_...) the command mirrors; the command is off
    // while the button is.
    int button = 0;
    bool (*enabled)(const Session&) = nullptr;
    std::array<ContextPlace, 2> contexts{};
    // The menu text follows the session ("Undo Delete 3 TPs").
    std::string (*liveText)(const Session&) = nullptr;
};

std::span<const Command> Commands();
// nullptr for an unknown id.
const Command* FindCommand(int id);

// The toolbar's buttons, left to right.
std::vector<int> ToolbarCommands();

struct ContextItem {
    const Command* command;
    bool separatorBefore;
};
// A context menu's items, top to bottom.
std::vector<ContextItem> ContextCommands(ContextMenu menu);

// The enable rule of a command; true for an id without a row.
bool CommandAllowed(const Session& session, int id);

}  // namespace velmora
