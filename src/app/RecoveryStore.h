#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "platform/Status.h"

namespace noma {

class ScoreDocument;

// A recovery copy left by a run that did not end cleanly.
struct RecoveryCopy {
    std::string session;       // the run's folder
    std::string copyPath;      // the score as it was last copied
    std::string originalPath;  // the name the score had
    std::string savedAt;       // when it was copied, local time
};

// The recovery copies of the running editor, in the program folder's "Recovery" folder: one
// folder per run holding a lock file with the process id and at most one copy of the score,
// named after it, with a note of its original name and time. A clean end removes the run's
// folder; a folder whose process is gone is what a crash left behind.
class RecoveryStore {
  public:
    using AliveCheck = std::function<bool(int pid)>;

    // `session` tells two runs of the same process id apart (the start time in practice).
    RecoveryStore(const std::string& programFolder, int pid, const std::string& session,
                  AliveCheck alive);

    // The copies of runs whose process is gone, oldest first. A run of another live editor
    // is never among them; a lock naming this process's own id is an earlier run's.
    std::vector<RecoveryCopy> orphans() const;
    // Creates this run's folder and lock file.
    Status claim();
    // Writes the score's copy atomically (the user's file is never touched); a copy under an
    // earlier name goes.
    Status writeCopy(const ScoreDocument& doc, std::time_t now);
    // Removes this run's copy (saved, closed, or changes dropped).
    void discardCopy();
    // The clean end: this run's folder and lock go.
    void release();
    // Removes a dead run's folder once its copy is restored or declined.
    static void remove(const RecoveryCopy& copy);

    bool hasCopy() const;
    const std::string& folder() const { return folder_; }

  private:
    std::string root_;
    std::string folder_;
    int pid_;
    AliveCheck alive_;
};

// True while a process with this id exists.
bool processAlive(int pid);
int currentProcessId();
// "2026/12/10 03:12:45" in local time.
std::string localTimeText(std::time_t time);

}  // namespace noma
