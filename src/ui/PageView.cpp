#include "ui/PageView.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/Workspace.h"
#include "ui/CanvasImage.h"
#include "ui/MouseButtons.h"

namespace noma {

PageView::PageView(Workspace& workspace, QWidget* parent) : QWidget(parent), ws_(workspace) {
    setObjectName("Image1");
    setAccessibleName("楽譜のページ");
    setAccessibleDescription("開いている楽譜の表示中のページ");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    refreshImage();
}

void PageView::refreshImage() {
    // Wraps the canvas pixels; the canvas outlives every paint.
    image_ = wrapCanvas(ws_.viewImage());
    const QSize shown = image_.size() * zoom_ / 100;
    if (size() != shown) setFixedSize(shown);
    MainWindowState& w = ws_.window();
    if (w.pointerJumpX != 0 || w.pointerJumpY != 0) {
        QCursor::setPos(QCursor::pos() + QPoint(w.pointerJumpX, w.pointerJumpY) * zoom_ / 100);
        w.pointerJumpX = w.pointerJumpY = 0;
    }
    update();
}

void PageView::setZoom(int percent) {
    zoom_ = percent;
    refreshImage();
}

QPoint PageView::pagePoint(const QPointF& widgetPoint) const {
    // Page pixel under the pointer: the zoom is undone before anything sees the position.
    return QPoint(static_cast<int>(widgetPoint.x() * 100 / zoom_),
                  static_cast<int>(widgetPoint.y() * 100 / zoom_));
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Each page pixel becomes a block of screen pixels: no smoothing, so the page stays exact.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), image_);
}

void PageView::mousePressEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button());
    if (!button) return;
    const QPoint p = pagePoint(event->position());
    ws_.pageMouseDown(*button, p.x(), p.y());
    emit handled();
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = pagePoint(event->position());
    ws_.pageMouseMove(p.x(), p.y());
    update();
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button());
    if (!button) return;
    const QPoint p = pagePoint(event->position());
    ws_.pageMouseUp(*button, p.x(), p.y());
    emit handled();
}

bool PageView::handleKey(QKeyEvent* event) {
    EditKey key = EditKey::Other;
    switch (event->key()) {
        case Qt::Key_Backspace:
            key = EditKey::BackSpace;
            break;
        case Qt::Key_Left:
            key = EditKey::Left;
            break;
        case Qt::Key_Up:
            key = EditKey::Up;
            break;
        case Qt::Key_Right:
            key = EditKey::Right;
            break;
        case Qt::Key_Down:
            key = EditKey::Down;
            break;
        default:
            return false;
    }
    const bool used = ws_.keyDown(key);
    if (used) emit handled();
    return used;
}

}  // namespace noma
