#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace noma {

// Why a file could not be read or written: the Japanese reason the user is shown and its
// English gloss.
struct FileReason {
    std::string text;
    std::string gloss;
};

// The reason for a failed system call's error number.
FileReason reasonOf(int errnum);
inline const FileReason kNotRegularReason{"通常のファイルではありません。", "not a regular file"};
inline const FileReason kTooLargeReason{"ファイルが大きすぎます。", "the file is too large"};
inline const FileReason kReadOnlyReason{"読み取り専用のファイルです。", "the file is read-only"};

// Far above the largest valid score, so no input is read until memory runs out.
inline constexpr int64_t kMaxReadBytes = int64_t{256} << 20;

// Reads a whole regular file of at most kMaxReadBytes. A FIFO, a device or a folder is
// refused without being waited on. Empty optional when it cannot be read; `why` then says why.
std::optional<std::string> readWholeFile(const std::string& path, FileReason* why = nullptr);

// Writes `bytes` to a temporary file in the target's folder and renames it over the target,
// so a failed or interrupted write never damages the file that was there (see AtomicFile).
// Returns an empty string on success, otherwise the system's reason (English).
std::string writeFileAtomically(const std::string& path, std::string_view bytes);

bool fileExists(const std::string& path);
bool directoryExists(const std::string& path);
// Creates the folder (not its parents) when missing. False when it still does not exist.
bool ensureDirectory(const std::string& path, unsigned mode = 0777);

// True when both names lead to the same existing file (same device and inode).
bool sameFile(const std::string& a, const std::string& b);

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
