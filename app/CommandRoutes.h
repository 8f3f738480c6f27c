// The one place that says which session method carries out each command of
// the menu, the toolbar and the keyboard.
#pragma once

namespace velmora {

class Session;

using SessionCommand = void (*)(Session&);

// nullptr for a command that no session method carries out; its menu item
// or toolbar button stays disabled.
SessionCommand SessionCommandFor(int commandId);

}  // namespace velmora
