// Figures of the special palettes: piano marks, guitar marks, finger numbers, recorder
// fingering charts and user-drawn symbols.
#include "render/PaletteFigures.h"

#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "render/UserSymbolStore.h"

namespace noma::render {

namespace {

void stampTemplate(FigurePen& pen, PaletteTemplate which, int w, int h, double x0, double y0) {
    const Mask scaled = scaleMask(paletteTemplate(which), toDevice(pen.u(w)), toDevice(pen.u(h)));
    stampMask(pen.canvas(), scaled, toDevice(x0), toDevice(y0), pen.ink());
}

// The whole outline of the ellipse in the box, inside left as it is.
void ring(FigurePen& pen, double x1, double y1, double x2, double y2) {
    pen.arc(x1, y1, x2, y2, x2, (y1 + y2) / 2, x2, (y1 + y2) / 2);
}

void drawPianoMark(FigurePen& pen, int kind, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    switch (kind) {
        case kPedal:
            stampTemplate(pen, PaletteTemplate::Pedal, 11, 16, x - u(5), y - u(8));
            break;
        case kPedalRelease:
            stampTemplate(pen, PaletteTemplate::PedalRelease, 13, 13, x - u(6), y - u(6));
            break;
        case kArpeggio:
            stampTemplate(pen, PaletteTemplate::Arpeggio, 7, 51, x - u(3), y - u(25));
            break;
        default: {
            const StrokeRange range = pen.strokes(-1, 0, StrokeBasis::Pitch);
            for (int d = range.first; d <= range.last; ++d)
                pen.polyline({{x - u(5), y + u(7)}, {x, y - u(6)}, {x + u(5), y + u(7)}}, d);
            break;
        }
    }
}

// The slash of kinds 89 and 91, thick over -u(2) .. u(3) - 1, shifted by `dx`.
void slash(FigurePen& pen, double x, double y, double dx) {
    const auto u = [&](int k) { return pen.u(k); };
    for (int d = toDevice(-u(2)); d < u(3); ++d)
        pen.line(x - u(12) + dx + d, y + u(12), x + u(12) + dx + d, y - u(12));
}

void drawGuitarMark(FigurePen& pen, const SymbolRecord& r, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    const int kind = r.kind();
    const StrokeRange thick = pen.strokes(-1, 0, StrokeBasis::Pitch);
    switch (kind) {
        case kOpenString:
            for (int d = thick.first; d <= thick.last; ++d)
                ring(pen, x - u(6) - d, y - u(6) - d, x + u(6) + d, y + u(6) + d);
            break;
        case kMutedString:
            for (int d = thick.first; d <= thick.last; ++d) {
                pen.line(x - u(6) - d, y - u(6), x + u(6) - d, y + u(6));
                pen.line(x - u(6) - d, y + u(6), x + u(6) - d, y - u(6));
            }
            break;
        case kFretGrid:
            // Four pitches above the anchor to six below: a double line, then three more.
            pen.line(x - u(3), y - u(24), x - u(3), y + u(36));
            for (int k = 0; k <= 3; ++k)
                pen.line(x + u(18 * k), y - u(24), x + u(18 * k), y + u(36));
            break;
        case kGuitarStrings: {
            const double end = pen.metrics().x(hairpinEndX(r));
            for (int k = 0; k <= 5; ++k) pen.line(x, y + u(12 * k), end, y + u(12 * k));
            break;
        }
        case kSlashWithDots:
            slash(pen, x, y, 0);
            pen.ellipse(x - u(10), y - u(10), x - u(5), y - u(5));
            pen.ellipse(x + u(6), y + u(6), x + u(11), y + u(11));
            break;
        case kDoubleSlashWithDots:
            slash(pen, x, y, -u(6));
            slash(pen, x, y, u(6));
            pen.ellipse(x - u(10) - u(6), y - u(10), x - u(5) - u(6), y - u(5));
            pen.ellipse(x + 2 * u(6), y + u(6), x + u(11) + u(6), y + u(11));
            break;
        default: {
            // A finger dot, or a barre over (kind - kFingerDot) x 2 rows below the anchor.
            const double length = u(12 * (kind - kFingerDot));
            pen.ellipse(x - u(5), y - u(5), x + u(5), y + u(5));
            if (length > 0) {
                pen.fill(x - u(5), y, x + u(5), y + length);
                pen.ellipse(x - u(5), y + length - u(5), x + u(5), y + length + u(5));
            }
            break;
        }
    }
}

// Five positions 9 pixels apart whatever the pitch; a set bit of the pattern is a bar.
void drawFingerNumber(FigurePen& pen, int kind, double x, double y) {
    const auto [left, pattern] = fingeringOf(kind);
    const auto px = [&](double v) { return pen.px(v); };
    for (int k = -2; k <= 2; ++k)
        pen.ellipse(x - px(2), y + px(9 * k - 1), x + px(2), y + px(9 * k + 2));
    for (int bit = 0; bit < 5; ++bit) {
        if (((pattern >> bit) & 1) == 0) continue;
        const double top = y + px(9 * (bit - 2) - 2);
        const double bottom = y + px(9 * (bit - 2) + 2);
        if (left) {
            pen.fill(x - px(9), top, x + px(3), bottom);
        } else {
            pen.fill(x - px(3), top, x + px(9), bottom);
        }
    }
}

void drawRecorderChart(FigurePen& pen, int kind, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    const bool standing = kind >= kRecorderAboveFirst;
    const auto& e = recorderFingering()[static_cast<size_t>(
        kind - (standing ? kRecorderAboveFirst : kRecorderBelowFirst))];
    const double y0 = standing ? y + u(55) : y - u(60);
    const auto holeY = [&](int i) {
        const double step = i == 5 ? u(75) : u(15 * i);
        return standing ? y0 - step : y0 + step;
    };

    // Thumb hole.
    const double tx1 = x - u(3) - u(5), ty1 = y0 - u(3), tx2 = x + u(4) - u(5), ty2 = y0 + u(4);
    if (e[0] == 0) {
        pen.line(x - u(10) + u(5), y0, x - u(10) - u(5), y0);
    } else if (e[0] == 1) {
        ring(pen, tx1, ty1, tx2, ty2);
        pen.line(x, y0 - u(5), x - u(5) - u(6), y0 + u(6));
    } else if (e[0] == 2) {
        pen.ellipse(tx1, ty1, tx2, ty2);
    }

    // Single holes 1..5 (hole 5 is smaller).
    for (int i = 1; i <= 5; ++i) {
        const double hy = holeY(i);
        const double r = i == 5 ? u(4) : u(5);
        if (e[static_cast<size_t>(i)] == 0) {
            pen.line(x - r, hy, x + r, hy);
        } else if (e[static_cast<size_t>(i)] == 1) {
            pen.ellipse(x - r, hy - r, x + r, hy + r);
        }
    }

    // Double holes 6 and 7: a larger and a smaller hole side by side, mirrored when standing.
    for (int i = 6; i <= 7; ++i) {
        const double hy = holeY(i);
        const int v = e[static_cast<size_t>(i)];
        if (!standing) {
            const auto smallLine = [&] { pen.line(x - u(3) + u(5), hy, x + u(3) + u(5), hy); };
            if (v == 0) {
                pen.line(x - 2 * u(4), hy, x, hy);
                smallLine();
            } else if (v == 1) {
                pen.ellipse(x - 2 * u(4), hy - u(4), x, hy + u(4));
                smallLine();
            } else if (v == 2) {
                pen.ellipse(x - 2 * u(4), hy - u(4), x, hy + u(4));
                pen.ellipse(x - u(3) + u(5), hy - u(3) + u(1), x + u(3) + u(5), hy + u(3) + u(1));
            }
        } else {
            const auto smallLine = [&] { pen.line(x - u(3) - u(4), hy, x + u(3) - u(4), hy); };
            if (v == 0) {
                smallLine();
                pen.line(x - u(4) + u(5), hy, x + u(4) + u(5), hy);
            } else if (v == 1) {
                pen.ellipse(x - u(4) + u(5), hy - u(4), x + u(4) + u(5), hy + u(4));
                smallLine();
            } else if (v == 2) {
                pen.ellipse(x - u(3) - u(4), hy - u(3), x + u(3) - u(4), hy + u(3));
                pen.ellipse(x - u(4) + u(5), hy - u(4), x + u(4) + u(5), hy + u(4));
            }
        }
    }
}

// The picture stretched around the anchor, one cell per sixth of the pitch; its white cells
// replace what lies beneath.
void drawUserSymbol(FigurePen& pen, int kind, double x, double y, const FigureContext& context) {
    if (context.userSymbols == nullptr) return;
    const Canvas* picture = context.userSymbols->picture(kind - 99, pen.ink() != kBlack);
    if (picture == nullptr) return;
    const double a = pen.u(picture->width() / 2);
    const double b = pen.u(picture->height() / 2);
    pen.canvas().copyRect({toDevice(x - a), toDevice(y - b), toDevice(x + a), toDevice(y + b)},
                          *picture, {0, 0, picture->width(), picture->height()});
}

}  // namespace

bool isPaletteKind(int kind) {
    return (kind >= kPedal && kind <= kInvertedV) ||
           (kind >= kGuitarFirst && kind <= kGuitarLast) ||
           (kind >= kUserSymbolFirst && kind <= kUserSymbolLast) || (isPianoMode(kind)) ||
           (kind >= kRecorderBelowFirst && kind <= kRecorderAboveLast);
}

void drawPaletteFigure(FigurePen& pen, const SymbolRecord& record, double x, double y,
                       const FigureContext& context) {
    const int kind = record.kind();
    if (kind >= kPedal && kind <= kInvertedV) {
        drawPianoMark(pen, kind, x, y);
    } else if (kind >= kGuitarFirst && kind <= kGuitarLast) {
        drawGuitarMark(pen, record, x, y);
    } else if (kind >= kUserSymbolFirst && kind <= kUserSymbolLast) {
        drawUserSymbol(pen, kind, x, y, context);
    } else if (isPianoMode(kind)) {
        drawFingerNumber(pen, kind, x, y);
    } else if (kind >= kRecorderBelowFirst && kind <= kRecorderAboveLast) {
        drawRecorderChart(pen, kind, x, y);
    }
}

}  // namespace noma::render
