#include "app/PageCursor.h"

#include <algorithm>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "music/CellDescription.h"

namespace noma {

namespace {

constexpr int kInset = 2;  // pixels from the cell's corner

int pitchOf(const ScoreDocument& doc) {
    return std::max<int>(doc.header.verticalPitch, 1);
}

}  // namespace

PageCursor cursorWithinPage(PageCursor cursor, const ScoreDocument& doc, int page) {
    const int orientation = doc.header.orientation;
    const int rowOrigin = 2 * doc.settings(page).topMargin;
    const int lastColumn = pageWidth(orientation) / kColumnWidth - 1;
    const int lastRow = (pageHeight(orientation) - 1) / pitchOf(doc) - rowOrigin;
    cursor.column = std::clamp(cursor.column, 0, lastColumn);
    cursor.row = std::clamp(cursor.row, -rowOrigin, std::max(lastRow, -rowOrigin));
    return cursor;
}

PageCursor movedCursor(PageCursor cursor, CursorMove move, const ScoreDocument& doc, int page,
                       const std::vector<StaveReading>& staves) {
    const int interval = std::max(doc.settings(page).staveInterval, 1);
    const int lastColumn = pageWidth(doc.header.orientation) / kColumnWidth - 1;
    const StaveReading* stave = staveAtRow(doc, page, cursor.row, staves);
    static const std::vector<int> kNoBars;
    const std::vector<int>& bars = stave != nullptr ? stave->barColumns : kNoBars;
    switch (move) {
        case CursorMove::Left:
            --cursor.column;
            break;
        case CursorMove::Right:
            ++cursor.column;
            break;
        case CursorMove::Up:
            --cursor.row;
            break;
        case CursorMove::Down:
            ++cursor.row;
            break;
        case CursorMove::MeasureLeft: {
            const auto before = std::lower_bound(bars.begin(), bars.end(), cursor.column);
            cursor.column = before == bars.begin() ? 0 : *std::prev(before);
            break;
        }
        case CursorMove::MeasureRight: {
            const auto after = std::upper_bound(bars.begin(), bars.end(), cursor.column);
            cursor.column = after == bars.end() ? lastColumn : *after;
            break;
        }
        case CursorMove::StaveUp:
            cursor.row -= 2 * interval;
            break;
        case CursorMove::StaveDown:
            cursor.row += 2 * interval;
            break;
    }
    cursor.shown = true;
    return cursorWithinPage(cursor, doc, page);
}

Point cursorPoint(const PageCursor& cursor, const ScoreDocument& doc, int page) {
    return {columnToX(cursor.column) + kInset,
            rowToY(cursor.row, doc.settings(page).topMargin, pitchOf(doc)) + kInset};
}

PageCursor cursorAt(Point pixel, const ScoreDocument& doc, int page, bool shown) {
    PageCursor cursor;
    cursor.column = pixel.x / kColumnWidth;
    cursor.row = pixel.y / pitchOf(doc) - 2 * doc.settings(page).topMargin;
    cursor.shown = shown;
    return cursorWithinPage(cursor, doc, page);
}

}  // namespace noma
