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
// The folder part of `path`: "." for a bare name, "/" for a file in the root.
std::string folderOf(const std::string& path);

// Creates an empty file named `prefix` plus six random characters in the folder of `path`,
// with the permissions a new file gets (0666 & ~umask), to be written and renamed over `path`.
// Returns its descriptor and sets `created` to its name; -1 (errno set) when it cannot.
int createFileBeside(const std::string& path, std::string_view prefix, std::string& created);

// `what`, a colon and the system's reason for the last failed call.
std::string errnoText(const char* what);

}  // namespace noma
