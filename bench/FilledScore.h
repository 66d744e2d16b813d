#pragma once

// The score the file benchmarks save and load: every page filled with records of every kind.
#include <unistd.h>

#include <string>

#include "document/ScoreDocument.h"

namespace noma::bench {

// `pages` pages of `records` records each, kinds 1..63 in turn with small positions and a few
// larger and negative fields, so the file holds the widths of numbers a real score has.
inline ScoreDocument filledScore(int pages, int records) {
    ScoreDocument d;
    d.header = {pages, 8, 0};
    for (int p = 0; p < pages; ++p) {
        d.settings(p) = {1, 0, 12, 4, 10, 4};
        for (int i = 0; i < records; ++i) {
            SymbolRecord r;
            r[0] = 1 + (i % 63);
            r[1] = 10 + i % 90;
            r[2] = -3 + i % 70;
            r[3] = i % 7 == 0 ? 552 : 0;
            r[4] = i % 11 == 0 ? -4 : 0;
            d.append(p, r);
        }
    }
    return d;
}

// A file in /tmp named for this process, removed when the benchmark program ends.
class ScratchFile {
  public:
    explicit ScratchFile(const std::string& name)
        : path_("/tmp/noma-bench-" + std::to_string(::getpid()) + "-" + name) {}
    ~ScratchFile() { ::unlink(path_.c_str()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace noma::bench
