#include "ui/PaletteWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

#include "app/Workspace.h"
#include "ui/PaletteCellPicture.h"
#include "ui/TForm1.h"
#include "ui/WindowPlacement.h"

namespace noma {

PaletteWindow::PaletteWindow(Workspace& workspace, TForm1& main, const char* name,
                             const QString& caption)
    : QWidget(&main, Qt::Window), ws_(workspace), main_(main) {
    setObjectName(name);
    setWindowTitle(caption);
    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName("ScrollBox1");
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The picture is the one stop of the Tab order, not the box around it.
    scrollBox_->setFocusPolicy(Qt::NoFocus);
    image_ = new PaletteCellPicture;
    image_->setObjectName("Image1");
    image_->setAccessibleName(caption.trimmed());
    scrollBox_->setWidget(image_);
    connect(image_, &PaletteCellPicture::pressed, this, [this](Qt::MouseButton, int x, int y) {
        choose(x, y);
        main_.refresh();
    });
}

void PaletteWindow::placeScrollBox(int x, int y, int width, int height) {
    scrollBox_->setGeometry(x, y, width, height);
}

void PaletteWindow::showPalette() {
    // Each time it opens it finds a place that hides no other open window of the program.
    showPlaced(*this);
    repaintNow();
    image_->frameArmedCell();
    image_->setFocus(Qt::OtherFocusReason);
}

void PaletteWindow::repaintNow() {
    drawPicture(canvas_);
    image_->showCanvas(canvas_);
    image_->setCells(cells(), ws_.document().toolMode);
    drawnCount_ = ws_.palettes().repaintCount();
}

void PaletteWindow::refreshPicture() {
    if (isVisible() && drawnCount_ != ws_.palettes().repaintCount()) repaintNow();
}

void PaletteWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) repaintNow();
}

}  // namespace noma
