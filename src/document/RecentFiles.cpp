#include "document/RecentFiles.h"

#include <algorithm>

namespace noma {

RecentFiles::RecentFiles() {
    entries_.fill(kEmpty);
}

bool RecentFiles::canHold(const std::string& path) {
    return !path.empty() && path.size() + 2 <= kMaxEntryBytes &&
           path.find_first_of(";\r\n") == std::string::npos;
}

bool RecentFiles::remember(const std::string& path) {
    if (!canHold(path)) return false;
    const std::string wanted = kEmpty + path;
    auto found = std::find(entries_.begin(), entries_.end(), wanted);
    if (found == entries_.end()) found = entries_.end() - 1;  // the oldest drops out
    std::rotate(entries_.begin(), found, found + 1);
    entries_[0] = wanted;
    return true;
}

void RecentFiles::remove(int n) {
    if (n < 0 || n >= kCount) return;
    std::rotate(entries_.begin() + n, entries_.begin() + n + 1, entries_.end());
    entries_.back() = kEmpty;
}

void RecentFiles::setEntry(int n, std::string entry) {
    if (n < 0 || n >= kCount) return;
    const bool valid = entry.rfind(kEmpty, 0) == 0 && entry.size() <= kMaxEntryBytes &&
                       entry.find_first_of("\r\n") == std::string::npos;
    entries_[static_cast<size_t>(n)] = valid ? std::move(entry) : kEmpty;
}

std::string RecentFiles::caption(int n) const {
    return "(&" + std::to_string(n + 1) + ")" + entry(n);
}

}  // namespace noma
