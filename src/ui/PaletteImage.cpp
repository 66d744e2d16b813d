#include "ui/PaletteImage.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

#include "ui/AccessibleNames.h"
#include "ui/CanvasImage.h"

namespace noma {

namespace {

// A picture drawn on with the pointer is a graphic to a screen reader; the palettes' pictures,
// a subclass, have their own face with a child per cell.
QAccessibleInterface* plainPictureAccessible(const QString&, QObject* object) {
    if (object->metaObject() != &PaletteImage::staticMetaObject) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

PaletteImage::PaletteImage(QWidget* parent) : QWidget(parent) {
    installAccessibleFactory(plainPictureAccessible);
}

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
