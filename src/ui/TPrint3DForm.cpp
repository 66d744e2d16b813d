#include "ui/TPrint3DForm.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/Workspace.h"
#include "platform/AtomicFile.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"
#include "ui/AccessibleNames.h"
#include "ui/QtPrinter.h"

namespace noma {

namespace {

QLabel* label(QWidget* parent, const char* name, const char* text, int x, int y) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    if (name != nullptr) l->setObjectName(name);
    l->move(x, y + 3);
    return l;
}

QLineEdit* readOnlyBox(QWidget* parent, const char* name, int x, int y, int w) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setGeometry(x, y, w, 22);
    return e;
}

QSpinBox* upDown(QWidget* parent, const char* name, int x, int y, int lo, int hi) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(lo, hi);
    box->setGeometry(x, y, 64, 22);
    return box;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// "/dir/song.nmg" printed tactile: "/dir/song-3d.pdf"; ink: "/dir/song-ink.pdf".
std::string pdfProposal(const std::string& scorePath, PrintMode mode) {
    std::string stem = scorePath;
    const auto slash = stem.find_last_of('/');
    if (const auto dot = stem.find_last_of('.');
        dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        stem.erase(dot);
    }
    return stem + (mode == PrintMode::Tactile ? "-3d.pdf" : "-ink.pdf");
}

}  // namespace

TPrint3DForm::TPrint3DForm(Workspace& workspace, QWidget* parent)
    : QDialog(parent), ws_(workspace), printer_(std::make_unique<QtPrinter>(this)) {
    setObjectName("TPrint3DForm");
    setWindowTitle("３Ｄ印刷");
    build();
    setFixedSize(430, 444);
}

TPrint3DForm::~TPrint3DForm() = default;

