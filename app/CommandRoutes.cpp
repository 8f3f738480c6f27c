#include "app/CommandRoutes.h"

#include "ui/Commands.h"
#include "ui/Session.h"

namespace velmora {

namespace {

struct CommandRoute {
    int id;
    SessionCommand run;
};

constexpr CommandRoute kRoutes[] = {
    {ID_FILE_NEW, [](Session& s) { s.New(); }},
    {ID_FILE_OPEN, [](Session& s) { s.Open(); }},
    {ID_FILE_SAVE, [](Session& s) { s.Save(); }},
    {ID_FILE_SAVE_AS, [](Session& s) { s.SaveAs(); }},
    {ID_STOP, [](Session& s) { s.Stop(); }},
    {ID_DISPLAY_TPS, [](Session& s) { s.DisplayTransponders(); }},
    {ID_DISPLAY_LNB, [](Session& s) { s.DisplayLnb(); }},
    {ID_READ, [](Session& s) { s.ReadTables(); }},
    {ID_WRITE, [](Session& s) { s.WriteTables(); }},
    {ID_LOAD_LOGO, [](Session& s) { s.LoadLogo(); }},
    {ID_LOAD_ICON, [](Session& s) { s.LoadIcon(); }},
    {ID_WRITE_LOGO, [](Session& s) { s.WriteLogo(); }},
    {ID_WRITE_ICON, [](Session& s) { s.WriteIcon(); }},
    {ID_DELETE_ICON, [](Session& s) { s.DeleteMeterIcons(); }},
    {ID_LOAD_SOFT, [](Session& s) { s.LoadSoft(); }},
    {ID_SOFT_UPGRADE, [](Session& s) { s.SoftUpgrade(); }},
    {ID_CREATE_FLASH, [](Session& s) { s.CreateFlashImage(); }},
    {ID_PATCH_UP, [](Session& s) { s.PatchUp(); }},
    {ID_EDIT_UNDO, [](Session& s) { s.Undo(); }},
    {ID_EDIT_REDO, [](Session& s) { s.Redo(); }},
};

}  // namespace

SessionCommand SessionCommandFor(int commandId) {
    for (const CommandRoute& r : kRoutes) {
        if (r.id == commandId) return r.run;
    }
    return nullptr;
}

}  // namespace velmora
