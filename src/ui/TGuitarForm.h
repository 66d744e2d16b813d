#pragma once

#include "ui/PaletteWindow.h"

namespace noma {

// The guitar palette: rings, crosses, fret grid, finger dots and barres, slashes, strings.
class TGuitarForm : public PaletteWindow {
    Q_OBJECT
  public:
    TGuitarForm(Workspace& workspace, TForm1& main);

  protected:
    void drawPicture(Canvas& canvas) override;
    std::vector<PaletteCell> cells() const override;
    void choose(int x, int y) override;
};

}  // namespace noma
