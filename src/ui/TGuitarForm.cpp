#include "ui/TGuitarForm.h"

#include "app/Workspace.h"
#include "palettes/GuitarPalette.h"

namespace noma {

TGuitarForm::TGuitarForm(Workspace& workspace, TForm1& main)
    : PaletteWindow(workspace, main, "TGuitarForm", "ギター譜") {
    resize(440, 320);
    placeScrollBox(8, 8, 424, 304);
}

void TGuitarForm::drawPicture(Canvas& canvas) {
    ws_.palettes().drawGuitar(canvas);
}

std::vector<PaletteCell> TGuitarForm::cells() const {
    return guitarCells();
}

void TGuitarForm::choose(int x, int y) {
    ws_.palettes().guitarMouseDown(x, y);
}

}  // namespace noma
