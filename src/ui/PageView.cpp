#include "ui/PageView.h"

#include <QAccessible>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "app/Workspace.h"
#include "document/PageGeometry.h"
#include "ui/AccessibleNames.h"
#include "ui/CanvasImage.h"
#include "ui/MouseButtons.h"
#include "ui/PageViewAccessible.h"

namespace noma {

PageView::PageView(Workspace& workspace, QWidget* parent) : QWidget(parent), ws_(workspace) {
    installAccessibleFactory(pageViewAccessible);
    setObjectName("Image1");
    setAccessibleName("楽譜のページ");
    setAccessibleDescription(
        "Ctrl＋矢印でカーソルを移動、Enterで記入、Shift＋Enterで取り上げ、Escで取り消し、F5で段を再"
        "生");
    // The score takes the keys: after every command the focus comes back here.
    setFocusPolicy(Qt::StrongFocus);
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
    if (ws_.documentOpen() && ws_.pageCursor().shown && hasFocus()) {
        painter.setPen(QPen(QColor(0, 90, 220), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cursorRect().adjusted(-1, -1, 1, 1));
    }
}

QRect PageView::cursorRect() const {
    if (!ws_.documentOpen()) return {};
    const PageCursor& c = ws_.pageCursor();
    const ScoreDocument& doc = ws_.document();
    const int pitch = std::max<int>(doc.header.verticalPitch, 1);
    const QRect page(columnToX(c.column),
                     rowToY(c.row, doc.settings(doc.currentPage).topMargin, pitch), kColumnWidth,
                     pitch);
    return QRect(page.topLeft() * zoom_ / 100, page.size() * zoom_ / 100);
}

QString PageView::cursorText() const {
    return QString::fromStdString(ws_.cursorDescription());
}

QString PageView::staveText() const {
    QString text;
    for (const std::string& line : ws_.cursorStaveReading())
        text += QString::fromStdString(line) + "\n";
    return text;
}

QString PageView::toolText() const {
    const std::string& mode = ws_.window().modeText;
    return mode.empty() ? QStringLiteral("道具は選ばれていません")
                        : "道具：" + QString::fromStdString(mode);
}

void PageView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // After the focus event of the view itself, so that a screen reader ends on the cursor.
    QTimer::singleShot(0, this, [this] { announceCursor(this, true); });
}

void PageView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PageView::mousePressEvent(QMouseEvent* event) {
    const auto button = buttonOf(event->button());
    if (!button) return;
    const QPoint p = pagePoint(event->position());
    ws_.pageMouseDown(*button, p.x(), p.y());
    emit handled();
    announceCursor(this);
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

bool PageView::handleCursorKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = mods == Qt::ControlModifier;
    const bool ctrlShift = mods == (Qt::ControlModifier | Qt::ShiftModifier);
    std::optional<CursorMove> move;
    switch (event.key()) {
        case Qt::Key_Left:
            if (ctrl) move = CursorMove::Left;
            if (ctrlShift) move = CursorMove::MeasureLeft;
            break;
        case Qt::Key_Right:
            if (ctrl) move = CursorMove::Right;
            if (ctrlShift) move = CursorMove::MeasureRight;
            break;
        case Qt::Key_Up:
            if (ctrl) move = CursorMove::Up;
            if (ctrlShift) move = CursorMove::StaveUp;
            break;
        case Qt::Key_Down:
            if (ctrl) move = CursorMove::Down;
            if (ctrlShift) move = CursorMove::StaveDown;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (mods == Qt::NoModifier)
                ws_.cursorPress(MouseButton::Left);
            else if (mods == Qt::ShiftModifier)
                ws_.cursorPress(MouseButton::Right);
            else
                return false;
            return true;
        case Qt::Key_Escape:
            return mods == Qt::NoModifier && ws_.cancelGesture();
        // The page buttons take no focus; these keys do what they do.
        case Qt::Key_PageUp:
            if (mods != Qt::NoModifier) return false;
            ws_.previousPage();
            return true;
        case Qt::Key_PageDown:
            if (mods != Qt::NoModifier) return false;
            ws_.nextPage();
            return true;
        default:
            return false;
    }
    if (!move) return false;
    ws_.moveCursor(*move);
    return true;
}

bool PageView::handleKey(QKeyEvent* event) {
    if (hasFocus() && handleCursorKey(*event)) {
        emit handled();
        update();
        announceCursor(this);
        return true;
    }
    // The editing keys are the plain arrows; with Ctrl they belong to the cursor.
    if (event->modifiers() & Qt::ControlModifier) return false;
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
