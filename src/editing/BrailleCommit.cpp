#include "editing/BrailleCommit.h"

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"

namespace noma {

CommitStop commitBrailleCells(ScoreDocument& doc, BrailleCursor& cursor,
                              const std::vector<BrailleCell>& cells) {
    const int page = doc.currentPage;
    const int width = pageWidth(doc.header.orientation);
    const int origin = rowOriginY(doc.settings(page).topMargin, doc.header.verticalPitch);
    for (BrailleCell cell : cells) {
        if (cursor.x > width - 33) return CommitStop::RightEdge;
        const SymbolRecord r = brailleRecord({cursor.x + 6, cursor.y + 9 - origin, cell});
        if (!doc.append(page, r)) return CommitStop::PageFull;
        cursor.x += kCellPitch;
    }
    return CommitStop::None;
}

int brailleLineStep(int pitch) {
    switch (pitch) {
        case 6:
        case 7:
            return 42;
        case 9:
            return 45;
        default:
            return 40;
    }
}

bool moveBrailleCursor(BrailleCursor& c, CursorKey key, bool shift, int lineStep, int pageWidth,
                       int pageHeight) {
    const int half = lineStep / 2;
    switch (key) {
        case CursorKey::Left:
            if (shift ? c.x > 18 : c.x > 34) {
                c.x -= shift ? 3 : kCellPitch;
                return true;
            }
            return false;
        case CursorKey::Right:
            if (shift ? c.x < pageWidth - 3 : c.x < pageWidth - kCellPitch) {
                c.x += shift ? 3 : kCellPitch;
                return true;
            }
            return false;
        case CursorKey::Up:
            if (shift ? c.y > half + 33 : c.y > lineStep + 33) {
                c.y -= shift ? half : lineStep;
                return true;
            }
            return false;
        case CursorKey::Down:
            if (shift ? c.y < pageHeight - 77 - lineStep : c.y < pageHeight - 77 - 2 * lineStep) {
                c.y += shift ? half : lineStep;
                return true;
            }
            return false;
    }
    return false;
}

}  // namespace noma
