#pragma once

#include "document/ScoreDocument.h"
#include "platform/Canvas.h"
#include "render/FigureMetrics.h"
#include "render/LedgerLines.h"

namespace noma {
class UserSymbolStore;
}

namespace noma::render {

// A record's anchor, which is also its hot position, in page pixels: (column x, row y) for most
// kinds, (field 1, row y) for the dot, (field 1, field 2 + row origin) for a braille cell.
Point recordAnchor(const SymbolRecord& record, int topMargin, int pitch);

// What a figure needs besides its record and anchor.
struct FigureContext {
    int topMargin = 12;  // slurs: rows of the second and third points
    int pitch = 8;
    const LedgerLines* ledger = nullptr;  // notes' ledger lines; none when null
    int displayMode = 2;                  // braille cells show dots only in braille display (2)
    const UserSymbolStore* userSymbols = nullptr;  // user-drawn symbols; none drawn when null
};

struct FigureRect {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// The white-out rectangles of `kind` at anchor (x, y), which cut staff lines around the
// figure; returns how many (0..2) were written to `out`.
int whiteOutRects(const FigureMetrics& m, int kind, double x, double y, FigureRect out[2]);

// Draws the figure of the record with its anchor at device point (x, y) in `ink` (black on the
// page, red for the placement preview). Kinds without a figure draw nothing; kind 46 is drawn
// by drawLineRecord.
void drawFigure(Canvas& canvas, const FigureMetrics& m, const SymbolRecord& record, double x,
                double y, const FigureContext& context, Rgb ink);

// A kind-46 line from (x, y) by field 3 across and field 4 down, in the pen colour.
void drawLineRecord(Canvas& canvas, const SymbolRecord& record, int x, int y);
// The end point of that line (its last pixel is the one before).
Point lineRecordEnd(const SymbolRecord& record, int x, int y);

// A slur or tie: the arc of the circle through the three points, counter-clockwise from the
// first to the second (from the second to the first when `secondToFirst`). Collinear points
// draw nothing. Pen colour as set.
void drawSlur(Canvas& canvas, double x1, double y1, double x2, double y2, double x3, double y3,
              bool secondToFirst);

}  // namespace noma::render
