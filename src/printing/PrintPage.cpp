#include "printing/PrintPage.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "braille/DisplayMode.h"
#include "document/PageGeometry.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "printing/PrintFigures.h"
#include "render/SymbolFigures.h"

namespace noma {

using printing::PrintAnchor;
using printing::PrintPen;

namespace {

struct Page {
    const SymbolRecord* records;
    int count;
    int topMargin;
    int pitch;
    bool blank;
};

Page pageOf(const ScoreDocument& doc, int page) {
    const PageSettings& settings = doc.settings(page);
    return {doc.pageRecords(page), std::clamp(settings.symbolCount, 0, kMaxRecords),
            settings.topMargin, std::clamp(doc.header.verticalPitch, kMinPitch, kMaxPitch),
            settings.scoreType == kBlank};
}

PrintAnchor anchorOf(const SymbolRecord& r, const Page& page, const PrintRaster& raster) {
    const Point p = render::recordAnchor(r, page.topMargin, page.pitch);
    const double a = p.x * static_cast<double>(raster.printUnit);
    const double b = p.y * static_cast<double>(raster.printUnit);
    return {raster.marginX + a, raster.marginY + b, a, b};
}

// The boxes of a kind-46 line's horizontal and vertical strokes, each a stroke unit thick,
// with a pixel of slack on every side for the truncation of the ends; a negative extent has
// no stroke.
void lineStrokeBoxes(const SymbolRecord& r, const PrintAnchor& at, double unit, int strokeUnit,
                     std::vector<Rect>& boxes) {
    const LineLengths length = lineLengthsOf(r);
    const OffsetRange range = centredStroke(strokeUnit);
    const auto box = [](double x1, double y1, double x2, double y2) {
        return Rect{render::toDevice(x1) - 1, render::toDevice(y1) - 1, render::toDevice(x2) + 2,
                    render::toDevice(y2) + 2};
    };
    if (length.across > 0)
        boxes.push_back(
            box(at.x0, at.y0 + range.first, at.x0 + length.across * unit, at.y0 + range.below));
    if (length.down > 0)
        boxes.push_back(
            box(at.x0 + range.first, at.y0, at.x0 + range.below, at.y0 + length.down * unit));
}

// Kind-46 lines as their horizontal and vertical parts, each a stroke unit thick; a negative
// extent prints nothing. The boxes the strokes lie in are added to `inked`.
void printLine(PrintPen& pen, const SymbolRecord& r, const PrintAnchor& at,
               std::vector<Rect>& inked) {
    const double unit = pen.unit();
    const LineLengths length = lineLengthsOf(r);
    const OffsetRange range = centredStroke(pen.strokeUnit());
    for (int d = range.first; d < range.below; ++d) {
        if (length.across > 0) pen.line(at.x0, at.y0 + d, at.x0 + length.across * unit, at.y0 + d);
        if (length.down > 0) pen.line(at.x0 + d, at.y0, at.x0 + d, at.y0 + length.down * unit);
    }
    lineStrokeBoxes(r, at, unit, pen.strokeUnit(), inked);
}

// The white rectangles that keep raised lines from touching the symbols: the page's own
// white-out, and a square behind the guitar ring. Only the lines are on the page yet, so
// only where a line lies is there anything to whiten; the rest of a rectangle is skipped.
void clearAround(PrintPen& pen, const SymbolRecord& r, const PrintAnchor& at,
                 const std::vector<Rect>& inked) {
    render::FigureRect rects[2];
    int n = render::whiteOutRects(pen.metrics(), r.kind(), at.x0, at.y0, rects);
    if (r.kind() == kOpenString) {
        const double s = pen.s();
        rects[0] = {at.x0 - 7 * s, at.y0 - 7 * s, at.x0 + 7 * s, at.y0 + 7 * s};
        n = 1;
    }
    for (int i = 0; i < n; ++i) {
        int x1 = render::toDevice(rects[i].x1), y1 = render::toDevice(rects[i].y1);
        int x2 = render::toDevice(rects[i].x2), y2 = render::toDevice(rects[i].y2);
        if (x1 > x2) std::swap(x1, x2);
        if (y1 > y2) std::swap(y1, y2);
        for (const Rect& b : inked) {
            const int cx1 = std::max(x1, b.x1), cx2 = std::min(x2, b.x2);
            const int cy1 = std::max(y1, b.y1), cy2 = std::min(y2, b.y2);
            if (cx1 < cx2 && cy1 < cy2) pen.canvas().fillRect({cx1, cy1, cx2, cy2});
        }
    }
}

}  // namespace

void drawPrintPage(Canvas& out, const ScoreDocument& doc, int page, const PrintRaster& raster,
                   const PrintOptions& options) {
    if (page < 0 || page >= kMaxPages) return;
    const Page p = pageOf(doc, page);
    render::StaveTable staves;
    staves.build(doc, page);
    const PrintMetrics metrics(raster, p.pitch);
    PrintPen pen(out, raster, metrics);
    out.setPenMode(Canvas::PenMode::Copy);
    const printing::PrintPage context{
        p.topMargin,        p.pitch, p.blank, &staves, options.mode, options.brailleOutput,
        options.userSymbols};

    pen.base();
    std::vector<Rect> inked;
    for (int i = 0; i < p.count; ++i) {
        if (p.records[i].kind() == kStraightLine)
            printLine(pen, p.records[i], anchorOf(p.records[i], p, raster), inked);
    }

    pen.colour(kWhite);
    for (int i = 0; i < p.count; ++i)
        clearAround(pen, p.records[i], anchorOf(p.records[i], p, raster), inked);

    const render::FigureContext shared{p.topMargin, p.pitch, nullptr, kDisplayBraille,
                                       options.userSymbols};
    for (int i = 0; i < p.count; ++i) {
        const SymbolRecord& r = p.records[i];
        if (r.kind() == kStraightLine) continue;
        const PrintAnchor at = anchorOf(r, p, raster);
        pen.base();
        if (printing::printNote(pen, context, r, at) || printing::printMark(pen, context, r, at) ||
            printing::printPaletteMark(pen, context, r, at)) {
            continue;
        }
        // Everything else prints as its page figure at printer scale.
        render::drawFigure(out, metrics, r, at.x0, at.y0, shared, raster.baseGrey);
    }
    pen.base();
}

std::vector<Rect> printedLines(const ScoreDocument& doc, int page, const PrintRaster& raster) {
    std::vector<Rect> lines;
    if (page < 0 || page >= kMaxPages) return lines;
    const Page p = pageOf(doc, page);
    for (int i = 0; i < p.count; ++i) {
        const SymbolRecord& r = p.records[i];
        if (r.kind() == kStraightLine)
            lineStrokeBoxes(r, anchorOf(r, p, raster), raster.printUnit, raster.strokeUnit, lines);
    }
    return lines;
}

std::vector<Rect> printedBrailleCells(const ScoreDocument& doc, int page,
                                      const PrintRaster& raster) {
    std::vector<Rect> cells;
    if (page < 0 || page >= kMaxPages) return cells;
    const Page p = pageOf(doc, page);
    const double unit = raster.printUnit;
    for (int i = 0; i < p.count; ++i) {
        const SymbolRecord& r = p.records[i];
        if (r.kind() != kBraille || brailleOf(r).dots == 0) continue;
        const PrintAnchor at = anchorOf(r, p, raster);
        // Dot 1 is centred where the drawing centres it; dot 6 is 7 and 16 page pixels on.
        const double x = raster.marginX + render::toDevice(at.a - 4 * unit);
        const double y = raster.marginY + render::toDevice(at.b - 5 * unit);
        cells.push_back({render::toDevice(x - 2 * unit), render::toDevice(y - 2 * unit),
                         render::toDevice(x + 9 * unit) + 1, render::toDevice(y + 18 * unit) + 1});
    }
    return cells;
}

}  // namespace noma
