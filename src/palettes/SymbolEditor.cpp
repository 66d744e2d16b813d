#include "palettes/SymbolEditor.h"

#include "palettes/PaletteCanvas.h"
#include "palettes/UserSymbolList.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"

namespace noma {

namespace {

constexpr int kCell = 10;
constexpr Rgb kGuideRed = rgb(255, 0, 0);
constexpr Rgb kListBlue = rgb(0, 0, 255);
// The staff guides: 12 cells per line spacing, so a symbol drawn on them sits on the staff.
constexpr int kGuides[5] = {10, 130, 250, 370, 490};

bool isGuide(int y) {
    for (int g : kGuides)
        if (g == y) return true;
    return false;
}

}  // namespace

SymbolEditor::SymbolEditor(UserSymbolStore& store, Dialogs& dialogs, std::string programFolder)
    : store_(store),
      dialogs_(dialogs),
      programFolder_(std::move(programFolder)),
      grid_(kGridPixels, kGridPixels),
      list_(kUserSymbolListWidth, kUserSymbolListHeight) {
    clearGrid();
}

void SymbolEditor::activate() {
    clearGrid();
    repaintList();
    unsaved_ = false;
}

bool SymbolEditor::confirmDiscard() {
    if (!unsaved_ || !cropDrawing([this](int c, int r) { return blackCell(c, r); })) return true;
    if (dialogs_.message(kDiscardQuestion, kConfirmTitle, Dialogs::Buttons::YesNo,
                         Dialogs::Icon::Question) != Dialogs::Answer::Yes) {
        return false;
    }
    unsaved_ = false;
    return true;
}

void SymbolEditor::clearGrid() {
    grid_.setBrushColour(kWhite);
    grid_.fillRect({0, 0, 500, 500});
    grid_.setPenColour(kBlack);
    for (int v = 0; v <= 500; v += kCell) {
        grid_.moveTo({v, 0});
        grid_.lineTo({v, 501});
        grid_.moveTo({0, v});
        grid_.lineTo({501, v});
    }
    grid_.setPenColour(kGuideRed);
    for (int g : kGuides) {
        grid_.moveTo({0, g});
        grid_.lineTo({500, g});
    }
}

bool SymbolEditor::blackCell(int column, int row) const {
    return grid_.getPixel(kCell * column + 5, kCell * row + 5) == kBlack;
}

void SymbolEditor::paintCell(int column, int row) {
    grid_.setBrushColour(kBlack);
    grid_.fillRect({kCell * column, kCell * row, kCell * column + kCell, kCell * row + kCell});
}

void SymbolEditor::clearCell(int column, int row) {
    const int x = kCell * column;
    const int y = kCell * row;
    grid_.setPenColour(kBlack);
    grid_.setBrushColour(kWhite);
    grid_.rectangle({x, y, x + kCell + 1, y + kCell + 1});
    grid_.setPenColour(kGuideRed);
    for (int edge : {y, y + kCell}) {
        if (!isGuide(edge)) continue;
        grid_.moveTo({x, edge});
        grid_.lineTo({x + kCell, edge});
    }
}

void SymbolEditor::paintAt(int x, int y) {
    // Only cells of the grid: a drag that leaves the picture paints nothing.
    if (x < 0 || y < 0 || x >= 500 || y >= 500) return;
    if (paintMode_ == kPainting) paintCell(x / kCell, y / kCell);
    if (paintMode_ == kClearing) clearCell(x / kCell, y / kCell);
    unsaved_ = true;
}

void SymbolEditor::gridMouseDown(MouseButton button, int x, int y) {
    if (button == MouseButton::Left) {
        paintMode_ = kPainting;
    } else if (button == MouseButton::Right) {
        paintMode_ = kClearing;
    } else {
        return;
    }
    paintAt(x, y);
}

void SymbolEditor::gridMouseMove(int x, int y) {
    if (paintMode_ != kNotPainting) paintAt(x, y);
}

void SymbolEditor::gridMouseUp() {
    paintMode_ = kNotPainting;
}

void SymbolEditor::save(int number) {
    if (number < 1 || number > kUserSymbolCount) return;
    const std::string path = userSymbolPath(programFolder_, number);
    if (fileExists(path) &&
        dialogs_.message(kOverwriteQuestion, kConfirmTitle, Dialogs::Buttons::YesNo,
                         Dialogs::Icon::Question) != Dialogs::Answer::Yes) {
        return;
    }
    const auto bits = cropDrawing([this](int c, int r) { return blackCell(c, r); });
    if (!bits) {
        dialogs_.message(kEmptyDrawing, kConfirmTitle, Dialogs::Buttons::Ok,
                         Dialogs::Icon::Exclamation);
        return;
    }
    ensureDirectory(userSymbolFolder(programFolder_));
    if (Status written = writeUserSymbolFile(path, *bits); !written.ok()) {
        // Said rather than passed over: the user would otherwise think the symbol was kept.
        dialogs_.message(written.failure().message, kConfirmTitle, Dialogs::Buttons::Ok,
                         Dialogs::Icon::Exclamation);
        return;
    }
    unsaved_ = false;
    repaintList();
}

void SymbolEditor::repaintList() {
    store_.rebuild(programFolder_);
    drawUserSymbolList(list_, store_, kListBlue);
    // The selection survives the repaint while its symbol is still there.
    if (selectedSlot_ >= 0 && !store_.slot(selectedSlot_).exists) selectedSlot_ = -1;
    if (selectedSlot_ >= 0) {
        const Rect b = userSymbolCell(selectedSlot_);
        recolourCell(list_, b.x1, b.y1, b.x2, b.y2, kWhite, kPaletteYellow);
    }
}

void SymbolEditor::listMouseDown(int x, int y) {
    const auto slot = userSymbolSlotAt(store_, x, y);
    if (!slot) return;
    if (selectedSlot_ >= 0) {
        const Rect old = userSymbolCell(selectedSlot_);
        recolourCell(list_, old.x1, old.y1, old.x2, old.y2, kPaletteYellow, kWhite);
    }
    selectedSlot_ = *slot;
    const Rect b = userSymbolCell(selectedSlot_);
    recolourCell(list_, b.x1, b.y1, b.x2, b.y2, kWhite, kPaletteYellow);
}

void SymbolEditor::open() {
    if (selectedSlot_ < 0) return;
    const auto bits = readUserSymbolFile(userSymbolPath(programFolder_, selectedSlot_ + 1));
    if (!bits || !confirmDiscard()) return;
    clearGrid();
    unsaved_ = false;
    const int dx = (kUserSymbolGrid - bits->width) / 2;
    const int dy = (kUserSymbolGrid - bits->height) / 2;
    for (int y = 0; y < bits->height; ++y) {
        for (int x = 0; x < bits->width; ++x) {
            if (bits->black(x, y)) {
                paintCell(x + dx, y + dy);
            } else {
                clearCell(x + dx, y + dy);
            }
        }
    }
}

std::vector<PaletteCell> drawingCells(const SymbolEditor& editor) {
    std::vector<PaletteCell> cells;
    cells.reserve(kUserSymbolGrid * kUserSymbolGrid);
    for (int row = 0; row < kUserSymbolGrid; ++row) {
        for (int column = 0; column < kUserSymbolGrid; ++column) {
            std::string name = "列 " + std::to_string(column + 1);
            name += "、行 " + std::to_string(row + 1);
            name += editor.blackCell(column, row) ? "、黒" : "、白";
            cells.push_back(
                {Rect{kCell * column, kCell * row, kCell * (column + 1), kCell * (row + 1)},
                 std::move(name), 0});
        }
    }
    return cells;
}

}  // namespace noma
