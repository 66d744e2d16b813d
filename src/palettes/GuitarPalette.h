#pragma once

#include <optional>

#include "palettes/PaletteCell.h"
#include "platform/Canvas.h"

namespace noma {

// The guitar palette: twelve cells arming kinds 80..91.
constexpr int kGuitarPaletteWidth = 420;
constexpr int kGuitarPaletteHeight = 300;

struct GuitarCell {
    int mode = 0;  // 80 + cell
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The cell holding (x, y) strictly inside its bounds.
std::optional<GuitarCell> guitarCellAt(int x, int y);
// The twelve cells in order, named by their marks.
std::vector<PaletteCell> guitarCells();
// The cell of an armed mode 80..91.
std::optional<GuitarCell> guitarCellOfMode(int mode);

// The palette picture (resized to 420 x 300): every mark drawn at pitch 6 in its cell, the
// armed mode's cell highlighted.
void drawGuitarPalette(Canvas& c, int toolMode);

}  // namespace noma
