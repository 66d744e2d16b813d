#include "render/PageRenderer.h"

#include "render/BrailleInk.h"

#include <algorithm>
#include <cstring>

#include "document/PageGeometry.h"
#include "document/SymbolKind.h"
#include "render/FigureMetrics.h"
#include "render/LedgerLines.h"
#include "render/PageColours.h"
#include "render/SymbolFigures.h"

namespace noma::render {

namespace {

// Everything one pass needs to know of the page.
struct PassPage {
    const SymbolRecord* records;
    int count;
    int topMargin;
    int pitch;
    int scoreType;
    bool landscape;
    int width;
    int height;

    PagePoint anchor(int i) const { return recordAnchor(records[i], topMargin, pitch); }
};

// The page frame: left, top, right, bottom (right/bottom exclusive).
struct Frame {
    int left, top, right, bottom;
};

Frame frameOf(const PassPage& page) {
    if (page.landscape) return {55, 33, page.width - 77, page.height - 33};
    return {33, 50, page.width - 33, page.height - 74};
}

// A silver rectangle with a white inside; the image was just cleared to white, so the outline
// alone gives the same pixels without repainting most of the page.
void drawFrame(Canvas& c, const PassPage& page) {
    const Frame f = frameOf(page);
    c.setPenColour(kSilver);
    c.moveTo(f.left, f.top);
    c.lineTo(f.right - 1, f.top);
    c.lineTo(f.right - 1, f.bottom - 1);
    c.lineTo(f.left, f.bottom - 1);
    c.lineTo(f.left, f.top);
}

// Writing-paper lines for a blank page, spaced to the pitch.
void drawRuledLines(Canvas& c, const PassPage& page) {
    const int step = page.pitch * ruledLineStep(page.pitch);
    c.setPenColour(kSilver);
    if (page.landscape) {
        for (int k = 1; k <= 19; ++k) {
            const int y = step * k + 16;
            if (y <= 33 || y >= page.height - 35) continue;
            c.moveTo(58, y);
            c.lineTo(page.width - 80, y);
        }
    } else {
        for (int k = 2; k <= 29; ++k) {
            const int y = step * k - 8;
            if (y <= 50 || y - 2 >= page.height - 76) continue;
            c.moveTo(36, y);
            c.lineTo(page.width - 37, y);
        }
    }
}

void drawSearchMarks(Canvas& c, const PassPage& page, int target) {
    const int r = 15 * page.pitch / 6;
    c.setPenColour(kAqua);
    c.setBrushColour(kAqua);
    for (int i = 0; i < page.count; ++i) {
        if (page.records[i].kind() != target) continue;
        const PagePoint p = page.anchor(i);
        if (target == kTenji) {
            c.fillRect(p.x - r, p.y - 16, p.x + 20, p.y + 23);
        } else {
            c.ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
        }
    }
}

void drawGridPoints(Canvas& c, const PassPage& page, int interval) {
    const Frame f = frameOf(page);
    const int dx = 6 * interval;
    const int dy = interval * page.pitch;
    for (int y = 0; y < page.height; y += dy) {
        if (y <= f.top || y >= f.bottom) continue;
        for (int x = 0; x < page.width; x += dx)
            if (x > f.left && x < f.right) c.setPixel(x, y, kGridBlue);
    }
}

void drawHotPositions(Canvas& c, const PassPage& page) {
    c.setPenColour(kHotGreen);
    for (int i = 0; i < page.count; ++i) {
        const PagePoint p = page.anchor(i);
        c.moveTo(p.x - 2, p.y - 2);
        c.lineTo(p.x + 2, p.y - 2);
        c.lineTo(p.x + 2, p.y + 2);
        c.lineTo(p.x - 2, p.y + 2);
        c.lineTo(p.x - 2, p.y - 2);
    }
    c.setPenColour(kBlack);
}

}  // namespace

int ruledLineStep(int pitch) {
    switch (pitch) {
        case 6:
            return 7;
        case 7:
            return 6;
        case 10:
            return 4;
        default:
            return 5;
    }
}

void renderPage(const ScoreDocument& doc, int page, const ViewState& state, Canvas& view,
                Canvas& back, StaveTable& staves) {
    const int orientation = doc.header.orientation == 1 ? 1 : 0;
    const int width = pageWidth(orientation);
    const int height = pageHeight(orientation);
    if (back.width() != width || back.height() != height) back.resize(width, height);
    if (view.width() != width || view.height() != height) view.resize(width, height);
    if (page < 0 || page >= kMaxPages) {
        staves.build(doc, -1);
        back.clear(kWhite);
        view.clear(kWhite);
        return;
    }
    const PageSettings& settings = doc.settings(page);
    const PassPage pass{doc.pageRecords(page),
                        std::clamp(settings.symbolCount, 0, kMaxRecords),
                        settings.topMargin,
                        std::clamp(doc.header.verticalPitch, kMinPitch, kMaxPitch),
                        settings.scoreType,
                        orientation == 1,
                        width,
                        height};

    // Stages 1 to 9 give the view and the back image the same pixels: draw them once into the
    // back image and copy.
    back.setPenMode(Canvas::PenMode::Copy);
    back.clear(kWhite);
    staves.build(doc, page);
    drawFrame(back, pass);
    if (pass.scoreType == kBlank && state.rulesVisible == 1) drawRuledLines(back, pass);
    if (state.searchActive == 1) drawSearchMarks(back, pass, state.searchTarget);
    if (state.gridInterval > 0) drawGridPoints(back, pass, state.gridInterval);

    back.setPenColour(kBlack);
    back.setBrushColour(kBlack);
    for (int i = 0; i < pass.count; ++i) {
        if (pass.records[i].kind() != kTateYoko) continue;
        const PagePoint p = pass.anchor(i);
        drawLineRecord(back, pass.records[i], p.x, p.y);
    }

    const ScreenMetrics metrics(pass.pitch);
    for (int i = 0; i < pass.count; ++i) {
        const PagePoint p = pass.anchor(i);
        drawWhiteOut(back, metrics, pass.records[i], p.x, p.y);
    }

    const ScreenLedgerLines ledger(staves, {pass.topMargin, pass.pitch, pass.scoreType == kBlank},
                                   kBlack);
    const FigureContext context{pass.topMargin, pass.pitch, &ledger, state.displayMode, state.userSymbols};
    for (int i = 0; i < pass.count; ++i) {
        const PagePoint p = pass.anchor(i);
        drawFigure(back, metrics, pass.records[i], p.x, p.y, context, kBlack);
    }
    back.setPenColour(kBlack);
    back.setBrushColour(kBlack);
    if (state.displayMode == 0 || state.displayMode == 1) {
        drawBrailleTranslation(back, doc, page, state.displayMode);
    }

    std::memcpy(view.data(), back.data(),
                static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    view.setPenMode(Canvas::PenMode::Copy);

    // What both images share ends here; the overlays go on the view image only.
    if (state.hotPositionsVisible == 1) drawHotPositions(view, pass);
    if (state.toolMode == kTenji && state.interactionState == kReady) {
        const PagePoint c{Canvas::clampCoordinate(state.brailleCursor.x),
                          Canvas::clampCoordinate(state.brailleCursor.y)};
        view.setBrushColour(kPreviewRed);
        view.fillRect(c.x - 1, c.y + 26, c.x + 13, c.y + 29);
    }
    view.setPenColour(kBlack);
    view.setBrushColour(kBlack);
}

}  // namespace noma::render
