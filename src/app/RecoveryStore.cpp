#include "app/RecoveryStore.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "document/ScoreDocument.h"
#include "document/ScoreFile.h"
#include "platform/FileIo.h"

namespace noma {

namespace {

namespace fs = std::filesystem;

constexpr const char* kLockName = "NOMA.lock";
constexpr const char* kNoteName = "recovery.txt";

// The note's lines: original path, time, the copy's file name.
std::vector<std::string> noteLines(const std::string& folder) {
    const Expected<std::string> text = readWholeFile(joinPath(folder, kNoteName));
    std::vector<std::string> lines;
    if (!text.ok()) return lines;
    size_t start = 0;
    while (start < text->size()) {
        size_t end = text->find('\n', start);
        if (end == std::string::npos) end = text->size();
        std::string line = text->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string fileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void removeQuietly(const std::string& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

}  // namespace

RecoveryStore::RecoveryStore(const std::string& programFolder, int pid, const std::string& session,
                             AliveCheck alive)
    : root_(joinPath(programFolder, "Recovery")),
      folder_(joinPath(root_, std::to_string(pid) + "-" + session)),
      pid_(pid),
      alive_(std::move(alive)) {}

std::vector<RecoveryCopy> RecoveryStore::orphans() const {
    std::vector<RecoveryCopy> found;
    std::error_code error;
    fs::directory_iterator it(root_, error);
    if (error) return found;
    for (const fs::directory_entry& entry : it) {
        std::error_code kindError;
        if (!entry.is_directory(kindError)) continue;
        const std::string folder = entry.path().string();
        if (folder == folder_) continue;
        // No readable lock: the run died while it was being made or taken down.
        const Expected<std::string> lock = readWholeFile(joinPath(folder, kLockName));
        const int pid = lock.ok() ? std::atoi(lock->c_str()) : 0;
        if (pid > 0 && pid != pid_ && alive_(pid)) continue;
        const std::vector<std::string> note = noteLines(folder);
        RecoveryCopy copy;
        copy.session = folder;
        if (note.size() >= 3) {
            copy.originalPath = note[0];
            copy.savedAt = note[1];
            copy.copyPath = joinPath(folder, note[2]);
        }
        if (copy.copyPath.empty() || !fileExists(copy.copyPath)) {
            removeQuietly(folder);  // a dead run with nothing to give back
            continue;
        }
        found.push_back(std::move(copy));
    }
    std::sort(found.begin(), found.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.savedAt < b.savedAt; });
    return found;
}

Status RecoveryStore::claim() {
    if (!ensureDirectory(root_) || !ensureDirectory(folder_)) {
        return saveFailure(folder_, errnoText("mkdir"));
    }
    return writeFileAtomically(joinPath(folder_, kLockName), std::to_string(pid_) + "\r\n");
}

Status RecoveryStore::writeCopy(const ScoreDocument& doc, std::time_t now) {
    if (!directoryExists(folder_)) {
        if (Status claimed = claim(); !claimed.ok()) return claimed;
    }
    std::string name = fileNameOf(withNmgExtension(doc.currentFileName));
    if (name == ".nmg" || name == kLockName || name == kNoteName) name = "NOMA.nmg";
    const std::vector<std::string> before = noteLines(folder_);
    if (Status written = writeScoreFile(doc, joinPath(folder_, name)); !written.ok()) {
        return written;
    }
    const std::string note =
        doc.currentFileName + "\r\n" + localTimeText(now) + "\r\n" + name + "\r\n";
    if (Status noted = writeFileAtomically(joinPath(folder_, kNoteName), note); !noted.ok()) {
        return noted;
    }
    // The score was saved under another name since the last copy.
    if (before.size() >= 3 && before[2] != name) removeQuietly(joinPath(folder_, before[2]));
    return {};
}

void RecoveryStore::discardCopy() {
    const std::vector<std::string> note = noteLines(folder_);
    removeQuietly(joinPath(folder_, kNoteName));
    if (note.size() >= 3) removeQuietly(joinPath(folder_, note[2]));
}

void RecoveryStore::release() {
    removeQuietly(folder_);
}

void RecoveryStore::remove(const RecoveryCopy& copy) {
    removeQuietly(copy.session);
}

bool RecoveryStore::hasCopy() const {
    const std::vector<std::string> note = noteLines(folder_);
    return note.size() >= 3 && fileExists(joinPath(folder_, note[2]));
}

bool processAlive(int pid) {
    if (pid <= 0) return false;
    // EPERM: it exists but belongs to someone else.
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

int currentProcessId() {
    return static_cast<int>(::getpid());
}

std::string localTimeText(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
    return text;
}

}  // namespace noma
