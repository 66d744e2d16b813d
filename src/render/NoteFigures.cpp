// Notes, hatched heads, clefs, the wedge and rests: the figures built from stamps and strokes.
#include <cmath>

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

// A flag: the lines (x1, row)-(x2, row + rise) for the rows first <= row < end, drawn as one
// stroke when every line is the first moved down by whole rows.
void flag(FigurePen& pen, double x1, double x2, int first, int end, double rise) {
    if (first >= end) return;
    const int endRow = FigurePen::device(first + rise);
    bool uniform = true;
    for (int row = first + 1; row < end && uniform; ++row)
        uniform = FigurePen::device(row + rise) == endRow + (row - first);
    if (!uniform) {
        for (int row = first; row < end; ++row) pen.line(x1, row, x2, row + rise);
        return;
    }
    Canvas& canvas = pen.canvas();
    canvas.moveTo(FigurePen::device(x1), first);
    canvas.strokeTo(FigurePen::device(x2), endRow, end - first, Canvas::StrokeStep::Down);
}

struct StemmedNote {
    bool up = true;
    int flags = 0;
    bool bars = false;  // 128th notes: five solid bars instead of flags
};

bool stemmedNote(int kind, StemmedNote& note) {
    switch (kind) {
        case k4bunonpu:
            note = {true, 0, false};
            return true;
        case k8bunonpu:
            note = {true, 1, false};
            return true;
        case kN16bunonpu:
            note = {true, 2, false};
            return true;
        case k32bunonpu:
            note = {true, 3, false};
            return true;
        case k64bunonpu:
            note = {true, 4, false};
            return true;
        case kN128bunonpu:
            note = {true, 0, true};
            return true;
        case k4bunonpuU:
            note = {false, 0, false};
            return true;
        case k8bunonpuU:
            note = {false, 1, false};
            return true;
        case k16bunonpuU:
            note = {false, 2, false};
            return true;
        case k32bunonpuU:
            note = {false, 3, false};
            return true;
        case k64bunonpuU:
            note = {false, 4, false};
            return true;
        case k128bunonpuU:
            note = {false, 0, true};
            return true;
        default:
            return false;
    }
}

void drawStemmedNote(FigurePen& pen, const StemmedNote& note, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    noteHead(pen, x, y);
    if (note.up) {
        pen.line(x + u(4), y - u(3), x + u(4), y - u(42));
        for (int j = 0; j < note.flags; ++j) {
            const int a = FigurePen::device(y - u(42 - 8 * j));
            flag(pen, x + u(4), x + u(16), a, FigurePen::device(a + u(3)), u(4));
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
            const int b = FigurePen::device(y + u(42 - 8 * j));
            flag(pen, x - u(4), x + u(8), FigurePen::device(b - u(3)), b, -u(4));
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

}  // namespace

void drawNoteFigure(FigurePen& pen, int kind, double x, double y, const FigureContext& context) {
    StemmedNote note;
    if (stemmedNote(kind, note)) {
        drawStemmedNote(pen, note, x, y);
        ledger(pen, context, x, y);
        return;
    }
    switch (kind) {
        case kTama:
            noteHead(pen, x, y);
            ledger(pen, context, x, y);
            break;
        case k2bunonpu:
            drawHatchedHead(pen, x, y, 7, 14);
            ledger(pen, context, x, y);
            break;
        case kZenOnpu:
            drawHatchedHead(pen, x, y, 12, 24);
            // The whole note is wide: its ledger lines are centred on both halves.
            ledger(pen, context, x - pen.px(12), y);
            ledger(pen, context, x + pen.px(12), y);
            break;
        case kToon:
            pen.stamp(TemplateId::TrebleClef, x - pen.px(14), y - pen.u(35), pen.px(26), pen.u(78));
            break;
        case kHeon:
            pen.stamp(TemplateId::BassClef, x - pen.px(14), y - pen.u(23), pen.px(26), pen.u(40));
            break;
        case kStacatisimo:
            pen.stamp(TemplateId::Wedge, x - pen.u(3), y - pen.u(8), pen.u(7), pen.u(16));
            break;
        default:
            break;
    }
}

void drawRestFigure(FigurePen& pen, int kind, double x, double y) {
    const auto u = [&](int k) { return pen.u(k); };
    const StrokeRange range = kind == k2bunkyuuhu ? pen.strokes(-4, 3, StrokeBasis::Pixel)
                                                  : pen.strokes(-2, 1, StrokeBasis::Pixel);
    switch (kind) {
        case k4bunkyuuhu:
            pen.thickPolyline({{x - u(8), y + u(8)}, {x + u(8), y - u(8)}}, range);
            break;
        case k8bunkyuuhu:
        case k16bunkyuuhu:
        case k32bunkyuuhu:
            pen.thickPolyline({{x - u(8), y + u(8)}, {x + u(8), y - u(8)}, {x + u(2), y - u(14)}},
                              range);
            if (kind != k8bunkyuuhu) pen.thickPolyline({{x, y}, {x - u(6), y - u(6)}}, range);
            if (kind == k32bunkyuuhu)
                pen.thickPolyline({{x - u(8), y + u(8)}, {x - u(14), y + u(2)}}, range);
            break;
        case k64bunkyuuhu:
            pen.thickPolyline({{x - u(8), y + u(8)}, {x + u(8), y - u(8)}}, range);
            pen.thickPolyline({{x, y}, {x - u(6), y - u(6)}}, range);
            break;
        case k128bunkyuuhu:
            pen.thickPolyline({{x + u(8), y - u(8)}, {x - u(8), y + u(8)}, {x - u(14), y + u(2)}},
                              range);
            break;
        case k2bunkyuuhu:
            pen.thickPolyline({{x - u(13), y - u(9)}, {x + u(13), y + u(9)}}, range);
            break;
        default:
            break;
    }
}

}  // namespace noma::render
