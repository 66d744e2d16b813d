#include "ui/TMusicXmlForm.h"

#include <algorithm>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>

#include "app/Workspace.h"
#include "musicxml/ScoreWriter.h"
#include "ui/AccessibleNames.h"
#include "ui/PageRangeBoxes.h"
#include "ui/WindowPlacement.h"

namespace noma {

namespace {

QSpinBox* pageBox(QWidget* parent, const char* name, int x) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setGeometry(x, 14, 60, 24);
    box->setRange(1, 1);
    return box;
}

QRadioButton* staves(QWidget* parent, const char* name, const char* text, int y) {
    auto* b = new QRadioButton(QString::fromUtf8(text), parent);
    b->setObjectName(name);
    b->setGeometry(16, y, 300, 22);
    return b;
}

}  // namespace

TMusicXmlForm::TMusicXmlForm(Workspace& workspace, QWidget* parent)
    : QDialog(parent), ws_(workspace) {
    setObjectName("TMusicXmlForm");
    setWindowTitle(kMusicXmlDialogCaption);
    setFixedSize(356, 176);

    auto* rangeL = new QLabel("範囲 ：", this);
    rangeL->move(16, 18);
    edit1_ = pageBox(this, "Edit1", 70);
    (new QLabel("～", this))->move(138, 18);
    edit2_ = pageBox(this, "Edit2", 158);
    (new QLabel("（ページ）", this))->move(226, 18);
    nameRangeByLabel(rangeL, edit1_, edit2_);
    toonRB_ = staves(this, "ToonRB", "ト音記号の段", 48);
    heonRB_ = staves(this, "HeonRB", "ヘ音記号の段", 72);
    toHeRB_ = staves(this, "ToHeRB", "ト音記号の段 ＋ ヘ音記号の段", 96);
    toonRB_->setChecked(true);

    auto* exportB = new QPushButton("書き出し", this);
    exportB->setObjectName("ExportB");
    exportB->setGeometry(132, 132, 100, 30);
    exportB->setDefault(true);
    auto* cancelB = new QPushButton("キャンセル", this);
    cancelB->setObjectName("CancelB");
    cancelB->setGeometry(240, 132, 100, 30);
    cancelB->setAutoDefault(false);
    connect(exportB, &QPushButton::clicked, this, &TMusicXmlForm::exportScore);
    connect(cancelB, &QPushButton::clicked, this, &QDialog::reject);
}

void TMusicXmlForm::showExport() {
    showPlaced(*this);
}

void TMusicXmlForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    showEveryPage(*edit1_, *edit2_, ws_.document().header.pageCount);
}

MidiSettings TMusicXmlForm::settings() const {
    MidiSettings s;
    s.staves = toonRB_->isChecked()   ? StaveSelection::Treble
               : heonRB_->isChecked() ? StaveSelection::Bass
                                      : StaveSelection::Both;
    s.firstPage = edit1_->value();
    s.lastPage = edit2_->value();
    return s;
}

void TMusicXmlForm::exportScore() {
    if (ws_.musicXmlExport(settings())) hide();
    emit changed();
}

}  // namespace noma
