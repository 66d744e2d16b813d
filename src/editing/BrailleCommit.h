#pragma once

#include <vector>

#include "braille/BrailleCell.h"
#include "editing/EditState.h"

namespace noma {

class ScoreDocument;

// Where the next committed braille cell goes: the top-left of its position; the cell gets the
// reference point (x + 6, y + 9).
struct BrailleCursor {
    int x = 1;
    int y = 0;
};

enum class CommitStop { None, RightEdge, PageFull };

// Appends the cells to the current page from the cursor, 19 pixels apart, moving the cursor.
// Stops at a cell that would start beyond the right edge (page width - 33) or that the page has
// no room for; says which.
CommitStop commitBrailleCells(ScoreDocument& doc, BrailleCursor& cursor,
                              const std::vector<BrailleCell>& cells);

// The vertical cursor step of Up and Down for a pitch: 42, 42, 40, 45, 40 for pitch 6..10.
int brailleLineStep(int pitch);

enum class CursorKey { Left, Up, Right, Down };

// Moves the cursor by one cell or line (a third of a cell or half a line with Shift) unless the
// move would cross its limit; true when it moved.
bool moveBrailleCursor(BrailleCursor& cursor, CursorKey key, bool shift, int lineStep,
                       int pageWidth, int pageHeight);

inline constexpr const char* kBrailleBeyondEdgeMessage = "範囲を超えた分は記入できませんでした。";

}  // namespace noma
