#include "ui/QtPrinter.h"

#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPushButton>

#include "printing/PaperSize.h"
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
    printer_.setDocName(QString::fromStdString(title));
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

bool QtPrinter::beginDocument() {
    failure_.clear();
    // The copies are the job's own: each is printed as pages of the job.
    printer_.setCopyCount(1);
    printer_.setFullPage(false);
    // Every print is grey: the printer gets the levels, not colours to mix them from.
    printer_.setColorMode(QPrinter::GrayScale);
    begun_ = true;
    return true;
}

int QtPrinter::pageWidth() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

int QtPrinter::pageHeight() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

bool QtPrinter::printPage(const Canvas& picture) {
    if (!begun_) return false;
    // The device is opened with the first page, so that a job without pages sends nothing.
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer_)) {
            painter_.reset();
            begun_ = false;
            failure_ = "the printer cannot be opened";
            return false;
        }
    }
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->setRenderHint(QPainter::LosslessImageRendering, true);
    // Print pictures are grey: sent as grey, each level stays the level it was printed in.
    painter_->drawImage(QPoint(0, 0),
                        wrapCanvas(picture).convertToFormat(QImage::Format_Grayscale8));
    return true;
}

bool QtPrinter::newPage() {
    if (painter_ && !printer_.newPage()) {
        failure_ = "the printer cannot start a new page";
        return false;
    }
    return true;
}

bool QtPrinter::endDocument() {
    begun_ = false;
    if (!painter_) return failure_.empty();
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended && failure_.empty()) failure_ = "the printer did not take the job";
    return ended && failure_.empty();
}

}  // namespace noma
