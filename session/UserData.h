// The user's data folder of an installed program (--user-data): the history
// and the default table live there instead of in the current folder, so the
// program started from the desktop menu finds its tables again.
#pragma once

#include <string>
#include <vector>

namespace velmora {

inline constexpr const char* kSampleTableName = "sattp.csv";

// $XDG_DATA_HOME/velmora, or $HOME/.local/share/velmora when XDG_DATA_HOME is
// unset, empty or relative (the base-directory rules ignore a relative one).
// Empty when neither gives an absolute folder.
std::string UserDataFolder(const char* xdgDataHome, const char* home);

// This system's data folder: %LOCALAPPDATA%\velmora on Windows, elsewhere
// UserDataFolder of XDG_DATA_HOME and HOME.
std::string SystemUserDataFolder();

// Creates folder and its parents when missing; created tells whether it was
// missing (the first start). False with error set when it cannot be made.
bool EnsureUserDataFolder(const std::string& folder, bool* created, std::string* error);

// The bench's own database of unit records: units.sqlite in this system's
// data folder (made when missing); empty when there is no home folder.
std::string LocalUnitsPath();

// The first of candidates that is a regular file, or empty.
std::string FindSampleTable(const std::vector<std::string>& candidates);

// Copies sample into folder as the default table, never over an existing
// one, and never leaving half a file. False with error set on failure.
bool CopySampleTable(const std::string& sample, const std::string& folder, std::string* error);

// Earlier versions kept the history of opened tables in the folder they
// were started from. When the data folder has none yet, that one is copied
// there (the folder made as needed), so the last table opens again; the old
// file stays. True when it was taken over.
bool TakeOverHistory(const std::string& oldHistory, const std::string& newHistory);

}  // namespace velmora
