#include "palettes/PianoPalette.h"

#include <string>
#include <vector>

#include "document/SymbolCatalogue.h"
#include "document/SymbolKind.h"
#include "palettes/PaletteCanvas.h"
#include "render/FigureMetrics.h"
#include "render/SymbolFigures.h"

namespace noma {

namespace {

constexpr int kBandHeight = 50;
constexpr int kCellWidth = 40;

// Cells of a band: five one-finger cells, ten two-finger or ten three-finger cells.
constexpr int kBandFirst[3] = {0, 5, 15};
constexpr int kBandCells[3] = {5, 10, 10};

std::array<PianoCell, 54> makeCells() {
    std::array<PianoCell, 54> cells{};
    size_t n = 0;
    for (int hand = 0; hand < 2; ++hand) {
        for (int band = 0; band < 3; ++band) {
            const int top = (3 * hand + band) * kBandHeight;
            for (int j = 0; j < kBandCells[band]; ++j) {
                const int pattern = kFingerPatterns[static_cast<size_t>(kBandFirst[band] + j)];
                cells[n++] = {(hand == 0 ? 200 : 250) + pattern, 20 + kCellWidth * j, top,
                              60 + kCellWidth * j, top + kBandHeight};
            }
        }
    }
    for (int m = 0; m < 4; ++m) cells[n++] = {kPedal + m, 230 + 40 * m, 0, 270 + 40 * m, 40};
    return cells;
}

const std::array<PianoCell, 54>& cells() {
    static const std::array<PianoCell, 54> table = makeCells();
    return table;
}

// Five dots 8 pixels apart down the middle of the cell, a bar over each finger meant.
void drawFingerCell(Canvas& c, const PianoCell& cell) {
    const auto [left, pattern] = fingeringOf(cell.mode);
    const int x = (cell.x1 + cell.x2) / 2;
    c.setPenColour(kBlack);
    c.setBrushColour(kBlack);
    for (int k = 0; k < 5; ++k) {
        const int y = cell.y1 + 9 + 8 * k;
        c.ellipse({x - 2, y - 1, x + 2, y + 2});
        if (((pattern >> k) & 1) == 0) continue;
        if (left) {
            c.fillRect({x - 9, y - 2, x + 3, y + 2});
        } else {
            c.fillRect({x - 3, y - 2, x + 9, y + 2});
        }
    }
}

void drawMarkCell(Canvas& c, const PianoCell& cell) {
    // The arpeggio is drawn smaller so that its 51 rows fit the 40-pixel cell.
    const render::ScreenMetrics metrics(cell.mode == kArpeggio ? 4 : 6);
    const SymbolRecord r = placedRecord(cell.mode, 0, 0);
    render::drawFigure(c, metrics, r, (cell.x1 + cell.x2) / 2, (cell.y1 + cell.y2) / 2,
                       render::FigureContext{}, kBlack);
}

}  // namespace

std::optional<PianoCell> pianoCellAt(int x, int y) {
    for (const PianoCell& cell : cells())
        if (cell.x1 < x && x < cell.x2 && cell.y1 < y && y < cell.y2) return cell;
    return std::nullopt;
}

std::optional<PianoCell> pianoCellOfMode(int mode) {
    for (const PianoCell& cell : cells())
        if (cell.mode == mode) return cell;
    return std::nullopt;
}

std::vector<PaletteCell> pianoCells() {
    std::vector<PaletteCell> list;
    for (const PianoCell& cell : cells()) {
        std::string name;
        if (isPianoMode(cell.mode)) {
            // Right hand: the bottom position (bit 4) is finger 1; left hand: the top one.
            const auto [left, pattern] = fingeringOf(cell.mode);
            name = left ? "左手 指" : "右手 指";
            bool first = true;
            for (int finger = 1; finger <= 5; ++finger) {
                if (((pattern >> (left ? finger - 1 : 5 - finger)) & 1) == 0) continue;
                if (!first) name += "・";
                name += std::to_string(finger);
                first = false;
            }
        } else {
            static const char* const kMarks[] = {"ペダル", "ペダルを離す", "アルペジオ", "逆V字"};
            name = kMarks[cell.mode - kPedal];
        }
        list.push_back({{cell.x1, cell.y1, cell.x2, cell.y2}, name, cell.mode});
    }
    return list;
}

bool isPianoPaletteMode(int mode) {
    return pianoCellOfMode(mode).has_value();
}

void drawPianoPalette(Canvas& c, int toolMode) {
    c.resize(kPianoPaletteWidth, kPianoPaletteHeight, kWhite);
    c.clear(kWhite);
    // Finger labels: right hand 5..1 from the top, left hand 1..5.
    for (int band = 0; band < 6; ++band)
        for (int k = 0; k < 5; ++k)
            drawLabel(c, 5, band * kBandHeight + 9 * k, band < 3 ? 5 - k : k + 1);
    for (const PianoCell& cell : cells()) {
        drawCellFrame(c, cell.x1, cell.y1, cell.x2, cell.y2);
        if (isPianoMode(cell.mode)) {
            drawFingerCell(c, cell);
        } else {
            drawMarkCell(c, cell);
        }
    }
    if (const auto armed = pianoCellOfMode(toolMode))
        recolourCell(c, armed->x1, armed->y1, armed->x2, armed->y2, kWhite, kPaletteYellow);
}

}  // namespace noma
