#include "app/CommandRoutes.h"

#include "ui/Commands.h"
#include "ui/Session.h"

namespace velmora {

namespace {

struct CommandRoute {
    int id;
    SessionCommand run;
};

// Meter-link and firmware commands are listed with nullptr until their
// session methods exist; wiring one is replacing nullptr with its lambda
// (the method named in the comment).
constexpr CommandRoute kRoutes[] = {
    {ID_FILE_NEW, [](Session& s) { s.New(); }},
    {ID_FILE_OPEN, [](Session& s) { s.Open(); }},
    {ID_FILE_SAVE, [](Session& s) { s.Save(); }},
    {ID_FILE_SAVE_AS, [](Session& s) { s.SaveAs(); }},
    {ID_STOP, [](Session& s) { s.Stop(); }},
    {ID_DISPLAY_TPS, [](Session& s) { s.DisplayTransponders(); }},
    {ID_DISPLAY_LNB, [](Session& s) { s.DisplayLnb(); }},
    {ID_READ, nullptr},          // Session::ReadTables
    {ID_WRITE, nullptr},         // Session::WriteTables
    {ID_LOAD_LOGO, nullptr},     // Session::LoadLogo
    {ID_LOAD_ICON, nullptr},     // Session::LoadIcon
    {ID_WRITE_LOGO, nullptr},    // Session::WriteLogo
    {ID_WRITE_ICON, nullptr},    // Session::WriteIcon
    {ID_DELETE_ICON, nullptr},   // Session::DeleteMeterIcons
    {ID_LOAD_SOFT, nullptr},     // Session::LoadSoft
    {ID_SOFT_UPGRADE, nullptr},  // Session::SoftUpgrade
    {ID_CREATE_FLASH, nullptr},  // Session::CreateFlashImage
    {ID_PATCH_UP, nullptr},      // Session::PatchUp
};

}  // namespace

SessionCommand SessionCommandFor(int commandId) {
    for (const CommandRoute& r : kRoutes) {
        if (r.id == commandId) return r.run;
    }
    return nullptr;
}

}  // namespace velmora
