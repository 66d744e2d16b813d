#pragma once

#include "document/ScoreDocument.h"
#include "platform/Canvas.h"
#include "render/StaveTable.h"
#include "render/ViewState.h"

namespace noma::render {

// Redraws page `page` completely: `back` receives the page itself (frame, ruled lines, search
// marks, grid, lines, white-out, figures) and `view` the same pixels plus the overlays (hot
// positions, braille writing cursor). Both images are made the page's size first if they are
// not. `staves` is rebuilt for the page and kept for ledger lines until the next pass.
void renderPage(const ScoreDocument& doc, int page, const ViewState& state, Canvas& view,
                Canvas& back, StaveTable& staves);

// The ruled-line step of a blank page, in rows, for the pitch.
int ruledLineStep(int pitch);

}  // namespace noma::render
