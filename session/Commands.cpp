#include "session/Commands.h"

#include <algorithm>
#include <utility>

#include "core/TextMark.h"
#include "session/Session.h"

namespace velmora {

namespace {

// ---- enable rules ---------------------------------------------------------------

bool Always(const Session&) { return true; }
// One long operation at a time: the others are refused meanwhile.
bool Idle(const Session& s) { return !s.OperationRunning(); }
// Loading other tables while an operation sends or receives them would pull
// them out from under it.
bool TablesFree(const Session& s) { return s.State().flags.busyFlag == 0; }
bool HasTables(const Session& s) { return s.Database().tpCount > 0 && s.Database().satCount > 0; }
bool Modified(const Session& s) { return s.Modified(); }
bool CanUndo(const Session& s) { return s.History().CanUndo() && Idle(s); }
bool CanRedo(const Session& s) { return s.History().CanRedo() && Idle(s); }
bool SatChosen(const Session& s) {
    int sat = s.State().edit.satFilter;
    return sat >= 0 && sat < s.Database().satCount && Idle(s);
}
bool LogoReady(const Session& s) { return PathUsable(s.State().logoPath) && Idle(s); }
bool IconReady(const Session& s) { return PathUsable(s.State().iconPath) && Idle(s); }
bool SoftReady(const Session& s) { return PathUsable(s.State().softPath) && Idle(s); }
bool FlashImageReady(const Session& s) {
    return PathUsable(s.State().iconPath) && PathUsable(s.State().logoPath) && HasTables(s);
}
// At least one ticked upload has something to send.
bool PatchReady(const Session& s) {
    if (!Idle(s)) return false;
    const SessionState& st = s.State();
    return (st.patchIcon == 1 && PathUsable(st.iconPath)) ||
           (st.patchLogo == 1 && PathUsable(st.logoPath)) ||
           (st.patchSoft == 1 && PathUsable(st.softPath)) || (st.patchSatTp == 1 && HasTables(s));
}

// ---- the rows -----------------------------------------------------------------------

constexpr Command kCommands[] = {
    // File
    {.id = CommandId::FileNew, .menu = Menu::File, .text = VELMORA_TR_NOOP("Commands", "New(&N)"),
     .keys = "Ctrl+N",
     .run = [](Session& s) { s.New(); }, .enabled = TablesFree},
    {.id = CommandId::FileOpen, .menu = Menu::File, .text = VELMORA_TR_NOOP("Commands", "Open(&O)..."),
     .keys = "Ctrl+O",
     .submenuAfter = Submenu::RecentFiles,
     .prompt = VELMORA_TR_NOOP("Commands", "Open an existing table file\nOpen a table"),
     .toolbarPlace = 1, .icon = "open", .run = [](Session& s) { s.Open(); },
     .enabled = TablesFree},
    {.id = CommandId::FileSave, .menu = Menu::File, .text = VELMORA_TR_NOOP("Commands", "Save(&S)"),
     .keys = "Ctrl+S",
     .prompt = VELMORA_TR_NOOP("Commands", "Save the table to its file\nSave"), .toolbarPlace = 2,
     .icon = "save",
     .run = [](Session& s) { s.Save(); }, .enabled = Modified},
    {.id = CommandId::FileSaveAs, .menu = Menu::File,
     .text = VELMORA_TR_NOOP("Commands", "Save as(&A)..."), .keys = "Ctrl+Shift+S",
     .prompt = VELMORA_TR_NOOP("Commands", "Save the table to a new file\nSave as"),
     .run = [](Session& s) { s.SaveAs(); },
     .enabled = Always},
    {.id = CommandId::FileImport, .menu = Menu::File, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Import transponders..."),
     .prompt = VELMORA_TR_NOOP("Commands",
                               "Merge a satellites.xml, .ini or dvbv5 transponder list into "
                               "the table\n"
                               "Import transponders"),
     .step = WindowStep::FileImport, .enabled = Idle},
    {.id = CommandId::FileImportUrl, .menu = Menu::File,
     .text = VELMORA_TR_NOOP("Commands", "Import from the web..."),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Download a transponder list from an http or https address and merge it\n"
         "Import from the web"),
     .step = WindowStep::FileImportUrl, .enabled = Idle},
    {.id = CommandId::FileCatalog, .menu = Menu::File,
     .text = VELMORA_TR_NOOP("Commands", "Add satellites from the catalog..."),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Merge satellites from the scan tables installed on this computer\n"
         "Add satellites from the catalog"),
     .step = WindowStep::FileCatalog, .enabled = Idle},
    {.id = CommandId::FileExport, .menu = Menu::File,
     .text = VELMORA_TR_NOOP("Commands", "Export satellites.xml..."),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Write the table as a satellites.xml file\nExport satellites.xml"),
     .step = WindowStep::ExportDialog, .enabled = HasTables},
    {.id = CommandId::LoadSoft, .menu = Menu::File, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Load soft..."),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Load a firmware file (rav32izazud.hex)\nLoad soft"),
     .run = [](Session& s) { s.LoadSoft(); }, .enabled = Always},
    {.id = CommandId::LoadIcon, .menu = Menu::File, .text = VELMORA_TR_NOOP("Commands", "Load icon..."),
     .prompt = VELMORA_TR_NOOP("Commands", "Load an icon file (stm32icon.bin)\nLoad icon"),
     .run = [](Session& s) { s.LoadIcon(); }, .enabled = Always},
    {.id = CommandId::LoadLogo, .menu = Menu::File, .text = VELMORA_TR_NOOP("Commands", "Load logo..."),
     .prompt = VELMORA_TR_NOOP("Commands", "Load a logo file (bootlogo.bin)\nLoad logo"),
     .run = [](Session& s) { s.LoadLogo(); }, .enabled = Always},
    {.id = CommandId::CreateFlash, .menu = Menu::File, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Create Flash1M.bin"),
     .prompt = VELMORA_TR_NOOP("Commands",
                               "Create the factory image Flash1M.bin\nCreate Flash1M.bin"),
     .run = [](Session& s) { s.CreateFlashImage(); }, .enabled = FlashImageReady},
    {.id = CommandId::AppExit, .menu = Menu::File, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Exit(&X)"),
     .keys = "Ctrl+Q",
     .prompt = VELMORA_TR_NOOP("Commands", "Quit, asking to save the changes first\nExit"),
     .step = WindowStep::Exit,
     .enabled = Always},

    // Edit
    {.id = CommandId::EditUndo, .menu = Menu::Edit, .text = VELMORA_TR_NOOP("Commands", "Undo"),
     .keys = "Ctrl+Z",
     .prompt = VELMORA_TR_NOOP("Commands", "Undo the last change of the tables\nUndo"),
     .run = [](Session& s) { s.Undo(); },
     .enabled = CanUndo, .liveText = [](const Session& s) { return s.UndoText(); }},
    {.id = CommandId::EditRedo, .menu = Menu::Edit, .text = VELMORA_TR_NOOP("Commands", "Redo"),
     .keys = "Ctrl+Shift+Z; Ctrl+Y",
     .prompt = VELMORA_TR_NOOP("Commands", "Redo the change undone last\nRedo"),
     .run = [](Session& s) { s.Redo(); },
     .enabled = CanRedo, .liveText = [](const Session& s) { return s.RedoText(); }},
    {.id = CommandId::TpAdd, .menu = Menu::Edit, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "TP Add..."),
     .keys = "Ins", .keyScope = KeyScope::List,
     .prompt = VELMORA_TR_NOOP("Commands", "Add a transponder"),
     .step = WindowStep::PressButton, .button = FormControl::TpAdd, .enabled = Always,
     .contexts = {{{.menu = ContextMenu::TpList, .place = 1}}}},
    // Enter on the keypad edits as Return does.
    {.id = CommandId::TpEdit, .menu = Menu::Edit, .text = VELMORA_TR_NOOP("Commands", "TP Edit..."),
     .keys = "Return; Enter",
     .keyScope = KeyScope::List,
     .prompt = VELMORA_TR_NOOP("Commands", "Edit the selected transponder"),
     .step = WindowStep::PressButton, .button = FormControl::TpEdit, .enabled = Always,
     .contexts = {{{.menu = ContextMenu::TpList, .place = 2}}}},
    {.id = CommandId::TpDelete, .menu = Menu::Edit, .text = VELMORA_TR_NOOP("Commands", "TP Delete"),
     .keys = "Del",
     .keyScope = KeyScope::List,
     .prompt = VELMORA_TR_NOOP("Commands", "Delete the selected transponders"),
     .step = WindowStep::PressButton, .button = FormControl::TpDelete, .enabled = Always,
     .contexts = {{{.menu = ContextMenu::TpList, .place = 3}}}},
    {.id = CommandId::TpSort, .menu = Menu::Edit, .text = VELMORA_TR_NOOP("Commands", "TP Sort..."),
     .prompt = VELMORA_TR_NOOP("Commands", "Sort the transponders"),
     .step = WindowStep::PressButton, .button = FormControl::TpSort, .enabled = Always,
     .contexts = {{{.menu = ContextMenu::Tree, .place = 4, .separatorBefore = true},
                   {.menu = ContextMenu::TpList, .place = 4, .separatorBefore = true}}}},
    {.id = CommandId::SatAdd, .menu = Menu::Edit, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Satellite Add..."),
     .prompt = VELMORA_TR_NOOP("Commands", "Add a satellite"), .step = WindowStep::PressButton,
     .button = FormControl::SatAdd,
     .enabled = Always, .contexts = {{{.menu = ContextMenu::Tree, .place = 1}}}},
    {.id = CommandId::SatEdit, .menu = Menu::Edit,
     .text = VELMORA_TR_NOOP("Commands", "Satellite Edit..."),
     .prompt = VELMORA_TR_NOOP("Commands", "Edit the chosen satellite"),
     .step = WindowStep::PressButton,
     .button = FormControl::SatEdit, .enabled = SatChosen,
     .contexts = {{{.menu = ContextMenu::Tree, .place = 2}}}},
    {.id = CommandId::SatDelete, .menu = Menu::Edit,
     .text = VELMORA_TR_NOOP("Commands", "Satellite Delete"),
     .prompt = VELMORA_TR_NOOP("Commands", "Delete the satellite of the selected transponder"),
     .step = WindowStep::PressButton, .button = FormControl::SatDelete, .enabled = SatChosen,
     .contexts = {{{.menu = ContextMenu::Tree, .place = 3}}}},
    {.id = CommandId::LnbEdit, .menu = Menu::Edit, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "LNB Edit..."),
     .prompt = VELMORA_TR_NOOP("Commands", "Edit the selected LNB"),
     .step = WindowStep::PressButton,
     .button = FormControl::LnbEdit, .enabled = Always,
     .contexts = {{{.menu = ContextMenu::LnbList, .place = 1}}}},
    {.id = CommandId::Find, .menu = Menu::Edit, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Find"),
     .keys = "Ctrl+F",
     .prompt = VELMORA_TR_NOOP("Commands",
         "Find transponders by frequency, symbol rate, polarisation or satellite"),
     .step = WindowStep::FocusFind, .enabled = Always,
     .contexts = {{{.menu = ContextMenu::TpList, .place = 5, .separatorBefore = true}}}},
    {.id = CommandId::CheckTable, .menu = Menu::Edit,
     .text = VELMORA_TR_NOOP("Commands", "Check table..."),
     .prompt = VELMORA_TR_NOOP("Commands", "List what is probably wrong with the table"),
     .step = WindowStep::CheckDialog,
     .enabled = Always},

    // Meter
    {.id = CommandId::Read, .menu = Menu::Meter, .text = VELMORA_TR_NOOP("Commands", "Read"),
     .keys = "Ctrl+R",
     .prompt = VELMORA_TR_NOOP("Commands", "Read transponders from meter"), .toolbarPlace = 4,
     .icon = "read",
     .run = [](Session& s) { s.ReadTables(); }, .enabled = Idle, .longOperation = true},
    {.id = CommandId::Write, .menu = Menu::Meter, .text = VELMORA_TR_NOOP("Commands", "Write"),
     .keys = "Ctrl+W",
     .prompt = VELMORA_TR_NOOP("Commands", "Write transponders to meter"), .toolbarPlace = 5,
     .icon = "write",
     .run = [](Session& s) { s.WriteTables(); }, .enabled = Idle, .longOperation = true},
    {.id = CommandId::Stop, .menu = Menu::Meter, .text = VELMORA_TR_NOOP("Commands", "Stop"),
     .prompt = VELMORA_TR_NOOP("Commands", "Stop read/write transponders"), .toolbarPlace = 3,
     .icon = "stop",
     .run = [](Session& s) { s.Stop(); }, .enabled = Always},
    {.id = CommandId::FindMeter, .menu = Menu::Meter, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Find meter"),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Ask every port whether the meter answers, and choose the port it is on\nFind meter"),
     .run = [](Session& s) { s.FindMeter(); }, .enabled = Idle, .longOperation = true},
    // Taking the meter's table replaces the document's.
    {.id = CommandId::CompareMeter, .menu = Menu::Meter, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Compare with meter..."),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Compare the tables with the meter's tables\nCompare with meter"),
     .step = WindowStep::CompareDialog, .enabled = Idle},
    // Writing a backup replaces the meter's table; the document stays.
    {.id = CommandId::RestoreBackup, .menu = Menu::Meter,
     .text = VELMORA_TR_NOOP("Commands", "Restore a backup..."),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Write one of the backups taken before a write back to the meter\nRestore a backup"),
     .step = WindowStep::RestoreDialog, .enabled = Idle},
    {.id = CommandId::UnitRecords, .menu = Menu::Meter,
     .text = VELMORA_TR_NOOP("Commands", "Unit records..."),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Show the records of the meters this bench serviced\nUnit records"),
     .step = WindowStep::UnitRecordsDialog, .enabled = Always},
    {.id = CommandId::WriteLogo, .menu = Menu::Meter, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Write logo"),
     .prompt = VELMORA_TR_NOOP("Commands", "Write logo to meter"), .toolbarPlace = 10,
     .icon = "write_logo",
     .run = [](Session& s) { s.WriteLogo(); }, .enabled = LogoReady, .longOperation = true},
    {.id = CommandId::WriteIcon, .menu = Menu::Meter, .text = VELMORA_TR_NOOP("Commands", "Write icon"),
     .prompt = VELMORA_TR_NOOP("Commands", "Write icon to meter"), .toolbarPlace = 9,
     .icon = "write_icon",
     .run = [](Session& s) { s.WriteIcon(); }, .enabled = IconReady, .longOperation = true},
    {.id = CommandId::SoftUpgrade, .menu = Menu::Meter,
     .text = VELMORA_TR_NOOP("Commands", "SOFT upgrade"),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Upgrade the meter's software, Please press EXIT and turn on meter first !"),
     .toolbarPlace = 8, .icon = "soft", .run = [](Session& s) { s.SoftUpgrade(); },
     .enabled = SoftReady, .longOperation = true},
    {.id = CommandId::PatchUp, .menu = Menu::Meter, .text = VELMORA_TR_NOOP("Commands", "PATCH UP"),
     .prompt = VELMORA_TR_NOOP("Commands",
                               "Run the ticked uploads (SOFT, ICON, LOGO, SAT TP) one by one\n"
                               "Patch up one by one"),
     .toolbarPlace = 11, .icon = "patch_up", .run = [](Session& s) { s.PatchUp(); },
     .enabled = PatchReady, .longOperation = true},
    // Deleting the meter's icon set had no way in; it asks before it acts.
    {.id = CommandId::DeleteIcon, .menu = Menu::Meter, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Delete meter OSD icon..."),
     .prompt = VELMORA_TR_NOOP("Commands", "Delete the meter's on-screen icons\nDelete icons"),
     .run = [](Session& s) { s.DeleteMeterIcons(); }, .enabled = Idle, .longOperation = true},
    {.id = CommandId::VerifyAfterWrite, .menu = Menu::Meter, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "Verify after write"),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Read the tables back after a write and check them\nVerify after write"),
     .step = WindowStep::ToggleVerify, .enabled = Always},
    {.id = CommandId::BackupBeforeWrite, .menu = Menu::Meter,
     .text = VELMORA_TR_NOOP("Commands", "Back up before write"),
     .prompt = VELMORA_TR_NOOP("Commands",
                               "Save the meter's tables in the backups folder before a write\n"
                               "Back up before write"),
     .step = WindowStep::ToggleBackup, .enabled = Always},
    // The same setting the command-line tool's batch and uploads follow.
    {.id = CommandId::RecordUnits, .menu = Menu::Meter,
     .text = VELMORA_TR_NOOP("Commands", "Record unit records"),
     .prompt = VELMORA_TR_NOOP("Commands",
                               "Keep a record of every meter upgraded or written in the unit "
                               "records\nRecord unit records"),
     .step = WindowStep::ToggleRecord, .enabled = Always},

    // Help
    {.id = CommandId::HelpContents, .menu = Menu::Help,
     .text = VELMORA_TR_NOOP("Commands", "Help Contents..."), .keys = "F1",
     .submenuAfter = Submenu::Language,
     .prompt = VELMORA_TR_NOOP("Commands", "Show the guide to the everyday tasks\nHelp Contents"),
     .step = WindowStep::HelpContents, .enabled = Always},
    {.id = CommandId::AppAbout, .menu = Menu::Help, .separatorBefore = true,
     .text = VELMORA_TR_NOOP("Commands", "About Orvane..."),
     .prompt = VELMORA_TR_NOOP("Commands",
         "Show the program's version and notes for meter owners\nAbout"),
     .step = WindowStep::AboutBox, .enabled = Always},

    // Toolbar only
    {.id = CommandId::DisplayTps, .prompt = VELMORA_TR_NOOP("Commands", "Display transponders"),
     .toolbarPlace = 6, .icon = "tps",
     .run = [](Session& s) { s.DisplayTransponders(); }, .enabled = Always},
    {.id = CommandId::DisplayLnb, .prompt = VELMORA_TR_NOOP("Commands", "Display LNB"), .toolbarPlace = 7,
     .icon = "lnb",
     .run = [](Session& s) { s.DisplayLnb(); }, .enabled = Always},
};

}  // namespace

