#include "platform/FileIo.h"

#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

namespace noma {

FileReason reasonOf(int errnum) {
    switch (errnum) {
        case ENOENT:
            return {"ファイルまたはフォルダが見つかりません。", "no such file or folder"};
        case EACCES:
        case EPERM:
            return {"ファイルを扱う権限がありません。", "permission denied"};
        case EISDIR:
            return {"フォルダです。", "it is a folder"};
        case ENOTDIR:
            return {"途中の名前がフォルダではありません。", "a part of the path is not a folder"};
        case ELOOP:
            return {"シンボリックリンクが循環しています。", "too many levels of symbolic links"};
        case ENAMETOOLONG:
            return {"ファイル名が長すぎます。", "the file name is too long"};
        case ENOSPC:
            return {"ディスクの空きがありません。", "no space left on the device"};
        case EFBIG:
            return {"ファイルの大きさの上限を超えました。", "the file size limit was reached"};
        case EROFS:
            return {"読み取り専用の場所です。", "read-only file system"};
        default:
            return {std::string("システムのエラーです（") + std::strerror(errnum) + "）。",
                    std::strerror(errnum)};
    }
}

namespace {

Failure failureOf(const FileReason& reason) {
    return {reason.text, reason.gloss};
}

}  // namespace

Expected<std::string> readWholeFile(const std::string& path) {
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return failureOf(reasonOf(errno));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const Failure failure =
            failureOf(S_ISDIR(st.st_mode) ? reasonOf(EISDIR) : kNotRegularReason);
        ::close(fd);
        return failure;
    }
    if (st.st_size > kMaxReadBytes) {
        ::close(fd);
        return failureOf(kTooLargeReason);
    }
    std::string bytes;
    if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            const Failure failure = failureOf(reasonOf(errno));
            ::close(fd);
            return failure;
        }
        if (n == 0) break;
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + static_cast<size_t>(n) > static_cast<size_t>(kMaxReadBytes)) {
            ::close(fd);
            return failureOf(kTooLargeReason);
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

Status writeFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    if (file.write(bytes) && file.commit()) return {};
    return saveFailure(path, file.failure());
}

Failure saveFailure(const std::string& path, const std::string& reason) {
    return {"ファイルに保存できませんでした。\n" + path, "cannot write " + path + ": " + reason};
}

Failure saveFailure(const std::string& path, const Failure& reason) {
    return {"ファイルに保存できませんでした。\n" + path + "\n" + reason.message,
            "cannot write " + path + ": " + reason.gloss};
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool directoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ensureDirectory(const std::string& path, unsigned mode) {
    if (directoryExists(path)) return true;
    ::mkdir(path.c_str(), static_cast<mode_t>(mode));
    return directoryExists(path);
}

bool sameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

std::string joinPath(const std::string& folder, std::string_view name) {
    if (folder.empty()) return std::string(name);
    std::string out = folder;
    if (out.back() != '/') out += '/';
    out += name;
    return out;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

Expected<CreatedFile> createFileBeside(const std::string& path, std::string_view prefix) {
    std::string name(prefix);
    name += "XXXXXX";
    std::string created = joinPath(folderOf(path), name);
    const int fd = ::mkstemp(created.data());
    if (fd < 0) {
        const int error = errno;
        return Failure{reasonOf(error).text,
                       std::string("cannot create a file in the folder: ") + std::strerror(error)};
    }
    // mkstemp makes the file 0600; a finished output should be as readable as any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    return CreatedFile{fd, std::move(created)};
}

std::string errnoText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace noma
