// The special palettes' kinds whose print differs from their picture on the page: the fret
// grid and strings with printable strokes, user-drawn symbols, finger numbers and recorder
// charts with their own greys.
#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "printing/PrintFigures.h"
#include "render/PaletteFigures.h"
#include "render/UserSymbolStore.h"

namespace noma::printing {

namespace {

void fretGrid(PrintPen& pen, double x0, double y0) {
    const double s = pen.s();
    const OffsetRange range = centredStroke(pen.strokeUnit());
    const auto upright = [&](double x) {
        for (int d = range.first; d < range.below; ++d)
            pen.line(x + d, y0 - 24 * s, x + d, y0 + 36 * s);
    };
    upright(x0 - 3 * s);
    for (int j = 0; j <= 3; ++j) upright(x0 + 18 * j * s);
}

void strings(PrintPen& pen, const SymbolRecord& r, double x0, double y0) {
    const double s = pen.s();
    const double end = pen.raster().marginX + hairpinEndX(r) * pen.unit();
    for (int j = 0; j <= 5; ++j) {
        forOffsets(0, pen.strokeUnit(),
                   [&](int d) { pen.line(x0, y0 + 12 * j * s + d, end + d, y0 + 12 * j * s + d); });
    }
}

// The black cells of the symbol's picture, one cell per s printer pixels, centred on the
// anchor; its white cells leave the page as it is.
void userSymbol(PrintPen& pen, const PrintPage& page, int kind, double x0, double y0) {
    if (page.userSymbols == nullptr) return;
    const Canvas* picture = page.userSymbols->picture(kind - 99, false);
    if (picture == nullptr) return;
    const int w = picture->width(), h = picture->height();
    std::vector<uint8_t> ink(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ink[static_cast<size_t>(y * w + x)] = picture->getPixel(x, y) == kBlack ? 1 : 0;
    const double s = pen.s();
    const render::Mask cells(w, h, std::move(ink));
    const render::Mask scaled = fittedMask(cells, render::toDevice(w * s), render::toDevice(h * s));
    pen.stamp(scaled, x0 - (w / 2) * s, y0 - (h / 2) * s, pen.raster().baseGrey);
}

// Five raised dots, strong, 9 page pixels apart; a bar for each set bit of the pattern
// covers its dot and reaches to the hand's side.
void fingerNumber(PrintPen& pen, int kind, double x0, double y0) {
    const double unit = pen.unit();
    const auto [left, pattern] = fingeringOf(kind);
    pen.strong();
    for (int i = -2; i <= 2; ++i) {
        const double cy = y0 + 9 * i * unit;
        pen.ellipse(x0 - 2 * unit, cy - 2 * unit, x0 + 2 * unit, cy + 2 * unit);
    }
    pen.base();
    for (int i = -2; i <= 2; ++i) {
        if (((pattern >> (i + 2)) & 1) == 0) continue;
        const double cy = y0 + 9 * i * unit;
        if (left) {
            pen.fill(x0 - 9 * unit, cy - 2 * unit, x0 + 3 * unit, cy + 2 * unit);
        } else {
            pen.fill(x0 - 3 * unit, cy - 2 * unit, x0 + 9 * unit, cy + 2 * unit);
        }
    }
}

// Recorder fingering charts. A closed hole is a raised disc; an open one is, for the
// embosser, a raised dash across where the disc would be and, for the eye, a ring.
class RecorderChart {
  public:
    RecorderChart(PrintPen& pen, const PrintPage& page, double x0)
        : pen_(pen), page_(page), x_(x0) {}

    void draw(int kind, double y0) {
        const double s = pen_.s();
        const bool standing = kind >= kRecorderAboveFirst;
        const auto& e = render::recorderFingering()[static_cast<size_t>(
            kind - (standing ? kRecorderAboveFirst : kRecorderBelowFirst))];
        const double thumb = standing ? y0 + 55 * s : y0 - 60 * s;
        const auto holeY = [&](int i) {
            const double step = i == 5 ? 75 * s : 15 * i * s;
            return standing ? thumb - step : thumb + step;
        };
        drawThumb(e[0], thumb);
        for (int i = 1; i <= 5; ++i) {
            const double r = (i == 5 ? 4 : 5) * s;
            hole(e[static_cast<size_t>(i)] == 1, e[static_cast<size_t>(i)] == 0,
                 {x_ - r, holeY(i) - r, x_ + r, holeY(i) + r}, holeY(i));
        }
        for (int i = 6; i <= 7; ++i) doubleHole(standing, e[static_cast<size_t>(i)], holeY(i));
    }

  private:
    struct Box {
        double x1, y1, x2, y2;
    };

    // A hole that is `closed`, `open`, or neither (a value the table does not know). `dashY`
    // is the row of the open hole's dash.
    void hole(bool closed, bool open, Box box, double dashY) {
        if (closed) {
            pen_.base();
            pen_.ellipse(box.x1, box.y1, box.x2, box.y2);
        } else if (open) {
            openHole(box, dashY);
        }
    }

    void openHole(Box box, double dashY) {
        const int w = pen_.strokeUnit();
        pen_.strong();
        if (page_.mode == PrintMode::Tactile) {
            forOffsets(-(w / 2), w,
                       [&](int d) { pen_.line(box.x1, dashY + d, box.x2, dashY + d); });
        } else {
            ring(box);
        }
        pen_.base();
    }

    void ring(Box box) {
        const OffsetRange range = centredStroke(pen_.strokeUnit());
        for (int d = range.first; d < range.below; ++d) {
            const double mid = (box.y1 + box.y2) / 2;
            pen_.arc(box.x1 - d, box.y1 - d, box.x2 + d, box.y2 + d, box.x2 + d, mid, box.x2 + d,
                     mid);
        }
    }

    void drawThumb(int value, double y) {
        const double s = pen_.s();
        const Box box{x_ - 8 * s, y - 3 * s, x_ - 1 * s, y + 4 * s};
        if (value == 0) {
            // The open thumb hole's dash lies left of the chart.
            const int w = pen_.strokeUnit();
            pen_.strong();
            if (page_.mode == PrintMode::Tactile) {
                forOffsets(-(w / 2), w,
                           [&](int d) { pen_.line(x_ - 5 * s, y + d, x_ - 15 * s, y + d); });
            } else {
                ring(box);
            }
            pen_.base();
        } else if (value == 1) {
            // Half closed: a slash across the hole (and, for the eye, the hole's ring).
            const int w = pen_.strokeUnit();
            const double cx = x_ - 5 * s;
            pen_.strong();
            if (page_.mode == PrintMode::Tactile) {
                forOffsets(-w, w, [&](int d) {
                    pen_.line(cx + 6 * s, y - 6 * s + d, cx - 7 * s, y + 7 * s + d);
                });
            } else {
                ring(box);
                const OffsetRange range = centredStroke(w);
                for (int d = range.first; d < range.below; ++d)
                    pen_.line(cx + 5 * s, y - 5 * s + d, cx - 6 * s, y + 6 * s + d);
            }
            pen_.base();
        } else if (value == 2) {
            pen_.base();
            pen_.ellipse(box.x1, box.y1, box.x2, box.y2);
        }
    }

    // The larger and the smaller hole of a double hole, side by side, mirrored when the chart
    // stands. 0 both open, 1 the larger closed, 2 both closed.
    void doubleHole(bool standing, int value, double y) {
        const double s = pen_.s();
        if (value < 0 || value > 2) return;
        // The hanging chart's small disc sits a sixth of the pitch low; its dash does not.
        const Box large = standing ? Box{x_ + 1 * s, y - 4 * s, x_ + 9 * s, y + 4 * s}
                                   : Box{x_ - 8 * s, y - 4 * s, x_, y + 4 * s};
        const Box small = standing ? Box{x_ - 7 * s, y - 3 * s, x_ - 1 * s, y + 3 * s}
                                   : Box{x_ + 2 * s, y - 2 * s, x_ + 8 * s, y + 4 * s};
        hole(value >= 1, value == 0, large, y);
        hole(value == 2, value < 2, small, y);
    }

    PrintPen& pen_;
    const PrintPage& page_;
    double x_;
};

}  // namespace

bool printPaletteMark(PrintPen& pen, const PrintPage& page, const SymbolRecord& r,
                      const PrintAnchor& at) {
    const int kind = r.kind();
    if (kind == kFretGrid) {
        fretGrid(pen, at.x0, at.y0);
    } else if (kind == kGuitarStrings) {
        strings(pen, r, at.x0, at.y0);
    } else if (kind >= kUserSymbolFirst && kind <= kUserSymbolLast) {
        userSymbol(pen, page, kind, at.x0, at.y0);
    } else if (isPianoMode(kind)) {
        fingerNumber(pen, kind, at.x0, at.y0);
    } else if (kind >= kRecorderBelowFirst && kind <= kRecorderAboveLast) {
        RecorderChart(pen, page, at.x0).draw(kind, at.y0);
    } else {
        return false;
    }
    return true;
}

}  // namespace noma::printing
