#pragma once

#include <array>
#include <string>

namespace noma {

// The eight most recently used score files. Each entry is "--" followed by the path, or "--"
// alone for an empty slot; entry 0 is the most recent.
class RecentFiles {
  public:
    static constexpr int kCount = 8;
    static constexpr size_t kMaxEntryBytes = 259;
    static constexpr const char* kEmpty = "--";

    RecentFiles();

    // Puts `path` at the top, moving an existing entry for it up or pushing the oldest out.
    // A path that the settings file cannot hold (";", a line break, too long, empty) is not
    // remembered and false is returned.
    bool remember(const std::string& path);
    // Removes entry n; the later entries move up and the last slot becomes empty.
    void remove(int n);

    const std::string& entry(int n) const { return entries_[static_cast<size_t>(n)]; }
    // Sets a raw entry as read from the settings file; anything that is not a valid entry
    // becomes an empty slot.
    void setEntry(int n, std::string entry);
    bool isEmpty(int n) const { return entry(n).size() <= 2; }
    // The path of entry n (the entry without its "--").
    std::string path(int n) const { return entry(n).substr(2); }
    // The menu caption "(&k)--path" of item n.
    std::string caption(int n) const;

    static bool canHold(const std::string& path);

  private:
    std::array<std::string, kCount> entries_;
};

}  // namespace noma