void TPrint3DForm::build() {
    fileMeiE_ = readOnlyBox(this, "FileMeiE", 10, 10, 410);
    fileMeiE_->setAccessibleName("ファイル名");

    QLabel* copiesL = label(this, nullptr, "部数 ：", 10, 44);
    busuUD_ = upDown(this, "BusuUD", 110, 44, 1, PrintForm::kMaxCopies);
    nameByLabel(copiesL, busuUD_);
    QLabel* sizeL = label(this, "RyoumenL", "用紙 ：", 230, 44);
    yousiSizeE_ = readOnlyBox(this, "YousiSizeE", 290, 44, 60);
    yousiSizeE_->setText("Ａ４");
    nameByLabel(sizeL, yousiSizeE_);

    QLabel* rangeL = label(this, nullptr, "印刷範囲 ：", 10, 74);
    upDown1_ = upDown(this, "UpDown1", 110, 74, 1, 1);
    label(this, nullptr, "～", 182, 74);
    upDown2_ = upDown(this, "UpDown2", 205, 74, 1, 1);
    nameRangeByLabel(rangeL, upDown1_, upDown2_);

    label11_ = label(this, "Label11", "印刷強度 ：　 濃い ←", 10, 108);
    strengthGroup_ = new QButtonGroup(this);
    static constexpr const char* kNames[6] = {"V5RB", "V4RB", "V3RB", "V2RB", "V1RB", "V0RB"};
    static constexpr const char* kCaptions[6] = {"１", "２", "３", "４", "５", "６"};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(kCaptions[i]), this);
        b->setObjectName(kNames[i]);
        b->setGeometry(150 + 36 * i, 108, 36, 22);
        b->setAccessibleName(QString("印刷強度 %1").arg(kCaptions[i]));
        strengthGroup_->addButton(b, i + 1);
        strength_[static_cast<size_t>(i)] = b;
    }
    label12_ = label(this, "Label12", "→ 薄い", 370, 108);
    strength_[0]->setAccessibleDescription("いちばん濃い");
    strength_[5]->setAccessibleDescription("いちばん薄い");
    connect(strengthGroup_, &QButtonGroup::idClicked, this, [this](int strength) {
        if (form_ == nullptr || refreshing_) return;
        form_->chooseStrength(strength, ws_.settings());
        emit strengthChanged(form_->strength());
    });

    label3_ = label(this, "Label3", "倍率(％)　：", 10, 142);
    bairituUD_ =
        upDown(this, "SumijiPrintBairituUD", 110, 142, kMinMagnification, kMaxMagnification);
    label1_ = label(this, "Label1", "墨訳 ：", 10, 172);
    sumiHyoujiCB_ = new QComboBox(this);
    sumiHyoujiCB_->setObjectName("SumiHyoujiCB");
    sumiHyoujiCB_->addItems({"かな", "アルファベット", "点字"});
    sumiHyoujiCB_->setGeometry(110, 172, 130, 22);
    nameByLabel(label1_, sumiHyoujiCB_);
    label4_ = label(this, "Label4", "文字サイズ ：", 10, 202);
    fontSizeCB_ = new QComboBox(this);
    fontSizeCB_->setObjectName("FontSizeCB");
    for (int points = 8; points <= 20; ++points)
        fontSizeCB_->addItem(QString("%1").arg(points, 2, 10, QChar(' ')));
    fontSizeCB_->setGeometry(110, 202, 64, 22);
    nameByLabel(label3_, bairituUD_);
    nameByLabel(label4_, fontSizeCB_);

    printerMeiE_ = readOnlyBox(this, "PrinterMeiE", 110, 246, 310);
    nameByLabel(label(this, nullptr, "プリンタ名　：", 10, 246), printerMeiE_);
    yousiE_ = readOnlyBox(this, "YousiE", 110, 276, 130);
    nameByLabel(label(this, nullptr, "用紙サイズ　：", 10, 276), yousiE_);
    printMukiE_ = readOnlyBox(this, "PrintMukiE", 110, 306, 60);
    nameByLabel(label(this, nullptr, "印刷の向き　：", 10, 306), printMukiE_);
    dpiE_ = readOnlyBox(this, "DPIE", 110, 336, 60);
    nameByLabel(label(this, nullptr, "ＤＰＩ　：", 10, 336), dpiE_);
    button1_ = new QPushButton("設定変更", this);
    button1_->setObjectName("Button1");
    button1_->setToolTip("プリンタの選択、プロパティの設定をおこないます");
    button1_->setGeometry(300, 330, 120, 28);

    outputE_ = readOnlyBox(this, "OutputE", 110, 366, 310);
    nameByLabel(label(this, nullptr, "出力先　：", 10, 366), outputE_);

    printB_ = new QPushButton("印刷開始", this);
    printB_->setObjectName("PrintB");
    printB_->setGeometry(150, 404, 130, 30);
    // Enter prints, as in any print dialog.
    printB_->setDefault(true);
    previewB_ = new QPushButton("プレビュー", this);
    previewB_->setObjectName("PreviewB");
    previewB_->setToolTip("印刷したときの凹凸を画面で確かめます");
    previewB_->setGeometry(10, 404, 110, 30);

    forwardValue(busuUD_, [](PrintForm& f, int v) { f.setCopies(v); });
    forwardValue(upDown1_, [](PrintForm& f, int v) { f.setFirstPage(v); });
    forwardValue(upDown2_, [](PrintForm& f, int v) { f.setLastPage(v); });
    forwardValue(bairituUD_, [](PrintForm& f, int v) { f.setMagnification(v); });
    connect(sumiHyoujiCB_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int i) {
        if (form_ != nullptr && !refreshing_) form_->setBrailleItem(i);
    });
    connect(fontSizeCB_, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int i) {
        if (form_ != nullptr && !refreshing_) form_->setFontSizeItem(i);
    });
    connect(button1_, &QPushButton::clicked, this, [this] { setUpClicked(); });
    connect(printB_, &QPushButton::clicked, this, [this] { printClicked(); });
    connect(previewB_, &QPushButton::clicked, this, [this] { emit previewRequested(); });
}

// Setters go in as lambdas: member-function pointers captured in these slots were read from a
// stale stack address in the sanitized GCC 12 build.
void TPrint3DForm::forwardValue(QSpinBox* box, std::function<void(PrintForm&, int)> set) {
    connect(box, qOverload<int>(&QSpinBox::valueChanged), this,
            [this, set = std::move(set)](int v) {
                if (form_ != nullptr && !refreshing_) set(*form_, v);
            });
}

bool TPrint3DForm::runFor(PrintForm& form) {
    form_ = &form;
    printed_ = false;
    form.show(ws_.document(), ws_.settings(), *printer_);
    form.activate(ws_.document(), *printer_);
    // Each print proposes its own file, named after the score and the kind of print.
    pdfTarget_ = pdfProposal(ws_.document().currentFileName, form.mode());
    refresh();
    exec();
    form_ = nullptr;
    return printed_;
}

void TPrint3DForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Each time the dialog becomes active the printer is asked again what it is.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && form_ != nullptr &&
        !printing_) {
        form_->activate(ws_.document(), *printer_);
        refresh();
    }
}

