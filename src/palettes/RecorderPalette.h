#pragma once

#include <optional>

#include "palettes/PaletteCell.h"
#include "platform/Canvas.h"

namespace noma {

// The recorder palette: 30 fingering charts, each with the pitch it plays.
constexpr int kRecorderPaletteWidth = 1200;
constexpr int kRecorderPaletteHeight = 200;

// Layouts: 0 charts hang below the anchor, left hand on top (kinds 300..329); 1 charts stand
// above it, right hand on top (kinds 330..359).
constexpr int kRecorderHanging = 0;
constexpr int kRecorderStanding = 1;

// The cell 0..29 under (x, y): 40k < x < 40k + 40 and 1 <= y <= 199.
std::optional<int> recorderCellAt(int x, int y);

// The 30 cells, each named by the pitch its chart plays, arming the layout's modes.
std::vector<PaletteCell> recorderCells(int layout);

// The mode a cell arms under a layout.
int recorderMode(int cell, int layout);

// The cell highlighted for an armed mode under a layout: only modes of that layout count.
std::optional<int> recorderHighlightCell(int mode, int layout);

// The palette picture (resized to 1200 x 200) for the layout, with the armed mode's cell
// highlighted.
void drawRecorderPalette(Canvas& c, int toolMode, int layout);

}  // namespace noma
