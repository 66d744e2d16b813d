#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace noma {

// A cell of a special palette's picture, for the keyboard and a screen reader.
struct PaletteCell {
    Rect bounds;       // a click strictly inside chooses the cell
    std::string name;  // what a screen reader says
    int mode = 0;      // the tool it arms
};

// Where a keyboard choice presses: the middle of the cell.
Point cellCentre(const PaletteCell& cell);

// The cell an arrow key reaches from `from`, one step of (dx, dy) (each -1, 0 or 1, one of
// them 0): the nearest cell lying wholly beyond `from` that way, preferring cells beside it in
// its row or column; `from` itself at the edge.
size_t neighbourCell(const std::vector<PaletteCell>& cells, size_t from, int dx, int dy);

}  // namespace noma
