// The command table: ids, menu texts, status prompts and toolbar order.
#pragma once

#include <span>

namespace velmora {

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
};

struct CommandInfo {
    int id;
    // Status-bar prompt; the part after '\n' is the toolbar tooltip.
    const char* prompt;
};

std::span<const CommandInfo> Commands();
// nullptr for an unknown id.
const CommandInfo* FindCommand(int id);

// The toolbar's eleven buttons, left to right.
std::span<const int> ToolbarCommands();

}  // namespace velmora
