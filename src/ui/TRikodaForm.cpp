#include "ui/TRikodaForm.h"

#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>

#include "app/Workspace.h"
#include "palettes/RecorderPalette.h"
#include "ui/TForm1.h"

namespace noma {

TRikodaForm::TRikodaForm(Workspace& workspace, TForm1& main)
    : PaletteWindow(workspace, main, "TRikodaForm", "リコーダーの運指図") {
    resize(440, 261);
    radio1_ = new QRadioButton("上に左手（０～３）、下に右手（４～７）", this);
    radio1_->setObjectName("RadioButton1");
    radio1_->setGeometry(8, 6, 212, 22);
    radio2_ = new QRadioButton("上右手（７～４）、下に左手（３～０）", this);
    radio2_->setObjectName("RadioButton2");
    radio2_->setGeometry(222, 6, 212, 22);
    (ws_.palettes().recorderLayout() == 0 ? radio1_ : radio2_)->setChecked(true);
    connect(radio1_, &QRadioButton::clicked, this, [this] {
        ws_.palettes().setRecorderLayout(0);
        repaintNow();
    });
    connect(radio2_, &QRadioButton::clicked, this, [this] {
        ws_.palettes().setRecorderLayout(1);
        repaintNow();
    });
    // The two long captions share the window's width.
    for (QRadioButton* r : {radio1_, radio2_}) {
        QFont small = r->font();
        small.setPointSize(7);
        r->setFont(small);
    }
    placeScrollBox(8, 33, width() - 16, 221);
}

void TRikodaForm::resizeEvent(QResizeEvent* event) {
    PaletteWindow::resizeEvent(event);
    // The charts scroll sideways; the box follows the window's width.
    scrollBox_->resize(std::max(50, width() - 16), scrollBox_->height());
}

void TRikodaForm::drawPicture(Canvas& canvas) {
    // The layout may have been read from the settings after the window was made.
    (ws_.palettes().recorderLayout() == 0 ? radio1_ : radio2_)->setChecked(true);
    ws_.palettes().drawRecorder(canvas);
}

std::vector<PaletteCell> TRikodaForm::cells() const {
    return recorderCells(ws_.palettes().recorderLayout());
}

void TRikodaForm::choose(int x, int y) {
    ws_.palettes().recorderMouseDown(x, y);
}

}  // namespace noma
