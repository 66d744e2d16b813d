#include "ui/PaletteGrid.h"

#include <QAccessible>
#include <QFrame>
#include <QKeyEvent>
#include <algorithm>

#include "ui/PaletteButton.h"

namespace noma {

PaletteGrid::PaletteGrid(QWidget* parent) : QWidget(parent), frame_(new QFrame(this)) {
    setFocusPolicy(Qt::StrongFocus);
    frame_->setObjectName("PaletteCursor");
    frame_->setFrameStyle(QFrame::Box | QFrame::Plain);
    frame_->setLineWidth(2);
    QPalette blue = frame_->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 90, 220));
    frame_->setPalette(blue);
    frame_->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame_->hide();
}

void PaletteGrid::addButton(PaletteButton* button, int column, int row) {
    if (cells_.empty() || std::make_pair(column, row) < current_) current_ = {column, row};
    cells_[{column, row}] = button;
    columns_ = std::max(columns_, column);
    rows_ = std::max(rows_, row);
}

PaletteButton* PaletteGrid::current() const {
    const auto found = cells_.find(current_);
    return found == cells_.end() ? nullptr : found->second;
}

bool PaletteGrid::usesKey(const QKeyEvent& key) {
    if (key.modifiers() & ~Qt::KeypadModifier) return false;
    switch (key.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            return true;
        default:
            return false;
    }
}

void PaletteGrid::keyPressEvent(QKeyEvent* event) {
    if (!usesKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            step(-1, 0);
            break;
        case Qt::Key_Right:
            step(1, 0);
            break;
        case Qt::Key_Up:
            step(0, -1);
            break;
        case Qt::Key_Down:
            step(0, 1);
            break;
        default:
            if (PaletteButton* button = current()) emit button->clicked();
            break;
    }
}

void PaletteGrid::step(int columns, int rows) {
    // Over the gaps of the grid to the next button that way; at the edge it stays.
    for (std::pair<int, int> cell = current_;;) {
        cell.first += columns;
        cell.second += rows;
        if (cell.first < 1 || cell.first > columns_ || cell.second < 1 || cell.second > rows_)
            return;
        if (cells_.count(cell) != 0) {
            current_ = cell;
            showCurrent();
            return;
        }
    }
}

void PaletteGrid::showCurrent() {
    PaletteButton* button = current();
    if (button == nullptr || !hasFocus()) return;
    // Around both faces: the pressed one is drawn up and to the left.
    frame_->setGeometry(
        button->geometry().united(button->pressedTwin()->geometry()).adjusted(-2, -2, 2, 2));
    frame_->show();
    frame_->raise();
    // A screen reader follows the frame as it would the focus.
    QAccessibleEvent focus(button->isPressed() ? static_cast<QWidget*>(button->pressedTwin())
                                               : static_cast<QWidget*>(button),
                           QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void PaletteGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    showCurrent();
}

void PaletteGrid::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    frame_->hide();
}

}  // namespace noma
