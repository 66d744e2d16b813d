#pragma once

namespace noma {

struct AuxiliaryWindows;

// Repaints the special palettes that are visible and were asked to repaint (user-drawn
// symbols, piano, recorder, guitar): called by the main window after every command.
void refreshPaletteWindows(AuxiliaryWindows& windows);

}  // namespace noma
