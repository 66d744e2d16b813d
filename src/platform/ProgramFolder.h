#pragma once

#include <string>

#include "platform/Status.h"

namespace noma {

// The folder that holds the settings file, the clipboard files, "NMK" and the default
// new-document name: the executable's folder when writable and not the system's (an installed
// program in /usr/bin writes nothing there, even for root), otherwise the per-user data
// folder ($XDG_DATA_HOME/noma, default ~/.local/share/noma), created private (0700) when
// missing. A failure when there is no such folder to be had (no home at all): the caller
// refuses rather than fall back on a folder that other users can write.
Expected<std::string> defaultProgramFolder();

// Folder of the running executable ("" when unknown).
std::string executableFolder();

}  // namespace noma
