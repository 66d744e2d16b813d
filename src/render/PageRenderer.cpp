#include "render/PageRenderer.h"

#include "render/BrailleInk.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "document/PageGeometry.h"
#include "document/SymbolKind.h"
#include "render/FigureMetrics.h"
#include "render/InkBlocks.h"
#include "render/LedgerLines.h"
#include "render/PageBackground.h"
#include "render/PageColours.h"
#include "render/SymbolFigures.h"

namespace noma::render {

namespace {

void drawHotPositions(Canvas& c, const PassPage& page) {
    c.setPenColour(kHotGreen);
    for (int i = 0; i < page.count; ++i) {
        const Point p = page.anchors[i];
        c.moveTo(p.moved(-2, -2));
        c.lineTo(p.moved(2, -2));
        c.lineTo(p.moved(2, 2));
        c.lineTo(p.moved(-2, 2));
        c.lineTo(p.moved(-2, -2));
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
    const SymbolRecord* records = doc.pageRecords(page);
    const int count = std::clamp(settings.symbolCount, 0, kMaxRecords);
    const int pitch = std::clamp(doc.header.verticalPitch, kMinPitch, kMaxPitch);
    std::array<Point, kMaxRecords> anchors;
    for (int i = 0; i < count; ++i)
        anchors[static_cast<size_t>(i)] = recordAnchor(records[i], settings.topMargin, pitch);
    const PassPage pass{.records = records,
                        .anchors = anchors.data(),
                        .count = count,
                        .topMargin = settings.topMargin,
                        .pitch = pitch,
                        .scoreType = settings.scoreType,
                        .landscape = orientation == 1,
                        .width = width,
                        .height = height};

    // Stages 1 to 9 give the view and the back image the same pixels: draw them once into the
    // back image and copy.
    back.setPenMode(Canvas::PenMode::Copy);
    back.clear(kWhite);
    staves.build(doc, page);
    InkBlocks ink;
    ink.reset(width, height);
    drawPageBackground(back, pass, state, ink);

    // The white-out cuts only what the background drew; where that left the rows white the
    // fill is skipped.
    const ScreenMetrics metrics(pass.pitch);
    for (int i = 0; i < pass.count; ++i) {
        FigureRect rects[2];
        const Point p = anchors[static_cast<size_t>(i)];
        const int n = whiteOutRects(metrics, records[i].kind(), p.x, p.y, rects);
        for (int k = 0; k < n; ++k) {
            ink.fillWhite(back, toDevice(rects[k].x1), toDevice(rects[k].y1), toDevice(rects[k].x2),
                          toDevice(rects[k].y2));
        }
    }

    const ScreenLedgerLines ledger(staves, {pass.topMargin, pass.pitch, pass.scoreType == kBlank},
                                   kBlack);
    const FigureContext context{pass.topMargin, pass.pitch, &ledger, state.displayMode,
                                state.userSymbols};
    for (int i = 0; i < pass.count; ++i) {
        const Point p = anchors[static_cast<size_t>(i)];
        drawFigure(back, metrics, records[i], p.x, p.y, context, kBlack);
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
    if (state.toolMode == kBraille && state.interactionState == kReady) {
        const Point c{Canvas::clampCoordinate(state.brailleCursor.x),
                      Canvas::clampCoordinate(state.brailleCursor.y)};
        view.setBrushColour(kPreviewRed);
        view.fillRect({c.x - 1, c.y + 26, c.x + 13, c.y + 29});
    }
    view.setPenColour(kBlack);
    view.setBrushColour(kBlack);
}

}  // namespace noma::render
