#include "render/SymbolFigures.h"

#include <algorithm>
#include <cstdint>

#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "render/FigurePen.h"
#include "render/PaletteFigures.h"

namespace noma::render {

namespace {

int pagePixel(int64_t v) {
    return Canvas::clampCoordinate(static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)));
}

// A braille cell: a white box that cuts the lines beneath it, then, in braille display, its
// raised dots (bit n - 1 = dot n), two columns 7 pixels apart, rows 8 apart, 4-pixel dots.
void drawBrailleCell(FigurePen& pen, const SymbolRecord& r, double x, double y, int displayMode) {
    Canvas& canvas = pen.canvas();
    canvas.setBrushColour(kWhite);
    pen.fill(x - pen.px(10), y - pen.px(9), x + pen.px(9), y + pen.px(15));
    canvas.setBrushColour(pen.ink());
    if (displayMode != 2) return;
    const double cx = x - pen.px(4);
    const double cy = y - pen.px(5);
    const int32_t dots = brailleOf(r).dots;
    for (int dot = 0; dot < 6; ++dot) {
        if (((dots >> dot) & 1) == 0) continue;
        const double dx = cx + pen.px(dot < 3 ? 0 : 7);
        const double dy = cy + pen.px(8.0 * (dot % 3));
        pen.ellipse(dx - pen.px(2), dy - pen.px(2), dx + pen.px(2), dy + pen.px(2));
    }
}

bool isRest(int kind) {
    return familyOf(kind) == Family::Rest;
}

// Figures stamped from a template: the notes but the grace note, the clefs and the
// staccatissimo wedge.
bool isNoteOrStamp(int kind) {
    return (familyOf(kind) == Family::Note && kind != kGraceNote) || kind == kGClef ||
           kind == kFClef || kind == kStaccatissimoMark;
}

}  // namespace

Point recordAnchor(const SymbolRecord& r, int topMargin, int pitch) {
    const HotPosition at = hotPosition(r, topMargin, pitch);
    return {pagePixel(at.x), pagePixel(at.y)};
}

int whiteOutRects(const FigureMetrics& m, int kind, double x, double y, FigureRect out[2]) {
    const auto u = [&](int k) { return m.u(k); };
    const auto one = [&](double x1, double y1, double x2, double y2) {
        out[0] = {x1, y1, x2, y2};
        return 1;
    };
    switch (kind) {
        case kThirtySecondRest:
        case kSixtyFourthRest:
            return one(x - u(14), y - u(14), x + u(9), y + u(9));
        case kHundredTwentyEighthRest:
            return one(x - u(14), y - u(8), x + u(9), y + u(9));
        case kSixteenthRest:
        case kEighthRest:
            return one(x - u(8), y - u(14), x + u(9), y + u(8));
        case kQuarterRest:
            return one(x - u(9), y - u(9), x + u(9), y + u(9));
        case kHalfRest:
            return one(x - u(8), y - u(1), x + u(9), y + u(1));
        case kHalfNote:
            return one(x - u(7), y - u(1), x + u(7), y + u(1));
        case kWholeNote:
            return one(x - u(12), y - u(1), x + u(12), y + u(1));
        // Stems and flags: the staff lines they cross are cut so the stem stands free.
        case kQuarterNoteUp:
            return one(x, y - u(44), x + u(10), y - u(4));
        case kSixteenthNoteUp:
        case kThirtySecondNoteUp:
        case kEighthNoteUp:
        case kSixtyFourthNoteUp:
            return one(x, y - u(44), x + u(19), y - u(4));
        case kHundredTwentyEighthNoteUp:
            return one(x, y - u(44), x + u(15), y - u(4));
        case kQuarterNoteDown:
            return one(x - u(8), y + u(4), x + u(5), y + u(44));
        case kEighthNoteDown:
        case kSixteenthNoteDown:
        case kThirtySecondNoteDown:
        case kSixtyFourthNoteDown:
            return one(x - u(8), y + u(4), x + u(11), y + u(44));
        case kHundredTwentyEighthNoteDown:
            return one(x - u(8), y + u(4), x + u(7), y + u(44));
        case kDot:
            return one(x - u(7), y - u(8), x + u(7), y + u(8));
        case kSharp:
        case kFlat:
        case kNatural:
        case kKeySharp:
        case kKeyFlat:
            out[0] = {x - u(6), y - u(8), x + u(6), y - u(5)};
            out[1] = {x - u(6), y + u(5), x + u(6), y + u(8)};
            return 2;
        default:
            return 0;
    }
}

void drawFigure(Canvas& canvas, const FigureMetrics& m, const SymbolRecord& record, double x,
                double y, const FigureContext& context, Rgb ink) {
    const int kind = record.kind();
    // Kind 0 and the unused codes draw nothing and 46 is drawn with the lines.
    if (kind <= kEmptyKind || kind == kStraightLine) return;
    if (kind > kFermataBelow) {
        if (!isPaletteKind(kind)) return;
        FigurePen pen(canvas, m, ink);
        drawPaletteFigure(pen, record, x, y, context);
        return;
    }
    FigurePen pen(canvas, m, ink);
    if (kind == kBraille) {
        drawBrailleCell(pen, record, x, y, context.displayMode);
    } else if (isRest(kind)) {
        drawRestFigure(pen, kind, x, y);
    } else if (isNoteOrStamp(kind)) {
        drawNoteFigure(pen, kind, x, y, context);
    } else {
        drawMarkFigure(pen, record, x, y, context);
    }
}

Point lineRecordEnd(const SymbolRecord& record, int x, int y) {
    const LineLengths length = lineLengthsOf(record);
    return {pagePixel(int64_t{x} + length.across), pagePixel(int64_t{y} + length.down)};
}

void drawLineRecord(Canvas& canvas, const SymbolRecord& record, int x, int y) {
    const Point end = lineRecordEnd(record, x, y);
    canvas.moveTo({x, y});
    canvas.lineTo(end);
}

}  // namespace noma::render
