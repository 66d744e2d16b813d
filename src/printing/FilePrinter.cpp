#include "printing/FilePrinter.h"

#include "platform/FileIo.h"
#include "platform/PngFile.h"
#include "printing/PaperSize.h"

namespace noma {

FilePrinter::FilePrinter(std::string path, Format format, int dpi, int paperCode)
    : path_(std::move(path)), format_(format), dpi_(dpi), paperCode_(paperCode) {}

void FilePrinter::setOrientation(int orientation) {
    if (orientation == kOrientationPortrait || orientation == kOrientationLandscape)
        orientation_ = orientation;
}

int FilePrinter::pageWidth() const {
    const PaperSize paper = paperSize(paperCode_);
    return millimetresToPixels(
        orientation_ == kOrientationLandscape ? paper.heightMm : paper.widthMm, dpi_);
}

int FilePrinter::pageHeight() const {
    const PaperSize paper = paperSize(paperCode_);
    return millimetresToPixels(
        orientation_ == kOrientationLandscape ? paper.widthMm : paper.heightMm, dpi_);
}

bool FilePrinter::fail(const std::string& reason) {
    if (failure_.empty()) failure_ = reason;
    return false;
}

bool FilePrinter::beginDocument() {
    if (dpi_ <= 0) return fail("no resolution");
    if (format_ == Format::Pdf) {
        pdf_ = std::make_unique<PdfWriter>(path_, title_);
        if (!pdf_->failure().empty()) return fail(pdf_->failure());
    }
    pageOpen_ = true;
    return true;
}

bool FilePrinter::printPage(const Canvas& picture) {
    if (!pageOpen_) return fail("no page to print on");
    ++pages_;
    if (format_ == Format::Pdf) return pdf_->addPage(picture, dpi_) || fail(pdf_->failure());
    if (pages_ == 1) {
        png_ = encodePng(picture);
        if (png_.empty()) return fail("the page cannot be encoded as PNG");
    }
    return true;
}

bool FilePrinter::newPage() {
    ++breaks_;
    return true;
}

bool FilePrinter::endDocument() {
    pageOpen_ = false;
    if (format_ == Format::Pdf) {
        if (!pdf_) return fail("the document was not begun");
        return pdf_->finish() || fail(pdf_->failure());
    }
    if (pages_ == 0) return fail("no page was printed");
    const std::string reason = writeFileAtomically(path_, png_);
    return reason.empty() || fail(reason);
}

}  // namespace noma
