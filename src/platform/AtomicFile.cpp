#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "platform/FileIo.h"

namespace noma {

namespace {

// The temporary files being written, for the signal handler: plain arrays, since a handler
// may only read memory and call unlink.
constexpr int kSlots = 16;
char slotPaths[kSlots][PATH_MAX];
std::atomic<bool> slotTaken[kSlots];
std::atomic<bool> slotReady[kSlots];  // the name is complete; the handler may remove it

int claimSlot(const std::string& path) {
    if (path.size() >= PATH_MAX) return -1;
    for (int i = 0; i < kSlots; ++i) {
        bool expected = false;
        if (!slotTaken[i].compare_exchange_strong(expected, true)) continue;
        std::memcpy(slotPaths[i], path.c_str(), path.size() + 1);
        slotReady[i].store(true, std::memory_order_release);
        return i;
    }
    return -1;
}

void releaseSlot(int slot) {
    if (slot < 0) return;
    slotReady[slot].store(false, std::memory_order_release);
    slotTaken[slot].store(false, std::memory_order_release);
}

extern "C" void removeTemporariesAndEnd(int signal) {
    for (int i = 0; i < kSlots; ++i) {
        if (slotReady[i].load(std::memory_order_acquire)) ::unlink(slotPaths[i]);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// The file a name leads to: a symbolic link is followed, even when its file does not exist
// yet, so that writing through the link creates or replaces that file.
std::string followLinks(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), buffer, sizeof buffer - 1);
        if (n <= 0) return current;
        const std::string link(buffer, static_cast<size_t>(n));
        current = link[0] == '/' ? link : joinPath(folderOf(current), link);
    }
    return current;
}

// Makes the rename itself survive a power cut.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

Status outputAllowed(const std::string& path) {
    const auto refused = [](const FileReason& reason) {
        return Failure{reason.text, reason.gloss};
    };
    if (path.empty()) return Failure{"ファイル名がありません。", "empty file name"};
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return {};  // a new file (or a link to one)
        return refused(reasonOf(errno));
    }
    if (S_ISDIR(st.st_mode)) return refused(reasonOf(EISDIR));
    if (!S_ISREG(st.st_mode)) return refused(kNotRegularReason);
    // As cp and shell redirection do; root may write anything, so the mode bits decide for it.
    if ((st.st_mode & 0222) == 0 || (::geteuid() != 0 && ::access(path.c_str(), W_OK) != 0))
        return refused(kReadOnlyReason);
    return {};
}

AtomicFile::AtomicFile(const std::string& path, std::string_view prefix)
    : target_(followLinks(path)) {
    if (Status allowed = outputAllowed(path); !allowed.ok()) {
        fail(allowed.failure().gloss);
        return;
    }
    Expected<CreatedFile> created = createFileBeside(target_, prefix);
    if (!created.ok()) {
        fail(created.failure().gloss);
        return;
    }
    fd_ = created->fd;
    temp_ = std::move(created->path);
    slot_ = claimSlot(temp_);
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0) ::fchmod(fd_, old.st_mode & 07777);
}

AtomicFile::~AtomicFile() {
    abandon();
}

bool AtomicFile::fail(const std::string& reason) {
    if (failure_.empty()) failure_ = reason.empty() ? "failed" : reason;
    abandon();
    return false;
}

bool AtomicFile::write(std::string_view bytes) {
    if (!ok() || fd_ < 0) return false;
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errnoText("write failed"));
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

bool AtomicFile::commit() {
    return finish() && putInPlace();
}

bool AtomicFile::finish() {
    if (!ok() || temp_.empty()) return false;
    if (fd_ < 0) return true;
    if (::fsync(fd_) != 0) return fail(errnoText("sync failed"));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return fail(errnoText("close failed"));
    return true;
}

bool AtomicFile::putInPlace() {
    if (!finish()) return false;
    // The target may have become something else while this was written.
    if (Status allowed = outputAllowed(target_); !allowed.ok()) {
        return fail(allowed.failure().gloss);
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) return fail(errnoText("rename failed"));
    releaseSlot(slot_);
    slot_ = -1;
    temp_.clear();
    syncFolder(folderOf(target_));
    return true;
}

void AtomicFile::abandon() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
    releaseSlot(slot_);
    slot_ = -1;
}

void installOutputSafety() {
    std::signal(SIGXFSZ, SIG_IGN);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction now {};
        if (::sigaction(signal, nullptr, &now) != 0 || now.sa_handler != SIG_DFL) continue;
        struct sigaction action {};
        action.sa_handler = removeTemporariesAndEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

}  // namespace noma
