// The user's settings file, the one the window keeps its settings in
// ($XDG_CONFIG_HOME/velmora/velmora.conf, an INI file), read here without
// the toolkit so the command-line tool follows the same settings.
#pragma once

#include <string>

namespace velmora {

// $XDG_CONFIG_HOME/velmora/velmora.conf, or $HOME/.config/velmora/velmora.conf
// when XDG_CONFIG_HOME is unset, empty or relative; empty when neither gives
// an absolute folder.
std::string UserSettingsPath(const char* xdgConfigHome, const char* home);

// The value of key in [group] of the INI text: spaces around it trimmed, a
// double-quoted value unquoted (as the window writes one with commas or
// spaces in it). Empty when the group or key is not there.
std::string IniValue(const std::string& text, const std::string& group, const std::string& key);

// The same from the file at path; empty when it cannot be read.
std::string SettingsValue(const std::string& path, const std::string& group,
                          const std::string& key);

}  // namespace velmora
