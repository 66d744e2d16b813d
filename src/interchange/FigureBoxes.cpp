#include "interchange/FigureBoxes.h"

#include <algorithm>

#include "document/PageGeometry.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "music/NoteKinds.h"

namespace noma::interchange {

namespace {

bool stemUp(int kind) {
    switch (kind) {
        case kSixteenthNoteUp:
        case kQuarterNoteUp:
        case kHundredTwentyEighthNoteUp:
        case kThirtySecondNoteUp:
        case kEighthNoteUp:
        case kSixtyFourthNoteUp:
            return true;
        default:
            return false;
    }
}

// How far a figure reaches above and below its row, as the figures are drawn.
Reach figureReach(int kind, int pitch) {
    const auto u = [pitch](int k) { return k * pitch / 6; };
    if (isStemmedNote(kind)) return stemUp(kind) ? Reach{-u(42), u(6)} : Reach{-u(6), u(42)};
    if (restValueOf(kind) != 0) return {-u(14), u(14)};
    switch (kind) {
        case kGClef:
            return {-u(35), u(43)};
        case kFClef:
            return {-u(23), u(17)};
        case kBarLine:
        case kFinalBarLine:
        case kDoubleBarLine:
        case kRepeatStart:
        case kRepeatEnd:
            return {-u(30), u(30)};
        default:
            return {-u(12), u(12)};
    }
}

// The rows a record stands on: a slur's three points, otherwise its one row.
std::vector<int> rowsOf(const SymbolRecord& r) {
    if (r.kind() == kSlur || r.kind() == kSlurReversed) {
        const SlurView s = slurOf(r);
        return {s.start.row, s.end.row, s.bulge.row};
    }
    return {r[2]};
}

// How far a figure reaches left and right, as the figures are drawn.
std::pair<int, int> figureSpan(const SymbolRecord& r, int pitch) {
    const auto u = [pitch](int k) { return k * pitch / 6; };
    const int x = r.kind() == kDot ? r[1] : columnToX(r[1]);
    const auto between = [](int a, int b) { return std::pair{std::min(a, b), std::max(a, b)}; };
    switch (r.kind()) {
        case kStraightLine:
            return between(x, x + lineLengthsOf(r).across);
        case kSlur:
        case kSlurReversed: {
            const SlurView v = slurOf(r);
            return {columnToX(std::min({v.start.column, v.end.column, v.bulge.column})),
                    columnToX(std::max({v.start.column, v.end.column, v.bulge.column}))};
        }
        case kTripletAbove:
        case kTripletBelow:
        case kBeam:
        case kObliqueLine:
            return between(x, x + columnToX(bracketOf(r).columns));
        case kCrescendo:
        case kDecrescendo:
            return between(x, hairpinEndX(r));
        case kFirstEnding:
        case kSecondEnding:
        case kThirdEnding:
            return {x - u(16), x + 20 * kColumnWidth};
        default:
            return {x - u(16), x + u(16)};
    }
}

}  // namespace

std::vector<std::vector<FigureBox>> figureBoxes(const LaidOutPage& page, const LayoutSettings& s) {
    std::vector<std::vector<FigureBox>> boxes(static_cast<size_t>(page.staveCount));
    if (boxes.empty()) return boxes;
    const int span = 2 * s.interval;
    for (const SymbolRecord& r : page.records) {
        if (r.kind() == kBraille) continue;
        const Reach reach = figureReach(r.kind(), s.pitch);
        const auto [left, right] = figureSpan(r, s.pitch);
        for (const int row : rowsOf(r)) {
            const int shifted = row + s.interval - 4;
            const int stave =
                std::clamp(shifted >= 0 ? shifted / span : -1, 0, page.staveCount - 1);
            const int y = (row - span * stave) * s.pitch;
            boxes[static_cast<size_t>(stave)].push_back(
                {left, right, y + reach.top, y + reach.bottom});
        }
    }
    return boxes;
}

Reach reachOver(const std::vector<FigureBox>& boxes, const std::vector<PixelSpan>& spans,
                int pitch) {
    Reach e{0, 8 * pitch};
    for (const FigureBox& b : boxes) {
        for (const PixelSpan& sp : spans) {
            if (b.left <= sp.right && sp.left <= b.right) {
                e.top = std::min(e.top, b.top);
                e.bottom = std::max(e.bottom, b.bottom);
                break;
            }
        }
    }
    return e;
}

}  // namespace noma::interchange
