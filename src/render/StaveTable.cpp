#include "render/StaveTable.h"

#include <algorithm>
#include <climits>

#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"

namespace noma::render {

namespace {

int narrowed(int64_t v) {
    return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}

}  // namespace

void StaveTable::build(const ScoreDocument& doc, int page) {
    staveTop.fill(0);
    staveGap.fill(0);
    topCount = 0;
    staveCount = 0;
    if (page < 0 || page >= kMaxPages) return;

    std::array<int, kMaxRecords> rows;
    int n = 0;
    const int count = std::clamp(doc.symbolCount(page), 0, kMaxRecords);
    const SymbolRecord* records = doc.pageRecords(page);
    for (int i = 0; i < count; ++i) {
        const SymbolRecord& r = records[i];
        const CellPoint at = cellOf(r);
        if (r.kind() == kStraightLine && at.column > 5 && at.column < 10 &&
            lineLengthsOf(r).across != 0)
            rows[static_cast<size_t>(n++)] = at.row;
    }
    // The top line of stave s is the (5s + 1)-th lowest row. Taking it from the sorted rows
    // also settles ties (two lines on one row), where ranking alone finds no such row.
    std::sort(rows.begin(), rows.begin() + n);
    topCount = (n + 1) / 5;
    staveCount = n / 5;
    for (int s = 0; s < topCount; ++s)
        staveTop[static_cast<size_t>(s)] = rows[static_cast<size_t>(5 * s)];

    const auto gap = [&](int s) -> int& { return staveGap[static_cast<size_t>(s)]; };
    for (int s = 1; s < topCount; ++s) {
        const int64_t freeRows =
            int64_t{staveTop[static_cast<size_t>(s)]} - staveTop[static_cast<size_t>(s - 1)] - 8;
        gap(s) = narrowed(freeRows / 2);
    }
    if (topCount == 1) {
        // No neighbour to measure against: the zones are as wide as the page's stave
        // interval would make them.
        const int zone = (2 * doc.settings(page).staveInterval - 8) / 2;
        gap(0) = zone;
        gap(1) = zone;
    } else if (topCount > 1) {
        gap(0) = narrowed(2 * int64_t{gap(1)});
        gap(topCount) = narrowed(2 * int64_t{gap(topCount - 1)});
    }
}

}  // namespace noma::render
