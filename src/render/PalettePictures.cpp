#include "render/PalettePictures.h"

#include <algorithm>

#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "render/FigureMetrics.h"
#include "render/SymbolFigures.h"
#include "render/Templates.h"

namespace noma::render {

namespace {

constexpr int kWork = 160;  // the figure is drawn at pitch 6 on a work canvas this size
constexpr int kPitch = 6;
constexpr Rgb kLight = rgb(255, 255, 255);
constexpr Rgb kFace = rgb(236, 236, 236);
constexpr Rgb kShadow = rgb(128, 128, 128);

// A record that shows the kind at its usual size when drawn at the work canvas's centre.
SymbolRecord sampleRecord(int mode, int anchorX) {
    SymbolRecord r = placedRecord(mode, 0, 0);
    switch (mode) {
        case kDot:
            r = placedRecord(mode, anchorX, 0);
            break;
        case kCrescendo:
        case kDecrescendo:
            setExtent(r, anchorX + 30, 0);
            break;
        case kStraightLine:
            setExtent(r, 0, 30);
            break;
        case kTripletAbove:
        case kTripletBelow:
        case kBeam:
            setExtent(r, 5, 0);
            break;
        case kObliqueLine:
            setExtent(r, 4, -4);
            break;
        case kBraille:
            r = brailleRecord({0, 0, 63});
            break;
        default:
            break;
    }
    return r;
}

struct InkBox {
    int left = kWork, top = kWork, right = -1, bottom = -1;
    bool empty() const { return right < left; }
};

InkBox inkBox(const Canvas& c) {
    InkBox b;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (c.getPixel(x, y) != kWhite) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

void drawFigureAtCentre(Canvas& work, int mode) {
    const int cx = kWork / 2;
    const int cy = kWork / 2;
    const ScreenMetrics metrics(kPitch);
    if (mode == kSlur || mode == kSlurReversed) {
        work.setPenColour(kBlack);
        for (int d = 0; d < 2; ++d)
            drawSlur(work, cx - 24, cy + d, cx + 24, cy + d, cx,
                     cy + (mode == kSlur ? 12 : -12) + d, mode == kSlurReversed);
        return;
    }
    FigureContext context;
    context.topMargin = 0;
    context.pitch = kPitch;
    const SymbolRecord r = sampleRecord(mode, cx);
    drawFigure(work, metrics, r, cx, cy, context, kBlack);
    if (mode == kStraightLine) {
        // Both directions the tool draws, so the button does not read as a bar line.
        work.setPenColour(kBlack);
        SymbolRecord across = r;
        across[3] = 30, across[4] = 0;
        for (int d = -1; d <= 1; ++d) {
            drawLineRecord(work, r, cx - 15 + d, cy - 15);
            drawLineRecord(work, across, cx - 15, cy + 14 + d);
        }
    }
}

void bevel(Canvas& c, bool pressed) {
    const int n = kPaletteButtonSize - 1;
    const Rgb topLeft = pressed ? kShadow : kLight;
    const Rgb bottomRight = pressed ? kLight : kShadow;
    for (int i = 0; i <= n; ++i) {
        c.setPixel(i, 0, topLeft);
        c.setPixel(0, i, topLeft);
        c.setPixel(i, n, bottomRight);
        c.setPixel(n, i, bottomRight);
    }
}

}  // namespace

Canvas palettePicture(int mode, bool pressed) {
    Canvas work(kWork, kWork);
    drawFigureAtCentre(work, mode);
    Canvas button(kPaletteButtonSize, kPaletteButtonSize, pressed ? rgb(210, 220, 240) : kFace);
    InkBox box = inkBox(work);
    if (!box.empty()) {
        // Fit the figure into 19 x 19, keeping its proportions and its dark pixels.
        int w = box.right - box.left + 1;
        int h = box.bottom - box.top + 1;
        const int fit = 19;
        // Bar lines are tall and narrow: shrunk whole, their thin and thick strokes merge into
        // one bar. They keep their width and show the middle of their height instead.
        const bool barLine = mode == kBarLine || mode == kFinalBarLine || mode == kDoubleBarLine;
        if (barLine && h > fit && w <= fit) {
            box.top += (h - fit) / 2;
            box.bottom = box.top + fit - 1;
            h = fit;
        }
        const int scale = std::max({w, h, fit});
        const int dw = std::max(1, w * fit / scale);
        const int dh = std::max(1, h * fit / scale);
        Canvas figure(dw, dh);
        figure.copyRect({0, 0, dw, dh}, work, {box.left, box.top, box.right + 1, box.bottom + 1},
                        Canvas::Stretch::KeepDark);
        const int x0 = (kPaletteButtonSize - dw) / 2 + (pressed ? 1 : 0);
        const int y0 = (kPaletteButtonSize - dh) / 2 + (pressed ? 1 : 0);
        for (int y = 0; y < dh; ++y)
            for (int x = 0; x < dw; ++x)
                if (figure.getPixel(x, y) != kWhite) button.setPixel(x0 + x, y0 + y, kBlack);
    }
    bevel(button, pressed);
    return button;
}

Canvas programIconPicture(int size) {
    const Canvas clef = templatePicture(TemplateId::TrebleClef, kBlack);
    Canvas icon(size, size);
    const int w = std::max(1, clef.width() * size / clef.height());
    icon.copyRect({(size - w) / 2, 0, (size - w) / 2 + w, size}, clef,
                  {0, 0, clef.width(), clef.height()}, Canvas::Stretch::KeepDark);
    return icon;
}

}  // namespace noma::render
