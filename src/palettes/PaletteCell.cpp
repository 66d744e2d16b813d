#include "palettes/PaletteCell.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace noma {

Point cellCentre(const PaletteCell& cell) {
    return {(cell.bounds.x1 + cell.bounds.x2) / 2, (cell.bounds.y1 + cell.bounds.y2) / 2};
}

size_t neighbourCell(const std::vector<PaletteCell>& cells, size_t from, int dx, int dy) {
    if (from >= cells.size() || (dx == 0 && dy == 0)) return from;
    const Rect here = cells[from].bounds;
    const Point centre = cellCentre(cells[from]);
    const bool across = dx != 0;
    // (not beside, gap, distance from the line through the middle, reading order): smallest wins.
    std::tuple<bool, int, int, size_t> best{true, 0, 0, from};
    bool found = false;
    for (size_t i = 0; i < cells.size(); ++i) {
        const Rect b = cells[i].bounds;
        int gap = 0;
        if (dx > 0) {
            gap = b.x1 - here.x2;
        } else if (dx < 0) {
            gap = here.x1 - b.x2;
        } else if (dy > 0) {
            gap = b.y1 - here.y2;
        } else {
            gap = here.y1 - b.y2;
        }
        if (i == from || gap < 0) continue;
        const bool beside =
            across ? b.y1 < here.y2 && here.y1 < b.y2 : b.x1 < here.x2 && here.x1 < b.x2;
        const Point c = cellCentre(cells[i]);
        const int off = across ? std::abs(c.y - centre.y) : std::abs(c.x - centre.x);
        const auto key = std::make_tuple(!beside, beside ? gap : gap + 2 * off, off, i);
        if (!found || key < best) {
            best = key;
            found = true;
        }
    }
    return std::get<3>(best);
}

}  // namespace noma
