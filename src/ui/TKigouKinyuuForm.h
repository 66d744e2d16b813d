#pragma once

#include "ui/PaletteWindow.h"

namespace noma {

// The palette of the user-drawn symbols: a click on a saved symbol arms it.
class TKigouKinyuuForm : public PaletteWindow {
    Q_OBJECT
  public:
    TKigouKinyuuForm(Workspace& workspace, TForm1& main);

  protected:
    void drawPicture(Canvas& canvas) override;
    std::vector<PaletteCell> cells() const override;
    void choose(int x, int y) override;
};

}  // namespace noma
