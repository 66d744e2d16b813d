#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "braille/BrailleCell.h"
#include "braille/TextToCells.h"

namespace noma {

// Cells entered but not yet written to the page, at most 256 of them.
class PendingCells {
  public:
    // Appends a cell; false, and nothing stored, when 256 are already held.
    bool append(BrailleCell cell) {
        if (cells_.size() >= kMaxPendingCells) return false;
        cells_.push_back(cell);
        return true;
    }
    void removeLast() {
        if (!cells_.empty()) cells_.pop_back();
    }
    void replace(std::vector<BrailleCell> cells) {
        if (cells.size() > kMaxPendingCells) cells.resize(kMaxPendingCells);
        cells_ = std::move(cells);
    }
    void clear() { cells_.clear(); }

    size_t count() const { return cells_.size(); }
    bool empty() const { return cells_.empty(); }
    bool full() const { return cells_.size() >= kMaxPendingCells; }
    const std::vector<BrailleCell>& cells() const { return cells_; }

  private:
    std::vector<BrailleCell> cells_;
};

}  // namespace noma
