#pragma once

#include <optional>

#include "palettes/PaletteCell.h"
#include "platform/Canvas.h"
#include "render/UserSymbolStore.h"

namespace noma {

// The list of saved user-drawn symbols shared by the symbol palette and the symbol editor:
// 8 columns x 12 rows of 50 x 50 cells, slot k at column k mod 8, row k div 8.
constexpr int kUserSymbolListWidth = 400;
constexpr int kUserSymbolListHeight = 600;
constexpr int kUserSymbolCell = 50;

Rect userSymbolCell(int slot);

// The first existing slot whose cell holds (x, y) strictly inside.
std::optional<int> userSymbolSlotAt(const UserSymbolStore& store, int x, int y);

// The existing slots' cells in slot order, named by the number the picture shows.
std::vector<PaletteCell> userSymbolCells(const UserSymbolStore& store);

// The list picture (resized to 400 x 600): every existing slot framed in `frame`, its black
// picture centred and its number in the corner.
void drawUserSymbolList(Canvas& c, const UserSymbolStore& store, Rgb frame);

}  // namespace noma
