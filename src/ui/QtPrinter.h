#pragma once

#include <QPainter>
#include <QPrinter>
#include <memory>

#include "platform/Printer.h"

class QWidget;

namespace noma {

// The system's printers (CUPS) and print-to-PDF through QPrinter. Page pictures are drawn
// one printer pixel to one device pixel, without smoothing or lossy compression, so that
// every grey reaches the embosser as it was printed.
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

    bool beginDocument() override;
    int pageWidth() const override;
    int pageHeight() const override;
    bool printPage(const Canvas& picture) override;
    bool newPage() override;
    bool endDocument() override;
    std::string failure() const override { return failure_; }

    // Printing to a PDF file: the file it goes to ("" when none is chosen yet).
    bool printsToFile() const;
    std::string outputFile() const;
    void setOutputFile(const std::string& path);
    QPrinter& qprinter() { return printer_; }

  private:
    // A PDF "printer" gets a fixed resolution that keeps pages small enough to hold.
    void settleResolution();

    QWidget* parent_;
    QPrinter printer_;
    std::unique_ptr<QPainter> painter_;
    bool begun_ = false;
    std::string failure_;
};

}  // namespace noma
