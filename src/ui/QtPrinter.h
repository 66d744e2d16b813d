#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/Printer.h"
#include "printing/FilePrinter.h"

class QWidget;

namespace noma {

// The system's printers (CUPS) through QPrinter, and print-to-PDF. Page pictures are drawn
// one printer pixel to one device pixel, without smoothing or lossy compression, so that
// every grey reaches the embosser as it was printed. A PDF file is written as noma-cli writes
// it, so that the same job gives the same file.
class QtPrinter final : public Printer {
  public:
    // `dialogParent`: the window the printer set-up dialog belongs to.
    explicit QtPrinter(QWidget* dialogParent);
    ~QtPrinter() override;

    std::string deviceName() const override;
    int dpi() const override;
    int paperCode() const override;
    int orientation() const override;
    void setOrientation(int orientation) override;
    bool runSetupDialog() override;
    void setJobTitle(const std::string& title) override;

    Status beginDocument() override;
    int pageWidth() const override;
    int pageHeight() const override;
    Status printPage(const Canvas& picture) override;
    Status newPage() override;
    Status endDocument() override;

    // Printing to a PDF file: the file it goes to ("" when none is chosen yet).
    bool printsToFile() const;
    std::string outputFile() const;
    void setOutputFile(const std::string& path);
    QPrinter& qprinter() { return printer_; }

  private:
    // A PDF "printer" gets a fixed resolution that keeps pages small enough to hold.
    void settleResolution();
    // The chosen paper's portrait size.
    PaperSize sheet() const;
    // The first failure stays the job's failure.
    Status fail(const std::string& reason);

    QWidget* parent_;
    QPrinter printer_;
    std::string title_;
    std::unique_ptr<FilePrinter> file_;  // the job, while it goes to a PDF file
    std::unique_ptr<QPainter> painter_;
    bool begun_ = false;
    Status state_;
};

}  // namespace noma
