#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Status.h"

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
// refused without being waited on. When it cannot be read, the failure is the reason alone
// (FileReason's text and gloss), for the caller to say what it was reading.
Expected<std::string> readWholeFile(const std::string& path);

// Writes `bytes` to a temporary file in the target's folder and renames it over the target,
// so a failed or interrupted write never damages the file that was there (see AtomicFile).
// A failure is saveFailure(path, the system's reason).
Status writeFileAtomically(const std::string& path, std::string_view bytes);

// The user's "could not save" for `path`, with the system's `reason` in the gloss.
Failure saveFailure(const std::string& path, const std::string& reason);
// The same with the reason in both languages (a FileReason's text and gloss).
Failure saveFailure(const std::string& path, const Failure& reason);

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

// A file made to be written and then renamed over another: its open descriptor and its name.
struct CreatedFile {
    int fd = -1;
    std::string path;
};

// Creates an empty file named `prefix` plus six random characters in the folder of `path`,
// with the permissions a new file gets (0666 & ~umask), to be written and renamed over `path`.
Expected<CreatedFile> createFileBeside(const std::string& path, std::string_view prefix);

// `what`, a colon and the system's reason for the last failed call.
std::string errnoText(const char* what);

}  // namespace noma
