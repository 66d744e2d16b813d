#include "render/PageBackground.h"

#include "document/PageGeometry.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "render/PageColours.h"
#include "render/PageRenderer.h"

namespace noma::render {

namespace {

// The page frame: left, top, right, bottom (right/bottom exclusive).
struct Frame {
    int left, top, right, bottom;
};

Frame frameOf(const PassPage& page) {
    if (page.landscape) return {55, 33, page.width - 77, page.height - 33};
    return {33, 50, page.width - 33, page.height - 74};
}

// A pen line from the current point, marked with both its ends.
void markedLineTo(Canvas& c, InkBlocks& ink, int x, int y) {
    const Point from = c.current();
    ink.mark(from.x, from.y, x, y);
    c.lineTo({x, y});
}

// A silver rectangle with a white inside; the image was just cleared to white, so the outline
// alone gives the same pixels without repainting most of the page.
void drawFrame(Canvas& c, const PassPage& page, InkBlocks& ink) {
    const Frame f = frameOf(page);
    c.setPenColour(kSilver);
    c.moveTo({f.left, f.top});
    markedLineTo(c, ink, f.right - 1, f.top);
    markedLineTo(c, ink, f.right - 1, f.bottom - 1);
    markedLineTo(c, ink, f.left, f.bottom - 1);
    markedLineTo(c, ink, f.left, f.top);
}

// Writing-paper lines for a blank page, spaced to the pitch.
void drawRuledLines(Canvas& c, const PassPage& page, InkBlocks& ink) {
    const int step = page.pitch * ruledLineStep(page.pitch);
    c.setPenColour(kSilver);
    if (page.landscape) {
        for (int k = 1; k <= 19; ++k) {
            const int y = step * k + 16;
            if (y <= 33 || y >= page.height - 35) continue;
            c.moveTo({58, y});
            markedLineTo(c, ink, page.width - 80, y);
        }
    } else {
        for (int k = 2; k <= 29; ++k) {
            const int y = step * k - 8;
            if (y <= 50 || y - 2 >= page.height - 76) continue;
            c.moveTo({36, y});
            markedLineTo(c, ink, page.width - 37, y);
        }
    }
}

void drawSearchMarks(Canvas& c, const PassPage& page, int target, InkBlocks& ink) {
    c.setPenColour(kAqua);
    c.setBrushColour(kAqua);
    for (int i = 0; i < page.count; ++i) {
        if (page.records[i].kind() != target) continue;
        const Point p = page.anchors[i];
        const SearchMark m = searchMarkAt(target, p.x, p.y, page.pitch);
        ink.mark(m.left, m.top, m.right, m.bottom);
        if (m.box) {
            c.fillRect({m.left, m.top, m.right, m.bottom});
        } else {
            c.ellipse({m.left, m.top, m.right, m.bottom});
        }
    }
}

void drawGridPoints(Canvas& c, const PassPage& page, int interval, InkBlocks& ink) {
    const Frame f = frameOf(page);
    const int dx = columnToX(interval);
    const int dy = interval * page.pitch;
    for (int y = 0; y < page.height; y += dy) {
        if (y <= f.top || y >= f.bottom) continue;
        for (int x = 0; x < page.width; x += dx) {
            if (x <= f.left || x >= f.right) continue;
            ink.mark(x, y, x, y);
            c.setPixel(x, y, kGridBlue);
        }
    }
}

}  // namespace

void drawPageBackground(Canvas& canvas, const PassPage& page, const ViewState& state,
                        InkBlocks& ink) {
    drawFrame(canvas, page, ink);
    if (page.scoreType == kBlank && state.rulesVisible) drawRuledLines(canvas, page, ink);
    if (state.searchActive == 1) drawSearchMarks(canvas, page, state.searchTarget, ink);
    if (state.gridInterval > 0) drawGridPoints(canvas, page, state.gridInterval, ink);

    canvas.setPenColour(kBlack);
    canvas.setBrushColour(kBlack);
    for (int i = 0; i < page.count; ++i) {
        const SymbolRecord& r = page.records[i];
        if (r.kind() != kStraightLine) continue;
        const Point p = page.anchors[i];
        const Point end = lineRecordEnd(r, p.x, p.y);
        ink.mark(p.x, p.y, end.x, end.y);
        drawLineRecord(canvas, r, p.x, p.y);
    }
}

}  // namespace noma::render
