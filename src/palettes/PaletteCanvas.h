#pragma once

#include "platform/Canvas.h"

namespace noma {

inline constexpr Rgb kPaletteYellow = rgb(255, 255, 0);

// A black one-pixel frame whose lines lie on x1, x2, y1 and y2 themselves, so that
// neighbouring cells share their border.
void drawCellFrame(Canvas& c, int x1, int y1, int x2, int y2, Rgb colour = kBlack);

// Every pixel of `from` in the box x1 <= x < x2, y1 <= y < y2 becomes `to`: the highlight of a
// chosen cell (white to yellow) and its removal.
void recolourCell(Canvas& c, int x1, int y1, int x2, int y2, Rgb from, Rgb to);

// Small black digits, as the palettes label their cells.
void drawLabel(Canvas& c, int x, int y, int number);

}  // namespace noma
