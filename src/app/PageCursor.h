#pragma once

#include <vector>

#include "music/PageDescription.h"
#include "platform/Geometry.h"

namespace noma {

class ScoreDocument;

// The keyboard's place on the page grid: a column and a row as records count them.
struct PageCursor {
    int column = 8;
    int row = 0;
    bool shown = false;  // drawn once the keyboard has moved it
};

enum class CursorMove {
    Left,
    Right,
    Up,
    Down,
    MeasureLeft,   // to the bar line before, or the page's first column
    MeasureRight,  // to the bar line after, or the page's last column
    StaveUp,       // the same place on the stave above
    StaveDown,
};

// The cursor after `move` on page `page` (0-based), held within the page. `staves` is the page
// read with both clefs; the measure moves follow the bar lines of the stave at the cursor.
PageCursor movedCursor(PageCursor cursor, CursorMove move, const ScoreDocument& doc, int page,
                       const std::vector<StaveReading>& staves);

// The cursor held within page `page`, as after a page change.
PageCursor cursorWithinPage(PageCursor cursor, const ScoreDocument& doc, int page);

// The page pixel the editor is given for the cursor: inside its cell and near the cell's
// corner, where a symbol's hot position is, so that a press there picks the symbol up.
Point cursorPoint(const PageCursor& cursor, const ScoreDocument& doc, int page);

// The cell under a page pixel.
PageCursor cursorAt(Point pixel, const ScoreDocument& doc, int page, bool shown);

}  // namespace noma
