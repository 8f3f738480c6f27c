// The Meter menu's window side: the two write options and the unit
// records' switch, remembered in the window's settings, and the dialogs of "Compare with meter..." and
// "Restore a backup...".
#pragma once

#include <QAction>

#include "session/Commands.h"
#include "session/Session.h"

namespace velmora {
class MainFrame;
}

namespace velmora::metermenu {

// True for the steps of the remembered options.
bool IsOption(WindowStep step);

// The option as the user left it (verify on, backup and records off by
// default) into the session, and the check mark of its action.
void LoadOption(WindowStep step, Session& session, QAction* action);

// Flips the option and remembers it; the action's mark follows.
void ToggleOption(WindowStep step, Session& session, QAction* action);

// Reads the meter's table (on the operation's own thread), then shows the
// differences and takes the meter's table, or writes the document's, when
// asked to.
void CompareWithMeter(Session& session, MainFrame& frame);

// Lists the backups of the table's folder and writes the one chosen to the
// meter.
void RestoreBackup(Session& session, MainFrame& frame);

}  // namespace velmora::metermenu
