// Notes, hatched heads, clefs, the wedge and rests: the figures built from stamps and strokes.
#include <cmath>

#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "render/FigurePen.h"

namespace noma::render {

namespace {

void ledger(FigurePen& pen, const FigureContext& context, double x, double y) {
    if (context.ledger != nullptr) context.ledger->draw(pen.canvas(), x, y);
}

void noteHead(FigurePen& pen, double x, double y) {
    pen.stamp(TemplateId::NoteHead, x - pen.u(5), y - pen.u(6), pen.u(10), pen.u(12));
}

void drawStemmedNote(FigurePen& pen, const Stem& note, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    noteHead(pen, x, y);
    if (note.up) {
        pen.line(x + u(4), y - u(3), x + u(4), y - u(42));
        for (int j = 0; j < note.flags; ++j) {
            const int a = toDevice(y - u(42 - 8 * j));
            for (int row = a; row < toDevice(a + u(3)); ++row)
                pen.line(x + u(4), row, x + u(16), row + u(4));
        }
        if (note.bars) {
            for (int j = 0; j < 5; ++j) {
                const double top = y - u(42 - 8 * j);
                pen.fill(x + u(4), top, x + u(14), top + u(3));
            }
        }
    } else {
        pen.line(x - u(4), y + u(3), x - u(4), y + u(42));
        for (int j = 0; j < note.flags; ++j) {
            const int b = toDevice(y + u(42 - 8 * j));
            for (int row = toDevice(b - u(3)); row < b; ++row)
                pen.line(x - u(4), row, x + u(8), row - u(4));
        }
        if (note.bars) {
            for (int j = 0; j < 5; ++j) {
                const double bottom = y + u(42 - 8 * j);
                pen.fill(x - u(4), bottom - u(3), x + u(6), bottom);
            }
        }
    }
}

// Half and whole notes: an open head drawn as horizontal hatching inside a slanted outline
// and slanted strokes across it, so that it reads as different from a solid head by touch.
void drawHatchedHead(FigurePen& pen, double x, double y, int halfWidth, int slantReach) {
    const auto u = [&](int k) { return pen.u(k); };
    const double a = u(halfWidth);
    for (int i = 0; i <= toDevice(u(12)); i += 3) {
        const double shift = std::trunc((u(6) - i) / 3);
        pen.line(x + shift - a, y - u(6) + i, x + shift + a, y - u(6) + i);
    }
    for (int j = 0; j <= toDevice(u(slantReach)); j += 3)
        pen.line(x - a + u(2) + j, y - u(6), x - a - u(2) + j, y + u(6));
}

// Rests: thick diagonal strokes.
void drawRest(FigurePen& pen, int kind, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    const StrokeRange range = kind == kHalfRest ? pen.strokes(-4, 3, StrokeBasis::Pixel)
                                                : pen.strokes(-2, 1, StrokeBasis::Pixel);
    for (int d = range.first; d <= range.last; ++d) {
        switch (kind) {
            case kQuarterRest:
                pen.polyline({{x - u(8), y + u(8)}, {x + u(8), y - u(8)}}, d);
                break;
            case kEighthRest:
            case kSixteenthRest:
            case kThirtySecondRest:
                pen.polyline({{x - u(8), y + u(8)}, {x + u(8), y - u(8)}, {x + u(2), y - u(14)}},
                             d);
                if (kind != kEighthRest) pen.polyline({{x, y}, {x - u(6), y - u(6)}}, d);
                if (kind == kThirtySecondRest)
                    pen.polyline({{x - u(8), y + u(8)}, {x - u(14), y + u(2)}}, d);
                break;
            case kSixtyFourthRest:
                pen.polyline({{x - u(8), y + u(8)}, {x + u(8), y - u(8)}}, d);
                pen.polyline({{x, y}, {x - u(6), y - u(6)}}, d);
                break;
            case kHundredTwentyEighthRest:
                pen.polyline({{x + u(8), y - u(8)}, {x - u(8), y + u(8)}, {x - u(14), y + u(2)}},
                             d);
                break;
            case kHalfRest:
                pen.polyline({{x - u(13), y - u(9)}, {x + u(13), y + u(9)}}, d);
                break;
            default:
                return;
        }
    }
}

}  // namespace

void drawNoteFigure(FigurePen& pen, int kind, double x, double y, const FigureContext& context) {
    if (const std::optional<Stem> stem = stemOf(kind)) {
        const Stem note = *stem;
        pen.keptFigure(FigureFamily::Note, kind, x, y, [&](FigurePen& p, double ax, double ay) {
            drawStemmedNote(p, note, ax, ay);
        });
        ledger(pen, context, x, y);
        return;
    }
    switch (kind) {
        case kBareNoteHead:
            pen.keptFigure(FigureFamily::Note, kind, x, y,
                           [](FigurePen& p, double ax, double ay) { noteHead(p, ax, ay); });
            ledger(pen, context, x, y);
            break;
        case kHalfNote:
            pen.keptFigure(FigureFamily::Note, kind, x, y, [](FigurePen& p, double ax, double ay) {
                drawHatchedHead(p, ax, ay, 7, 14);
            });
            ledger(pen, context, x, y);
            break;
        case kWholeNote:
            pen.keptFigure(FigureFamily::Note, kind, x, y, [](FigurePen& p, double ax, double ay) {
                drawHatchedHead(p, ax, ay, 12, 24);
            });
            // The whole note is wide: its ledger lines are centred on both halves.
            ledger(pen, context, x - pen.px(12), y);
            ledger(pen, context, x + pen.px(12), y);
            break;
        case kGClef:
            pen.keptFigure(FigureFamily::Note, kind, x, y, [](FigurePen& p, double ax, double ay) {
                p.stamp(TemplateId::TrebleClef, ax - p.px(14), ay - p.u(35), p.px(26), p.u(78));
            });
            break;
        case kFClef:
            pen.keptFigure(FigureFamily::Note, kind, x, y, [](FigurePen& p, double ax, double ay) {
                p.stamp(TemplateId::BassClef, ax - p.px(14), ay - p.u(23), p.px(26), p.u(40));
            });
            break;
        case kStaccatissimoMark:
            pen.keptFigure(FigureFamily::Note, kind, x, y, [](FigurePen& p, double ax, double ay) {
                p.stamp(TemplateId::Wedge, ax - p.u(3), ay - p.u(8), p.u(7), p.u(16));
            });
            break;
        default:
            break;
    }
}

void drawRestFigure(FigurePen& pen, int kind, double x, double y) {
    pen.keptFigure(FigureFamily::Rest, kind, x, y,
                   [kind](FigurePen& p, double ax, double ay) { drawRest(p, kind, ax, ay); });
}

}  // namespace noma::render
