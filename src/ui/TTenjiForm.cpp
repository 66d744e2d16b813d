#include "ui/TTenjiForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "app/Workspace.h"
#include "ui/AccessibleNames.h"

namespace noma {

namespace {

// The key of the braille window for a Qt key: letters and the space bar as their character
// codes (upper case, as the dot keys are matched), the editing keys as BrailleWriting's.
int writingKey(const QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return BrailleWriting::kKeyEnter;
        case Qt::Key_Backspace:
            return BrailleWriting::kKeyBackSpace;
        case Qt::Key_Left:
            return BrailleWriting::kKeyLeft;
        case Qt::Key_Up:
            return BrailleWriting::kKeyUp;
        case Qt::Key_Right:
            return BrailleWriting::kKeyRight;
        case Qt::Key_Down:
            return BrailleWriting::kKeyDown;
        default:
            return event->key() >= 0x20 && event->key() < 0x7F ? event->key() : -1;
    }
}

}  // namespace

// The text field: romaji typed on the keyboard is turned into kana here; anything else (direct
// entry, kana committed by an input method) is plain editing.
class BrailleTextField : public QLineEdit {
  public:
    BrailleTextField(Workspace& ws, TTenjiForm* form) : QLineEdit(form), ws_(ws), form_(form) {
        setObjectName("TenjiNyuuryokuE");
        connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
            ws_.braille().textChanged(text.toStdString());
            emit form_->changed();
        });
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        BrailleWriting& w = ws_.braille();
        const int key = writingKey(event);
        if (key >= BrailleWriting::kKeyEnter) {
            if (w.keyDown(key, event->modifiers() & Qt::ShiftModifier)) {
                setText(QString::fromStdString(w.fieldText()));
                emit form_->changed();
                return;
            }
        } else if (w.entryMode() == BrailleWriting::kRomaji && !event->text().isEmpty() &&
                   event->text().at(0).unicode() >= 0x21 && event->text().at(0).unicode() < 0x7F &&
                   !(event->modifiers() & Qt::ControlModifier)) {
            setText(QString::fromStdString(w.typeRomaji(event->text().toStdString())));
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

  private:
    Workspace& ws_;
    TTenjiForm* form_;
};

// The six-key field: key downs and ups make chords; its own text stays empty.
class SixKeyField : public QLineEdit {
  public:
    SixKeyField(Workspace& ws, TTenjiForm* form) : QLineEdit(form), ws_(ws), form_(form) {
        setObjectName("TenjiNyuuryokuM");
        setAttribute(Qt::WA_InputMethodEnabled, false);
    }

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        // Escape is the window's: it closes it.
        if (event->key() == Qt::Key_Escape) {
            event->ignore();
            return;
        }
        if (event->isAutoRepeat()) return;
        const int key = writingKey(event);
        if (key >= 0) ws_.braille().keyDown(key, event->modifiers() & Qt::ShiftModifier);
        clear();
        emit form_->changed();
    }
    void keyReleaseEvent(QKeyEvent* event) override {
        if (event->isAutoRepeat()) return;
        const int key = writingKey(event);
        if (key >= 0 && key < BrailleWriting::kKeyEnter) ws_.braille().keyUp(key);
        clear();
        emit form_->changed();
    }

  private:
    Workspace& ws_;
    TTenjiForm* form_;
};

TTenjiForm::TTenjiForm(Workspace& workspace, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      ws_(workspace),
      modeCB_(new QComboBox(this)),
      displayCB_(new QComboBox(this)),
      text_(new BrailleTextField(workspace, this)),
      sixKey_(new SixKeyField(workspace, this)),
      timer_(new QTimer(this)) {
    setObjectName("TTenjiForm");
    setWindowTitle("点字書き込み");
    setModal(false);
    auto* l1 = new QLabel("入力方法", this);
    l1->move(10, 12);
    modeCB_->setObjectName("TenjiKakikomiModeCB");
    modeCB_->setGeometry(70, 8, 150, 24);
    modeCB_->addItems({"ローマ字変換入力", "カナ英数直接入力", " ６点点字入力"});
    nameByLabel(l1, modeCB_);
    auto* l2 = new QLabel("表示", this);
    l2->move(232, 12);
    displayCB_->setObjectName("SumiHyoujiCB");
    displayCB_->setGeometry(268, 8, 130, 24);
    displayCB_->addItems({"カナ", "アルファベット", "点字"});
    nameByLabel(l2, displayCB_);
    text_->setGeometry(10, 44, 388, 22);
    text_->setAccessibleName("書き込む点字");
    sixKey_->setAccessibleName("６点点字入力");
    QFont f = text_->font();
    f.setPointSize(10);
    text_->setFont(f);
    sixKey_->setGeometry(10, 44, 1, 1);  // keeps the focus while out of sight
    setFixedSize(410, 106);

    connect(modeCB_, qOverload<int>(&QComboBox::activated), this, [this](int item) {
        ws_.braille().setEntryMode(item);
        refresh();
        focusField();
    });
    connect(displayCB_, qOverload<int>(&QComboBox::activated), this, [this](int item) {
        ws_.braille().setDisplayMode(item);
        focusField();
        emit changed();
    });
    connect(timer_, &QTimer::timeout, this, [this] {
        BrailleWriting& w = ws_.braille();
        if (!w.autoCommitArmed()) return;
        w.tick();
        if (!w.autoCommitArmed()) {
            text_->setText(QString::fromStdString(w.fieldText()));
            emit changed();
        }
    });
    timer_->start(1);
}

QLineEdit* TTenjiForm::textField() const {
    return text_;
}
QLineEdit* TTenjiForm::sixKeyField() const {
    return sixKey_;
}

void TTenjiForm::showAt(const QRect& mainFrame) {
    move(mainFrame.right() - width(), mainFrame.bottom() - height());
    show();
    raise();
}

void TTenjiForm::refresh() {
    const BrailleWriting& w = ws_.braille();
    modeCB_->setCurrentIndex(w.entryMode());
    displayCB_->setCurrentIndex(ws_.view().displayMode);
    if (text_->text().toStdString() != w.fieldText())
        text_->setText(QString::fromStdString(w.fieldText()));
    const bool sixKey = w.entryMode() == BrailleWriting::kSixKey;
    text_->setVisible(!sixKey);
    setFixedSize(width(), w.windowHeight());
}

void TTenjiForm::focusField() {
    if (ws_.braille().entryMode() == BrailleWriting::kSixKey) {
        sixKey_->setFocus();
    } else {
        text_->setFocus();
    }
}

void TTenjiForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
    activateWindow();
    focusField();
}

void TTenjiForm::closeEvent(QCloseEvent* event) {
    ws_.braille().close();
    event->accept();
    emit changed();
    // The keys go back to the score.
    if (QWidget* main = parentWidget()) main->window()->activateWindow();
}

}  // namespace noma
