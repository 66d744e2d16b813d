// Articulations, dynamics, slurs, bar lines, accidentals, endings, brackets, beams and braille
// cells at printer scale, each with the thickness and grey its relief needs.
#include "document/PageGeometry.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "printing/PrintFigures.h"
#include "render/SymbolFigures.h"

namespace noma::printing {

namespace {

void fermata(PrintPen& pen, bool below, double x0, double y0) {
    const double s = pen.s();
    pen.ellipse(x0 - 3 * s, below ? y0 - 9 * s : y0 + 3 * s, x0 + 3 * s,
                below ? y0 - 3 * s : y0 + 9 * s);
    // Nested arcs a page pixel's worth of printer pixels deep.
    forOffsets(0, 2 * pen.unit(), [&](int d) {
        if (!below) {
            pen.arc(x0 - 12 * s + d, y0 - 3 * s + d, x0 + 12 * s - d, y0 + 21 * s - d,
                    x0 + 12 * s - d, y0 + 9 * s, x0 - 12 * s + d, y0 + 9 * s);
        } else {
            pen.arc(x0 - 12 * s + d, y0 - 21 * s - d, x0 + 12 * s - d, y0 + 3 * s + d,
                    x0 - 12 * s - d, y0 - 9 * s, x0 + 12 * s + d, y0 - 9 * s);
        }
    });
}

// Hairpins: field 3 is the open end's x in page pixels.
void hairpin(PrintPen& pen, const PrintPage& page, const SymbolRecord& r, double x0, double y0) {
    const double s = pen.s();
    const double end = pen.raster().marginX + hairpinEndX(r) * pen.unit();
    if (r.kind() == kCrescendo) {
        forOffsets(0, pen.strokeUnit(), [&](int d) {
            pen.line(x0, y0 + d, end + d, y0 - 9 * s + d);
            pen.line(x0, y0 + d, end + d, y0 + 9 * s + d);
        });
        return;
    }
    // The decrescendo's opening is taken in whole page pixels, unlike the crescendo's.
    const double h = (9 * page.pitch / 6) * pen.unit();
    forOffsets(0, pen.strokeUnit(), [&](int d) {
        pen.line(x0, y0 - h + d, end + d, y0 + d);
        pen.line(x0, y0 + h + d, end + d, y0 + d);
    });
}

// The circle through the slur's three points, thickened downwards; the third point only
// fixes the curvature.
void slur(PrintPen& pen, const PrintPage& page, const SymbolRecord& r, const PrintAnchor& at) {
    const double unit = pen.unit();
    const double rowOrigin = 2.0 * page.topMargin;
    const SlurView v = slurOf(r);
    const double x2 = kColumnWidth * static_cast<double>(v.end.column) * unit,
                 y2 = (v.end.row + rowOrigin) * page.pitch * unit;
    const double x3 = kColumnWidth * static_cast<double>(v.bulge.column) * unit;
    const double y3 = (v.bulge.row + rowOrigin) * page.pitch * unit;
    const PrintRaster& raster = pen.raster();
    pen.strong();
    forOffsets(0, 3 * pen.strokeUnit() / 2, [&](int d) {
        const double dx = raster.marginX, dy = raster.marginY + d;
        render::drawSlur(pen.canvas(), at.a + dx, at.b + dy, x2 + dx, y2 + dy, x3 + dx, y3 + dy,
                         r.kind() == kSlurReversed);
    });
    pen.base();
}

void accidental(PrintPen& pen, int kind, double x0, double y0) {
    const double s = pen.s();
    pen.fill(x0 - 6 * s, y0 - 3 * s, x0 + 6 * s, y0 + 3 * s);
    pen.strong();
    forOffsets(0, 2 * pen.strokeUnit(), [&](int d) {
        if (kind == kNatural) {
            pen.line(x0 - 6 * s + d, y0 - 10 * s, x0 - 6 * s + d, y0);
            pen.line(x0 + 6 * s - d - 1, y0 + 10 * s, x0 + 6 * s - d - 1, y0);
            return;
        }
        pen.line(x0 - 6 * s + d, y0 - 10 * s, x0 - 6 * s + d, y0 + 10 * s);
        if (kind == kSharp || kind == kKeySharp)
            pen.line(x0 + 6 * s - d, y0 - 10 * s, x0 + 6 * s - d, y0 + 10 * s);
    });
    pen.base();
}

void ending(PrintPen& pen, int kind, double x0, double y0) {
    const double s = pen.s();
    const int w = pen.strokeUnit();
    forOffsets(
        0, w, [&](int d) { pen.line(x0 - 12 * s + d, y0 - 10 * s, x0 - 12 * s + d, y0 + 10 * s); });
    forOffsets(0, 3 * w / 2, [&](int d) {
        pen.line(x0 - 12 * s, y0 - 10 * s + d, x0 + 15 * s, y0 - 10 * s + d);
    });
    pen.ellipse(x0 - 7 * s, y0 - 5 * s, x0 - 3 * s, y0 - 1 * s);
    if (kind == kSecondEnding) pen.ellipse(x0 - 7 * s, y0 + 2 * s, x0 - 3 * s, y0 + 6 * s);
    if (kind == kThirdEnding) pen.ellipse(x0, y0 - 5 * s, x0 + 4 * s, y0 - 1 * s);
}

// Triplet brackets, beams and slashes reach F3 columns across and F4 rows down.
struct Reach {
    double x1, y1, xm, ym;
};

Reach reachOf(const PrintPen& pen, const PrintPage& page, const SymbolRecord& r, double x0,
              double y0) {
    const double unit = pen.unit();
    const BracketView bracket = bracketOf(r);
    const double down = static_cast<double>(bracket.rows) * page.pitch * unit;
    return {x0 + kColumnWidth * static_cast<double>(bracket.columns) * unit, y0 + down,
            x0 + 3.0 * bracket.columns * unit, y0 + down / 2};
}

void triplet(PrintPen& pen, const Reach& e, bool below, double x0, double y0) {
    const double s = pen.s();
    // The bracket is black at every strength: it is read as a frame, not as a shape.
    pen.colour(kBlack);
    const double sign = below ? 1 : -1;
    forOffsets(0, pen.strokeUnit(), [&](int d) {
        Canvas& c = pen.canvas();
        c.moveTo({render::toDevice(x0 + d), render::toDevice(y0)});
        c.lineTo({render::toDevice(x0 + d), render::toDevice(y0 + sign * (6 * s - d))});
        c.lineTo({render::toDevice(e.x1 - d), render::toDevice(e.y1 + sign * (6 * s - d))});
        c.lineTo({render::toDevice(e.x1 - d), render::toDevice(e.y1)});
    });
    pen.base();
    const double top = below ? e.ym + 10 * s : e.ym - 14 * s;
    pen.ellipse(e.xm - 5 * s, top, e.xm - 1 * s, top + 4 * s);
    pen.ellipse(e.xm + 4 * s, top, e.xm + 8 * s, top + 4 * s);
}

void beam(PrintPen& pen, const Reach& e, bool ticks, double x0, double y0) {
    const double s = pen.s();
    pen.strong();
    forOffsets(0, pen.strokeUnit(), [&](int d) {
        if (ticks) {
            pen.line(x0 + d, y0 - 6 * s, x0 + d, y0 + 6 * s);
            pen.line(e.x1 + d, e.y1 - 6 * s, e.x1 + d, e.y1 + 6 * s);
        }
        pen.line(x0, y0 - d, e.x1, e.y1 - d);
    });
    pen.base();
}

}  // namespace

void printBrailleDots(PrintPen& pen, int cell, int xr, int yr) {
    const PrintRaster& raster = pen.raster();
    const double unit = pen.unit();
    Canvas& c = pen.canvas();
    c.setPenColour(raster.baseGrey);
    c.setBrushColour(raster.strongestGrey);
    for (int n = 1; n <= 6; ++n) {
        if (((cell >> (n - 1)) & 1) == 0) continue;
        const double cx = raster.marginX + xr + (n > 3 ? 7 * unit : 0);
        const double cy = raster.marginY + yr + 8 * unit * ((n - 1) % 3);
        pen.ellipse(cx - 2 * unit, cy - 2 * unit, cx + 2 * unit, cy + 2 * unit);
    }
    pen.base();
}

bool printMark(PrintPen& pen, const PrintPage& page, const SymbolRecord& r, const PrintAnchor& at) {
    const double s = pen.s();
    const double x0 = at.x0, y0 = at.y0;
    switch (r.kind()) {
        case kDot:
            pen.fill(x0 - 2 * s, y0 - 3 * s, x0 + 2 * s, y0 + 2 * s);
            return true;
        case kFermata:
        case kFermataBelow:
            fermata(pen, r.kind() == kFermataBelow, x0, y0);
            return true;
        // Bars centred on the anchor, so the raised bar sits where the ear expects it.
        case kTenuto:
            pen.fill(x0 - 7 * s, y0 - 1 * s, x0 + 7 * s, y0 + 1 * s);
            return true;
        case kGraceNote:
            pen.fill(x0 - 7 * s, y0 - 1 * s, x0 + 8 * s, y0 + 1 * s);
            pen.fill(x0 - 1 * s, y0 - 14 * s, x0 + 1 * s, y0 + 8 * s);
            return true;
        case kStaccatoMark:
            for (int d = 0; d < 6 * s; ++d)
                pen.line(x0 - d, y0 + 3 * s - d, x0 + d, y0 + 3 * s - d);
            return true;
        case kCrescendo:
        case kDecrescendo:
            hairpin(pen, page, r, x0, y0);
            return true;
        case kSlur:
        case kSlurReversed:
            slur(pen, page, r, at);
            return true;
        case kBarLine: {
            const OffsetRange range = centredStroke(pen.strokeUnit());
            for (int d = range.first; d < range.below; ++d)
                pen.line(x0 + d, y0 - 24 * s, x0 + d, y0 + 24 * s);
            return true;
        }
        case kSharp:
        case kFlat:
        case kNatural:
        case kKeySharp:
        case kKeyFlat:
            accidental(pen, r.kind(), x0, y0);
            return true;
        case kFirstEnding:
        case kSecondEnding:
        case kThirdEnding:
            ending(pen, r.kind(), x0, y0);
            return true;
        case kTripletAbove:
        case kTripletBelow:
            triplet(pen, reachOf(pen, page, r, x0, y0), r.kind() == kTripletBelow, x0, y0);
            return true;
        case kBeam:
        case kObliqueLine:
            beam(pen, reachOf(pen, page, r, x0, y0), r.kind() == kBeam, x0, y0);
            return true;
        case kBraille: {
            // The white box cuts the lines under the cell in both kinds of print.
            const double unit = pen.unit();
            pen.colour(kWhite);
            pen.fill(at.x0 - 10 * unit, at.y0 - 9 * unit, at.x0 + 9 * unit, at.y0 + 15 * unit);
            pen.base();
            if (page.mode == PrintMode::Tactile || page.brailleOutput == 2) {
                printBrailleDots(pen, brailleOf(r).dots, render::toDevice(at.a - 4 * unit),
                                 render::toDevice(at.b - 5 * unit));
            }
            return true;
        }
        default:
            return false;
    }
}

}  // namespace noma::printing
