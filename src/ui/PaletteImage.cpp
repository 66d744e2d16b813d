#include "ui/PaletteImage.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/CanvasImage.h"

namespace noma {

PaletteImage::PaletteImage(QWidget* parent) : QWidget(parent) {}

void PaletteImage::showCanvas(const Canvas& canvas) {
    image_ = wrapCanvas(canvas).copy();
    if (size() != image_.size()) setFixedSize(image_.size());
    update();
}

void PaletteImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void PaletteImage::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit pressed(event->button(), p.x(), p.y());
}

void PaletteImage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit moved(p.x(), p.y());
}

void PaletteImage::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit released(event->button(), p.x(), p.y());
}

}  // namespace noma
