#pragma once

#include <string>

namespace noma {

// The folder that holds the settings file, the clipboard files, "NMK" and the default
// new-document name: the executable's folder when writable, otherwise the per-user data
// folder ($XDG_DATA_HOME/noma, default ~/.local/share/noma), created when missing.
std::string defaultProgramFolder();

// Folder of the running executable ("" when unknown).
std::string executableFolder();

}  // namespace noma
