#include "ui/PaletteCellAccessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <vector>

#include "ui/AccessibleNames.h"
#include "ui/PaletteCellPicture.h"

namespace noma {

namespace {

QAccessibleInterface* cellParent(PaletteCellPicture* picture) {
    return picture ? QAccessible::queryAccessibleInterface(picture) : nullptr;
}

// One cell of the picture, known by its place in the list.
class CellAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    CellAccessible(PaletteCellPicture* picture, int index) : picture_(picture), index_(index) {}

    bool isValid() const override {
        return picture_ && index_ < static_cast<int>(picture_->cells().size());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return picture_ ? picture_->window()->windowHandle() : nullptr;
    }
    QVector<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation) const override {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return cellParent(picture_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !isValid()) return {};
        return QString::fromStdString(cell().name);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const Rect b = cell().bounds;
        return {picture_->mapToGlobal(QPoint(b.x1, b.y1)), QSize(b.x2 - b.x1, b.y2 - b.y1)};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.focused = picture_->hasFocus() && picture_->current() == index_;
        s.invisible = !picture_->isVisible();
        // The armed cell is the highlighted one.
        s.checkable = true;
        s.checked = cell().mode == picture_->armedMode();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid()) picture_->pressCell(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    const PaletteCell& cell() const { return picture_->cells()[static_cast<size_t>(index_)]; }

    QPointer<PaletteCellPicture> picture_;
    int index_;
};

// The picture: a group whose children are its cells.
class PictureAccessible : public QAccessibleWidget {
  public:
    explicit PictureAccessible(PaletteCellPicture* picture)
        : QAccessibleWidget(picture, QAccessible::Grouping), picture_(picture) {}
    ~PictureAccessible() override {
        for (QAccessible::Id id : cellIds_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(picture_->cells().size()); }
    // A cell renamed under the focus (a drawing grid's cell painted) becomes a new object: a
    // screen reader says a focus only when it lands on another one.
    void renewCell(int index) {
        if (index < 0 || static_cast<size_t>(index) >= cellIds_.size()) return;
        const QAccessible::Id old = cellIds_[static_cast<size_t>(index)];
        cellIds_[static_cast<size_t>(index)] =
            QAccessible::registerAccessibleInterface(new CellAccessible(picture_, index));
        QAccessible::deleteAccessibleInterface(old);
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        // Made once per place and kept: assistive tools know a child by its identity.
        while (static_cast<int>(cellIds_.size()) <= index) {
            auto* cell = new CellAccessible(picture_, static_cast<int>(cellIds_.size()));
            cellIds_.push_back(QAccessible::registerAccessibleInterface(cell));
        }
        return QAccessible::accessibleInterface(cellIds_[static_cast<size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (size_t i = 0; i < cellIds_.size(); ++i)
            if (QAccessible::accessibleInterface(cellIds_[i]) == child &&
                static_cast<int>(i) < childCount())
                return static_cast<int>(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint p = picture_->mapFromGlobal(QPoint(x, y));
        const auto& cells = picture_->cells();
        for (size_t i = 0; i < cells.size(); ++i) {
            const Rect b = cells[i].bounds;
            if (b.x1 < p.x() && p.x() < b.x2 && b.y1 < p.y() && p.y() < b.y2)
                return child(static_cast<int>(i));
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        return picture_->hasFocus() ? child(picture_->current()) : nullptr;
    }

  private:
    PaletteCellPicture* picture_;
    mutable std::vector<QAccessible::Id> cellIds_;
};

QAccessibleInterface* pictureAccessible(const QString&, QObject* object) {
    if (auto* picture = qobject_cast<PaletteCellPicture*>(object))
        return new PictureAccessible(picture);
    return nullptr;
}

}  // namespace

void renewCellAccessible(PaletteCellPicture* picture, int index) {
    if (auto* face =
            dynamic_cast<PictureAccessible*>(QAccessible::queryAccessibleInterface(picture)))
        face->renewCell(index);
}

void installPaletteCellAccessible() {
    installAccessibleFactory(pictureAccessible);
}

}  // namespace noma
