// The red picture under the pointer: drawn on the view image only and erased by restoring
// pixels from the back image, so a pointer move never re-renders the page.
#include <algorithm>
#include <cstdint>

#include "document/PageGeometry.h"
#include "document/ScoreDocument.h"
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "editing/EditHost.h"
#include "editing/Editor.h"
#include "editing/RegionOperations.h"
#include "render/FigureMetrics.h"
#include "render/LedgerLines.h"
#include "render/PageColours.h"
#include "render/SymbolFigures.h"

namespace noma {

namespace {

using render::kPreviewRed;

constexpr Rgb kRubberGreen = rgb(0, 255, 0);
// Horizontal reach of any figure around its anchor, with room to spare at pitch 10.
constexpr int kStripLeft = 100;
constexpr int kStripRight = 120;

bool isHairpin(int kind) {
    return placementOf(kind) == Placement::TwoClicksEndX;
}
bool isBracket(int kind) {
    return placementOf(kind) == Placement::TwoClicksOffset;
}

// The braille pointer: all six dots of a cell, 4 x 4 each with white corners.
void drawBraillePointer(Canvas& view, int x0, int y0) {
    for (int col : {0, 8})
        for (int row : {0, 8, 16})
            for (int dy = 0; dy < 4; ++dy)
                for (int dx = 0; dx < 4; ++dx) {
                    const bool corner = (dx == 0 || dx == 3) && (dy == 0 || dy == 3);
                    view.setPixel(x0 + col + dx, y0 + row + dy, corner ? kWhite : kPreviewRed);
                }
}

}  // namespace

void Editor::restoreColumns(int left, int right) {
    if (right <= left) return;
    view_.copyRect({left, 0, right, view_.height()}, back_, {left, 0, right, back_.height()});
}

void Editor::restoreRect(Rect box) {
    if (box.x2 <= box.x1 || box.y2 <= box.y1) return;
    view_.copyRect(box, back_, box);
}

void Editor::eraseStrip() {
    restoreColumns(stripLeft_, stripRight_);
    stripLeft_ = stripRight_ = 0;
}

void Editor::drawXorRectangle(Point c) {
    const Point a = state_.regionCorner1;
    view_.setPenMode(Canvas::PenMode::Xor);
    view_.setPenColour(kRubberGreen);
    view_.moveTo(a);
    view_.lineTo({c.x, a.y});
    view_.lineTo(c);
    view_.lineTo({a.x, c.y});
    view_.lineTo(a);
    view_.setPenMode(Canvas::PenMode::Copy);
}

void Editor::eraseXorRectangle() {
    drawXorRectangle(state_.regionCorner2);
}

void Editor::drawPreviewFigure(const SymbolRecord& record, int x, int y) {
    const int p = pitch();
    const render::ScreenMetrics metrics(p);
    const bool blank = doc_.settings(doc_.currentPage).scoreType == 3;
    const render::ScreenLedgerLines ledger(staves_, {topMargin(), p, blank}, kPreviewRed);
    render::FigureContext context;
    context.topMargin = topMargin();
    context.pitch = p;
    context.ledger = &ledger;
    context.userSymbols = userSymbols_;
    render::drawFigure(view_, metrics, record, x, y, context, kPreviewRed);
    if (record.kind() == kStraightLine) {
        view_.setPenColour(kPreviewRed);
        render::drawLineRecord(view_, record, x, y);
    }
}

void Editor::mouseMove(int x, int y) {
    if (doc_.interactionState == kNoDocument) return;
    x = withinReach(x);
    y = withinReach(y);
    const int p = pitch();
    const int xs = (x / kColumnWidth) * kColumnWidth;
    const int ys = (y / p) * p;
    view_.setPenColour(kPreviewRed);
    view_.setBrushColour(kPreviewRed);
    const int mode = doc_.toolMode;
    const int st = doc_.interactionState;
    RegionSelection& s = state_.selection;
    const int regionWidth = (s.right - s.left) * kColumnWidth;
    const int regionHeight = (s.bottom - s.top) * p;

    if (mode == kModeClipPaste && st == kReady) {
        const Point old = state_.regionTarget;
        restoreRect(Rect::sized({columnToX(old.x), p * old.y}, regionWidth, regionHeight));
        state_.regionTarget = regionTargetAt(s, x, y, p);
        const Point t = state_.regionTarget;
        view_.copyRect(Rect::sized({columnToX(t.x), p * t.y}, regionWidth, regionHeight),
                       pasteBuffer_, {0, 0, regionWidth, regionHeight});
        return;
    }
    if (mode >= kModeRegionCopy && mode <= kModeClipCut) {
        if (st == kFirstPoint) {
            eraseXorRectangle();
            drawXorRectangle({x, y});
            state_.regionCorner2 = {x, y};
        } else if (st == kSecondPoint) {
            const Point old = state_.regionTarget;
            restoreRect(Rect::sized({columnToX(old.x), p * old.y}, regionWidth, regionHeight));
            state_.regionTarget = regionTargetAt(s, x, y, p);
            const Point t = state_.regionTarget;
            view_.copyRect(Rect::sized({columnToX(t.x), p * t.y}, regionWidth, regionHeight), back_,
                           {columnToX(s.left), p * s.top, columnToX(s.right), p * s.bottom});
        }
        return;
    }
    if (mode == kBraille && st == kReady) {
        const Point old = state_.pointerPoint;
        restoreRect({old.x - 6, old.y - 8, old.x + 6, old.y + 12});
        drawBraillePointer(view_, xs - 6, ys - 8);
        state_.pointerPoint = {xs, ys};
        const Point cursor = host_.brailleCursor();
        view_.setBrushColour(kPreviewRed);
        view_.fillRect({cursor.x - 1, cursor.y + 26, cursor.x + 13, cursor.y + 29});
        return;
    }

    const bool dragged = mode == kModeMoveCopyErase && st == kFirstPoint && state_.dragging;
    if ((st == kReady && mode != 0 && mode != kModeMoveCopyErase) || dragged) {
        const int kind = dragged ? state_.pickedKind : mode;
        if (placementOf(kind) == Placement::None || placementOf(kind) == Placement::Generated)
            return;
        eraseStrip();
        const int ax = isPixelField(kind, 1) ? x : xs;
        state_.pointerPoint = {ax, ys};
        stripLeft_ = ax - kStripLeft;
        stripRight_ = ax + kStripRight;
        if (kind == kSlur || kind == kSlurReversed) {
            const int bulge = kind == kSlur ? 10 : -10;
            view_.setPenColour(kPreviewRed);
            render::drawSlur(view_, xs, ys, xs + 50, ys, xs + 25, ys + bulge,
                             kind == kSlurReversed);
            return;
        }
        SymbolRecord r = placedRecord(kind, 0, 0);
        const int u18 = 18 * p / 6;
        if (isHairpin(kind)) setExtent(r, ax + u18, 0);
        if (kind == kStraightLine) setExtent(r, 20, 0);
        if (isBracket(kind)) setExtent(r, 6, 0);
        drawPreviewFigure(r, ax, ys);
        return;
    }
    if (st == kFirstPoint || st == kSecondPoint) gesturePreview(x, y, xs, ys);
}

void Editor::gesturePreview(int x, int y, int xs, int ys) {
    const int mode = doc_.toolMode;
    const int st = doc_.interactionState;
    const Point anchor = state_.pointerPoint;
    const int p = pitch();
    SymbolRecord r = placedRecord(mode, 0, 0);
    if (st == kFirstPoint && isHairpin(mode)) {
        if (x <= anchor.x + 17) return;
        eraseStrip();
        state_.rubberDx = x - anchor.x;
        setExtent(r, x, 0);
        drawPreviewFigure(r, anchor.x, anchor.y);
        stripLeft_ = anchor.x - kStripLeft;
        stripRight_ = x + kStripRight;
    } else if (st == kFirstPoint && mode == kStraightLine) {
        eraseStrip();
        if (y - anchor.y < x - anchor.x) {
            state_.rubberDx = xs - anchor.x;
            state_.rubberDy = 0;
        } else {
            state_.rubberDx = 0;
            state_.rubberDy = ys - anchor.y;
        }
        setExtent(r, state_.rubberDx, state_.rubberDy);
        drawPreviewFigure(r, anchor.x, anchor.y);
        stripLeft_ = std::min(anchor.x, anchor.x + state_.rubberDx) - 4;
        stripRight_ = std::max(anchor.x, anchor.x + state_.rubberDx) + 4;
    } else if (st == kFirstPoint && isBracket(mode)) {
        if (xs <= anchor.x + (mode == kObliqueLine ? 0 : 10)) return;
        eraseStrip();
        state_.rubberDx = xs - anchor.x;
        state_.rubberDy = ys - anchor.y;
        setExtent(r, state_.rubberDx / kColumnWidth, state_.rubberDy / p);
        drawPreviewFigure(r, anchor.x, anchor.y);
        stripLeft_ = anchor.x - kStripLeft;
        stripRight_ = xs + kStripRight;
    } else if (st == kFirstPoint && (mode == kSlur || mode == kSlurReversed)) {
        if (xs <= state_.slurP1.x) return;
        eraseStrip();
        state_.slurP2 = {xs, ys};
        view_.setPenColour(kPreviewRed);
        view_.moveTo(state_.slurP1);
        view_.lineTo({xs, ys});
        stripLeft_ = state_.slurP1.x - 4;
        stripRight_ = xs + 4;
    } else if (st == kSecondPoint && (mode == kSlur || mode == kSlurReversed)) {
        slurBulgePreview(xs, ys);
    }
}

bool Editor::inBulgeZone(int xs, int ys) const {
    const Point a = state_.slurP1;
    const Point b = state_.slurP2;
    if (!(a.x < xs && xs < b.x)) return false;
    const int c = (b.y - a.y) * (xs - a.x) / (b.x - a.x) + a.y;
    if (doc_.toolMode == kSlur ? !(ys > c + 2) : !(ys < c - 2)) return false;
    const int mx = (a.x + b.x) / 2;
    const int my = (a.y + b.y) / 2;
    const int64_t d1 = int64_t{mx - xs} * (mx - xs) + int64_t{my - ys} * (my - ys);
    const int64_t d2 = int64_t{mx - a.x} * (mx - a.x) + int64_t{my - a.y} * (my - a.y);
    return d1 < d2;
}

void Editor::slurBulgePreview(int xs, int ys) {
    const Point a = state_.slurP1;
    const Point b = state_.slurP2;
    eraseStrip();
    restoreColumns(a.x - 30, b.x + 30);
    stripLeft_ = a.x - 30;
    stripRight_ = b.x + 30;
    if (!inBulgeZone(xs, ys)) return;
    view_.setPenColour(kPreviewRed);
    render::drawSlur(view_, a.x, a.y, b.x, b.y, xs, ys, doc_.toolMode == kSlurReversed);
}

}  // namespace noma
