#include "ui/TPianoForm.h"

#include <QCloseEvent>

#include "app/Workspace.h"
#include "palettes/PianoPalette.h"
#include "ui/TForm1.h"

namespace noma {

TPianoForm::TPianoForm(Workspace& workspace, TForm1& main)
    : PaletteWindow(workspace, main, "TPianoForm", "ピアノ楽譜") {
    resize(439, 320);
    placeScrollBox(8, 8, 424, 304);
}

void TPianoForm::drawPicture(Canvas& canvas) {
    ws_.palettes().drawPiano(canvas);
}

std::vector<PaletteCell> TPianoForm::cells() const {
    return pianoCells();
}

void TPianoForm::choose(int x, int y) {
    ws_.palettes().pianoMouseDown(x, y);
}

void TPianoForm::closeEvent(QCloseEvent* event) {
    ws_.palettes().pianoClosed();
    main_.refresh();
    event->accept();
}

}  // namespace noma
