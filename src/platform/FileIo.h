#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace noma {

// Reads a whole file. Empty optional when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::string& path);

// Writes `bytes` to a temporary file in the target's folder and renames it over the target,
// so a failed or interrupted write never damages the file that was there. A symbolic link is
// followed: the file it names is replaced and the link stays.
// Returns an empty string on success, otherwise the system's reason (English).
std::string writeFileAtomically(const std::string& path, std::string_view bytes);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);
// Creates the folder (not its parents) when missing. False when it still does not exist.
bool ensureDirectory(const std::string& path);

// "a/b" from folder "a" and name "b".
std::string joinPath(const std::string& folder, std::string_view name);

}  // namespace noma
