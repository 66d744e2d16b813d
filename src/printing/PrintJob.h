#pragma once

#include <string>

#include "document/ScoreDocument.h"
#include "platform/Printer.h"
#include "platform/Status.h"
#include "printing/PrintPage.h"
#include "printing/PrintRaster.h"

namespace noma {

class UserSymbolStore;

inline constexpr const char* kPrintJobTitle = "NOMA Printing";

// The dialog's choices that fix the raster when printing starts.
struct PrintSettings {
    PrintMode mode = PrintMode::Tactile;
    int dpi = 600;
    int strength = 3;         // tactile: 1..6
    int magnification = 100;  // ink: 50..300 percent
    int brailleOutput = 2;    // ink: 0 kana, 1 alphabet, 2 braille
    int fontSizeItem = 4;     // ink: text of fontSizeItem + 8 points
};

PrintRaster printRaster(const PrintSettings& settings);

// One page as the job hands it to the printer: `picture` made `width` x `height` and white,
// then the page drawing (and, in ink print with braille translated, the text).
void drawJobPage(Canvas& picture, int width, int height, const ScoreDocument& doc, int page,
                 const PrintSettings& settings, const UserSymbolStore* userSymbols);

// The copy count and the page range, read afresh at every turn of the job's loops.
class JobControls {
  public:
    virtual ~JobControls() = default;
    virtual int copies() const = 0;
    virtual int firstPage() const = 0;  // 1-based, inclusive
    virtual int lastPage() const = 0;
    // After each printed page; false stops the job there (what is printed stays printed).
    virtual bool pagePrinted(int printedSoFar) {
        (void)printedSoFar;
        return true;
    }
};

struct PrintJobResult {
    int pages = 0;           // pages sent to the printer
    bool cancelled = false;  // stopped by pagePrinted
    Status status;           // the printer's refusal, when it refused
};

// The print job: every copy is the whole range in page order (collated), each page drawn
// into one page-sized picture that is handed to the printer before the next is drawn, with
// a page break between pages and none after the last. A first page after the last prints
// nothing: the document is begun and ended with no page in it.
PrintJobResult runPrintJob(const ScoreDocument& doc, const PrintSettings& settings,
                           const UserSymbolStore* userSymbols, JobControls& controls,
                           Printer& printer);

}  // namespace noma