const char* MenuTitle(Menu menu) {
    switch (menu) {
        case Menu::File: return VELMORA_TR_NOOP("Commands", "File(&F)");
        case Menu::Edit: return VELMORA_TR_NOOP("Commands", "Edit(&E)");
        case Menu::Meter: return VELMORA_TR_NOOP("Commands", "Meter(&M)");
        case Menu::Help: return VELMORA_TR_NOOP("Commands", "Help(&H)");
        case Menu::None: break;
    }
    return "";
}

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(CommandId id) {
    for (const Command& c : kCommands) {
        if (c.id == id) return &c;
    }
    return nullptr;
}

std::vector<CommandId> ToolbarCommands() {
    std::vector<std::pair<int, CommandId>> placed;
    for (const Command& c : kCommands) {
        if (c.toolbarPlace > 0) placed.emplace_back(c.toolbarPlace, c.id);
    }
    std::sort(placed.begin(), placed.end());
    std::vector<CommandId> ids;
    for (const auto& [place, id] : placed) ids.push_back(id);
    return ids;
}

std::vector<ContextItem> ContextCommands(ContextMenu menu) {
    std::vector<std::pair<int, ContextItem>> placed;
    for (const Command& c : kCommands) {
        for (const ContextPlace& at : c.contexts) {
            if (menu != ContextMenu::None && at.menu == menu) {
                placed.push_back({at.place, {&c, at.separatorBefore}});
            }
        }
    }
    std::sort(placed.begin(), placed.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<ContextItem> items;
    for (const auto& [place, item] : placed) items.push_back(item);
    return items;
}

bool CommandAllowed(const Session& session, CommandId id) {
    const Command* c = FindCommand(id);
    return c == nullptr || c->enabled == nullptr || c->enabled(session);
}

}  // namespace velmora
