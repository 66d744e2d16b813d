#pragma once

#include <array>
#include <optional>

#include "palettes/PaletteCell.h"
#include "platform/Canvas.h"

namespace noma {

// The piano palette: finger numbers for both hands (five positions, a bar on each finger
// meant) and four piano marks.
constexpr int kPianoPaletteWidth = 420;
constexpr int kPianoPaletteHeight = 300;

// The finger patterns in cell order: one finger, then two, then three; bit 0 is the top
// position.
inline constexpr std::array<int, 25> kFingerPatterns{
    16, 8, 4, 2, 1, 24, 20, 18, 17, 12, 10, 9, 6, 5, 3, 28, 26, 25, 22, 21, 19, 14, 13, 11, 7};

// A cell of the palette picture.
struct PianoCell {
    int mode = 0;  // the tool it arms: 200 + pattern, 250 + pattern, or a mark kind 70..73
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The cell holding (x, y) strictly inside its bounds, searched right hand, left hand, marks.
std::optional<PianoCell> pianoCellAt(int x, int y);

// Every cell in the order a click searches them, named by hand and fingers or by mark.
std::vector<PaletteCell> pianoCells();

// The cell of an armed mode, for the highlight; nothing for other modes.
std::optional<PianoCell> pianoCellOfMode(int mode);

// Whether a mode is offered by one of the palette's cells.
bool isPianoPaletteMode(int mode);

// The palette picture (resized to 420 x 300) with the cell of `toolMode` highlighted.
void drawPianoPalette(Canvas& c, int toolMode);

}  // namespace noma
