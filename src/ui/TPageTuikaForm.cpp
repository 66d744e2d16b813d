#include "ui/TPageTuikaForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/LayoutPreview.h"
#include "document/PageGeometry.h"
#include "ui/AccessibleNames.h"
#include "ui/LayoutTexts.h"

namespace noma {

TPageTuikaForm::TPageTuikaForm(QWidget* parent) : LayoutDialog(parent, "TPageTuikaForm") {
    auto* l = new QLabel("ページ", this);
    l->move(10, 12);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName("Edit1");
    edit1_->setReadOnly(true);
    edit1_->setGeometry(60, 10, 60, 22);
    nameByLabel(l, edit1_);
    toHeCB_ = labelledCombo(this, "ToHeCB", "譜表", 40, scoreTypeItems());
    chouseiCB_ = labelledCombo(this, "ChouseiCB", "調性", 82, keyItems());
    topMarjinCB_ = labelledCombo(this, "TopMarjinCB", "トップ", 124, numberItems(3, 30));
    gyousuCB_ = labelledCombo(this, "GyousuCB", "段数", 166, {});
    gyoukanCB_ = labelledCombo(this, "GyoukanCB", "段間隔", 208, numberItems(6, 20));
    addOkButton(258);

    onPick(toHeCB_, [this](int i) { form_->setScoreTypeItem(i); });
    onPick(chouseiCB_, [this](int i) { form_->setKeyItem(i); });
    onPick(topMarjinCB_, [this](int i) { form_->setTopItem(i); });
    onPick(gyousuCB_, [this](int i) { form_->pickStaveItem(i); });
    onPick(gyoukanCB_, [this](int i) { form_->setIntervalItem(i); });
}

bool TPageTuikaForm::runFor(PageForm& form) {
    form_ = &form;
    setWindowTitle(QString::fromStdString(form.caption()));
    refresh();
    const bool ok = exec() == QDialog::Accepted;
    form_ = nullptr;
    return ok;
}

void TPageTuikaForm::refresh() {
    refreshing_ = true;
    const PageForm& f = *form_;
    edit1_->setText(QString::fromStdString(f.pageNumberText()));
    toHeCB_->setCurrentIndex(f.scoreTypeItem());
    chouseiCB_->setCurrentIndex(f.keyItem());
    topMarjinCB_->setCurrentIndex(f.topItem());
    gyoukanCB_->setCurrentIndex(f.intervalItem());
    showStaveItems(gyousuCB_, f.capacity(), f.staveItem());
    setFixedSize(f.dialogWidth(), f.dialogHeight());
    showPreview(pageWidth(f.orientation()) / 2, pageHeight(f.orientation()) / 2,
                [&f](Canvas& c) { drawPageFormPreview(f, c); });
    refreshing_ = false;
}

}  // namespace noma
