#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/Canvas.h"
#include "platform/Status.h"

namespace noma {

// Writes a PDF whose every page is one picture at a given resolution, stored losslessly
// (Flate), in grey when the picture has no colour. Pages go to the file as they come, so a
// long document never has to fit in memory; the file appears under its name only when
// finish() succeeds, and a writer given up on leaves nothing behind.
class PdfWriter {
  public:
    PdfWriter(const std::string& path, std::string title);
    ~PdfWriter();
    PdfWriter(const PdfWriter&) = delete;
    PdfWriter& operator=(const PdfWriter&) = delete;

    // Appends a page the size of `picture` at `dpi` dots per inch, showing it whole.
    Status addPage(const Canvas& picture, int dpi);
    // Writes the page tree and the cross-reference table and puts the file in place; a
    // document without pages is not written.
    Status finish();

    int pageCount() const { return static_cast<int>(pageObjects_.size()); }
    // How the writer stands: the first failure (opening the file included) stays.
    Status status() const;

  private:
    void open();
    void fail(const std::string& reason);
    int beginObject();
    void write(const std::string& text);
    void writeBytes(const void* data, size_t size);

    std::string path_;
    AtomicFile file_;
    std::string title_;
    uint64_t offset_ = 0;
    std::vector<uint64_t> objectOffsets_;  // object n at index n - 1; 0 while not written
    std::vector<int> pageObjects_;
    std::string reason_;  // why it failed (English); empty while all goes well
    bool finished_ = false;
};

}  // namespace noma
