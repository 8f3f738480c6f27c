// The one place that says which session method carries out each command of
// the menu, the toolbar and the keyboard.
#pragma once

namespace velmora {

class Session;

using SessionCommand = void (*)(Session&);

// nullptr when no session method carries the command out (yet); its menu
// item and toolbar button then stay disabled.
SessionCommand SessionCommandFor(int commandId);

}  // namespace velmora
