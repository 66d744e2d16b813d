#include "printing/FilePrinter.h"

#include "platform/FileIo.h"
#include "platform/PngFile.h"
#include "printing/PaperSize.h"

namespace noma {

FilePrinter::FilePrinter(std::string path, Format format, int dpi, int paperCode)
    : FilePrinter(std::move(path), format, dpi, paperCode, paperSize(paperCode)) {}

FilePrinter::FilePrinter(std::string path, Format format, int dpi, int paperCode, PaperSize sheet)
    : path_(std::move(path)), format_(format), dpi_(dpi), paperCode_(paperCode), sheet_(sheet) {}

void FilePrinter::setOrientation(int orientation) {
    if (orientation == kOrientationPortrait || orientation == kOrientationLandscape)
        orientation_ = orientation;
}

int FilePrinter::pageWidth() const {
    return millimetresToPixels(
        orientation_ == kOrientationLandscape ? sheet_.heightMm : sheet_.widthMm, dpi_);
}

int FilePrinter::pageHeight() const {
    return millimetresToPixels(
        orientation_ == kOrientationLandscape ? sheet_.widthMm : sheet_.heightMm, dpi_);
}

Status FilePrinter::fail(const std::string& reason) {
    return fail(Failure{"ファイルに保存できませんでした。\n" + path_,
                        "cannot write " + path_ + ": " + reason});
}

Status FilePrinter::fail(const Status& status) {
    if (state_.ok()) state_ = status;
    return state_;
}

Status FilePrinter::beginDocument() {
    if (dpi_ <= 0) return fail("no resolution");
    if (format_ == Format::Pdf) {
        pdf_ = std::make_unique<PdfWriter>(path_, title_);
        if (Status opened = pdf_->status(); !opened.ok()) return fail(opened);
    }
    pageOpen_ = true;
    return {};
}

Status FilePrinter::printPage(const Canvas& picture) {
    if (!pageOpen_) return fail("no page to print on");
    ++pages_;
    if (format_ == Format::Pdf) {
        Status added = pdf_->addPage(picture, dpi_);
        return added.ok() ? added : fail(added);
    }
    if (pages_ == 1) {
        png_ = encodePng(picture);
        if (png_.empty()) return fail("the page cannot be encoded as PNG");
    }
    return {};
}

Status FilePrinter::newPage() {
    ++breaks_;
    return {};
}

Status FilePrinter::endDocument() {
    pageOpen_ = false;
    if (format_ == Format::Pdf) {
        if (!pdf_) return fail("the document was not begun");
        Status finished = pdf_->finish();
        return finished.ok() ? finished : fail(finished);
    }
    if (pages_ == 0) return fail("no page was printed");
    Status written = writeFileAtomically(path_, png_);
    return written.ok() ? written : fail(written);
}

}  // namespace noma
