#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/FileIo.h"

namespace noma {

// An output file, written under a temporary name beside its target and renamed over it when
// complete, so a failed or interrupted write never damages the file that was there. The target
// must be a regular file that is not read-only, or a name not yet taken: a FIFO or a device is
// never replaced. A symbolic link is followed (the file it names is replaced, the link stays),
// and the replaced file's permissions are kept. The temporary file is removed when the output
// is given up, and when SIGINT or SIGTERM ends the program (installOutputSafety).
class AtomicFile {
  public:
    explicit AtomicFile(const std::string& path, std::string_view prefix = ".noma-save-");
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    bool ok() const { return failure_.empty(); }
    // Why the output failed (English); empty while all is well.
    const std::string& failure() const { return failure_; }
    // The temporary file, for a writer that fills it by name; it stays open here.
    const std::string& temporaryPath() const { return temp_; }

    bool write(std::string_view bytes);
    // Flushes the file to the disk and renames it over the target.
    bool commit();
    // The two halves of commit, so that several outputs can all be complete on the disk
    // before any of them is put in place.
    bool finish();
    bool putInPlace();
    // Removes the temporary file; the target stays as it was.
    void abandon();

  private:
    bool fail(const std::string& reason);

    std::string target_;
    std::string temp_;
    int fd_ = -1;
    int slot_ = -1;
    std::string failure_;
};

// Whether `path` may be an output; the failure is the reason alone (FileReason's text and gloss).
Status outputAllowed(const std::string& path);

// Ignores SIGXFSZ, so a write past a file-size limit fails with EFBIG and is reported, and
// makes SIGINT and SIGTERM remove the temporary files of unfinished outputs before the program
// ends as the signal would end it. Signals the program already handles or ignores are left so.
void installOutputSafety();

}  // namespace noma
