#include "ui/LayoutDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/CanvasImage.h"
#include "ui/LayoutTexts.h"

namespace noma {

LayoutDialog::LayoutDialog(QWidget* parent, const char* objectName)
    : QDialog(parent), preview_(new QLabel(this)) {
    setObjectName(objectName);
    preview_->setObjectName("PreviewImage");
    preview_->move(146, 12);
}

QComboBox* LayoutDialog::box(const char* name) const {
    return findChild<QComboBox*>(name);
}

void LayoutDialog::addOkButton(int y) {
    auto* ok = new QPushButton("ＯＫ", this);
    ok->setObjectName("Button1");
    ok->setGeometry(10, y, 128, 30);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void LayoutDialog::onPick(QComboBox* box, std::function<void(int)> set) {
    connect(box, qOverload<int>(&QComboBox::activated), this,
            [this, set](int item) { edit([set, item] { set(item); }); });
}

void LayoutDialog::edit(const std::function<void()>& change) {
    if (!hasForm() || refreshing_) return;
    change();
    refresh();
}

void LayoutDialog::showStaveItems(QComboBox* box, int capacity, int item) {
    if (box->count() != capacity) {
        box->clear();
        box->addItems(numberItems(1, capacity));
    }
    box->setCurrentIndex(item);
}

void LayoutDialog::showPreview(int width, int height, const std::function<void(Canvas&)>& draw) {
    canvas_.resize(width, height);
    draw(canvas_);
    previewImage_ = wrapCanvas(canvas_);
    preview_->setPixmap(QPixmap::fromImage(previewImage_));
    preview_->resize(width, height);
}

}  // namespace noma
