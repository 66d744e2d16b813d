#pragma once

#include <string>

#include "platform/Canvas.h"
#include "platform/Status.h"

namespace noma {

// The system printer as the print dialog and the print job use it. The editor wraps the
// platform's printers (and their print-to-file); noma-cli and tests print into files.
class Printer {
  public:
    virtual ~Printer() = default;

    virtual std::string deviceName() const = 0;
    // Dots per inch, taken for both axes.
    virtual int dpi() const = 0;
    // The device mode's paper code (9 A4, 8 A3, 12 B4, 13 B5, ...) and orientation (1
    // portrait, 2 landscape).
    virtual int paperCode() const = 0;
    virtual int orientation() const = 0;
    virtual void setOrientation(int orientation) = 0;
    // The printer selection and properties; true when the user confirmed a choice.
    virtual bool runSetupDialog() = 0;
    virtual void setJobTitle(const std::string& title) = 0;

    // The job: begin, then pages separated by newPage, then end. Each step fails with the
    // printer's reason when the printer refuses.
    virtual Status beginDocument() = 0;
    // The printable area of the current page in printer pixels, known once the job has begun.
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    // Puts the picture on the current page, its (0, 0) at the printable area's corner.
    virtual Status printPage(const Canvas& picture) = 0;
    virtual Status newPage() = 0;
    virtual Status endDocument() = 0;
};

}  // namespace noma
