#pragma once

#include <vector>

#include "palettes/PaletteCell.h"
#include "ui/PaletteImage.h"

class QKeyEvent;

namespace noma {

// A special palette's picture as one stop of the Tab order: the arrow keys move a frame from
// cell to cell, Enter or Space presses the framed cell's middle as a click does, and a screen
// reader hears each cell by its name.
class PaletteCellPicture : public PaletteImage {
    Q_OBJECT
  public:
    explicit PaletteCellPicture(QWidget* parent = nullptr);

    // The cells the picture shows now and the mode armed; the frame stays on the cell of the
    // same name if there is one.
    void setCells(std::vector<PaletteCell> cells, int armedMode);
    const std::vector<PaletteCell>& cells() const { return cells_; }
    int armedMode() const { return armedMode_; }
    // The framed cell, -1 with no cells.
    int current() const;
    // Frames the cell of the armed mode, else the first cell.
    void frameArmedCell();
    // Chooses cell `index` as a click in its middle does (a press and a release).
    void pressCell(int index);
    // Delete and BackSpace then click the framed cell with the right button (a drawing grid
    // clears with it); a palette has no use for it.
    void setErasable(bool erasable) { erasable_ = erasable; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void moveTo(size_t index);
    void showCurrent();

    std::vector<PaletteCell> cells_;
    size_t current_ = 0;
    int armedMode_ = 0;
    bool erasable_ = false;
};

}  // namespace noma
