#include "ui/TSinkiForm.h"

#include <QComboBox>
#include <QRadioButton>

#include "app/LayoutPreview.h"
#include "ui/LayoutTexts.h"

namespace noma {

TSinkiForm::TSinkiForm(QWidget* parent) : LayoutDialog(parent, "TSinkiForm") {
    setWindowTitle("新規作成");
    tateRB_ = new QRadioButton("縦長", this);
    tateRB_->setObjectName("TateRB");
    tateRB_->setGeometry(10, 10, 60, 22);
    yokoRB_ = new QRadioButton("横長", this);
    yokoRB_->setObjectName("YokoRB");
    yokoRB_->setGeometry(74, 10, 60, 22);
    toHeCB_ = labelledCombo(this, "ToHeCB", "譜表", 40, scoreTypeItems());
    chouseiCB_ = labelledCombo(this, "ChouseiCB", "調性", 82, keyItems());
    gridIntervalCB_ = labelledCombo(this, "GridIntervalCB", "縦ピッチ", 124, numberItems(6, 10));
    topMarjinCB_ = labelledCombo(this, "TopMarjinCB", "トップ", 166, numberItems(3, 30));
    gyousuCB_ = labelledCombo(this, "GyousuCB", "段数", 208, {});
    gyoukanCB_ = labelledCombo(this, "GyoukanCB", "段間隔", 250, numberItems(6, 20));
    addOkButton(300);

    connect(tateRB_, &QRadioButton::clicked, this,
            [this] { edit([this] { form_->setOrientation(0); }); });
    connect(yokoRB_, &QRadioButton::clicked, this,
            [this] { edit([this] { form_->setOrientation(1); }); });
    onPick(toHeCB_, [this](int i) { form_->setScoreTypeItem(i); });
    onPick(chouseiCB_, [this](int i) { form_->setKeyItem(i); });
    onPick(gridIntervalCB_, [this](int i) { form_->setPitchItem(i); });
    onPick(topMarjinCB_, [this](int i) { form_->setTopItem(i); });
    onPick(gyousuCB_, [this](int i) { form_->pickStaveItem(i); });
    onPick(gyoukanCB_, [this](int i) { form_->setIntervalItem(i); });
}

bool TSinkiForm::runFor(NewScoreForm& form) {
    form_ = &form;
    refresh();
    const bool ok = exec() == QDialog::Accepted;
    form_ = nullptr;
    return ok;
}

void TSinkiForm::refresh() {
    refreshing_ = true;
    const NewScoreForm& f = *form_;
    tateRB_->setChecked(f.orientation() == 0);
    yokoRB_->setChecked(f.orientation() == 1);
    toHeCB_->setCurrentIndex(f.scoreTypeItem());
    chouseiCB_->setCurrentIndex(f.keyItem());
    gridIntervalCB_->setCurrentIndex(f.pitchItem());
    topMarjinCB_->setCurrentIndex(f.topItem());
    gyoukanCB_->setCurrentIndex(f.intervalItem());
    showStaveItems(gyousuCB_, f.capacity(), f.staveItem());
    setFixedSize(f.dialogWidth(), f.dialogHeight());
    showPreview(f.pageWidth() / 2, f.pageHeight() / 2,
                [&f](Canvas& c) { drawNewScorePreview(f, c); });
    refreshing_ = false;
}

}  // namespace noma
