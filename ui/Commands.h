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
    // The Meter menu's comparison and options.
    ID_COMPARE_METER = 32820,
    ID_VERIFY_AFTER_WRITE = 32821,
    ID_BACKUP_BEFORE_WRITE = 32822,
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
