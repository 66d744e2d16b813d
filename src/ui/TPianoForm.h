#pragma once

#include "ui/PaletteWindow.h"

namespace noma {

// The piano palette: finger numbers of both hands and the piano marks. Closing it disarms
// the tool.
class TPianoForm : public PaletteWindow {
    Q_OBJECT
  public:
    TPianoForm(Workspace& workspace, TForm1& main);

  protected:
    void drawPicture(Canvas& canvas) override;
    std::vector<PaletteCell> cells() const override;
    void choose(int x, int y) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace noma
