#pragma once

#include "platform/Canvas.h"
#include "render/StaveTable.h"
#include "render/ViewState.h"

namespace noma {
class ScoreDocument;
}

namespace noma::render {

// Sizes of the thumbnail window for a document.
struct ThumbnailLayout {
    int cellWidth = 130;
    int cellHeight = 210;
    int imageWidth = 0;   // 5 cells
    int imageHeight = 0;  // one row more than the pages fill
    int windowWidth = 0;
    int windowHeight = 0;  // three rows visible
    int scrollWidth = 0;
    int scrollHeight = 0;
};

ThumbnailLayout thumbnailLayout(int orientation, int pageCount);

// Renders every page into `view` and `back` (with no grid and no hot positions) and shrinks
// each back image into its cell of `out`, keeping dark pixels, with its page number. The caller
// renders the current page again afterwards.
void drawThumbnails(const ScoreDocument& doc, ViewState state, Canvas& view, Canvas& back,
                    StaveTable& staves, Canvas& out);

// The page whose picture strictly contains (x, y), or -1.
int thumbnailAt(const ThumbnailLayout& layout, int pageCount, int x, int y);

}  // namespace noma::render
