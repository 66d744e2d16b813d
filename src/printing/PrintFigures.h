#pragma once

// The print figures that differ from the screen's, by family; used by the page drawing.

#include <algorithm>

#include "document/ScoreDocument.h"
#include "platform/Canvas.h"
#include "printing/PrintMetrics.h"
#include "printing/PrintRaster.h"
#include "render/StaveTable.h"
#include "render/Templates.h"

namespace noma {
class UserSymbolStore;
}

namespace noma::printing {

// Drawing in printer pixels: coordinates are doubles truncated toward zero only when handed
// to the canvas, as the printer's own canvas would take them.
class PrintPen {
  public:
    PrintPen(Canvas& canvas, const PrintRaster& raster, const PrintMetrics& metrics)
        : canvas_(canvas), raster_(raster), m_(metrics) {}

    Canvas& canvas() { return canvas_; }
    const PrintRaster& raster() const { return raster_; }
    const PrintMetrics& metrics() const { return m_; }
    double s() const { return m_.s(); }
    double unit() const { return m_.unit(); }
    int strokeUnit() const { return m_.strokeUnit(); }
    double u(int k) const { return m_.u(k); }

    // Pen and brush in one colour.
    void colour(Rgb c) {
        canvas_.setPenColour(c);
        canvas_.setBrushColour(c);
    }
    void base() { colour(raster_.baseGrey); }
    void strong() { colour(raster_.strongGrey); }

    void line(double x1, double y1, double x2, double y2);
    void fill(double x1, double y1, double x2, double y2);
    void ellipse(double x1, double y1, double x2, double y2);
    void arc(double x1, double y1, double x2, double y2, double xs, double ys, double xe,
             double ye);

    // Sets a printer pixel for every ink cell of `mask` at (trunc(x + i), trunc(y + j)).
    void stamp(const render::Mask& mask, double x, double y, Rgb ink);

  private:
    Canvas& canvas_;
    const PrintRaster& raster_;
    const PrintMetrics& m_;
};

// Runs f(d) for every integer d from trunc(from) while d < below. Both ends are held at the
// device bound: a mark far off the paper would otherwise count past the int range for ever.
template <class F>
void forOffsets(double from, double below, F f) {
    const double end = std::min(below, double{render::kDeviceBound});
    for (int d = render::toDevice(from); d < end; ++d) f(d);
}

// What the figures need of the page being printed.
struct PrintPage {
    int topMargin = 12;
    int pitch = 8;
    bool blank = false;  // a blank page has no ledger lines
    const render::StaveTable* staves = nullptr;
    PrintMode mode = PrintMode::Tactile;
    int brailleOutput = 2;  // ink print: 0 kana, 1 alphabet, 2 braille
    const UserSymbolStore* userSymbols = nullptr;
};

// A mask fitted to width x height: enlarged by repeating each cell as a block, reduced by
// keeping a cell inked when any cell that falls into it is, so thin strokes survive.
render::Mask fittedMask(const render::Mask& mask, int width, int height);

// Ledger lines of a note at (a, b), printer pixels from the page origin (margins not added).
void printLedgerLines(PrintPen& pen, const PrintPage& page, double a, double b);

// A record's anchor in printer pixels (x0, y0), and the same from the page origin (a, b),
// without the margins.
struct PrintAnchor {
    double x0 = 0;
    double y0 = 0;
    double a = 0;
    double b = 0;
};

// Each family returns false for a kind it does not print.
bool printNote(PrintPen& pen, const PrintPage& page, const SymbolRecord& r, const PrintAnchor& at);
bool printMark(PrintPen& pen, const PrintPage& page, const SymbolRecord& r, const PrintAnchor& at);
bool printPaletteMark(PrintPen& pen, const PrintPage& page, const SymbolRecord& r,
                      const PrintAnchor& at);

// The six dots of `cell` with dot 1 centred at (marginX + xr, marginY + yr): brush strongest
// grey, outline base grey.
void printBrailleDots(PrintPen& pen, int cell, int xr, int yr);

}  // namespace noma::printing
