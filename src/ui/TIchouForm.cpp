#include "ui/TIchouForm.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "app/TranspositionForm.h"
#include "music/KeyPreview.h"
#include "music/Transposition.h"
#include "ui/AccessibleNames.h"
#include "ui/CanvasImage.h"
#include "ui/LayoutTexts.h"

namespace noma {

namespace {

QLabel* label(QWidget* parent, const char* text, int x, int y) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->move(x, y);
    return l;
}

QSpinBox* pageBox(QWidget* parent, const char* name, int x) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setGeometry(x, 160, 56, 24);
    box->setRange(1, 1);
    return box;
}

}  // namespace

TIchouForm::TIchouForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TIchouForm");
    setWindowTitle(kTranspositionCaption);
    setFixedSize(470, 214);

    QLabel* keyL = label(this, kTranspositionKeyLabel, 16, 16);
    chouseiCB_ = new QComboBox(this);
    chouseiCB_->setObjectName("ChouseiCB");
    chouseiCB_->setGeometry(16, 36, 190, 24);
    chouseiCB_->addItems(keyItems());
    nameByLabel(keyL, chouseiCB_);
    QLabel* shiftL = label(this, kTranspositionShiftLabel, 16, 76);
    ichouCB_ = new QComboBox(this);
    ichouCB_->setObjectName("IchouCB");
    ichouCB_->setGeometry(16, 96, 110, 24);
    for (int item = 0; item < kShiftItemCount; ++item) {
        const std::string_view text = shiftItemText(item);
        ichouCB_->addItem(QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    nameByLabel(shiftL, ichouCB_);
    QLabel* rangeL = label(this, "範囲 ：", 16, 140);
    edit1_ = pageBox(this, "Edit1", 16);
    label(this, "～", 80, 164);
    edit2_ = pageBox(this, "Edit2", 100);
    nameRangeByLabel(rangeL, edit1_, edit2_);

    preImage_ = new QLabel(this);
    preImage_->setObjectName("PreImage");
    preImage_->setGeometry(226, 16, KeyPreview::kWidth, KeyPreview::kHeight);
    auto* execute = new QPushButton("実行", this);
    execute->setObjectName("Button1");
    execute->setGeometry(226, 160, 106, 30);
    auto* cancel = new QPushButton("キャンセル", this);
    cancel->setObjectName("Button2");
    cancel->setGeometry(345, 160, 106, 30);
    cancel->setAutoDefault(false);

    connect(execute, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(chouseiCB_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int item) { changed([this, item] { form_->setKeyItem(item); }); });
    connect(ichouCB_, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int item) { changed([this, item] { form_->setShiftItem(item); }); });
    connect(edit1_, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int page) { changed([this, page] { form_->setFirstPage(page); }); });
    connect(edit2_, qOverload<int>(&QSpinBox::valueChanged), this,
            [this](int page) { changed([this, page] { form_->setLastPage(page); }); });

    // The preview shows the first key before the dialog is first used.
    showPreview(TranspositionForm{});
}

bool TIchouForm::runFor(TranspositionForm& form) {
    form_ = &form;
    refresh();
    const bool executed = exec() == QDialog::Accepted;
    form_ = nullptr;
    return executed;
}

void TIchouForm::changed(const std::function<void()>& edit) {
    if (form_ == nullptr || refreshing_) return;
    edit();
    refresh();
}

void TIchouForm::refresh() {
    refreshing_ = true;
    const TranspositionForm& f = *form_;
    chouseiCB_->setCurrentIndex(f.keyItem());
    ichouCB_->setCurrentIndex(f.shiftItem());
    edit1_->setRange(1, f.pageCount());
    edit2_->setRange(1, f.pageCount());
    edit1_->setValue(f.firstPage());
    edit2_->setValue(f.lastPage());
    showPreview(f);
    refreshing_ = false;
}

void TIchouForm::showPreview(const TranspositionForm& form) {
    form.drawPreview(canvas_);
    previewImage_ = wrapCanvas(canvas_);
    preImage_->setPixmap(QPixmap::fromImage(previewImage_));
}

}  // namespace noma
