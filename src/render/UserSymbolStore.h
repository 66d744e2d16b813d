#pragma once

#include <array>
#include <string>

#include "document/UserSymbolFile.h"
#include "platform/Canvas.h"

namespace noma {

// The user-drawn symbols as loaded from their files, one slot per symbol number: the
// pictures the palettes, the page and the preview draw (one pixel per cell).
class UserSymbolStore {
  public:
    struct Slot {
        bool exists = false;
        int width = 0;
        int height = 0;
        Canvas black;  // black cells on white, for the page and the lists
        Canvas red;    // red cells on white, for the placement preview
    };

    // Reloads every slot from the files of `programFolder`; a missing or malformed file
    // leaves its slot empty.
    void rebuild(const std::string& programFolder);
    // Slot 0..95 (symbol number slot + 1).
    const Slot& slot(int index) const { return slots_[static_cast<size_t>(index)]; }
    const std::string& programFolder() const { return folder_; }

    // The picture of symbol `number` (1..96) to draw now, or null: a symbol whose file has
    // been deleted since it was loaded is no longer drawn.
    const Canvas* picture(int number, bool red) const;

  private:
    std::array<Slot, kUserSymbolCount> slots_;
    std::string folder_;
};

}  // namespace noma
