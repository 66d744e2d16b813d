// Articulations, dynamics, slurs, bar lines, repeats, accidentals, brackets and lines.
#include <cmath>

#include "document/PageGeometry.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "render/FigurePen.h"

namespace noma::render {

namespace {

// Sharps, flats and naturals: a solid block with thick upright bars.
void drawAccidental(FigurePen& pen, int kind, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    pen.fill(x - u(6), y - u(3), x + u(6), y + u(3));
    const int bars = toDevice(u(2));
    for (int i = 0; i < bars; ++i) {
        if (kind == kNatural) {
            pen.line(x - u(6) + i, y - u(10), x - u(6) + i, y);
            pen.line(x + u(6) - i - 1, y + u(10), x + u(6) - i - 1, y);
            continue;
        }
        pen.line(x - u(6) + i, y - u(10), x - u(6) + i, y + u(10));
        if (kind == kSharp || kind == kKeySharp)
            pen.line(x + u(6) - i, y - u(10), x + u(6) - i, y + u(10));
    }
}

void drawFermata(FigurePen& pen, bool below, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    const StrokeRange nest = pen.strokes(0, 1, StrokeBasis::Pixel);
    if (!below) {
        pen.ellipse(x - u(3), y + u(3), x + u(3), y + u(9));
        for (int d = nest.first; d <= nest.last; ++d) {
            pen.arc(x - u(12) + d, y - u(3) + d, x + u(12) - d, y + u(21) - d, x + u(12) - d,
                    y + u(9), x - u(12) + d, y + u(9));
        }
    } else {
        pen.ellipse(x - u(3), y - u(9), x + u(3), y - u(3));
        for (int d = nest.first; d <= nest.last; ++d) {
            pen.arc(x - u(12) + d, y - u(21) - d, x + u(12) - d, y + u(3) + d, x - u(12) - d,
                    y - u(9), x + u(12) + d, y - u(9));
        }
    }
}

// Thin and thick bar of a final or double bar line; the final one stands left of the anchor.
void drawBarPair(FigurePen& pen, bool left, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    if (left) {
        pen.fill(x - u(4), y - u(24), x, y + u(24));
        pen.fill(x - u(8), y - u(24), x - u(7), y + u(24));
    } else {
        pen.fill(x, y - u(24), x + u(4), y + u(24));
        pen.fill(x + u(7), y - u(24), x + u(8), y + u(24));
    }
}

void drawEnding(FigurePen& pen, int kind, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    pen.line(x - u(12), y - u(10), x - u(12), y + u(10));
    pen.line(x - u(12), y - u(10), x + u(15), y - u(10));
    // The number as braille-like dots.
    pen.ellipse(x - u(7), y - u(5), x - u(3), y - u(1));
    if (kind == kSecondEnding) pen.ellipse(x - u(7), y + u(2), x - u(3), y + u(6));
    if (kind == kThirdEnding) pen.ellipse(x, y - u(5), x + u(4), y - u(1));
}

void drawOffsetFigure(FigurePen& pen, const SymbolRecord& r, double x, double y,
                      const FigureContext& context) {
    const auto u = [&](int k) { return pen.u(k); };
    const BracketView bracket = bracketOf(r);
    const double dx = pen.px(kColumnWidth * static_cast<double>(bracket.columns));
    const double dy = pen.px(static_cast<double>(bracket.rows) * context.pitch);
    const double mx = x + std::trunc(dx / 2);
    const double my = y + std::trunc(dy / 2);
    switch (r.kind()) {
        case kTripletAbove:
            pen.polyline({{x, y}, {x, y - u(6)}, {x + dx, y - u(6) + dy}, {x + dx, y + dy}});
            pen.ellipse(mx - u(5), my - u(14), mx - u(1), my - u(10));
            pen.ellipse(mx + u(4), my - u(14), mx + u(8), my - u(10));
            break;
        case kTripletBelow:
            pen.polyline({{x, y}, {x, y + u(6)}, {x + dx, y + u(6) + dy}, {x + dx, y + dy}});
            pen.ellipse(mx - u(5), my + u(10), mx - u(1), my + u(14));
            pen.ellipse(mx + u(4), my + u(10), mx + u(8), my + u(14));
            break;
        case kBeam:
            pen.line(x, y - u(6), x, y + u(6));
            pen.line(x + dx, y - u(6) + dy, x + dx, y + u(6) + dy);
            pen.line(x, y, x + dx, y + dy);
            break;
        case kObliqueLine:
            pen.line(x, y, x + dx, y + dy);
            break;
        default:
            break;
    }
}

// The marks drawn from their kind alone.
void drawFixedMark(FigurePen& pen, int kind, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    switch (kind) {
        case kDot:
            pen.fill(x - u(2), y - u(2), x + u(2), y + u(3));
            break;
        case kTenuto:
            pen.fill(x - u(7), y - u(2), x + u(7), y + u(1));
            break;
        case kAccent: {
            const StrokeRange range = pen.strokes(-1, 0, StrokeBasis::Pitch);
            for (int d = range.first; d <= range.last; ++d)
                pen.polyline({{x - u(7), y - u(5)}, {x + u(6), y}, {x - u(7), y + u(5)}}, 0, d);
            break;
        }
        case kStaccatoMark:
            for (int i = 0; i < toDevice(u(6)); ++i)
                pen.line(x - i, y + u(3) - i, x + i, y + u(3) - i);
            break;
        case kBreath: {
            const StrokeRange range = pen.strokes(-1, 0, StrokeBasis::Pitch);
            for (int d = range.first; d <= range.last; ++d)
                pen.polyline({{x - u(5), y - u(7)}, {x, y + u(6)}, {x + u(5), y - u(7)}}, d);
            break;
        }
        case kGraceNote:
            pen.fill(x - u(7), y - u(2), x + u(8), y + u(1));
            pen.fill(x - u(1), y - u(14), x + u(2), y + u(8));
            break;
        case kFermata:
        case kFermataBelow:
            drawFermata(pen, kind == kFermataBelow, x, y);
            break;
        case kBarLine:
            pen.line(x, y - u(24), x, y + u(24));
            break;
        case kFinalBarLine:
            drawBarPair(pen, true, x, y);
            break;
        case kDoubleBarLine:
            drawBarPair(pen, false, x, y);
            break;
        case kRepeatStart:
            drawBarPair(pen, false, x, y);
            pen.ellipse(x + u(9), y - u(10), x + u(15), y - u(4));
            pen.ellipse(x + u(9), y + u(4), x + u(15), y + u(10));
            break;
        case kRepeatEnd:
            drawBarPair(pen, true, x, y);
            pen.ellipse(x - u(15), y - u(10), x - u(9), y - u(4));
            pen.ellipse(x - u(15), y + u(4), x - u(9), y + u(10));
            break;
        case kSharp:
        case kFlat:
        case kNatural:
        case kKeySharp:
        case kKeyFlat:
            drawAccidental(pen, kind, x, y);
            break;
        case kFirstEnding:
        case kSecondEnding:
        case kThirdEnding:
            drawEnding(pen, kind, x, y);
            break;
        default:
            break;
    }
}

}  // namespace

void drawMarkFigure(FigurePen& pen, const SymbolRecord& r, double x, double y,
                    const FigureContext& context) {
    const auto u = [&](int k) { return pen.u(k); };
    const FigureMetrics& m = pen.metrics();
    switch (r.kind()) {
        case kCrescendo: {
            const double end = m.x(hairpinEndX(r));
            pen.line(x, y, end, y - u(9));
            pen.line(x, y, end, y + u(9));
            break;
        }
        case kDecrescendo: {
            const double end = m.x(hairpinEndX(r));
            pen.line(x, y - u(9), end, y);
            pen.line(x, y + u(9), end, y);
            break;
        }
        case kSlur:
        case kSlurReversed: {
            const double rowOrigin = 2.0 * context.topMargin;
            const SlurView slur = slurOf(r);
            const double x2 = m.x(kColumnWidth * static_cast<double>(slur.end.column));
            const double y2 = m.y((slur.end.row + rowOrigin) * context.pitch);
            const double x3 = m.x(kColumnWidth * static_cast<double>(slur.bulge.column));
            const double y3 = m.y((slur.bulge.row + rowOrigin) * context.pitch);
            drawSlur(pen.canvas(), x, y, x2, y2, x3, y3, r.kind() == kSlurReversed);
            break;
        }
        case kTripletAbove:
        case kTripletBelow:
        case kBeam:
        case kObliqueLine:
            drawOffsetFigure(pen, r, x, y, context);
            break;
        default:
            // The other marks are the same wherever they stand.
            pen.keptFigure(FigureFamily::Mark, r.kind(), x, y,
                           [kind = r.kind()](FigurePen& p, double ax, double ay) {
                               drawFixedMark(p, kind, ax, ay);
                           });
            break;
    }
}

void drawSlur(Canvas& canvas, double x1, double y1, double x2, double y2, double x3, double y3,
              bool secondToFirst) {
    // Long double keeps the products exact for any page coordinates.
    using Real = long double;
    const Real ax = x1, ay = y1, bx = x2, by = y2, cx3 = x3, cy3 = y3;
    const Real d = 2 * ((bx - ax) * (cy3 - ay) - (by - ay) * (cx3 - ax));
    if (d == 0) return;
    const Real a = bx * bx + by * by - ax * ax - ay * ay;
    const Real b = cx3 * cx3 + cy3 * cy3 - ax * ax - ay * ay;
    const Real cx = (a * (cy3 - ay) - b * (by - ay)) / d;
    const Real cy = (b * (bx - ax) - a * (cx3 - ax)) / d;
    const Real radius = std::sqrt((cx - ax) * (cx - ax) + (cy - ay) * (cy - ay));
    const auto dev = [](Real v) { return toDevice(static_cast<double>(v)); };
    const int sx = toDevice(secondToFirst ? x2 : x1), sy = toDevice(secondToFirst ? y2 : y1);
    const int ex = toDevice(secondToFirst ? x1 : x2), ey = toDevice(secondToFirst ? y1 : y2);
    canvas.arc({dev(cx - radius), dev(cy - radius), dev(cx + radius), dev(cy + radius)}, {sx, sy},
               {ex, ey});
}

}  // namespace noma::render
