#include "editing/RegionOperations.h"

#include <algorithm>
#include <cstdint>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"

namespace noma {

bool selectRegion(const ScoreDocument& doc, int page, Point c1, Point c2,
                  RegionSelection& selection) {
    const int p = doc.header.verticalPitch;
    const int t = doc.settings(page).topMargin;
    // A corner dragged (or scripted) past the page's edge stops at the edge, so the region and
    // the clipboard picture made from it are never larger than the page.
    const int lastX = pageWidth(doc.header.orientation) - 1;
    const int lastY = pageHeight(doc.header.orientation) - 1;
    c1 = {std::clamp(c1.x, 0, lastX), std::clamp(c1.y, 0, lastY)};
    c2 = {std::clamp(c2.x, 0, lastX), std::clamp(c2.y, 0, lastY)};
    selection.left = std::min(c1.x, c2.x) / kColumnWidth;
    selection.right = std::max(c1.x, c2.x) / kColumnWidth;
    selection.top = std::min(c1.y, c2.y) / p;
    selection.bottom = std::max(c1.y, c2.y) / p;
    selection.entries.clear();
    const int l = selection.left, r = selection.right, top = selection.top, b = selection.bottom;
    bool complete = true;
    for (int i = 0; i < doc.symbolCount(page); ++i) {
        const SymbolRecord& rec = doc.record(page, i);
        bool inside;
        const HotPosition hot = hotPosition(rec, t, p);
        if (familyOf(rec.kind()) == Family::Braille) {
            inside = columnToX(l) <= hot.x && hot.x <= columnToX(r) && p * top <= hot.y &&
                     hot.y <= p * b;
        } else {
            const int64_t column = hot.x / kColumnWidth, row = hot.y / p;
            inside = l <= column && column <= r && top <= row && row <= b;
        }
        if (!inside) continue;
        if (selection.count() >= kMaxSelection) {
            complete = false;
            break;
        }
        selection.entries.push_back({rec, i});
    }
    return complete;
}

void removeSelected(ScoreDocument& doc, int page, const RegionSelection& selection) {
    const int count = doc.symbolCount(page);
    for (const auto& e : selection.entries)
        if (e.index >= 0 && e.index < count) doc.record(page, e.index)[0] = kRemovedKind;
    SymbolRecord* records = doc.pageRecords(page);
    int kept = 0;
    for (int i = 0; i < count; ++i)
        if (records[i].kind() != kRemovedKind) records[kept++] = records[i];
    std::fill(records + kept, records + count, SymbolRecord{});
    doc.settings(page).symbolCount = kept;
}

SymbolRecord droppedCopy(const SymbolRecord& r, int dc, int dr, int pitch) {
    SymbolRecord out;
    for (int f = 0; f <= usedFieldCount(r.kind()); ++f) out[f] = r[f];
    shiftByCells(out, dc, dr, pitch);
    return out;
}

bool applySelection(ScoreDocument& doc, int page, const RegionSelection& selection, int dc,
                    int dr) {
    if (doc.symbolCount(page) + selection.count() > kMaxRecords) return false;
    for (const auto& e : selection.entries)
        doc.append(page, droppedCopy(e.record, dc, dr, doc.header.verticalPitch));
    return true;
}

Point regionTargetAt(const RegionSelection& s, int x, int y, int pitch) {
    return {x / kColumnWidth - (s.right - s.left) / 2, y / pitch - (s.bottom - s.top) / 2};
}

}  // namespace noma
