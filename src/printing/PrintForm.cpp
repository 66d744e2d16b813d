#include "printing/PrintForm.h"

#include <algorithm>

#include "printing/PaperSize.h"

namespace noma {

namespace {

// The dialog's boxes, read at every turn of the job.
class FormControls final : public JobControls {
  public:
    FormControls(const PrintForm& form, const std::function<bool(int, int)>& pagePrinted)
        : form_(form), pagePrinted_(pagePrinted) {}
    int copies() const override { return form_.copies(); }
    int firstPage() const override { return form_.firstPage(); }
    int lastPage() const override { return form_.lastPage(); }
    bool pagePrinted(int printedSoFar) override {
        if (!pagePrinted_) return true;
        const int perCopy = std::max(form_.lastPage() - form_.firstPage() + 1, 0);
        return pagePrinted_(printedSoFar, perCopy * form_.copies());
    }

  private:
    const PrintForm& form_;
    const std::function<bool(int, int)>& pagePrinted_;
};

}  // namespace

std::string fileNameOnly(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void PrintForm::configure(PrintMode mode) {
    mode_ = mode;
    caption_ = mode == PrintMode::Ink ? "墨字印刷" : "３Ｄ印刷";
}

void PrintForm::show(const ScoreDocument& doc, const Settings& settings, Printer& printer) {
    fileName_ = fileNameOnly(doc.currentFileName);
    pageCount_ = std::clamp(doc.header.pageCount, 1, kMaxPages);
    firstPage_ = 1;
    lastPage_ = pageCount_;
    // The score is printed the way it is laid out: a landscape score turns the paper.
    const int orientation =
        doc.header.orientation == 1 ? kOrientationLandscape : kOrientationPortrait;
    printer.setOrientation(orientation);
    orientationText_ = std::string(noma::orientationText(orientation));
    strength_ = std::clamp(settings.printStrength, kMinStrength, kMaxStrength);
}

void PrintForm::activate(const ScoreDocument& doc, Printer& printer) {
    printer.setJobTitle(kPrintJobTitle);
    readPrinter(printer);
    fileName_ = fileNameOnly(doc.currentFileName);
}

bool PrintForm::changePrinter(Printer& printer) {
    if (!printer.runSetupDialog()) return false;
    readPrinter(printer);
    return true;
}

void PrintForm::readPrinter(Printer& printer) {
    dpi_ = printer.dpi();
    dpiText_ = std::to_string(dpi_);
    printerName_ = printer.deviceName();
    // An orientation the printer does not name leaves the box as it was.
    const std::string_view orientation = noma::orientationText(printer.orientation());
    if (!orientation.empty()) orientationText_ = std::string(orientation);
    paperText_ = std::string(noma::paperText(printer.paperCode()));
}

void PrintForm::chooseStrength(int strength, Settings& settings) {
    strength_ = std::clamp(strength, kMinStrength, kMaxStrength);
    settings.printStrength = strength_;
}

void PrintForm::setCopies(int copies) {
    copies_ = std::clamp(copies, 1, kMaxCopies);
}

void PrintForm::setFirstPage(int page) {
    firstPage_ = std::clamp(page, 1, pageCount_);
}

void PrintForm::setLastPage(int page) {
    lastPage_ = std::clamp(page, 1, pageCount_);
}

void PrintForm::setMagnification(int percent) {
    magnification_ = std::clamp(percent, kMinMagnification, kMaxMagnification);
}

void PrintForm::setBrailleItem(int item) {
    brailleItem_ = std::clamp(item, 0, 2);
}

void PrintForm::setFontSizeItem(int item) {
    fontSizeItem_ = std::clamp(item, 0, kFontSizeItems - 1);
}

PrintSettings PrintForm::settings() const {
    return {mode_, dpi_, strength_, magnification_, brailleItem_, fontSizeItem_};
}

PrintJobResult PrintForm::print(const ScoreDocument& doc, const UserSymbolStore* userSymbols,
                                Printer& printer,
                                const std::function<bool(int, int)>& pagePrinted) {
    if (dpi_ <= 0) readPrinter(printer);
    FormControls controls(*this, pagePrinted);
    return runPrintJob(doc, settings(), userSymbols, controls, printer);
}

}  // namespace noma
