#pragma once

#include <QWidget>

#include <vector>

#include "palettes/PaletteCell.h"
#include "platform/Canvas.h"

class QScrollArea;

namespace noma {

class PaletteCellPicture;
class TForm1;
class Workspace;

// What the special palette windows share: a picture in a scroll box, redrawn on every
// activation and whenever a mode switch or another palette asks the visible palettes to
// repaint; presses on it go to `choose` and the main window refreshes afterwards.
class PaletteWindow : public QWidget {
    Q_OBJECT
  public:
    PaletteWindow(Workspace& workspace, TForm1& main, const char* name, const QString& caption);

    // The menu command: shows the window beside the open windows and raises it, the picture
    // taking the keyboard with its frame on the armed cell.
    void showPalette();
    // Repaints when visible and a repaint was asked for since the last one.
    void refreshPicture();
    PaletteCellPicture* picture() const { return image_; }

  protected:
    // Draws the picture as it is to be shown now.
    virtual void drawPicture(Canvas& canvas) = 0;
    // The picture's cells as it shows them now.
    virtual std::vector<PaletteCell> cells() const = 0;
    // A press on the picture.
    virtual void choose(int x, int y) = 0;

    void repaintNow();
    void changeEvent(QEvent* event) override;
    void placeScrollBox(int x, int y, int width, int height);

    Workspace& ws_;
    TForm1& main_;
    QScrollArea* scrollBox_ = nullptr;

  private:
    PaletteCellPicture* image_ = nullptr;
    Canvas canvas_;
    int drawnCount_ = -1;
};

}  // namespace noma
