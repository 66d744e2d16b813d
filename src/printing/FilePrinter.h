#pragma once

#include <memory>
#include <string>

#include "platform/PdfWriter.h"
#include "platform/Printer.h"
#include "printing/PaperSize.h"

namespace noma {

// A printer that prints into a file at a chosen resolution and paper: a PDF of every page,
// or a PNG of the first page only. The printable area is the whole sheet. noma-cli and the
// editor's print to a PDF file go through it, so the same job gives the same file; tests see
// exactly what a printer would be sent.
class FilePrinter final : public Printer {
  public:
    enum class Format { Pdf, Png };

    FilePrinter(std::string path, Format format, int dpi, int paperCode);
    // A sheet of any size; `paperCode` is what the printer reports for it.
    FilePrinter(std::string path, Format format, int dpi, int paperCode, PaperSize sheet);

    std::string deviceName() const override { return path_; }
    int dpi() const override { return dpi_; }
    int paperCode() const override { return paperCode_; }
    int orientation() const override { return orientation_; }
    void setOrientation(int orientation) override;
    bool runSetupDialog() override { return false; }
    void setJobTitle(const std::string& title) override { title_ = title; }

    Status beginDocument() override;
    int pageWidth() const override;
    int pageHeight() const override;
    Status printPage(const Canvas& picture) override;
    Status newPage() override;
    Status endDocument() override;

    // What the job did, for tests: pages printed and page breaks.
    int pagesPrinted() const { return pages_; }
    int pageBreaks() const { return breaks_; }

  private:
    // The first failure stays the job's failure.
    Status fail(const std::string& reason);
    Status fail(const Status& status);

    std::string path_;
    Format format_;
    int dpi_;
    int paperCode_;
    PaperSize sheet_;
    int orientation_ = 1;
    std::string title_;
    std::unique_ptr<PdfWriter> pdf_;
    std::string png_;  // the first page, encoded
    int pages_ = 0;
    int breaks_ = 0;
    bool pageOpen_ = false;
    Status state_;
};

}  // namespace noma
