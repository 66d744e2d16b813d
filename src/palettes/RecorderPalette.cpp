#include "palettes/RecorderPalette.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "document/SymbolKind.h"
#include "palettes/PaletteCanvas.h"
#include "render/PaletteFigures.h"

namespace noma {

namespace {

constexpr int kCellWidth = 40;

// Staff step of the upper note head of each chart (0 = one ledger line below the staff).
constexpr std::array<int, 30> kStaffSteps{0, 0, 1, 1, 2,  3,  3,  4,  4,  5,  5,  6,  6,  7,  7,
                                          7, 8, 8, 9, 10, 10, 10, 11, 11, 12, 12, 13, 14, 14, 15};

bool among(int cell, std::initializer_list<int> cells) {
    return std::find(cells.begin(), cells.end(), cell) != cells.end();
}
bool sharpAbove(int cell) {
    return among(cell, {1, 3, 6, 8, 10, 14, 17, 20, 23, 25, 28});
}
bool sharpBelow(int cell) {
    return among(cell, {1, 3, 5, 8, 10, 14, 16, 20, 23, 25, 28});
}
// Where the fingering starts a new register: a bar instead of a staff.
bool registerBreak(int cell) {
    return cell == 12 || cell == 15 || cell == 21;
}

void outline(Canvas& c, int x1, int y1, int x2, int y2) {
    c.arc({x1, y1, x2, y2}, {x2, (y1 + y2) / 2}, {x2, (y1 + y2) / 2});
}

void head(Canvas& c, int left, int y) {
    for (int i = 0; i < 3; ++i) outline(c, left + i, y - 3, left + i + 6, y + 3);
}

void sharp(Canvas& c, int left, int y) {
    for (int x : {left + 12, left + 15}) {
        c.moveTo({x, y - 5});
        c.lineTo({x, y + 6});
    }
    for (int dy : {-1, 3}) {
        c.moveTo({left + 10, y + dy});
        c.lineTo({left + 18, y + dy - 2});
    }
}

void drawPitch(Canvas& c, int cell) {
    const int left = kCellWidth * cell;
    if (registerBreak(cell)) {
        c.fillRect({left - 2, 1, left + 2, 76});
        return;
    }
    for (int y = 20; y <= 44; y += 6) {
        c.moveTo({left + 5, y});
        c.lineTo({left + 35, y});
    }
    const int upper = 50 - 3 * kStaffSteps[static_cast<size_t>(cell)];
    const int lower = upper + 12;
    head(c, left + 22, upper);
    head(c, left + 22, lower);
    if (sharpAbove(cell)) sharp(c, left, upper);
    if (sharpBelow(cell)) sharp(c, left, lower);
}

// Holes on the column x: outlines when open, filled when closed.
void drawChart(Canvas& c, int cell, int layout) {
    const auto& e = render::recorderFingering()[static_cast<size_t>(cell)];
    const int x = kCellWidth * cell + 20;
    const int base = layout == kRecorderHanging ? 80 : 185;
    const int step = layout == kRecorderHanging ? 15 : -15;
    const auto hole = [&](bool closed, int x1, int y1, int x2, int y2) {
        if (closed) {
            c.ellipse({x1, y1, x2, y2});
        } else {
            outline(c, x1, y1, x2, y2);
        }
    };
    // Thumb, a little to the left.
    const int ty = base;
    hole(e[0] == 2, x - 9, ty - 4, x - 1, ty + 4);
    if (e[0] == 1) {
        c.moveTo({x, ty - 5});
        c.lineTo({x - 11, ty + 6});
    }
    for (int i = 1; i <= 5; ++i) {
        const int r = i == 5 ? 4 : 5;
        const int y = base + step * i;
        hole(e[static_cast<size_t>(i)] == 1, x - r, y - r, x + r, y + r);
    }
    for (int i = 6; i <= 7; ++i) {
        const int v = e[static_cast<size_t>(i)];
        const int y = base + step * i;
        hole(v >= 1, x - 8, y - 4, x, y + 4);
        hole(v == 2, x + 2, y - 3, x + 8, y + 3);
    }
}

}  // namespace

std::optional<int> recorderCellAt(int x, int y) {
    if (y < 1 || y > 199) return std::nullopt;
    for (int k = 0; k < render::kRecorderCharts; ++k)
        if (kCellWidth * k < x && x < kCellWidth * k + kCellWidth) return k;
    return std::nullopt;
}

std::vector<PaletteCell> recorderCells(int layout) {
    static const char* const kSteps[] = {"ド", "レ", "ミ", "ファ", "ソ", "ラ", "シ"};
    std::vector<PaletteCell> list;
    for (int k = 0; k < render::kRecorderCharts; ++k) {
        std::string name;
        if (registerBreak(k)) {
            // Another fingering of the pitch of the chart before it.
            name = list.back().name + "（替え指）";
        } else {
            const int step = kStaffSteps[static_cast<size_t>(k)];
            name = std::string("リコーダー ") + kSteps[step % 7] + (sharpAbove(k) ? "♯" : "") +
                   std::to_string(4 + step / 7);
        }
        list.push_back({{kCellWidth * k, 0, kCellWidth * k + kCellWidth, kRecorderPaletteHeight},
                        name,
                        recorderMode(k, layout)});
    }
    return list;
}

int recorderMode(int cell, int layout) {
    return (layout == kRecorderHanging ? kRecorderBelowFirst : kRecorderAboveFirst) + cell;
}

std::optional<int> recorderHighlightCell(int mode, int layout) {
    const int first = layout == kRecorderHanging ? kRecorderBelowFirst : kRecorderAboveFirst;
    if (mode < first || mode >= first + render::kRecorderCharts) return std::nullopt;
    return mode - first;
}

void drawRecorderPalette(Canvas& c, int toolMode, int layout) {
    c.resize(kRecorderPaletteWidth, kRecorderPaletteHeight, kWhite);
    c.clear(kWhite);
    c.setPenColour(kBlack);
    c.setBrushColour(kBlack);
    for (int k = 0; k < render::kRecorderCharts; ++k)
        drawCellFrame(c, kCellWidth * k, 0, kCellWidth * k + 40, 200);
    for (int k = 0; k < render::kRecorderCharts; ++k) {
        c.setPenColour(kBlack);
        c.setBrushColour(kBlack);
        drawPitch(c, k);
        drawChart(c, k, layout);
    }
    if (const auto cell = recorderHighlightCell(toolMode, layout))
        recolourCell(c, kCellWidth * *cell, 0, kCellWidth * *cell + kCellWidth,
                     kRecorderPaletteHeight, kWhite, kPaletteYellow);
}

}  // namespace noma
