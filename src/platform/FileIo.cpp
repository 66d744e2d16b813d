#include "platform/FileIo.h"

#include "platform/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace noma {

FileReason reasonOf(int errnum) {
    switch (errnum) {
        case ENOENT: return {"ファイルまたはフォルダが見つかりません。", "no such file or folder"};
        case EACCES:
        case EPERM: return {"ファイルを扱う権限がありません。", "permission denied"};
        case EISDIR: return {"フォルダです。", "it is a folder"};
        case ENOTDIR: return {"途中の名前がフォルダではありません。", "a part of the path is not a folder"};
        case ELOOP: return {"シンボリックリンクが循環しています。", "too many levels of symbolic links"};
        case ENAMETOOLONG: return {"ファイル名が長すぎます。", "the file name is too long"};
        case ENOSPC: return {"ディスクの空きがありません。", "no space left on the device"};
        case EFBIG: return {"ファイルの大きさの上限を超えました。", "the file size limit was reached"};
        case EROFS: return {"読み取り専用の場所です。", "read-only file system"};
        default: return {std::string("システムのエラーです（") + std::strerror(errnum) + "）。", std::strerror(errnum)};
    }
}

std::optional<std::string> readWholeFile(const std::string& path, FileReason* why) {
    FileReason ignored;
    FileReason& reason = why ? *why : ignored;
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        reason = reasonOf(errno);
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        reason = S_ISDIR(st.st_mode) ? reasonOf(EISDIR) : kNotRegularReason;
        ::close(fd);
        return std::nullopt;
    }
    if (st.st_size > kMaxReadBytes) {
        reason = kTooLargeReason;
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    if (st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            reason = reasonOf(errno);
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() + static_cast<size_t>(n) > static_cast<size_t>(kMaxReadBytes)) {
            reason = kTooLargeReason;
            ::close(fd);
            return std::nullopt;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return bytes;
}

std::string writeFileAtomically(const std::string& path, std::string_view bytes) {
    AtomicFile file(path);
    if (file.write(bytes)) file.commit();
    return file.failure();
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
    struct stat sa {}, sb {};
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

int createFileBeside(const std::string& path, std::string_view prefix, std::string& created) {
    std::string name(prefix);
    name += "XXXXXX";
    created = joinPath(folderOf(path), name);
    const int fd = ::mkstemp(created.data());
    if (fd < 0) {
        created.clear();
        return -1;
    }
    // mkstemp makes the file 0600; a finished output should be as readable as any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    return fd;
}

std::string errnoText(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace noma
