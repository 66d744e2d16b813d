#include "ui/PageViewAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "ui/PageView.h"

namespace noma {

namespace {

// The keyboard cursor's cell: it has no widget of its own.
class CursorCellAccessible : public QAccessibleInterface {
  public:
    // `description` is said after the name: the armed tool, when the keys have just come here.
    CursorCellAccessible(PageView* view, QString description)
        : view_(view), description_(std::move(description)) {}

    bool isValid() const override { return !view_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return view_->cursorText();
        // The tool a press would use, so that arming one and coming back to the page says it.
        if (t == QAccessible::Description) return description_;
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect cell = view_->cursorRect();
        return QRect(view_->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = view_->hasFocus();
        s.readOnly = true;
        return s;
    }

  private:
    QPointer<PageView> view_;
    QString description_;
};

// The page view: its text is the stave at the cursor, line by line.
class PageViewAccessibleImpl : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit PageViewAccessibleImpl(PageView* view)
        : QAccessibleWidget(view, QAccessible::Graphic), view_(view) {
        cursor_ = new CursorCellAccessible(view, view->toolText());
        QAccessible::registerAccessibleInterface(cursor_);
    }
    ~PageViewAccessibleImpl() override {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cursor_));
    }

    // A screen reader speaks a focus that lands on another object, not a second one on the same
    // object, nor (for a cell) a change of its name: each cursor move gets a cell of its own.
    void renewCursor(bool withTool) {
        const QAccessible::Id old = QAccessible::uniqueId(cursor_);
        cursor_ = new CursorCellAccessible(view_, withTool ? view_->toolText() : QString());
        QAccessible::registerAccessibleInterface(cursor_);
        QAccessible::deleteAccessibleInterface(old);
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override { return index == 0 ? cursor_ : nullptr; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == cursor_ ? 0 : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return view_->hasFocus() ? cursor_ : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return cursor_->rect().contains(x, y) ? cursor_ : nullptr;
    }

    // Text: read only, no selection; the caret is at the start.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        const QString all = view_->staveText();
        start = std::clamp(start, 0, static_cast<int>(all.size()));
        end = std::clamp(end, start, static_cast<int>(all.size()));
        return all.mid(start, end - start);
    }
    using QAccessibleWidget::text;
    int characterCount() const override { return static_cast<int>(view_->staveText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

  private:
    PageView* view_;
    CursorCellAccessible* cursor_;
};

}  // namespace

QAccessibleInterface* pageViewAccessible(const QString&, QObject* object) {
    if (auto* view = qobject_cast<PageView*>(object)) return new PageViewAccessibleImpl(view);
    return nullptr;
}

void announceCursor(PageView* view, bool withTool) {
    if (!view->hasFocus()) return;
    if (auto* face =
            dynamic_cast<PageViewAccessibleImpl*>(QAccessible::queryAccessibleInterface(view)))
        face->renewCursor(withTool);
    QAccessibleEvent focus(view, QAccessible::Focus);
    focus.setChild(0);
    QAccessible::updateAccessibility(&focus);
}

}  // namespace noma
