#pragma once

#include "document/ScoreDocument.h"
#include "platform/Canvas.h"
#include "render/InkBlocks.h"
#include "render/SymbolFigures.h"
#include "render/ViewState.h"

namespace noma::render {

// Everything one pass needs to know of the page.
struct PassPage {
    const SymbolRecord* records;
    const Point* anchors;  // every record's anchor, worked out once per pass
    int count;
    int topMargin;
    int pitch;
    int scoreType;
    bool landscape;
    int width;
    int height;
};

// What a page shows under its white-out and figures, drawn on the white image: the frame,
// ruled lines, search marks, grid points and the lines of kind 46. Everything drawn is marked
// in `ink`, which the white-out relies on. Leaves pen and brush black.
void drawPageBackground(Canvas& canvas, const PassPage& page, const ViewState& state,
                        InkBlocks& ink);

}  // namespace noma::render
