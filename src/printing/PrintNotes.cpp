// Notes, hatched heads, clefs and the wedge at printer scale: heads and masks are enlarged
// cell by cell, stems are bands and ledger lines are one stroke thicker than staff lines.
#include <algorithm>
#include <cmath>

#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "printing/PrintFigures.h"

namespace noma::printing {

namespace {

using render::toDevice;

// `id` at width x height: enlargements are shared between pages, reductions made afresh.
render::Mask maskAt(render::TemplateId id, int width, int height) {
    const render::Mask& own = render::templateMask(id);
    if (width >= own.width() && height >= own.height())
        return render::scaledTemplate(id, width, height);
    return fittedMask(own, width, height);
}

// The mask w x h enlarged by fx, fy with its top-left at (ax, ay), in base grey.
void bitmapStamp(PrintPen& pen, render::TemplateId id, double fx, double fy, double ax, double ay) {
    const render::Mask& own = render::templateMask(id);
    const render::Mask scaled = maskAt(id, toDevice(own.width() * fx), toDevice(own.height() * fy));
    pen.stamp(scaled, ax, ay, pen.raster().baseGrey);
}

void noteHead(PrintPen& pen, double xc, double yc) {
    const double s = pen.s();
    const render::Mask head =
        maskAt(render::TemplateId::NoteHead, toDevice(10 * s), toDevice(12 * s));
    pen.stamp(head, xc - 5 * s, yc - 6 * s, pen.raster().baseGrey);
}

void stemmedNote(PrintPen& pen, int pitch, const Stem& stem, double x0, double y0) {
    const double s = pen.s();
    const double xa = std::trunc(x0), ya = std::trunc(y0);
    noteHead(pen, xa, ya);
    // The stem is a band 1.6 s wide, centred 3.5 s beside the anchor.
    const double halfBand = 8 * pen.unit() * pitch / 60;
    forOffsets(-halfBand, halfBand, [&](int d) {
        if (stem.up) {
            pen.line(x0 + 3.5 * s - d, y0 - 3 * s, x0 + 3.5 * s - d, y0 - 42 * s);
        } else {
            pen.line(x0 - 3.5 * s - d, y0 + 3 * s, x0 - 3.5 * s - d, y0 + 42 * s);
        }
    });
    for (int j = 0; j < stem.flags; ++j) {
        const double t = (42 - 8 * j) * s;
        if (stem.up) {
            forOffsets(ya - t, ya - t + 3 * s,
                       [&](int r) { pen.line(xa + 4 * s, r, xa + 16 * s, r + 4 * s); });
        } else {
            forOffsets(t + ya - 3 * s, t + ya,
                       [&](int r) { pen.line(xa - 4 * s, r, xa + 8 * s, r - 4 * s); });
        }
    }
    if (stem.bars) {
        for (int j = 0; j < 5; ++j) {
            const double t = (42 - 8 * j) * s;
            if (stem.up) {
                pen.fill(x0 + 4 * s, y0 - t, x0 + 14 * s, y0 - t + 3 * s);
            } else {
                pen.fill(x0 - 4 * s, y0 + t - 3 * s, x0 + 6 * s, y0 + t);
            }
        }
    }
}

// Half and whole notes: the screen's hatching drawn one printer row and column apart, which
// raises the whole slanted head.
void hatchedHead(PrintPen& pen, double x0, double y0, int halfWidth, int slantReach) {
    const double s = pen.s();
    const double a = halfWidth * s;
    for (int i = 0; i <= 12 * s; ++i) {
        const double shift = (6 * s - i) / 3;
        pen.line(x0 + shift - a, y0 - 6 * s + i, x0 + shift + a, y0 - 6 * s + i);
    }
    for (int j = 0; j <= slantReach * s; ++j)
        pen.line(x0 - a + 2 * s + j, y0 - 6 * s, x0 - a - 2 * s + j, y0 + 6 * s);
}

}  // namespace

void printLedgerLines(PrintPen& pen, const PrintPage& page, double a, double b) {
    if (page.blank || page.staves == nullptr) return;
    const render::StaveTable& staves = *page.staves;
    const PrintRaster& raster = pen.raster();
    const double unit = pen.unit();
    const double q = page.pitch * unit;
    const int half = pen.strokeUnit() / 2;
    const double height = pen.canvas().height();
    const auto draw = [&](double row) {
        const double y = raster.marginY + row * q;
        for (int d = -half; d <= half; ++d)
            pen.line(raster.marginX + a - 13 * unit, y + d, raster.marginX + a + 13 * unit, y + d);
    };
    // Lines j = first .. last two rows apart from `start` (step -2 above, +2 below), only
    // those that can touch the page, so a stave table built from absurd rows costs nothing.
    const auto run = [&](double start, int step, int64_t last, auto wanted) {
        const double y0 = raster.marginY + start * q;
        const double edge = half + 1;
        const double first = step < 0 ? (y0 - height - edge) / (2 * q) : (-edge - y0) / (2 * q);
        const double final = step < 0 ? (y0 + edge) / (2 * q) : (height + edge - y0) / (2 * q);
        const double lo = std::max(1.0, std::floor(first));
        const double hi = std::min<double>(static_cast<double>(last), std::ceil(final));
        for (double j = lo; j <= hi; ++j) {
            const double row = start + step * j;
            if (wanted(row)) draw(row);
        }
    };
    const int count = std::clamp(staves.staveCount, 0, render::kMaxDetectedStaves);
    for (int k = 0; k < count; ++k) {
        const double top = 2.0 * page.topMargin + staves.staveTop[static_cast<size_t>(k)];
        const int above = staves.staveGap[static_cast<size_t>(k)];
        const int below = staves.staveGap[static_cast<size_t>(k) + 1];
        if ((top - above) * q < b && b < (top - 1) * q) {
            // Up from the top line as far as the note, with 5 pixels' grace for rounding.
            run(top, -2, above / 2, [&](double row) { return b - 5 <= row * q; });
        } else if ((top + 8) * q < b && b < (top + below + 8) * q) {
            run(top + 8, 2, below / 2, [&](double row) { return b + 5 >= row * q; });
        }
    }
}

bool printNote(PrintPen& pen, const PrintPage& page, const SymbolRecord& r, const PrintAnchor& at) {
    const double s = pen.s();
    const double unit = pen.unit();
    const double x0 = at.x0, y0 = at.y0, a = at.a, b = at.b;
    if (const std::optional<Stem> stem = stemOf(r.kind())) {
        stemmedNote(pen, page.pitch, *stem, x0, y0);
        printLedgerLines(pen, page, a, b);
        return true;
    }
    switch (r.kind()) {
        case kBareNoteHead:
            noteHead(pen, std::trunc(x0), std::trunc(y0));
            printLedgerLines(pen, page, a, b);
            return true;
        case kHalfNote:
            hatchedHead(pen, x0, y0, 7, 14);
            printLedgerLines(pen, page, a - 3 * s, b);
            printLedgerLines(pen, page, a + 3 * s, b);
            return true;
        case kWholeNote:
            hatchedHead(pen, x0, y0, 12, 24);
            printLedgerLines(pen, page, a - 10 * s, b);
            printLedgerLines(pen, page, a + 10 * s, b);
            return true;
        // The clefs' width follows the page scale only, their height the pitch too.
        case kGClef:
            bitmapStamp(pen, render::TemplateId::TrebleClef, unit, s, x0 - 14 * unit, y0 - 35 * s);
            return true;
        case kFClef:
            bitmapStamp(pen, render::TemplateId::BassClef, unit, s, x0 - 14 * unit, y0 - 23 * s);
            return true;
        case kStaccatissimoMark:
            bitmapStamp(pen, render::TemplateId::Wedge, s, s, x0 - 3 * s, y0 - 8 * s);
            return true;
        default:
            return false;
    }
}

}  // namespace noma::printing
