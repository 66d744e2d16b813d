#include "ui/TKigouKinyuuForm.h"

#include "app/Workspace.h"
#include "palettes/UserSymbolList.h"

namespace noma {

TKigouKinyuuForm::TKigouKinyuuForm(Workspace& workspace, TForm1& main)
    : PaletteWindow(workspace, main, "TKigouKinyuuForm", "　オリジナル記号の記入") {
    resize(438, 336);
    placeScrollBox(8, 8, 421, 321);
}

void TKigouKinyuuForm::drawPicture(Canvas& canvas) {
    ws_.palettes().drawUserSymbols(canvas);
}

std::vector<PaletteCell> TKigouKinyuuForm::cells() const {
    // The slots as drawn: the picture reloads them from the files first.
    return userSymbolCells(ws_.palettes().userSymbols());
}

void TKigouKinyuuForm::choose(int x, int y) {
    ws_.palettes().userSymbolMouseDown(x, y);
}

}  // namespace noma
