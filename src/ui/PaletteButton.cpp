#include "ui/PaletteButton.h"

#include <QMouseEvent>

#include "document/SymbolCatalogue.h"
#include "ui/PalettePictures.h"

namespace noma {

PaletteButton::PaletteButton(int mode, QWidget* parent)
    : QLabel(parent), mode_(mode), twin_(new QLabel(parent)) {
    const ModeInfo& info = modeInfo(mode);
    setObjectName(QString::fromUtf8(info.button.data(), static_cast<int>(info.button.size())) +
                  "0");
    twin_->setObjectName(
        QString::fromUtf8(info.button.data(), static_cast<int>(info.button.size())) + "1");
    setPixmap(palettePicture(mode, false));
    twin_->setPixmap(palettePicture(mode, true));
    setToolTip(QString::fromUtf8(info.hint.data(), static_cast<int>(info.hint.size())));
    twin_->setToolTip(toolTip());
    resize(25, 25);
    twin_->resize(25, 25);
    twin_->hide();
    twin_->installEventFilter(this);
}

bool PaletteButton::eventFilter(QObject* watched, QEvent* event) {
    // The pressed twin arms its mode again when clicked.
    if (watched == twin_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        emit clicked();
        return true;
    }
    return QLabel::eventFilter(watched, event);
}

void PaletteButton::place(int x, int y) {
    move(x, y);
    twin_->move(x - 2, y - 2);
}

void PaletteButton::setPressed(bool pressed) {
    pressed_ = pressed;
    setVisible(!pressed);
    twin_->setVisible(pressed);
    if (pressed) twin_->raise();
}

void PaletteButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace noma
