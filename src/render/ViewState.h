#pragma once

#include "render/SymbolFigures.h"

namespace noma::render {

// The view settings and tool state a redraw depends on besides the document.
struct ViewState {
    bool rulesVisible = true;     // ruled lines on blank pages
    int hotPositionsVisible = 0;  // green marks at every record's hot position
    int gridInterval = 0;         // 0 = no grid, else grid points every g columns and g rows
    int searchActive = 0;         // aqua marks behind every record of searchTarget's kind
    int searchTarget = 0;
    int displayMode = 2;  // braille cells as 0 kana, 1 alphabet, 2 braille dots
    int toolMode = 0;
    int interactionState = 0;
    Point brailleCursor;                           // top-left of where the next braille cell goes
    const UserSymbolStore* userSymbols = nullptr;  // pictures of the user-drawn symbols
};

}  // namespace noma::render
