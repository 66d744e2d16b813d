#include "ui/PaletteCellPicture.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>

#include "ui/PaletteCellAccessible.h"
#include "ui/PaletteGrid.h"

namespace noma {

PaletteCellPicture::PaletteCellPicture(QWidget* parent) : PaletteImage(parent) {
    setFocusPolicy(Qt::StrongFocus);
    installPaletteCellAccessible();
}

void PaletteCellPicture::setCells(std::vector<PaletteCell> cells, int armedMode) {
    // By name: a recorder chart arms another mode under the other layout but is the same cell.
    // Failing that, the same place in a list of the same length: a drawing grid's cell is
    // renamed when it is painted.
    const std::string kept = current() >= 0 ? cells_[current_].name : std::string();
    const bool sameShape = cells.size() == cells_.size();
    const size_t before = current_;
    cells_ = std::move(cells);
    armedMode_ = armedMode;
    // Said instead of the cells when there are none (no user-drawn symbol saved yet).
    setAccessibleDescription(cells_.empty() ? "選べる記号がありません" : QString());
    current_ = sameShape ? before : 0;
    bool found = false;
    for (size_t i = 0; i < cells_.size() && !found; ++i) {
        if (cells_[i].name != kept) continue;
        current_ = i;
        found = true;
    }
    if (!found && sameShape && current() >= 0) {
        // The framed cell changed under the frame: a screen reader says it again.
        if (hasFocus()) renewCellAccessible(this, current());
        showCurrent();
        return;
    }
    update();
}

int PaletteCellPicture::current() const {
    return current_ < cells_.size() ? static_cast<int>(current_) : -1;
}

void PaletteCellPicture::frameArmedCell() {
    size_t index = 0;
    for (size_t i = 0; i < cells_.size(); ++i)
        if (cells_[i].mode == armedMode_) index = i;
    moveTo(index);
}

void PaletteCellPicture::pressCell(int index) {
    if (index < 0 || static_cast<size_t>(index) >= cells_.size()) return;
    moveTo(static_cast<size_t>(index));
    const Point p = cellCentre(cells_[current_]);
    emit pressed(Qt::LeftButton, p.x, p.y);
    emit released(Qt::LeftButton, p.x, p.y);
}

void PaletteCellPicture::paintEvent(QPaintEvent* event) {
    PaletteImage::paintEvent(event);
    if (!hasFocus() || current() < 0) return;
    const Rect b = cells_[current_].bounds;
    QPainter painter(this);
    painter.setPen(QPen(QColor(0, 90, 220), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(b.x1 + 1, b.y1 + 1), QPoint(b.x2 - 1, b.y2 - 1)));
}

void PaletteCellPicture::keyPressEvent(QKeyEvent* event) {
    const bool erase = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace;
    if (erasable_ && erase && current() >= 0) {
        const Point p = cellCentre(cells_[current_]);
        emit pressed(Qt::RightButton, p.x, p.y);
        emit released(Qt::RightButton, p.x, p.y);
        return;
    }
    // The same keys as the main palette's grid.
    if (cells_.empty() || !PaletteGrid::usesKey(*event)) {
        PaletteImage::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            moveTo(neighbourCell(cells_, current_, -1, 0));
            break;
        case Qt::Key_Right:
            moveTo(neighbourCell(cells_, current_, 1, 0));
            break;
        case Qt::Key_Up:
            moveTo(neighbourCell(cells_, current_, 0, -1));
            break;
        case Qt::Key_Down:
            moveTo(neighbourCell(cells_, current_, 0, 1));
            break;
        default:
            pressCell(static_cast<int>(current_));
            break;
    }
}

void PaletteCellPicture::mousePressEvent(QMouseEvent* event) {
    // The frame follows a click, so the keyboard goes on from there.
    const QPoint p = event->position().toPoint();
    for (size_t i = 0; i < cells_.size(); ++i) {
        const Rect b = cells_[i].bounds;
        if (b.x1 < p.x() && p.x() < b.x2 && b.y1 < p.y() && p.y() < b.y2) {
            current_ = i;
            update();
            break;
        }
    }
    PaletteImage::mousePressEvent(event);
}

void PaletteCellPicture::focusInEvent(QFocusEvent* event) {
    PaletteImage::focusInEvent(event);
    // After the focus event of the picture itself, so that a screen reader ends on the cell.
    QTimer::singleShot(0, this, [this] { showCurrent(); });
}

void PaletteCellPicture::focusOutEvent(QFocusEvent* event) {
    PaletteImage::focusOutEvent(event);
    update();
}

void PaletteCellPicture::moveTo(size_t index) {
    if (index >= cells_.size()) return;
    current_ = index;
    showCurrent();
}

void PaletteCellPicture::showCurrent() {
    update();
    if (!hasFocus() || current() < 0) return;
    const Rect b = cells_[current_].bounds;
    const Point c = cellCentre(cells_[current_]);
    // The picture sits in a scroll box's viewport: the framed cell scrolls into view.
    if (QWidget* viewport = parentWidget())
        if (auto* box = qobject_cast<QScrollArea*>(viewport->parentWidget()))
            box->ensureVisible(c.x, c.y, (b.x2 - b.x1) / 2 + 4, (b.y2 - b.y1) / 2 + 4);
    // A screen reader follows the frame as it would the focus.
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(static_cast<int>(current_));
    QAccessible::updateAccessibility(&focus);
}

}  // namespace noma
