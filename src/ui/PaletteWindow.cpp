#include "ui/PaletteWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

#include "app/Workspace.h"
#include "ui/PaletteImage.h"
#include "ui/TForm1.h"

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
    image_ = new PaletteImage;
    image_->setObjectName("Image1");
    scrollBox_->setWidget(image_);
    connect(image_, &PaletteImage::pressed, this, [this](Qt::MouseButton, int x, int y) {
        choose(x, y);
        main_.refresh();
    });
}

void PaletteWindow::placeScrollBox(int x, int y, int width, int height) {
    scrollBox_->setGeometry(x, y, width, height);
}

QPoint PaletteWindow::firstPosition() const {
    // Beside the main window where the screen has room, else against the screen's right edge
    // below the main window's menu, where it hides neither the menu nor the main palette.
    const QRect mainFrame = main_.frameGeometry();
    const QScreen* screen = main_.screen() ? main_.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const int width = frameGeometry().width();
    if (mainFrame.right() + 1 + width <= area.right())
        return {mainFrame.right() + 1, mainFrame.top()};
    return {std::max(area.left(), area.right() + 1 - width), mainFrame.top() + 60};
}

void PaletteWindow::showPalette() {
    if (!placed_) {
        move(firstPosition());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    repaintNow();
}

void PaletteWindow::repaintNow() {
    drawPicture(canvas_);
    image_->showCanvas(canvas_);
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
