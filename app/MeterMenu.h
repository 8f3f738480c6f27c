// The Meter menu's own commands: the two options, remembered in the
// window's settings, and "Compare with meter...".
#pragma once

#include <QAction>

#include "ui/Session.h"

namespace velmora::metermenu {

// The options as the user left them (verify on, backup off by default) into
// the session, and the check marks of the two actions.
void LoadOptions(Session& session, QAction* verify, QAction* backup);

// Handles ID_VERIFY_AFTER_WRITE, ID_BACKUP_BEFORE_WRITE and
// ID_COMPARE_METER; false for any other command.
bool Run(int commandId, Session& session, QAction* action, QWidget* parent);

}  // namespace velmora::metermenu
