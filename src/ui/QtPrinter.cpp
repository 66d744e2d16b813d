#include "ui/QtPrinter.h"

#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPushButton>

#include "ui/CanvasImage.h"

namespace noma {

namespace {

constexpr int kPdfDpi = 600;

}  // namespace

QtPrinter::QtPrinter(QWidget* dialogParent)
    : parent_(dialogParent), printer_(QPrinter::HighResolution) {
    settleResolution();
}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) painter_->end();
}

void QtPrinter::settleResolution() {
    if (printer_.outputFormat() != QPrinter::PdfFormat) return;
    printer_.setResolution(kPdfDpi);
    // The whole sheet of a PDF is printable, as it is for noma-cli's PDFs.
    printer_.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

std::string QtPrinter::deviceName() const {
    if (printsToFile()) return "PDF";
    return printer_.printerName().toStdString();
}

int QtPrinter::dpi() const {
    return printer_.resolution();
}

int QtPrinter::paperCode() const {
    switch (printer_.pageLayout().pageSize().id()) {
        case QPageSize::A3:
            return kPaperA3;
        case QPageSize::A4:
            return kPaperA4;
        case QPageSize::JisB4:
            return kPaperB4;
        case QPageSize::JisB5:
            return kPaperB5;
        case QPageSize::A5:
            return 11;
        default:
            return 0;
    }
}

int QtPrinter::orientation() const {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? kOrientationLandscape
                                                                         : kOrientationPortrait;
}

void QtPrinter::setOrientation(int orientation) {
    if (orientation == kOrientationPortrait) printer_.setPageOrientation(QPageLayout::Portrait);
    if (orientation == kOrientationLandscape) printer_.setPageOrientation(QPageLayout::Landscape);
}

bool QtPrinter::runSetupDialog() {
    QPrintDialog dialog(&printer_, parent_);
    dialog.setWindowTitle("プリンタの設定");
    // Copies and the page range are the print dialog's own boxes.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only settles the printer here; the job starts with the print dialog's own
    // "印刷開始".
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok)) confirm->setText("設定");
    }
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    settleResolution();
    return confirmed;
}

void QtPrinter::setJobTitle(const std::string& title) {
    title_ = title;
    printer_.setDocName(QString::fromStdString(title));
}

PaperSize QtPrinter::sheet() const {
    const int code = paperCode();
    // The papers noma-cli prints on take its sizes; any other is taken as Qt gives it.
    if (code == kPaperA3 || code == kPaperA4 || code == kPaperB4 || code == kPaperB5)
        return paperSize(code);
    const QSizeF mm = printer_.pageLayout().pageSize().size(QPageSize::Millimeter);
    return {mm.width(), mm.height()};
}

Status QtPrinter::fail(const std::string& reason) {
    if (state_.ok()) state_ = Failure{"印刷できませんでした。", reason};
    return state_;
}

bool QtPrinter::printsToFile() const {
    return printer_.outputFormat() == QPrinter::PdfFormat;
}

std::string QtPrinter::outputFile() const {
    return printer_.outputFileName().toStdString();
}

void QtPrinter::setOutputFile(const std::string& path) {
    printer_.setOutputFileName(QString::fromStdString(path));
    settleResolution();
}

Status QtPrinter::beginDocument() {
    state_ = Status();
    file_.reset();
    if (printsToFile()) {
        file_ = std::make_unique<FilePrinter>(outputFile(), FilePrinter::Format::Pdf, dpi(),
                                              paperCode(), sheet());
        file_->setOrientation(orientation());
        file_->setJobTitle(title_);
        return file_->beginDocument();
    }
    // The copies are the job's own: each is printed as pages of the job.
    printer_.setCopyCount(1);
    printer_.setFullPage(false);
    // Every print is grey: the printer gets the levels, not colours to mix them from.
    printer_.setColorMode(QPrinter::GrayScale);
    begun_ = true;
    return {};
}

int QtPrinter::pageWidth() const {
    if (file_) return file_->pageWidth();
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

int QtPrinter::pageHeight() const {
    if (file_) return file_->pageHeight();
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

Status QtPrinter::printPage(const Canvas& picture) {
    if (file_) return file_->printPage(picture);
    if (!begun_) return fail("the document was not begun");
    // The device is opened with the first page, so that a job without pages sends nothing.
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer_)) {
            painter_.reset();
            begun_ = false;
            return fail("the printer cannot be opened");
        }
    }
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->setRenderHint(QPainter::LosslessImageRendering, true);
    // Print pictures are grey: sent as grey, each level stays the level it was printed in.
    painter_->drawImage(QPoint(0, 0),
                        wrapCanvas(picture).convertToFormat(QImage::Format_Grayscale8));
    return {};
}

Status QtPrinter::newPage() {
    if (file_) return file_->newPage();
    if (painter_ && !printer_.newPage()) return fail("the printer cannot start a new page");
    return {};
}

Status QtPrinter::endDocument() {
    if (file_) {
        const std::unique_ptr<FilePrinter> job = std::move(file_);
        return job->endDocument();
    }
    begun_ = false;
    if (!painter_) return state_;
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended) return fail("the printer did not take the job");
    return state_;
}

}  // namespace noma
