#include "ui/Commands.h"

namespace velmora {

namespace {

constexpr CommandInfo kCommands[] = {
    {ID_FILE_OPEN, "Open a exist csv file\nopen cvs file"},
    {ID_FILE_SAVE, "Save to current csv file\nSave"},
    {ID_FILE_SAVE_AS, "Save to a new csv file\nSave as"},
    {ID_LOAD_SOFT, "Load a exist rav32izazud.hex file\nopen rav32izazud.hex"},
    {ID_LOAD_ICON, "Load a exist stm32icon.bin file\nopen stm32icon file"},
    {ID_LOAD_LOGO, "Load a exist bootlogo.bin file\nopen bootlogo file"},
    {ID_CREATE_FLASH, "Create Flash1M.bin for factory\nCreate Flash1M.bin"},
    {ID_APP_EXIT, "Exit and prompt to save\nExit"},
    {ID_HELP_CONTENTS, "Display software help information\nHelp Contents"},
    {ID_STOP, "Stop read/write transponders"},
    {ID_READ, "Read transponders from meter"},
    {ID_WRITE, "Write transponders to meter"},
    {ID_DISPLAY_TPS, "Display  transponders"},
    {ID_DISPLAY_LNB, "Display LNB"},
    {ID_SOFT_UPGRADE,
     "Upgrade the meter's software, Please press EXIT and turn on meter first !"},
    {ID_WRITE_ICON, "Write icon to meter"},
    {ID_WRITE_LOGO, "Write logo to meter"},
    {ID_PATCH_UP,
     "Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one\nPatch up one by one"},
    {ID_DELETE_ICON, "Delete meter osd icon\ndelete icon"},
    {ID_FILE_NEW, ""},
    {ID_EDIT_UNDO, "Undo the last change of the tables\nUndo"},
    {ID_EDIT_REDO, "Redo the change undone last\nRedo"},
    {ID_SAT_EDIT, "Edit the chosen satellite"},
    {ID_TP_ADD, "Add a transponder"},
    {ID_TP_EDIT, "Edit the selected transponder"},
    {ID_TP_DELETE, "Delete the selected transponders"},
    {ID_TP_SORT, "Sort the transponders"},
    {ID_SAT_ADD, "Add a satellite"},
    {ID_SAT_DELETE, "Delete the satellite of the selected transponder"},
    {ID_LNB_EDIT, "Edit the selected LNB"},
    {ID_CHECK_TABLE, "List what is probably wrong with the table"},
    {ID_FIND, "Find transponders by frequency, symbol rate, polarisation or satellite"},
    {ID_FILE_IMPORT, "Merge a satellites.xml, .ini or dvbv5 transponder list into the table\nImport transponders"},
    {ID_FILE_EXPORT, "Write the table as a satellites.xml file\nExport satellites.xml"},
    {ID_COMPARE_METER, "Compare the tables with the meter's tables\nCompare with meter"},
    {ID_VERIFY_AFTER_WRITE, "Read the tables back after a write and check them\nVerify after write"},
    {ID_BACKUP_BEFORE_WRITE,
     "Save the meter's tables in the backups folder before a write\nBack up before write"},
};

constexpr int kToolbar[] = {
    ID_FILE_OPEN,    ID_FILE_SAVE,  ID_STOP,       ID_READ,       ID_WRITE,   ID_DISPLAY_TPS,
    ID_DISPLAY_LNB,  ID_SOFT_UPGRADE, ID_WRITE_ICON, ID_WRITE_LOGO, ID_PATCH_UP,
};

}  // namespace

std::span<const CommandInfo> Commands() { return kCommands; }

const CommandInfo* FindCommand(int id) {
    for (const CommandInfo& c : kCommands) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

std::span<const int> ToolbarCommands() { return kToolbar; }

}  // namespace velmora
