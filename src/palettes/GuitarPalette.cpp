#include "palettes/GuitarPalette.h"

#include <array>
#include <string>
#include <vector>

#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "palettes/PaletteCanvas.h"
#include "render/FigureMetrics.h"
#include "render/SymbolFigures.h"

namespace noma {

namespace {

constexpr int s = 72;  // cell size

std::array<GuitarCell, 12> makeCells() {
    std::array<GuitarCell, 12> cells{};
    for (int c = 0; c < 10; ++c) {
        const int column = c % 5;
        const int row = c / 5;
        cells[static_cast<size_t>(c)] = {kGuitarFirst + c, s * column, s * row, s * column + s,
                                         s * row + s};
    }
    cells[10] = {kGuitarStrings, 0, 2 * s, 2 * s, 3 * s};
    cells[11] = {kDoubleSlashWithDots, 2 * s, 2 * s, 3 * s, 3 * s};
    return cells;
}

const std::array<GuitarCell, 12>& cells() {
    static const std::array<GuitarCell, 12> table = makeCells();
    return table;
}

// The mark centred in its cell: the anchor moved by the half of the figure's reach at pitch 6.
void drawCellFigure(Canvas& c, const GuitarCell& cell) {
    const int cx = (cell.x1 + cell.x2) / 2;
    const int cy = (cell.y1 + cell.y2) / 2;
    SymbolRecord r = placedRecord(cell.mode, 0, 0);
    int x = cx;
    int y = cy;
    if (cell.mode == kFretGrid) {
        x = cx - 25;  // lines from x - 3 to x + 54
        y = cy - 6;   // from y - 24 to y + 36
    } else if (cell.mode >= kFingerDot && cell.mode <= kBarreOf10) {
        y = cy - 6 * (cell.mode - kFingerDot);  // dot to dot over (kind - 83) x 12 pixels
    } else if (cell.mode == kGuitarStrings) {
        x = cell.x1 + 8;
        y = cy - 30;
        setExtent(r, cell.x2 - 8, 0);
    }
    const render::ScreenMetrics metrics(6);
    render::drawFigure(c, metrics, r, x, y, render::FigureContext{}, kBlack);
}

}  // namespace

std::optional<GuitarCell> guitarCellAt(int x, int y) {
    for (const GuitarCell& cell : cells())
        if (cell.x1 < x && x < cell.x2 && cell.y1 < y && y < cell.y2) return cell;
    return std::nullopt;
}

std::vector<PaletteCell> guitarCells() {
    static const char* const kNames[] = {
        "開放弦（○）", "ミュート（×）",       "フレット",   "押さえる指（●）",
        "セーハ 2行",  "セーハ 4行",          "セーハ 6行", "セーハ 8行",
        "セーハ 10行", "スラッシュ（点2つ）", "6本の弦",    "二重スラッシュ（点2つ）"};
    std::vector<PaletteCell> list;
    for (const GuitarCell& cell : cells())
        list.push_back(
            {{cell.x1, cell.y1, cell.x2, cell.y2}, kNames[cell.mode - kGuitarFirst], cell.mode});
    return list;
}

std::optional<GuitarCell> guitarCellOfMode(int mode) {
    if (mode < kGuitarFirst || mode > kGuitarLast) return std::nullopt;
    return cells()[static_cast<size_t>(mode - kGuitarFirst)];
}

void drawGuitarPalette(Canvas& c, int toolMode) {
    c.resize(kGuitarPaletteWidth, kGuitarPaletteHeight, kWhite);
    c.clear(kWhite);
    for (const GuitarCell& cell : cells()) {
        drawCellFrame(c, cell.x1, cell.y1, cell.x2, cell.y2);
        drawCellFigure(c, cell);
    }
    if (const auto armed = guitarCellOfMode(toolMode))
        recolourCell(c, armed->x1, armed->y1, armed->x2, armed->y2, kWhite, kPaletteYellow);
}

}  // namespace noma
