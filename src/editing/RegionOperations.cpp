#include "editing/RegionOperations.h"

#include <algorithm>
#include <cstdint>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolKind.h"

namespace noma {

bool selectRegion(const ScoreDocument& doc, int page, PixelPoint c1, PixelPoint c2,
                  RegionSelection& selection) {
    const int p = doc.header.verticalPitch;
    const int t = doc.settings(page).topMargin;
    // A corner dragged (or scripted) past the page's edge stops at the edge, so the region and
    // the clipboard picture made from it are never larger than the page.
    const int lastX = pageWidth(doc.header.orientation) - 1;
    const int lastY = pageHeight(doc.header.orientation) - 1;
    c1 = {std::clamp(c1.x, 0, lastX), std::clamp(c1.y, 0, lastY)};
    c2 = {std::clamp(c2.x, 0, lastX), std::clamp(c2.y, 0, lastY)};
    selection.left = std::min(c1.x, c2.x) / 6;
    selection.right = std::max(c1.x, c2.x) / 6;
    selection.top = std::min(c1.y, c2.y) / p;
    selection.bottom = std::max(c1.y, c2.y) / p;
    selection.entries.clear();
    const int l = selection.left, r = selection.right, top = selection.top, b = selection.bottom;
    bool complete = true;
    for (int i = 0; i < doc.symbolCount(page); ++i) {
        const SymbolRecord& rec = doc.record(page, i);
        bool inside;
        // 64-bit: a record may lie anywhere in the 32-bit range.
        if (rec.kind() == kBraille) {
            const int64_t y = int64_t{rec[2]} + 2 * t * p;
            inside = 6 * l <= rec[1] && rec[1] <= 6 * r && p * top <= y && y <= p * b;
        } else {
            const int column = rec.kind() == kDot ? rec[1] / 6 : rec[1];
            const int64_t row = int64_t{rec[2]} + 2 * t;
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

namespace {

// How many leading fields (after the kind) a record of this kind uses.
int usedFields(int kind) {
    switch (kind) {
        case kSlur:
        case kSlurReversed:
            return 6;
        case kStraightLine:
        case kTripletAbove:
        case kTripletBelow:
        case kBeam:
        case kObliqueLine:
            return 4;
        case kCrescendo:
        case kDecrescendo:
        case kGuitarStrings:
        case kBraille:
            return 3;
        default: return 2;
    }
}

}  // namespace

SymbolRecord droppedCopy(const SymbolRecord& r, int dc, int dr, int pitch) {
    SymbolRecord out;
    for (int f = 0; f <= usedFields(r.kind()); ++f) out[f] = r[f];
    shiftRecord(out, dc, dr, pitch);
    return out;
}

void shiftRecord(SymbolRecord& r, int dc, int dr, int pitch) {
    const auto shift = [&r](int f, int64_t by) { r[f] = fieldPlus(r[f], by); };
    switch (r.kind()) {
        case kDot:
            shift(1, 6 * int64_t{dc});
            shift(2, dr);
            break;
        case kCrescendo:
        case kDecrescendo:
        case kGuitarStrings:
            shift(1, dc);
            shift(2, dr);
            shift(3, 6 * int64_t{dc});
            break;
        case kSlur:
        case kSlurReversed:
            for (int f : {1, 3, 5}) shift(f, dc);
            for (int f : {2, 4, 6}) shift(f, dr);
            break;
        case kBraille:
            shift(1, 6 * int64_t{dc});
            shift(2, int64_t{pitch} * dr);
            break;
        default:
            shift(1, dc);
            shift(2, dr);
            break;
    }
}

bool applySelection(ScoreDocument& doc, int page, const RegionSelection& selection, int dc, int dr) {
    if (doc.symbolCount(page) + selection.count() > kMaxRecords) return false;
    for (const auto& e : selection.entries)
        doc.append(page, droppedCopy(e.record, dc, dr, doc.header.verticalPitch));
    return true;
}

PixelPoint regionTargetAt(const RegionSelection& s, int x, int y, int pitch) {
    return {x / 6 - (s.right - s.left) / 2, y / pitch - (s.bottom - s.top) / 2};
}

}  // namespace noma
