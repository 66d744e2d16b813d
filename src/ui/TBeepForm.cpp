#include "ui/TBeepForm.h"

#include "ui/AccessibleNames.h"
#include "ui/PageRangeBoxes.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/Workspace.h"
#include "ui/QtMidiPlayback.h"

namespace noma {

namespace {

QLabel* label(QWidget* parent, const char* text, int x, int y) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->move(x, y);
    return l;
}

QSpinBox* spin(QWidget* parent, const char* name, int x, int y, int w, int low, int high,
               int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setGeometry(x, y, w, 24);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, int x) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(name);
    b->setGeometry(x, 206, 92, 30);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TBeepForm::TBeepForm(Workspace& workspace, QWidget* parent)
    : QDialog(parent), ws_(workspace), playback_(new QtMidiPlayback(this)) {
    setObjectName("TBeepForm");
    setWindowTitle(kMidiDialogCaption);
    setFixedSize(356, 252);

    QLabel* tempoL = label(this, "テンポ　4分音符＝", 16, 18);
    temmpoE_ = spin(this, "TemmpoE", 150, 14, 72, kMinTempo, kMaxTempo, kDefaultTempo);
    nameByLabel(tempoL, temmpoE_);
    QLabel* colorL = label(this, "音色 ：", 16, 54);
    colorCB_ = new QComboBox(this);
    colorCB_->setObjectName("ColorCB");
    colorCB_->setGeometry(150, 50, 190, 24);
    for (const Timbre& timbre : timbres()) {
        colorCB_->addItem(QString::fromUtf8(timbre.name.data(), qsizetype(timbre.name.size())));
    }
    colorCB_->setCurrentIndex(0);
    nameByLabel(colorL, colorCB_);
    QLabel* rangeL = label(this, "範囲 ：", 16, 90);
    edit1_ = spin(this, "Edit1", 70, 86, 60, 1, 1, 1);
    label(this, "～", 138, 90);
    edit2_ = spin(this, "Edit2", 158, 86, 60, 1, 1, 1);
    label(this, "（ページ）", 226, 90);
    nameRangeByLabel(rangeL, edit1_, edit2_);

    toonRB_ = new QRadioButton("ト音記号の段", this);
    toonRB_->setObjectName("ToonRB");
    toonRB_->setGeometry(16, 120, 300, 22);
    toonRB_->setChecked(true);
    heonRB_ = new QRadioButton("ヘ音記号の段", this);
    heonRB_->setObjectName("HeonRB");
    heonRB_->setGeometry(16, 144, 300, 22);
    toHeRB_ = new QRadioButton("ト音記号の段 ＋ ヘ音記号の段", this);
    toHeRB_->setObjectName("ToHeRB");
    toHeRB_->setGeometry(16, 168, 300, 22);

    button1_ = button(this, "Button1", "プレイ", 16);
    stopB_ = button(this, "StopB", "停止", 132);
    button2_ = button(this, "Button2", "保存", 248);
    stopB_->setEnabled(false);

    connect(button1_, &QPushButton::clicked, this, &TBeepForm::play);
    connect(button2_, &QPushButton::clicked, this, &TBeepForm::save);
    connect(stopB_, &QPushButton::clicked, this, [this] { playback_->requestStop(); });
    connect(playback_, &QtMidiPlayback::playingChanged, this, &TBeepForm::showPlaying);
}

void TBeepForm::showMidi() {
    showPlaced(*this);
}

void TBeepForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    showEveryPage(*edit1_, *edit2_, ws_.document().header.pageCount);
}

MidiSettings TBeepForm::settings() const {
    MidiSettings s;
    s.tempo = temmpoE_->value();
    s.timbreItem = colorCB_->currentIndex();
    s.staves = toonRB_->isChecked()   ? StaveSelection::Treble
               : heonRB_->isChecked() ? StaveSelection::Bass
                                      : StaveSelection::Both;
    s.firstPage = edit1_->value();
    s.lastPage = edit2_->value();
    return s;
}

void TBeepForm::play() {
    if (playback_->playing()) return;
    closeAfterPlaying_ = false;
    ws_.midiPlay(settings(), *playback_);
    if (closeAfterPlaying_) hide();
    emit changed();
}

void TBeepForm::save() {
    if (playback_->playing()) return;
    if (ws_.midiSave(settings())) hide();
    emit changed();
}

void TBeepForm::showPlaying(bool playing) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             temmpoE_, colorCB_, edit1_, edit2_, toonRB_, heonRB_, toHeRB_, button1_, button2_}) {
        control->setEnabled(!playing);
    }
    stopB_->setEnabled(playing);
    if (playing) stopB_->setFocus();
}

void TBeepForm::reject() {
    if (playback_->playing()) {
        playback_->requestStop();
        return;
    }
    QDialog::reject();
}

void TBeepForm::closeEvent(QCloseEvent* event) {
    if (playback_->playing()) {
        // The music stops first; the dialog closes once it has.
        playback_->requestStop();
        closeAfterPlaying_ = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace noma