void TPrint3DForm::refresh() {
    if (form_ == nullptr) return;
    refreshing_ = true;
    const PrintForm& f = *form_;
    setWindowTitle(text(f.caption()));
    fileMeiE_->setText(text(f.fileName()));
    busuUD_->setValue(f.copies());
    upDown1_->setRange(1, f.pageCount());
    upDown2_->setRange(1, f.pageCount());
    upDown1_->setValue(f.firstPage());
    upDown2_->setValue(f.lastPage());
    const bool tactile = f.strengthEnabled();
    label11_->setEnabled(tactile);
    label12_->setEnabled(tactile);
    for (QRadioButton* b : strength_) b->setEnabled(tactile);
    previewB_->setEnabled(tactile);
    strength_[static_cast<size_t>(f.strength() - 1)]->setChecked(true);
    const bool ink = f.inkControlsEnabled();
    label3_->setVisible(ink);
    for (QWidget* w : {static_cast<QWidget*>(bairituUD_), static_cast<QWidget*>(label1_),
                       static_cast<QWidget*>(sumiHyoujiCB_), static_cast<QWidget*>(label4_),
                       static_cast<QWidget*>(fontSizeCB_), static_cast<QWidget*>(label3_)})
        w->setEnabled(ink);
    bairituUD_->setValue(f.magnification());
    sumiHyoujiCB_->setCurrentIndex(f.brailleItem());
    fontSizeCB_->setCurrentIndex(f.fontSizeItem());
    printerMeiE_->setText(text(f.printerName()));
    yousiE_->setText(text(f.paperText()));
    printMukiE_->setText(text(f.orientationText()));
    dpiE_->setText(text(f.dpiText()));
    showTarget();
    refreshing_ = false;
}

void TPrint3DForm::setUpClicked() {
    if (form_ == nullptr) return;
    // The set-up shows the file this print would go to.
    if (printer_->printsToFile()) printer_->setOutputFile(pdfTarget_);
    const std::string before = printer_->outputFile();
    if (!form_->changePrinter(*printer_)) return;
    // A file named in the set-up becomes the proposal; it is still asked for on printing.
    if (printer_->printsToFile() && !printer_->outputFile().empty() &&
        printer_->outputFile() != before) {
        pdfTarget_ = printer_->outputFile();
    }
    refresh();
}

void TPrint3DForm::showTarget() {
    if (printer_->printsToFile()) {
        outputE_->setText(text(pdfTarget_));
    } else {
        outputE_->setText(text("プリンタ " + printer_->deviceName()));
    }
}

bool TPrint3DForm::choosePdfFile() {
    if (!printer_->printsToFile()) return true;
    // Asked on every print, so that no print ever lands silently on an earlier one.
    Dialogs& dialogs = ws_.dialogs();
    const auto chosen =
        dialogs.saveFileName("PDFファイルに印刷", "PDFファイル (*.pdf)|*.PDF", pdfTarget_);
    if (!chosen) return false;
    // What is written is a PDF whatever the name says; the extension keeps it from replacing a
    // score or any other file under that file's own name.
    std::string path = *chosen;
    if (!QString::fromStdString(path).endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
    // A device, a FIFO or a read-only file is never printed over.
    if (Status allowed = outputAllowed(path); !allowed.ok()) {
        dialogs.message(saveFailure(path, allowed.failure()).message, kConfirmTitle,
                        Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        return false;
    }
    if (fileExists(path) &&
        dialogs.message("「" + fileNameOnly(path) + "」は既にあります。置き換えますか？",
                        kConfirmTitle, Dialogs::Buttons::YesNo,
                        Dialogs::Icon::Exclamation) != Dialogs::Answer::Yes) {
        return false;
    }
    pdfTarget_ = path;
    printer_->setOutputFile(path);
    form_->activate(ws_.document(), *printer_);
    refresh();
    return true;
}

void TPrint3DForm::printClicked() {
    if (form_ == nullptr) return;
    // A PDF without a page is of no use; noma-cli refuses the same range with the same words.
    if (printer_->printsToFile() && form_->firstPage() > form_->lastPage()) {
        ws_.dialogs().message("印刷するページがありません。", kConfirmTitle, Dialogs::Buttons::Ok,
                              Dialogs::Icon::Exclamation);
        return;
    }
    if (!choosePdfFile()) return;
    QProgressDialog progress("印刷しています…", "中止", 0, 1, this);
    progress.setObjectName("PrintProgress");
    progress.setWindowTitle(text(form_->caption()));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    printing_ = true;
    lastResult_ = form_->print(
        ws_.document(), &ws_.palettes().userSymbols(), *printer_, [&progress](int done, int total) {
            progress.setMaximum(std::max(total, 1));
            progress.setLabelText(QString("印刷しています… %1 / %2 ページ").arg(done).arg(total));
            progress.setValue(done);
            QApplication::processEvents();
            return !progress.wasCanceled();
        });
    printing_ = false;
    progress.close();
    if (!lastResult_.status.ok()) {
        // The printer refused the job: say so and let the user choose another.
        QMessageBox::warning(this, kConfirmTitle, "印刷できませんでした。");
        return;
    }
    printed_ = true;
    accept();
}

}  // namespace noma
