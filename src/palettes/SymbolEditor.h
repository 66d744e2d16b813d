#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/UserSymbolFile.h"
#include "editing/Editor.h"
#include "palettes/PaletteCell.h"
#include "platform/Canvas.h"
#include "render/UserSymbolStore.h"

namespace noma {

class Dialogs;

// The bounding box of the black cells of a 50 x 50 drawing widened by one cell on every side
// (not past the grid's edges), as the symbol is saved; nothing for an empty drawing.
// `black(column, row)` tells a cell.
template <typename Black>
std::optional<UserSymbolBits> cropDrawing(const Black& black);

// The user-drawn symbol editor: a 50 x 50 grid of 10-pixel cells painted with the left button
// and cleared with the right one, red guides on the staff lines, saving under a number, and
// the list of saved symbols to open one again.
class SymbolEditor {
  public:
    static constexpr int kGridPixels = 501;
    enum PaintMode { kNotPainting = 0, kPainting = 1, kClearing = 2 };

    SymbolEditor(UserSymbolStore& store, Dialogs& dialogs, std::string programFolder);

    // Window creation: an empty grid and the list of the saved symbols.
    void activate();

    // "クリア": every cell white, grid lines and guides drawn afresh.
    void clearGrid();
    void gridMouseDown(MouseButton button, int x, int y);
    void gridMouseMove(int x, int y);
    void gridMouseUp();

    // "保存する": saves the drawing as symbol `number` (1..96).
    void save(int number);
    // Reloads the store and draws the list again.
    void repaintList();
    // A click on the list: selects the symbol under it.
    void listMouseDown(int x, int y);
    // "開く": the selected symbol, centred on a cleared grid (after confirmDiscard).
    void open();
    // Before a drawing painted since it was last saved or opened is thrown away (open, closing
    // the window or the program): asks whether to discard it. True when there is nothing to
    // lose or the user agreed; the drawing then counts as discarded.
    bool confirmDiscard();

    bool blackCell(int column, int row) const;
    const Canvas& grid() const { return grid_; }
    const Canvas& list() const { return list_; }
    int selectedSlot() const { return selectedSlot_; }
    int paintMode() const { return paintMode_; }

    static constexpr const char* kOverwriteQuestion =
        "同名のファイルが存在します。上書きしますか？";
    static constexpr const char* kEmptyDrawing = "データが存在しません。";
    static constexpr const char* kDiscardQuestion =
        "描いた記号は保存されていません。保存せずに破棄しますか？";

  private:
    void paintCell(int column, int row);
    void clearCell(int column, int row);
    void paintAt(int x, int y);

    UserSymbolStore& store_;
    Dialogs& dialogs_;
    std::string programFolder_;
    Canvas grid_;
    Canvas list_;
    int selectedSlot_ = -1;
    int paintMode_ = kNotPainting;
    bool unsaved_ = false;
};

template <typename Black>
std::optional<UserSymbolBits> cropDrawing(const Black& black) {
    constexpr int n = kUserSymbolGrid;
    int left = -1, top = -1, right = -1, bottom = -1;
    for (int c = 0; c < n && left < 0; ++c)
        for (int r = 0; r < n; ++r)
            if (black(c, r)) {
                left = c;
                break;
            }
    if (left < 0) return std::nullopt;
    for (int r = 0; r < n && top < 0; ++r)
        for (int c = 0; c < n; ++c)
            if (black(c, r)) {
                top = r;
                break;
            }
    for (int c = n - 1; c >= 0 && right < 0; --c)
        for (int r = 0; r < n; ++r)
            if (black(c, r)) {
                right = c;
                break;
            }
    for (int r = n - 1; r >= 0 && bottom < 0; --r)
        for (int c = 0; c < n; ++c)
            if (black(c, r)) {
                bottom = r;
                break;
            }
    // One white cell of border on every side the grid leaves room for.
    left = left > 0 ? left - 1 : 0;
    top = top > 0 ? top - 1 : 0;
    right = right < n - 1 ? right + 1 : n - 1;
    bottom = bottom < n - 1 ? bottom + 1 : n - 1;
    UserSymbolBits bits;
    bits.width = right - left + 1;
    bits.height = bottom - top + 1;
    bits.cells.reserve(static_cast<size_t>(bits.width * bits.height));
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) bits.cells.push_back(black(c, r) ? 1 : 0);
    return bits;
}

// The drawing grid's cells for the keyboard and a screen reader, row by row, each named by its
// place and colour: "列 3、行 7、黒".
std::vector<PaletteCell> drawingCells(const SymbolEditor& editor);

}  // namespace noma
