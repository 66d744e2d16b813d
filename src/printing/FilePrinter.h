#pragma once

#include <memory>
#include <string>

#include "platform/PdfWriter.h"
#include "platform/Printer.h"

namespace noma {

// A printer that prints into a file at a chosen resolution and paper: a PDF of every page,
// or a PNG of the first page only. The printable area is the whole sheet. noma-cli prints
// through it, and tests see exactly what a printer would be sent.
class FilePrinter final : public Printer {
  public:
    enum class Format { Pdf, Png };

    FilePrinter(std::string path, Format format, int dpi, int paperCode);

    std::string deviceName() const override { return path_; }
    int dpi() const override { return dpi_; }
    int paperCode() const override { return paperCode_; }
    int orientation() const override { return orientation_; }
    void setOrientation(int orientation) override;
    bool runSetupDialog() override { return false; }
    void setJobTitle(const std::string& title) override { title_ = title; }

    bool beginDocument() override;
    int pageWidth() const override;
    int pageHeight() const override;
    bool printPage(const Canvas& picture) override;
    bool newPage() override;
    bool endDocument() override;
    std::string failure() const override { return failure_; }

    // What the job did, for tests: pages printed and page breaks.
    int pagesPrinted() const { return pages_; }
    int pageBreaks() const { return breaks_; }

  private:
    bool fail(const std::string& reason);

    std::string path_;
    Format format_;
    int dpi_;
    int paperCode_;
    int orientation_ = 1;
    std::string title_;
    std::unique_ptr<PdfWriter> pdf_;
    std::string png_;  // the first page, encoded
    int pages_ = 0;
    int breaks_ = 0;
    bool pageOpen_ = false;
    std::string failure_;
};

}  // namespace noma
